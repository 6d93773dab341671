#include "platform/win32/system_api.h"

#include <string>

namespace platform::win32 {

namespace {

constexpr int kMonitorEffectiveDpi = 0; // MDT_EFFECTIVE_DPI

} // namespace

std::wstring ExecutablePath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) {
            return {};
        }
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2); // cut short: again with more room
    }
}

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
    systemParametersInfoForDpi_ = Lookup<SystemParametersInfoForDpiFn>(user32, "SystemParametersInfoForDpi");
    getDpiForMonitor_ = Lookup<GetDpiForMonitorFn>(shcore_.Get(), "GetDpiForMonitor");
    setWindowTheme_ = Lookup<SetWindowThemeFn>(uxtheme_.Get(), "SetWindowTheme");
}

int SystemApi::SystemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

Font SystemApi::MessageFont(int dpi) const {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (systemParametersInfoForDpi_ && systemParametersInfoForDpi_(SPI_GETNONCLIENTMETRICS, sizeof(metrics),
                                                                   &metrics, 0, static_cast<UINT>(dpi))) {
        return Font(CreateFontIndirectW(&metrics.lfMessageFont));
    }
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        LOGFONTW& font = metrics.lfMessageFont;
        font.lfHeight = MulDiv(font.lfHeight, dpi, SystemDpi());
        return Font(CreateFontIndirectW(&font));
    }
    LOGFONTW fallback{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(fallback), &fallback);
    return Font(CreateFontIndirectW(&fallback));
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
