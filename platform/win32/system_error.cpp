#include "platform/win32/system_error.h"

#include "platform/win32/wide.h"

#include <windows.h>

#include <cwctype>
#include <memory>

namespace platform::win32 {
namespace {

struct LocalFreeDeleter {
    void operator()(wchar_t* text) const { LocalFree(text); }
};

} // namespace

std::string SystemErrorText(unsigned long code) {
    wchar_t* raw = nullptr;
    const DWORD flags =
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    const DWORD length =
        FormatMessageW(flags, nullptr, code, 0, reinterpret_cast<wchar_t*>(&raw), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreeDeleter> owned(raw);
    std::wstring text(raw != nullptr ? raw : L"", length);
    while (!text.empty() && std::iswspace(text.back())) {
        text.pop_back();
    }
    if (text.empty()) {
        return "System error " + std::to_string(code) + ".";
    }
    return Narrow(text);
}

Status StatusOf(unsigned long code) {
    if (code == 0) {
        return Status::Success();
    }
    return Status{static_cast<std::uint32_t>(code), SystemErrorText(code)};
}

Status LastErrorStatus() {
    const DWORD code = GetLastError();
    return StatusOf(code != ERROR_SUCCESS ? code : ERROR_GEN_FAILURE);
}

} // namespace platform::win32
