#include "e2e/driver/window_reading.h"
#include "platform/win32/gdi.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"

#include "e2e/driver/gui.h"
#include "e2e/driver/png.h"
#include "e2e/driver/process.h"
#include "e2e/probe/probe_answer.h"
#include "platform/win32/disk.h"

#include <commctrl.h>

#include <stdexcept>

namespace e2e {
namespace {

using platform::win32::Bitmap;
using platform::win32::MemoryDc;
using platform::win32::WindowDc;

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

constexpr std::size_t kTextChars = 1024;

} // namespace

FontProbe::FontProbe(DWORD threadId) : module_(LoadLibraryW(platform::win32::Widen(ProbeLibrary()).c_str())) {
    if (!module_.Valid())
        throw std::runtime_error("cannot load " + ProbeLibrary());
    const auto hook = platform::win32::Lookup<HOOKPROC>(module_.Get(), "TrimlodeProbeHook");
    if (hook)
        hook_ = platform::win32::Hook(SetWindowsHookExW(WH_CALLWNDPROC, hook, module_.Get(), threadId));
    if (!hook_.Valid())
        throw std::runtime_error("cannot hook the program under test");
}

FontInfo FontProbe::FontOf(HWND control) const {
    const DWORD id = GetCurrentProcessId();
    const std::wstring name = L"TrimlodeE2eFontProbe-" + std::to_wstring(id);
    const platform::win32::KernelHandle shared(CreateFileMappingW(
        INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sizeof(ProbeAnswer), name.c_str()));
    if (!shared.Valid())
        throw std::runtime_error("cannot share memory with the program under test");
    auto* view = static_cast<ProbeAnswer*>(
        MapViewOfFile(shared.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProbeAnswer)));
    if (!view)
        throw std::runtime_error("cannot map the shared memory");
    ZeroMemory(view, sizeof *view);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(control, RegisterWindowMessageW(L"TrimlodeE2eFontProbe"), id, 0, SMTO_ABORTIFHUNG,
                        static_cast<UINT>(kTimeout.count()), &ignored);
    const ProbeAnswer answer = *view;
    UnmapViewOfFile(view);
    return {platform::win32::Narrow(answer.font.lfFaceName), static_cast<int>(answer.font.lfHeight),
            static_cast<int>(answer.font.lfWeight), static_cast<int>(answer.captionWidth),
            static_cast<int>(answer.idealWidth)};
}

std::string FontProbe::ProbeLibrary() {
    const std::wstring path = platform::win32::ExecutablePath();
    return platform::win32::Narrow(path.substr(0, path.find_last_of(L'\\'))) + "\\trimlode_e2e_probe.dll";
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
            tools.push_back({control, platform::win32::Narrow(text)});
        }
    }
    return tools;
}

void SaveScreenshot(HWND window, const std::string& path) {
    RECT rect{};
    GetWindowRect(window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const WindowDc screen(nullptr);
    const MemoryDc memory(CreateCompatibleDC(screen.Get()));
    const Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
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
    platform::win32::disk::WriteFile(path, EncodePng(width, height, rgb));
}

} // namespace e2e
