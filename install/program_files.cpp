#include "install/program_files.h"
#include "install/paths.h"

#include <cstddef>
#include <utility>

namespace install {

namespace {

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kProgramFilesValue = "ProgramFilesDir";

// Where the 32-bit installer of the maker's software puts its shared files, below the drive root. The
// name has no blank before "(x86)": that is how the maker spells it.
constexpr const char* kProbeBelowDrive = "\\Program Files(x86)\\Common Files\\Research In Motion\\";
constexpr const char* kBelowProgramFiles = "\\Common Files\\Research In Motion\\";

// True when every folder from the first level below the drive down to `folder` is owned by the administration
// and closed to everyone else, as Program Files is. Any signed-in user may create a folder at the root of a
// drive; this program runs elevated, so it must not start or move what such a folder holds.
bool IsProtectedBelowDrive(platform::FileSystem& files, const std::string& folder) {
    for (std::size_t cut = folder.find('\\', 3); cut != std::string::npos; cut = folder.find('\\', cut + 1)) {
        const auto security = files.SecurityOf(folder.substr(0, cut));
        if (!security || !security->ownedByAdministration || security->othersMayChange) {
            return false;
        }
    }
    return true;
}

} // namespace

ProgramFilesDirError::ProgramFilesDirError(Problem problem, std::string valueName)
    : platform::HandlerError(valueName +
                             (problem == Problem::InvalidType ? ": invalid data type" : ": unreadable")),
      problem_(problem), valueName_(std::move(valueName)) {}

std::string GetProgramFilesDir(platform::Registry& registry) {
    const platform::RegistryValue value =
        registry.ReadLocalMachineValue(kCurrentVersionKey, kProgramFilesValue);
    switch (value.outcome) {
    case platform::RegistryValue::Outcome::KeyMissing:
    case platform::RegistryValue::Outcome::ValueMissing:
        return {};
    case platform::RegistryValue::Outcome::ReadFailed:
        throw ProgramFilesDirError(ProgramFilesDirError::Problem::ReadFailed, kProgramFilesValue);
    case platform::RegistryValue::Outcome::Ok:
        break;
    }
    if (value.type != platform::regtype::kString && value.type != platform::regtype::kExpandString) {
        throw ProgramFilesDirError(ProgramFilesDirError::Problem::InvalidType, kProgramFilesValue);
    }
    return value.text;
}

std::string LocateRimCommonPath(platform::Registry& registry, platform::FileSystem& files) {
    const std::string drive = GetProgramFilesDir(registry).substr(0, 2);
    const std::string probe = drive + kProbeBelowDrive;
    if (files.Enumerate(CataloguePattern(probe), platform::kDirectoryMask) &&
        IsProtectedBelowDrive(files, probe)) {
        return probe;
    }
    return GetProgramFilesDir(registry) + kBelowProgramFiles;
}

} // namespace install
