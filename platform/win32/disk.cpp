#include "platform/win32/disk.h"

#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace platform::win32::disk {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, DWORD code) {
    throw std::runtime_error(what + " " + path + ": " + SystemErrorText(code));
}

std::string ParentOf(const std::string& path) {
    const auto slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string WithoutTrailingSlash(std::string path) {
    while (path.size() > 3 && path.back() == '\\')
        path.pop_back();
    return path;
}

} // namespace

std::uint32_t Attributes(const std::string& path) {
    return GetFileAttributesW(WidePath(WithoutTrailingSlash(path)).c_str());
}

bool Exists(const std::string& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

bool IsFolder(const std::string& path) {
    const auto attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void MakeFolders(const std::string& path) {
    const std::string folder = WithoutTrailingSlash(path);
    if (folder.size() <= 3 || IsFolder(folder))
        return;
    MakeFolders(ParentOf(folder));
    if (!CreateDirectoryW(WidePath(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        Fail("cannot create", folder, GetLastError());
}

void WriteFile(const std::string& path, const std::string& content) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        Fail("cannot write", path, GetLastError());
    DWORD written = 0;
    if (!::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size())
        Fail("cannot write", path, GetLastError());
}

std::optional<std::string> ReadFile(const std::string& path) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND)
            return std::nullopt;
        Fail("cannot read", path, code);
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    return content;
}

std::vector<std::string> List(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileW(WidePath(WithoutTrailingSlash(folder) + "\\*").c_str(), &data));
    if (!find.Valid())
        return names;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(Narrow(name));
    } while (FindNextFileW(find.Get(), &data));
    std::sort(names.begin(), names.end());
    return names;
}

void RemoveTree(const std::string& path) {
    const std::string target = WithoutTrailingSlash(path);
    const auto attributes = Attributes(target);
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return;
    // Read-only entries would refuse deletion; the demo's own tests make some of them so.
    SetFileAttributesW(WidePath(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const auto& name : List(target))
            RemoveTree(target + "\\" + name);
        if (!RemoveDirectoryW(WidePath(target).c_str()))
            Fail("cannot remove", target, GetLastError());
    } else if (!DeleteFileW(WidePath(target).c_str())) {
        Fail("cannot remove", target, GetLastError());
    }
}

void Copy(const std::string& from, const std::string& to) {
    if (!CopyFileW(WidePath(from).c_str(), WidePath(to).c_str(), FALSE))
        Fail("cannot copy to " + to + " from", from, GetLastError());
}

std::string TempFolder() {
    std::wstring path(MAX_PATH + 1, L'\0');
    for (;;) {
        const DWORD length = GetTempPathW(static_cast<DWORD>(path.size()), path.data());
        if (length == 0) {
            Fail("cannot find", "the temporary folder", GetLastError());
        }
        if (length < path.size()) {
            path.resize(length);
            return Narrow(path);
        }
        path.resize(length + 1);
    }
}

} // namespace platform::win32::disk
