// The fixtures of Windows builds: a real scratch folder below the temp folder and a real scratch key
// below HKEY_LOCAL_MACHINE (32-bit view), both removed afterwards. No fault injection here.
#include "tests/support/fixtures.h"

#include "platform/win32/disk.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_window.h"

#include <windows.h>

#include <aclapi.h>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace testsupport {
namespace {

namespace disk = platform::win32::disk;
using platform::win32::FileHandle;
using platform::win32::Narrow;
using platform::win32::RegistryKey;
using platform::win32::Widen;
using platform::win32::WidePath;

// A name no other run or fixture uses at the same time.
std::wstring UniqueSuffix() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter.QuadPart);
}

// A well-known SID in a buffer of its own.
std::vector<BYTE> KnownSid(WELL_KNOWN_SID_TYPE type) {
    std::vector<BYTE> sid(SECURITY_MAX_SID_SIZE);
    DWORD size = static_cast<DWORD>(sid.size());
    if (!CreateWellKnownSid(type, nullptr, sid.data(), &size)) {
        throw std::runtime_error("cannot build a well-known SID");
    }
    return sid;
}

// The SID of the user running the tests.
std::vector<BYTE> CurrentUserSid() {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) {
        throw std::runtime_error("cannot open the process token");
    }
    const platform::win32::KernelHandle token(raw);
    std::vector<BYTE> buffer(256);
    DWORD size = 0;
    if (!GetTokenInformation(token.Get(), TokenUser, buffer.data(), static_cast<DWORD>(buffer.size()),
                             &size)) {
        throw std::runtime_error("cannot read the token's user");
    }
    const PSID sid = reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid;
    return std::vector<BYTE>(static_cast<BYTE*>(sid), static_cast<BYTE*>(sid) + GetLengthSid(sid));
}

EXPLICIT_ACCESSW Grant(std::vector<BYTE>& sid, DWORD rights) {
    EXPLICIT_ACCESSW access{};
    access.grfAccessPermissions = rights;
    access.grfAccessMode = GRANT_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
    access.Trustee.ptstrName = reinterpret_cast<LPWSTR>(sid.data());
    return access;
}

class Win32FileFixture : public FileFixture {
public:
    Win32FileFixture() {
        const std::wstring temp = Widen(disk::TempFolder());
        for (int attempt = 0; root_.empty(); ++attempt) {
            const std::wstring candidate =
                temp + L"TrimlodeTest-" + UniqueSuffix() + L"-" + std::to_wstring(attempt);
            if (CreateDirectoryW(candidate.c_str(), nullptr)) {
                root_ = candidate + L"\\";
            } else if (GetLastError() != ERROR_ALREADY_EXISTS || attempt > 100) {
                throw std::runtime_error("cannot create a scratch folder");
            }
        }
    }
    ~Win32FileFixture() override {
        locks_.clear();
        try {
            disk::RemoveTree(Narrow(root_));
        } catch (const std::runtime_error&) {
            // A scratch folder left behind in the temp folder harms no later run.
        }
    }

    platform::FileSystem& Files() override { return files_; }
    std::string Root() const override { return Narrow(root_); }

    void MakeFolders(const std::string& path) override { disk::MakeFolders(path); }
    void WriteFile(const std::string& path, const std::string& content) override {
        disk::WriteFile(path, content);
    }
    std::optional<std::string> ReadFile(const std::string& path) override { return disk::ReadFile(path); }

    void SetAttributes(const std::string& path, std::uint32_t attributes) override {
        const DWORD bits = attributes & ~platform::attr::kDirectory;
        if (!SetFileAttributesW(WidePath(path).c_str(), bits == 0 ? FILE_ATTRIBUTE_NORMAL : bits)) {
            throw std::runtime_error("cannot set attributes of " + path);
        }
    }

