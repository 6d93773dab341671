#include "e2e/driver/inspect.h"

#include "demo/disk.h"
#include "e2e/driver/gui.h"
#include "e2e/driver/png.h"

#include <commctrl.h>

#include <stdexcept>

namespace e2e {
namespace {

// Memory allocated in another process, freed with the object.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, std::size_t size)
        : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE)) {
        if (!address_)
            throw std::runtime_error("cannot allocate memory in the program under test");
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;
    ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
    char* Address() const { return static_cast<char*>(address_); }
    void Write(std::size_t offset, const void* data, std::size_t size) const {
        if (!WriteProcessMemory(process_, Address() + offset, data, size, nullptr))
            throw std::runtime_error("cannot write to the program under test");
    }
    void Read(std::size_t offset, void* data, std::size_t size) const {
        if (!ReadProcessMemory(process_, Address() + offset, data, size, nullptr))
            throw std::runtime_error("cannot read from the program under test");
    }

private:
    HANDLE process_;
    void* address_;
};

class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC compatible) : dc_(CreateCompatibleDC(compatible)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc() { DeleteDC(dc_); }
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

class Bitmap {
public:
    Bitmap(HDC compatible, int width, int height)
        : bitmap_(CreateCompatibleBitmap(compatible, width, height)) {}
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
    ~Bitmap() { DeleteObject(bitmap_); }
    HBITMAP Get() const { return bitmap_; }

private:
    HBITMAP bitmap_;
};

constexpr std::size_t kTextChars = 1024;

} // namespace

FontInfo FontOf(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    LOGFONTW log{};
    if (GetObjectW(font, sizeof log, &log) != sizeof log)
        return {};
    return {demo::disk::Utf8(log.lfFaceName), static_cast<int>(log.lfHeight), static_cast<int>(log.lfWeight)};
}

std::vector<Tooltip> TooltipsOf(HANDLE process, DWORD processId) {
    std::vector<Tooltip> tools;
    for (HWND tooltip : TopLevelWindows(processId)) {
        if (ClassName(tooltip) != "tooltips_class32")
            continue;
        const auto count = static_cast<int>(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0));
        RemoteBuffer remote(process, sizeof(TOOLINFOW) + kTextChars * sizeof(wchar_t));
        for (int index = 0; index < count; ++index) {
            TOOLINFOW info{};
            info.cbSize = sizeof info;
            info.lpszText = reinterpret_cast<wchar_t*>(remote.Address() + sizeof info);
            remote.Write(0, &info, sizeof info);
            const wchar_t none = L'\0';
            remote.Write(sizeof info, &none, sizeof none);
            if (!SendMessageW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(remote.Address())))
                continue;
            remote.Read(0, &info, sizeof info);
            std::wstring text(kTextChars, L'\0');
            remote.Read(sizeof info, text.data(), kTextChars * sizeof(wchar_t));
            text.resize(text.find(L'\0'));
            HWND control = (info.uFlags & TTF_IDISHWND) ? reinterpret_cast<HWND>(info.uId) : info.hwnd;
            tools.push_back({control, demo::disk::Utf8(text)});
        }
    }
    return tools;
}

void SaveScreenshot(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    ScreenDc screen;
    MemoryDc memory(screen.Get());
    Bitmap bitmap(screen.Get(), width, height);
    const HGDIOBJ previous = SelectObject(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), rect.left, rect.top, SRCCOPY | CAPTUREBLT);
    SelectObject(memory.Get(), previous);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> bgra(static_cast<std::size_t>(width) * height * 4);
    if (!GetDIBits(memory.Get(), bitmap.Get(), 0, static_cast<UINT>(height), bgra.data(), &info,
                   DIB_RGB_COLORS))
        throw std::runtime_error("cannot read the screen");
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t pixel = 0; pixel < bgra.size(); pixel += 4) {
        rgb.push_back(bgra[pixel + 2]);
        rgb.push_back(bgra[pixel + 1]);
        rgb.push_back(bgra[pixel]);
    }
    demo::disk::WriteFile(path, EncodePng(width, height, rgb));
}

} // namespace e2e
