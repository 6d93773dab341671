// trimlode_e2e_probe.dll: loaded by the system into trimlode.exe when the driver hooks its window
// procedure calls. A font handle means something only inside the process that created it, so the font
// of a control is read there: on the driver's probe message the hook asks the control for its font and
// copies the font's description into memory the driver shares under a name it passes along.
#include "platform/win32/handles.h"

#include <windows.h>

#include <cwchar>

namespace {

constexpr wchar_t kProbeMessage[] = L"TrimlodeE2eFontProbe";
constexpr wchar_t kSharedPrefix[] = L"TrimlodeE2eFontProbe-";

void AnswerProbe(HWND control, WPARAM driverId) {
    wchar_t name[64];
    std::swprintf(name, 64, L"%ls%lu", kSharedPrefix, static_cast<unsigned long>(driverId));
    const platform::win32::KernelHandle shared(OpenFileMappingW(FILE_MAP_WRITE, FALSE, name));
    if (!shared.Valid())
        return;
    if (void* view = MapViewOfFile(shared.Get(), FILE_MAP_WRITE, 0, 0, sizeof(LOGFONTW))) {
        LOGFONTW font{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (handle && GetObjectW(handle, sizeof font, &font) == sizeof font)
            CopyMemory(view, &font, sizeof font);
        UnmapViewOfFile(view);
    }
}

} // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK TrimlodeProbeHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (call->message == RegisterWindowMessageW(kProbeMessage))
            AnswerProbe(call->hwnd, call->wParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
