#pragma once
#include <string>
#include <vector>

// Lays out the demo installation of the maker's desktop software in the running Windows (a Wine prefix):
// the loader files of every demo operating system, the vendor file, the loader and the Desktop Manager.
namespace demo {

// ProgramFilesDir as 32-bit programs read it (the 32-bit registry view): where the maker's 32-bit
// software installs itself, and where Trimlode looks.
std::string ProgramFilesDirOf32BitPrograms();

// The maker's common-files folder below a Program Files folder, with a trailing backslash.
std::string RimCommonPathBelow(const std::string& programFilesDir);

// The stand-ins for the maker's programs, as the build lays them out: in "standins" below `folder`.
struct StandIns {
    std::string loader;         // loader.exe
    std::string desktopManager; // DesktopMgr.exe
};
StandIns StandInsBeside(const std::string& folder);

struct SeedResult {
    int files = 0;
    std::vector<std::string> missingStandIns; // stand-ins that were not found and so not installed
};

// Removes what an earlier seeding or Trimlode left (the removed-files folders included) and lays the
// installation out afresh. Throws std::runtime_error when a file cannot be written.
SeedResult SeedInstallation(const std::string& programFilesDir, const StandIns& standIns);

// Removes the whole installation, so Trimlode finds no operating system.
void RemoveInstallation(const std::string& programFilesDir);

} // namespace demo
