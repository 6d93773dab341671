#include "platform/win32/wide.h"

#include "platform/utf8.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {
namespace {

// Below this length every file API takes a plain path (CreateDirectoryW allows 12 fewer than MAX_PATH).
constexpr std::size_t kPlainPathLimit = MAX_PATH - 12;

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

bool IsSeparator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool IsDriveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// `root` followed by the pieces of `rest`, with empty and "." pieces dropped and ".." taking away the piece
// before it (never the root), as Windows resolves them. Unlike Windows, trailing dots and blanks stay, so
// each piece names exactly the entry that was listed. A trailing separator is kept.
std::wstring Resolved(std::wstring root, std::wstring_view rest) {
    std::vector<std::wstring_view> pieces;
    for (std::size_t start = 0; start < rest.size();) {
        std::size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end])) {
            ++end;
        }
        const std::wstring_view piece = rest.substr(start, end - start);
        if (piece == L"..") {
            if (!pieces.empty()) {
                pieces.pop_back();
            }
        } else if (!piece.empty() && piece != L".") {
            pieces.push_back(piece);
        }
        start = end + 1;
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        root += pieces[i];
        if (i + 1 < pieces.size() || IsSeparator(rest.back())) {
            root += L'\\';
        }
    }
    return root;
}

// The "\\?\" form of a full path ("C:\..." or "\\server\share\..."); empty for any other path.
std::wstring Literal(const std::wstring& path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == L':' && IsSeparator(path[2])) {
        return Resolved(L"\\\\?\\" + path.substr(0, 2) + L"\\", std::wstring_view(path).substr(3));
    }
    if (path.size() > 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        const std::size_t server = path.find_first_of(L"\\/", 2);
        const std::size_t share =
            server == std::wstring::npos ? server : path.find_first_of(L"\\/", server + 1);
        if (server == 2 || share == std::wstring::npos || share == server + 1) {
            return {};
        }
        const std::wstring root =
            path.substr(2, server - 2) + L"\\" + path.substr(server + 1, share - server - 1);
        return Resolved(L"\\\\?\\UNC\\" + root + L"\\", std::wstring_view(path).substr(share + 1));
    }
    return {};
}

} // namespace

std::wstring Widen(std::string_view utf8) {
    return ToUtf16<std::wstring>(utf8);
}

std::string Narrow(std::wstring_view wide) {
    return FromUtf16(wide);
}

std::wstring WidePath(std::string_view utf8) {
    std::wstring path = Widen(utf8);
    if (path.rfind(L"\\\\?\\", 0) == 0 || path.rfind(L"\\\\.\\", 0) == 0) {
        return path;
    }
    std::wstring literal = Literal(path);
    if (!literal.empty()) {
        return literal;
    }
    if (path.size() < kPlainPathLimit) {
        return path;
    }
    const std::wstring full = FullPath(path);
    if (full.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + full.substr(2);
    }
    return L"\\\\?\\" + full;
}

} // namespace platform::win32
