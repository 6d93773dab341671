#include "install/program_files.h"
#include "platform/sim/sim_registry.h"
#include "tools/launchers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::sim::SimRegistry;

const char* const kKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char* const kValue = "ProgramFilesDir";

TEST(WipeConfirmation, OnlyTheExactWordConfirms) {
    EXPECT_TRUE(tools::IsWipeConfirmed("WipeMyDevice"));
    const std::string refused[] = {
        "",
        "wipemydevice",
        "WIPEMYDEVICE",
        "WipeMyDevice ",
        " WipeMyDevice",
        "    WipeMyDevice    ", // copied with the prompt's blanks
        "WipeMyDevic",
        "WipeMyDevices",
        "WipeMyDevice\r\n",
        std::string("WipeMyDevice\0", 13),
        std::string(255, 'W'),
    };
    for (const std::string& typed : refused) {
        EXPECT_FALSE(tools::IsWipeConfirmed(typed)) << '"' << typed << '"';
    }
}

TEST(WipeLoader, StartsTheLoaderBelowTheCommonFilesFolderInWipeMode) {
    const tools::Launch launch =
        tools::WipeLoaderLaunch("C:\\Program Files\\Common Files\\Research In Motion\\");
    EXPECT_EQ(launch.file, "C:\\Program Files\\Common Files\\Research In Motion\\AppLoader\\loader.exe");
    EXPECT_EQ(launch.parameters, "/nojvm");
}

TEST(DesktopManager, StartsTheProgramBelowProgramFilesDirWithoutParameters) {
    SimRegistry registry;
    registry.SetString(kKey, kValue, "C:\\Program Files");
    const tools::Launch launch = tools::DesktopManagerLaunch(registry);
    EXPECT_EQ(launch.file, "C:\\Program Files\\Research In Motion\\BlackBerry\\DesktopMgr.exe");
    EXPECT_EQ(launch.parameters, "");
}

TEST(DesktopManager, ReadsTheRegistryAgainOnEveryLaunch) {
    SimRegistry registry;
    registry.SetString(kKey, kValue, "C:\\Program Files");
    tools::DesktopManagerLaunch(registry);
    registry.SetString(kKey, kValue, "D:\\Apps");
    EXPECT_EQ(tools::DesktopManagerLaunch(registry).file,
              "D:\\Apps\\Research In Motion\\BlackBerry\\DesktopMgr.exe");
}

TEST(DesktopManager, RegistryErrorsStopTheLaunch) {
    SimRegistry wrongType;
    wrongType.SetValue(kKey, kValue, platform::regtype::kDWord, {1, 0, 0, 0});
    SimRegistry unreadable;
    unreadable.SetString(kKey, kValue, "C:\\Program Files");
    unreadable.InjectReadFailure(kKey, kValue);

    using Problem = install::ProgramFilesDirError::Problem;
    const std::pair<SimRegistry*, Problem> cases[] = {
        {&wrongType, Problem::InvalidType},
        {&unreadable, Problem::ReadFailed},
    };
    for (const auto& [registry, problem] : cases) {
        try {
            tools::DesktopManagerLaunch(*registry);
            ADD_FAILURE() << "no error";
        } catch (const install::ProgramFilesDirError& error) {
            EXPECT_EQ(error.problem(), problem);
        }
    }
}

TEST(Help, OpensTheDocumentBesideTheProgram) {
    struct Case {
        std::string executableFolder;
        std::string expected;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Trimlode\\", "C:\\Program Files\\Trimlode\\Trimlode.chm"},
        {"D:\\Tools\\Trimlode", "D:\\Tools\\Trimlode\\Trimlode.chm"},
        {"\\\\server\\share\\Trimlode\\", "\\\\server\\share\\Trimlode\\Trimlode.chm"},
        {"C:\\Users\\J\xC3\xBCrgen\\Werkzeuge\\", "C:\\Users\\J\xC3\xBCrgen\\Werkzeuge\\Trimlode.chm"},
        {"", "Trimlode.chm"}, // the program's folder unknown: a bare name, which is never opened
    };
    for (const Case& c : cases) {
        const tools::Launch launch = tools::HelpLaunch(c.executableFolder);
        EXPECT_EQ(launch.file, c.expected) << c.executableFolder;
        EXPECT_EQ(launch.parameters, "");
    }
}

} // namespace

TEST(Launch, OnlyFullPathsCount) {
    const std::pair<std::string, bool> cases[] = {
        {"C:\\Program Files\\Research In Motion\\BlackBerry\\DesktopMgr.exe", true},
        {"d:\\Apps\\loader.exe", true},
        {"\\\\server\\share\\Trimlode.chm", true},
        {"\\Research In Motion\\BlackBerry\\DesktopMgr.exe",
         false},                   // ProgramFilesDir empty: the current drive
        {"C:Trimlode.chm", false}, // the current folder of drive C
        {"Trimlode.chm", false},
        {"", false},
    };
    for (const auto& [path, full] : cases) {
        EXPECT_EQ(tools::IsFullPath(path), full) << path;
    }
}
