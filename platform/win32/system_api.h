#pragma once
#include "platform/win32/gdi.h"

#include <windows.h>

#include <string>

namespace platform::win32 {

// The full path of the running program's executable.
std::wstring ExecutablePath();

// Loads a library from the system folder only, never from the current or the program's folder.
Module LoadSystemLibrary(const wchar_t* name);

// The function `name` of `module` as a pointer of type Fn; null when the module or the function is missing.
template <typename Fn> Fn Lookup(HMODULE module, const char* name) {
    if (!module) {
        return nullptr;
    }
    // The detour through a plain function pointer type is the cast both compilers accept silently.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

// Functions of newer Windows versions that the window library uses when they exist. They are looked up at
// run time, so the program still starts on systems without them and falls back to the older way.
class SystemApi {
public:
    SystemApi();

    // Pixels per inch of the monitor the window is on; the system's value without per-monitor support.
    int DpiForWindow(HWND window) const;
    int DpiForMonitor(HMONITOR monitor) const;
    // The window rectangle around a client rectangle, with the frame sized for `dpi`.
    RECT OuterRect(const RECT& client, DWORD style, DWORD exStyle, int dpi) const;
    // Draws the control without visual styles, so it honours the text colour its parent gives it.
    void DisableVisualStyles(HWND control) const;
    // The font message boxes use, at the given DPI.
    Font MessageFont(int dpi) const;

    // Pixels per inch of the whole screen, as programs without per-monitor support see it.
    static int SystemDpi();

private:
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);

    Module shcore_;
    Module uxtheme_;
    GetDpiForWindowFn getDpiForWindow_ = nullptr;
    GetDpiForMonitorFn getDpiForMonitor_ = nullptr;
    AdjustWindowRectExForDpiFn adjustWindowRectExForDpi_ = nullptr;
    SetWindowThemeFn setWindowTheme_ = nullptr;
    SystemParametersInfoForDpiFn systemParametersInfoForDpi_ = nullptr;
};

} // namespace platform::win32
