#include "platform/win32/single_instance.h"

#include <windows.h>

#include <sddl.h>

#include <vector>

namespace platform::win32 {

SingleInstance::SingleInstance(const std::wstring& name)
    : mutex_(CreateMutexW(nullptr, FALSE, name.c_str())) {
    const DWORD error = GetLastError();
    first_ = !(mutex_.Valid() ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED);
}

std::wstring PerUserName(const std::wstring& base) {
    HANDLE raw = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) {
        return L"Local\\" + base;
    }
    const KernelHandle token(raw);
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    wchar_t* sid = nullptr;
    if (size == 0 || !GetTokenInformation(token.Get(), TokenUser, buffer.data(), size, &size) ||
        !ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(buffer.data())->User.Sid, &sid)) {
        return L"Local\\" + base;
    }
    const std::wstring name = L"Local\\" + base + L"-" + sid;
    LocalFree(sid);
    return name;
}

bool BringWindowToFront(const wchar_t* windowClass) {
    const HWND window = FindWindowW(windowClass, nullptr);
    if (window == nullptr) {
        return false;
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
    }
    SetForegroundWindow(window);
    return true;
}

} // namespace platform::win32
