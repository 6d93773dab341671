#include "e2e/driver/gui.h"
#include "platform/win32/wide.h"

#include "platform/win32/disk.h"

namespace e2e {

using platform::win32::Narrow;

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
    return Narrow(text);
}

std::string ClassName(HWND window) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return Narrow(name);
}

bool IsShown(HWND window) {
    return window && IsWindow(window) && IsWindowVisible(window);
}

namespace {

BOOL CALLBACK CollectWindow(HWND window, LPARAM found) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    std::vector<HWND> all;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
    std::vector<HWND> found;
    for (HWND window : all) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            found.push_back(window);
    }
    return found;
}

std::vector<HWND> DescendantWindows(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

HWND FindDescendant(HWND root, const std::string& text, const std::string& className) {
    for (HWND window : DescendantWindows(root)) {
        if (WindowText(window) == text && (className.empty() || ClassName(window) == className))
            return window;
    }
    return nullptr;
}

void Click(HWND control) {
    PostMessageW(control, BM_CLICK, 0, 0);
}

RECT RectIn(HWND window, HWND reference) {
    RECT rect{};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace e2e
