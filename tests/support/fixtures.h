#pragma once
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/status.h"
#include "platform/window.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Scratch areas on the platform under test: the simulation in native builds, the real Win32 layer in
// Windows builds (run under Wine). Tests written against these run unchanged on both.
namespace testsupport {

class FileFixture {
public:
    virtual ~FileFixture() = default;
    virtual platform::FileSystem& Files() = 0;
    // An empty scratch folder, with a trailing backslash; removed with the fixture.
    virtual std::string Root() const = 0;
    virtual void MakeFolders(const std::string& path) = 0;                           // every missing level
    virtual void WriteFile(const std::string& path, const std::string& content) = 0; // parents must exist
    virtual std::optional<std::string> ReadFile(const std::string& path) = 0;        // nullopt: no such file
    virtual void SetAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // Gives the entry an owner (the administrators group, or the user running the tests) and an access list
    // that lets the administration change it and, when `othersMayChange`, authenticated users too. False
    // when the system does not keep what was set (Wine derives a descriptor from the Unix mode instead).
    // Folders made by MakeFolders belong to the user running the tests, who may change them.
    virtual bool SetSecurity(const std::string& path, const platform::FolderSecurity& security) = 0;
    virtual bool Exists(const std::string& path) = 0; // file or folder
    // Entry names of a folder (no "." or ".."), sorted by name.
    virtual std::vector<std::string> List(const std::string& folder) = 0;
    // Holds the file open without sharing until Unlock, as another program would.
    virtual void Lock(const std::string& path) = 0;
    virtual void Unlock(const std::string& path) = 0;
    // Whether the file system takes names holding unpaired surrogates (Windows does; Wine refuses them).
    virtual bool HoldsUnpairedSurrogates() = 0;
    // Fault injection exists only in the simulation; tests that need it skip elsewhere.
    virtual bool CanInjectFaults() const = 0;
    // Makes the next operation of that kind ("move", "mkdir", "list") on `path` fail with `code`;
    // "step" breaks the next listing of the folder off after its first entry.
    virtual void InjectFault(const std::string& operation, const std::string& path, std::uint32_t code) = 0;
};

std::unique_ptr<FileFixture> MakeFileFixture();

class RegistryFixture {
public:
    virtual ~RegistryFixture() = default;
    virtual platform::Registry& Registry() = 0;
    // A scratch key below HKEY_LOCAL_MACHINE (32-bit view), removed with the fixture.
    virtual std::string ScratchKey() const = 0;
    virtual void SetValue(const std::string& name, std::uint32_t type,
                          const std::vector<std::uint8_t>& data) = 0;
    virtual void SetString(const std::string& name, const std::string& utf8, std::uint32_t type) = 0;
    virtual bool CanInjectFaults() const = 0;
    // Makes reading that value's data fail after its size was obtained.
    virtual void InjectReadFailure(const std::string& name) = 0;
};

std::unique_ptr<RegistryFixture> MakeRegistryFixture();

// The window library under test, with what a user does to a shown form: the headless library natively,
// real windows under Windows.
class WindowFixture {
public:
    virtual ~WindowFixture() = default;
    virtual platform::WindowLibrary& Windows() = 0;
    // A click on a button or check box of a shown form.
    virtual void Click(platform::Form& form, const std::string& control) = 0;
    // A click on an item of a shown radio group.
    virtual void ChooseItem(platform::Form& form, const std::string& radioGroup, int index) = 0;
    // The control that has the keyboard focus, one of `controls`; empty when none of them has it.
    virtual std::string Focused(platform::Form& form, const std::vector<std::string>& controls) = 0;
};

std::unique_ptr<WindowFixture> MakeWindowFixture();

} // namespace testsupport
