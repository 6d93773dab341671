#include "demo/disk.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

namespace demo::disk {
namespace {

[[noreturn]] void Fail(const std::string& what, const std::string& path, DWORD code) {
    throw std::runtime_error(what + " " + path + ": " + ErrorText(code));
}

class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    ~FindHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            FindClose(handle_);
    }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

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

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty())
        return {};
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const std::wstring& wide) {
    if (wide.empty())
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size, nullptr,
                        nullptr);
    return utf8;
}

std::string ErrorText(unsigned long code) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"error " + std::to_wstring(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r'))
        text.pop_back();
    return Utf8(text);
}

std::uint32_t Attributes(const std::string& path) {
    return GetFileAttributesW(Wide(WithoutTrailingSlash(path)).c_str());
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
    if (!CreateDirectoryW(Wide(folder).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
        Fail("cannot create", folder, GetLastError());
}

void WriteFile(const std::string& path, const std::string& content) {
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid())
        Fail("cannot write", path, GetLastError());
    DWORD written = 0;
    if (!::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr) ||
        written != content.size())
        Fail("cannot write", path, GetLastError());
}

std::optional<std::string> ReadFile(const std::string& path) {
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
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
    FindHandle find(FindFirstFileW(Wide(WithoutTrailingSlash(folder) + "\\*").c_str(), &data));
    if (!find.Valid())
        return names;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..")
            names.push_back(Utf8(name));
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
    SetFileAttributesW(Wide(target).c_str(), FILE_ATTRIBUTE_NORMAL);
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        for (const auto& name : List(target))
            RemoveTree(target + "\\" + name);
        if (!RemoveDirectoryW(Wide(target).c_str()))
            Fail("cannot remove", target, GetLastError());
    } else if (!DeleteFileW(Wide(target).c_str())) {
        Fail("cannot remove", target, GetLastError());
    }
}

void Copy(const std::string& from, const std::string& to) {
    if (!CopyFileW(Wide(from).c_str(), Wide(to).c_str(), FALSE))
        Fail("cannot copy to " + to + " from", from, GetLastError());
}

} // namespace demo::disk