    bool SetSecurity(const std::string& path, const platform::FolderSecurity& security) override {
        std::vector<BYTE> admins = KnownSid(WinBuiltinAdministratorsSid);
        std::vector<BYTE> system = KnownSid(WinLocalSystemSid);
        std::vector<BYTE> users = KnownSid(WinBuiltinUsersSid);
        std::vector<BYTE> authenticated = KnownSid(WinAuthenticatedUserSid);
        std::vector<BYTE> owner = security.ownedByAdministration ? admins : CurrentUserSid();
        std::vector<EXPLICIT_ACCESSW> entries = {Grant(admins, GENERIC_ALL), Grant(system, GENERIC_ALL),
                                                 Grant(users, GENERIC_READ | GENERIC_EXECUTE)};
        if (security.othersMayChange) {
            entries.push_back(Grant(authenticated, GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE | DELETE));
        }
        PACL acl = nullptr;
        if (SetEntriesInAclW(static_cast<ULONG>(entries.size()), entries.data(), nullptr, &acl) !=
            ERROR_SUCCESS) {
            throw std::runtime_error("cannot build an access list");
        }
        std::wstring wide = WidePath(path);
        const DWORD result = SetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                                                   OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION |
                                                       PROTECTED_DACL_SECURITY_INFORMATION,
                                                   owner.data(), nullptr, acl, nullptr);
        LocalFree(acl);
        if (result != ERROR_SUCCESS) {
            throw std::runtime_error("cannot set the security of " + path + ": " + std::to_string(result));
        }
        const auto kept = files_.SecurityOf(path);
        return kept && kept->ownedByAdministration == security.ownedByAdministration &&
               kept->othersMayChange == security.othersMayChange;
    }

    bool Exists(const std::string& path) override { return disk::Exists(path); }
    std::vector<std::string> List(const std::string& folder) override { return disk::List(folder); }

    void Lock(const std::string& path) override {
        FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) {
            throw std::runtime_error("cannot lock " + path);
        }
        locks_[path] = std::move(file);
    }

    void Unlock(const std::string& path) override { locks_.erase(path); }

    bool HoldsUnpairedSurrogates() override {
        const std::wstring probe = WidePath(Narrow(root_ + L"surrogate-\xDC80"));
        if (!CreateDirectoryW(probe.c_str(), nullptr)) {
            return false;
        }
        RemoveDirectoryW(probe.c_str());
        return true;
    }

    bool CanInjectFaults() const override { return false; }
    void InjectFault(const std::string&, const std::string&, std::uint32_t) override {
        throw std::logic_error("fault injection exists only in the simulation");
    }

private:
    platform::win32::Win32FileSystem files_;
    std::wstring root_;
    std::map<std::string, FileHandle> locks_;
};

class Win32RegistryFixture : public RegistryFixture {
public:
    Win32RegistryFixture() : path_(L"SOFTWARE\\TrimlodeTest-" + UniqueSuffix()) {
        HKEY created = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), 0, nullptr, 0,
                            KEY_ALL_ACCESS | KEY_WOW64_32KEY, nullptr, &created, nullptr) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot create a scratch registry key");
        }
        key_ = RegistryKey(created);
    }
    ~Win32RegistryFixture() override {
        RegDeleteTreeW(key_.Get(), nullptr);
        key_.Reset();
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, path_.c_str(), KEY_WOW64_32KEY, 0);
    }

    platform::Registry& Registry() override { return registry_; }
    std::string ScratchKey() const override { return Narrow(path_); }

    void SetValue(const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& data) override {
        if (RegSetValueExW(key_.Get(), Widen(name).c_str(), 0, type, data.empty() ? nullptr : data.data(),
                           static_cast<DWORD>(data.size())) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot set registry value " + name);
        }
    }

    void SetString(const std::string& name, const std::string& utf8, std::uint32_t type) override {
        const std::wstring text = Widen(utf8);
        std::vector<std::uint8_t> data;
        for (wchar_t unit : text) {
            data.push_back(static_cast<std::uint8_t>(unit & 0xFF));
            data.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
        }
        data.push_back(0);
        data.push_back(0);
        SetValue(name, type, data);
    }

    bool CanInjectFaults() const override { return false; }
    void InjectReadFailure(const std::string&) override {
        throw std::logic_error("fault injection exists only in the simulation");
    }

private:
    platform::win32::Win32Registry registry_;
    std::wstring path_;
    RegistryKey key_;
};

class Win32WindowFixture : public WindowFixture {
public:
    platform::WindowLibrary& Windows() override { return windows_; }
    void Click(platform::Form& form, const std::string& control) override {
        SendMessageW(ControlOf(form, control).Window(), BM_CLICK, 0, 0);
    }
    // The group's buttons are its child windows, in item order.
    void ChooseItem(platform::Form& form, const std::string& radioGroup, int index) override {
        HWND button = GetWindow(ControlOf(form, radioGroup).Window(), GW_CHILD);
        for (int i = 0; i < index && button; ++i) {
            button = GetWindow(button, GW_HWNDNEXT);
        }
        SendMessageW(button, BM_CLICK, 0, 0);
    }
    std::string Focused(platform::Form& form, const std::vector<std::string>& controls) override {
        const HWND focus = GetFocus();
        for (const std::string& name : controls) {
            if (ControlOf(form, name).Owns(focus)) {
                return name;
            }
        }
        return {};
    }

private:
    static platform::win32::Win32Control& ControlOf(platform::Form& form, const std::string& name) {
        auto* control = dynamic_cast<platform::win32::Win32Control*>(form.FindControl(name));
        if (!control) {
            throw std::logic_error("no control named " + name);
        }
        return *control;
    }

    platform::win32::Win32WindowLibrary windows_;
};

} // namespace

std::unique_ptr<WindowFixture> MakeWindowFixture() {
    return std::make_unique<Win32WindowFixture>();
}

std::unique_ptr<FileFixture> MakeFileFixture() {
    return std::make_unique<Win32FileFixture>();
}

std::unique_ptr<RegistryFixture> MakeRegistryFixture() {
    return std::make_unique<Win32RegistryFixture>();
}

} // namespace testsupport
