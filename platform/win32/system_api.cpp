#include "platform/win32/system_api.h"

#include <string>

namespace platform::win32 {

namespace {

// Loads a library from the system folder only, never from the current or the program's folder.
Module LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return Module();
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + name;
    return Module(LoadLibraryW(path.c_str()));
}

template <typename Fn> Fn Lookup(HMODULE module, const char* name) {
    if (!module) {
        return nullptr;
    }
    // The detour through a plain function pointer type is the cast both compilers accept silently.
    return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

constexpr int kMonitorEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

SystemApi::SystemApi()
    : shcore_(LoadSystemLibrary(L"shcore.dll")), uxtheme_(LoadSystemLibrary(L"uxtheme.dll")) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    getDpiForWindow_ = Lookup<GetDpiForWindowFn>(user32, "GetDpiForWindow");
    adjustWindowRectExForDpi_ = Lookup<AdjustWindowRectExForDpiFn>(user32, "AdjustWindowRectExForDpi");
    getDpiForMonitor_ = Lookup<GetDpiForMonitorFn>(shcore_.Get(), "GetDpiForMonitor");
    setWindowTheme_ = Lookup<SetWindowThemeFn>(uxtheme_.Get(), "SetWindowTheme");
}

int SystemApi::SystemDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen) {
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int SystemApi::DpiForWindow(HWND window) const {
    if (getDpiForWindow_) {
        const UINT dpi = getDpiForWindow_(window);
        if (dpi > 0) {
            return static_cast<int>(dpi);
        }
    }
    return DpiForMonitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

int SystemApi::DpiForMonitor(HMONITOR monitor) const {
    UINT x = 0, y = 0;
    if (getDpiForMonitor_ && monitor && SUCCEEDED(getDpiForMonitor_(monitor, kMonitorEffectiveDpi, &x, &y)) &&
        y > 0) {
        return static_cast<int>(y);
    }
    return SystemDpi();
}

RECT SystemApi::OuterRect(const RECT& client, DWORD style, DWORD exStyle, int dpi) const {
    RECT outer = client;
    if (!adjustWindowRectExForDpi_ ||
        !adjustWindowRectExForDpi_(&outer, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        outer = client;
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    }
    return outer;
}

void SystemApi::DisableVisualStyles(HWND control) const {
    if (setWindowTheme_) {
        setWindowTheme_(control, L"", L"");
    }
}

} // namespace platform::win32
