// trimlode_e2e: starts trimlode.exe in a seeded installation and uses it as a person would.
// Options besides GoogleTest's: --screenshot=PATH (where the window's picture goes).
#include "demo/seed.h"
#include "e2e/driver/environment.h"
#include "platform/win32/disk.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <exception>
#include <optional>
#include <sstream>

namespace e2e {
namespace {

constexpr char kLogName[] = "trimlode-standins.log";

std::optional<Environment>& Storage() {
    static std::optional<Environment> environment;
    return environment;
}

std::string OwnFolder() {
    const std::wstring path = platform::win32::ExecutablePath();
    return platform::win32::Narrow(path.substr(0, path.find_last_of(L'\\')));
}

} // namespace

const Environment& Env() {
    return *Storage();
}
void SetEnvironment(Environment environment) {
    Storage() = std::move(environment);
}

std::vector<std::string> StandInLog() {
    std::vector<std::string> lines;
    const auto content = platform::win32::disk::ReadFile(Env().workFolder + "\\" + kLogName);
    std::istringstream stream(content.value_or(""));
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

void ClearStandInLog() {
    platform::win32::disk::RemoveTree(Env().workFolder + "\\" + kLogName);
}

} // namespace e2e

namespace {

// Everything the scenarios need from the running Windows. A failure here is recorded, not thrown: every
// test then fails with the reason instead of the driver ending in std::terminate.
e2e::Environment SettleEnvironment(int argc, char** argv) {
    e2e::Environment environment;
    environment.driverFolder = e2e::OwnFolder();
    environment.trimlodeExe = environment.driverFolder + "\\trimlode.exe";
    environment.screenshotPath = "e2e-screenshot.png";
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const std::string screenshot = "--screenshot=";
        if (argument.rfind(screenshot, 0) == 0)
            environment.screenshotPath = argument.substr(screenshot.size());
    }
    try {
        environment.programFilesDir = demo::ProgramFilesDirOf32BitPrograms();
        environment.workFolder =
            platform::win32::disk::TempFolder() + "trimlode-e2e-" + std::to_string(GetCurrentProcessId());
        platform::win32::disk::MakeFolders(environment.workFolder);
    } catch (const std::exception& error) {
        environment.problem = std::string("the end-to-end environment is not usable: ") + error.what();
    }
    return environment;
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    e2e::SetEnvironment(SettleEnvironment(argc, argv));
    const auto& environment = e2e::Env();
    if (environment.problem.empty()) {
        // Inherited by trimlode.exe and so by the stand-ins it starts: they log here and close by themselves.
        SetEnvironmentVariableW(L"TRIMLODE_STANDIN_LOG_DIR",
                                platform::win32::Widen(environment.workFolder).c_str());
        SetEnvironmentVariableW(L"TRIMLODE_STANDIN_AUTOCLOSE", L"1");
    }
    const int result = RUN_ALL_TESTS();
    try {
        if (!environment.workFolder.empty())
            platform::win32::disk::RemoveTree(environment.workFolder);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "trimlode_e2e: scratch folder left behind: %s\n", error.what());
    }
    return result;
}
