#include "demo/seed.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include "demo/disk.h"
#include "demo/module_list.h"
#include "install/paths.h"

#include <windows.h>

#include <stdexcept>

namespace demo {
namespace {

constexpr wchar_t kCurrentVersionKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion";

class RegistryKey {
public:
    RegistryKey() = default;
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_)
            RegCloseKey(key_);
    }
    HKEY* Receive() { return &key_; }
    HKEY Get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

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

std::string ProgramFilesDirOf32BitPrograms() {
    RegistryKey key;
    LONG status = RegOpenKeyExW(HKEY_LOCAL_MACHINE, kCurrentVersionKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY,
                                key.Receive());
    wchar_t buffer[MAX_PATH + 1] = {};
    DWORD size = sizeof buffer - sizeof buffer[0];
    if (status == ERROR_SUCCESS)
        status = RegQueryValueExW(key.Get(), L"ProgramFilesDir", nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(buffer), &size);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot read ProgramFilesDir: " +
                                 platform::win32::SystemErrorText(static_cast<DWORD>(status)));
    return platform::win32::Narrow(buffer);
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
