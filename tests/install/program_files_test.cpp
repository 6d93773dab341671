#include "install/program_files.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_registry.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using platform::HandlerError;
using platform::sim::SimFileSystem;
using platform::sim::SimRegistry;

const char* const kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char* const kValue = "ProgramFilesDir";
const std::string kBelowDrive = "\\Program Files(x86)\\Common Files\\Research In Motion\\";
const std::string kRim = "\\Common Files\\Research In Motion\\";

// Drives C: and D: exist, holding nothing of the maker's software unless a case adds it.
struct Machine {
    SimRegistry registry;
    SimFileSystem files;
    Machine() {
        files.AddFolder("C:\\Windows");
        files.AddFolder("D:\\Data");
        registry.SetString(kKey, "CommonFilesDir", "C:\\Program Files\\Common Files");
    }
    void InstallPackageBelow(const std::string& rimCommonPath) {
        files.AddFolder(rimCommonPath + "Shared\\Loader Files\\4.5.0.44\\java");
    }
};

struct LocateCase {
    const char* label;
    std::optional<std::string> programFilesDir; // nullopt: the value is missing
    std::vector<std::string> packagesBelow;     // common-files folders holding a loader-files folder
    std::string expected;
};

TEST(Locate, ProbesBelowTheDriveThenFallsBackToProgramFilesDir) {
    const LocateCase cases[] = {
        {"package only below ProgramFilesDir",
         std::string("C:\\Program Files"),
         {"C:\\Program Files" + kRim},
         "C:\\Program Files" + kRim},
        {"the probe wins when both exist",
         std::string("C:\\Program Files"),
         {"C:\\Program Files" + kRim, "C:" + kBelowDrive},
         "C:" + kBelowDrive},
        {"64-bit value reaches its files through the fallback",
         std::string("C:\\Program Files (x86)"),
         {"C:\\Program Files (x86)" + kRim},
         "C:\\Program Files (x86)" + kRim},
        {"the probe uses the drive of ProgramFilesDir",
         std::string("D:\\Apps"),
         {"D:" + kBelowDrive},
         "D:" + kBelowDrive},
        {"other drive, fallback", std::string("D:\\Apps"), {"C:" + kBelowDrive}, "D:\\Apps" + kRim},
        {"nothing installed", std::string("C:\\Program Files"), {}, "C:\\Program Files" + kRim},
        {"empty value", std::string(""), {"C:" + kBelowDrive}, kRim},
        {"missing value", std::nullopt, {"C:" + kBelowDrive}, kRim},
        {"a value shorter than a drive", std::string("C"), {}, "C" + kRim},
        {"expandable text is used as stored", std::string("%ProgramFiles%"), {}, "%ProgramFiles%" + kRim},
    };
    for (const auto& c : cases) {
        Machine machine;
        if (c.programFilesDir) {
            machine.registry.SetString(kKey, kValue, *c.programFilesDir,
                                       c.programFilesDir->find('%') == std::string::npos
                                           ? platform::regtype::kString
                                           : platform::regtype::kExpandString);
        }
        for (const auto& rim : c.packagesBelow) {
            machine.InstallPackageBelow(rim);
        }
        EXPECT_EQ(install::LocateRimCommonPath(machine.registry, machine.files), c.expected) << c.label;
    }
}

