#include "platform/win32/console.h"

#include "platform/win32/wide.h"

#include <windows.h>

#include <algorithm>

namespace platform::win32 {

namespace {

// Older consoles refuse very long single writes; a pair of surrogates is never split between two.
constexpr std::size_t kConsoleChunk = 8192;

bool WriteToConsole(HANDLE console, const std::wstring& text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t count = std::min(kConsoleChunk, text.size() - at);
        if (at + count < text.size() && IS_HIGH_SURROGATE(text[at + count - 1])) {
            --count;
        }
        DWORD written = 0;
        if (!WriteConsoleW(console, text.data() + at, static_cast<DWORD>(count), &written, nullptr) ||
            written == 0) {
            return false;
        }
        at += written;
    }
    return true;
}

bool WriteBytes(HANDLE file, const std::string& bytes) {
    for (std::size_t at = 0; at < bytes.size();) {
        const auto count = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - at, 1u << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data() + at, count, &written, nullptr) || written == 0) {
            return false;
        }
        at += written;
    }
    return true;
}

} // namespace

bool WriteStandard(StandardStream stream, const std::string& utf8) {
    const HANDLE handle =
        GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        return WriteToConsole(handle, Widen(utf8));
    }
    return WriteBytes(handle, utf8);
}

} // namespace platform::win32
