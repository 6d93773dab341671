#pragma once
// Owners of the GDI and USER handles: each frees its handle once, can be moved and cannot be copied.
#include "platform/win32/handles.h"

#include <windows.h>

namespace platform::win32 {

// An HFONT, HBRUSH, HBITMAP or other GDI object created for us (never a stock object).
template <typename Handle> struct GdiObjectTraits {
    static Handle Invalid() { return nullptr; }
    static void Close(Handle handle) { DeleteObject(handle); }
};
using Font = UniqueHandle<GdiObjectTraits<HFONT>>;
using Brush = UniqueHandle<GdiObjectTraits<HBRUSH>>;
using Bitmap = UniqueHandle<GdiObjectTraits<HBITMAP>>;

// A memory device context from CreateCompatibleDC.
struct MemoryDcTraits {
    static HDC Invalid() { return nullptr; }
    static void Close(HDC dc) { DeleteDC(dc); }
};
using MemoryDc = UniqueHandle<MemoryDcTraits>;

// An icon loaded without LR_SHARED.
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON icon) { DestroyIcon(icon); }
};
using Icon = UniqueHandle<IconTraits>;

// A library loaded at run time.
struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};
using Module = UniqueHandle<ModuleTraits>;

// A hook set with SetWindowsHookEx.
struct HookTraits {
    static HHOOK Invalid() { return nullptr; }
    static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
using Hook = UniqueHandle<HookTraits>;

// The device context of a window (of the whole screen for no window), released with the owner.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A window's device context for measuring text, with one font selected into it for its lifetime.
class MeasuringDc {
public:
    MeasuringDc(HWND window, HFONT font) : dc_(window) {
        if (dc_.Get() && font) {
            previous_ = SelectObject(dc_.Get(), font);
        }
    }
    ~MeasuringDc() {
        if (previous_) {
            SelectObject(dc_.Get(), previous_);
        }
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;

    HDC Get() const { return dc_.Get(); }

private:
    WindowDc dc_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace platform::win32