// Any signed-in user may create "C:\Program Files(x86)"; this program runs elevated, so a probe folder that a
// user could have planted or may still change is passed over as if it were absent.
TEST(Locate, UsesTheProbeOnlyWhenEveryLevelIsProtected) {
    using platform::FolderSecurity;
    struct TrustCase {
        const char* label;
        std::string level; // below the drive
        std::optional<FolderSecurity> security;
        bool probeUsed;
    };
    const std::string top = "\\Program Files(x86)";
    const std::string rim = top + "\\Common Files\\Research In Motion";
    const TrustCase cases[] = {
        {"installed by the administration", top, FolderSecurity{true, false}, true},
        {"planted by a user", top, FolderSecurity{false, true}, false},
        {"owned by a user, closed to others", top, FolderSecurity{false, false}, false},
        {"owned by administrators but open to users", top, FolderSecurity{true, true}, false},
        {"a lower level open to users", rim, FolderSecurity{true, true}, false},
        {"a lower level owned by a user", top + "\\Common Files", FolderSecurity{false, false}, false},
        {"security that cannot be read", rim, std::nullopt, false},
        {"the loader files below may be open", rim + "\\Shared", FolderSecurity{false, true}, true},
    };
    for (const auto& c : cases) {
        Machine machine;
        machine.registry.SetString(kKey, kValue, "C:\\Program Files");
        machine.InstallPackageBelow("C:\\Program Files" + kRim);
        machine.InstallPackageBelow("C:" + kBelowDrive);
        machine.files.SetSecurity("C:" + c.level, c.security);
        EXPECT_EQ(install::LocateRimCommonPath(machine.registry, machine.files),
                  c.probeUsed ? "C:" + kBelowDrive : "C:\\Program Files" + kRim)
            << c.label;
    }
}

TEST(Locate, AnEmptyLoaderFilesFolderStillCounts) {
    Machine machine;
    machine.registry.SetString(kKey, kValue, "C:\\Program Files");
    machine.files.AddFolder("C:" + kBelowDrive + "Shared\\Loader Files");
    EXPECT_EQ(install::LocateRimCommonPath(machine.registry, machine.files), "C:" + kBelowDrive);
}

TEST(GetProgramFilesDir, TextUpToTheFirstNul) {
    Machine machine;
    machine.registry.SetString(kKey, kValue, std::string("C:\\Apps\0junk", 12));
    EXPECT_EQ(install::GetProgramFilesDir(machine.registry), "C:\\Apps");
    machine.registry.SetString(kKey, kValue, "C:\\Prögrämme\\名前");
    EXPECT_EQ(install::GetProgramFilesDir(machine.registry), "C:\\Prögrämme\\名前");
}

TEST(GetProgramFilesDir, UnreadableKeyGivesEmptyText) {
    SimRegistry missingKey;
    EXPECT_EQ(install::GetProgramFilesDir(missingKey), "");

    Machine denied;
    denied.registry.SetString(kKey, kValue, "C:\\Program Files");
    denied.registry.DenyKey(kKey);
    EXPECT_EQ(install::GetProgramFilesDir(denied.registry), "");
}

using Problem = install::ProgramFilesDirError::Problem;

void ExpectHandlerError(platform::Registry& registry, Problem problem) {
    try {
        install::GetProgramFilesDir(registry);
        ADD_FAILURE() << "no error";
    } catch (const install::ProgramFilesDirError& e) {
        EXPECT_EQ(e.problem(), problem);
        EXPECT_EQ(e.valueName(), "ProgramFilesDir");
    }
}

TEST(GetProgramFilesDir, WrongTypeAndUnreadableDataRaiseTheHandlerError) {
    const std::uint32_t otherTypes[] = {platform::regtype::kDWord, platform::regtype::kBinary,
                                        platform::regtype::kMultiString, platform::regtype::kQWord};
    for (std::uint32_t type : otherTypes) {
        Machine machine;
        machine.registry.SetValue(kKey, kValue, type, {1, 0, 0, 0, 0, 0, 0, 0});
        ExpectHandlerError(machine.registry, Problem::InvalidType);
    }

    Machine unreadable;
    unreadable.registry.SetString(kKey, kValue, "C:\\Program Files");
    unreadable.registry.InjectReadFailure(kKey, kValue);
    ExpectHandlerError(unreadable.registry, Problem::ReadFailed);

    // Locate stops with the same error.
    EXPECT_THROW(install::LocateRimCommonPath(unreadable.registry, unreadable.files), HandlerError);
}

} // namespace
