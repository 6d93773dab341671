#include "platform/win32/system_api.h"

#include <string>

namespace platform::win32 {

namespace {

constexpr int kMonitorEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

Module LoadSystemLibrary(const wchar_t* name) {
    std::wstring folder(MAX_PATH, L'\0');
    for (;;) {
        const UINT length = GetSystemDirectoryW(folder.data(), static_cast<UINT>(folder.size()));
        if (length == 0) {
            return Module();
        }
        if (length < folder.size()) {
            folder.resize(length);
            break;
        }
        folder.resize(length);
    }
    return Module(LoadLibraryW((folder + L"\\" + name).c_str()));
}

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
