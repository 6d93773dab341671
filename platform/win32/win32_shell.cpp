#include "platform/win32/win32_shell.h"

#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <shellapi.h>

namespace platform::win32 {

unsigned long ShellExecuteError(long long result) {
    switch (result) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_FORMAT:
    case SE_ERR_ACCESSDENIED:
        return static_cast<unsigned long>(result);
    case SE_ERR_SHARE:
        return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
        return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
        return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND:
        return ERROR_DLL_NOT_FOUND;
    default:
        return ERROR_NOT_ENOUGH_MEMORY; // 0 and SE_ERR_OOM
    }
}

Status Win32Shell::Open(const std::string& file, const std::string& parameters, WindowHandle owner) {
    if (!shell32_.Valid()) {
        shell32_ = LoadSystemLibrary(L"shell32.dll");
    }
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    const auto shellExecute = Lookup<ShellExecuteFn>(shell32_.Get(), "ShellExecuteW");
    if (!shellExecute) {
        return LastErrorStatus();
    }
    const std::wstring wideFile = Widen(file);
    const std::wstring wideParameters = Widen(parameters);
    const HINSTANCE result =
        shellExecute(static_cast<HWND>(owner), nullptr, wideFile.c_str(),
                     wideParameters.empty() ? nullptr : wideParameters.c_str(), nullptr, SW_SHOWNORMAL);
    // The result is an HINSTANCE only in name: a number above 32 means success.
    const auto code = static_cast<long long>(reinterpret_cast<INT_PTR>(result));
    if (code <= 32) {
        return StatusOf(ShellExecuteError(code));
    }
    return Status::Success();
}

std::string Win32Shell::ExecutableFolder() {
    const std::wstring path = ExecutablePath();
    if (path.empty()) {
        return {};
    }
    return Narrow(path.substr(0, path.find_last_of(L"\\/") + 1));
}

} // namespace platform::win32
