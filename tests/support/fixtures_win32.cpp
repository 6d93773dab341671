// The fixtures of Windows builds: a real scratch folder below the temp folder and a real scratch key
// below HKEY_LOCAL_MACHINE (32-bit view), both removed afterwards. No fault injection here.
#include "tests/support/fixtures.h"

#include "platform/win32/disk.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"

#include <windows.h>

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

} // namespace

std::unique_ptr<FileFixture> MakeFileFixture() {
    return std::make_unique<Win32FileFixture>();
}

std::unique_ptr<RegistryFixture> MakeRegistryFixture() {
    return std::make_unique<Win32RegistryFixture>();
}

} // namespace testsupport
