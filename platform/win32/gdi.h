#pragma once
// Owners of the GDI and USER handles the window library creates: each frees its handle once, can be moved
// and cannot be copied.
#include "platform/win32/handles.h"

#include <windows.h>

#include <utility>

namespace platform::win32 {

// Owns an HFONT, HBRUSH or other GDI object created for us (never a stock object).
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            Reset();
            handle_ = std::exchange(other.handle_, nullptr);
        }
        return *this;
    }

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    void Reset() {
        if (handle_) {
            DeleteObject(handle_);
            handle_ = nullptr;
        }
    }

    Handle handle_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;

// Owns an icon loaded without LR_SHARED.
struct IconTraits {
    static HICON Invalid() { return nullptr; }
    static void Close(HICON icon) { DestroyIcon(icon); }
};
using Icon = UniqueHandle<IconTraits>;

// Owns a library loaded at run time.
struct ModuleTraits {
    static HMODULE Invalid() { return nullptr; }
    static void Close(HMODULE module) { FreeLibrary(module); }
};
using Module = UniqueHandle<ModuleTraits>;

// A window's device context for measuring text, with one font selected into it for its lifetime.
class MeasuringDc {
public:
    MeasuringDc(HWND window, HFONT font) : window_(window), dc_(GetDC(window)) {
        if (dc_ && font) {
            previous_ = SelectObject(dc_, font);
        }
    }
    ~MeasuringDc() {
        if (dc_) {
            if (previous_) {
                SelectObject(dc_, previous_);
            }
            ReleaseDC(window_, dc_);
        }
    }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;

    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

} // namespace platform::win32
