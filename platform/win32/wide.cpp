#include "platform/win32/wide.h"

#include <windows.h>

#include <climits>

namespace platform::win32 {
namespace {

// Below this length every file API takes a plain path (CreateDirectoryW allows 12 fewer than MAX_PATH).
constexpr std::size_t kPlainPathLimit = MAX_PATH - 12;

int Length(std::size_t size) {
    return size > INT_MAX ? INT_MAX : static_cast<int>(size);
}

std::wstring FullPath(const std::wstring& path) {
    std::wstring full(path.size() + 16, L'\0');
    for (;;) {
        const DWORD length =
            GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return path;
        }
        if (length < full.size()) {
            full.resize(length);
            return full;
        }
        full.resize(length);
    }
}

} // namespace

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int size = Length(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
    return wide;
}

std::string Narrow(std::wstring_view wide) {
    if (wide.empty()) {
        return {};
    }
    const int size = Length(wide.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), length, nullptr, nullptr);
    return utf8;
}

std::wstring WidePath(std::string_view utf8) {
    std::wstring path = Widen(utf8);
    if (path.size() < kPlainPathLimit || path.rfind(L"\\\\?\\", 0) == 0) {
        return path;
    }
    const std::wstring full = FullPath(path);
    if (full.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

} // namespace platform::win32
