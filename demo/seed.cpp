#include "demo/seed.h"
#include "platform/win32/win32_registry.h"

#include "demo/module_list.h"
#include "install/paths.h"
#include "platform/win32/disk.h"

#include <windows.h>

#include <stdexcept>

namespace demo {
namespace {

namespace disk = platform::win32::disk;

constexpr char kCurrentVersionKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

std::string DesktopManagerFolder(const std::string& programFilesDir) {
    const std::string program = install::DesktopManagerProgram(programFilesDir);
    return program.substr(0, program.find_last_of('\\'));
}

void InstallStandIn(const std::string& from, const std::string& to, SeedResult& result) {
    if (!disk::Exists(from)) {
        result.missingStandIns.push_back(from);
        return;
    }
    disk::Copy(from, to);
    ++result.files;
}

} // namespace

// Read as Trimlode reads it: the 32-bit view, for reading only.
std::string ProgramFilesDirOf32BitPrograms() {
    const platform::RegistryValue value =
        platform::win32::Win32Registry().ReadLocalMachineValue(kCurrentVersionKey, "ProgramFilesDir");
    if (value.outcome != platform::RegistryValue::Outcome::Ok || value.text.empty()) {
        const std::string reason = value.error.ok() ? "no such value" : value.error.message;
        throw std::runtime_error("cannot read ProgramFilesDir: " + reason);
    }
    return value.text;
}

std::string RimCommonPathBelow(const std::string& programFilesDir) {
    return programFilesDir + "\\Common Files\\Research In Motion\\";
}

StandIns StandInsBeside(const std::string& folder) {
    return {folder + "\\standins\\loader.exe", folder + "\\standins\\DesktopMgr.exe"};
}

SeedResult SeedInstallation(const std::string& programFilesDir, const StandIns& standIns) {
    RemoveInstallation(programFilesDir);
    const std::string rim = RimCommonPathBelow(programFilesDir);
    SeedResult result;
    const ModuleList& list = DemoModules();
    for (const auto& os : list.operatingSystems) {
        const std::string java = install::JavaDir(rim, os);
        disk::MakeFolders(java);
        for (const auto& name : list.modules.at(os)) {
            disk::WriteFile(java + name, ModuleContent(os, name));
            ++result.files;
        }
    }
    disk::MakeFolders(install::AppLoaderDir(rim));
    disk::WriteFile(install::VendorFile(rim), VendorFileContent());
    ++result.files;
    InstallStandIn(standIns.loader, install::LoaderProgram(rim), result);
    disk::MakeFolders(DesktopManagerFolder(programFilesDir));
    InstallStandIn(standIns.desktopManager, install::DesktopManagerProgram(programFilesDir), result);
    return result;
}

void RemoveInstallation(const std::string& programFilesDir) {
    disk::RemoveTree(RimCommonPathBelow(programFilesDir));
    disk::RemoveTree(DesktopManagerFolder(programFilesDir));
}

} // namespace demo
