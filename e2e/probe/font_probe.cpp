// trimlode_e2e_probe.dll: loaded by the system into trimlode.exe when the driver hooks its window
// procedure calls. A font handle means something only inside the process that created it, so the font
// of a control is read there: on the driver's probe message the hook asks the control for its font and
// copies the font's description into memory the driver shares under a name it passes along.
#include "e2e/probe/probe_answer.h"
#include "platform/win32/handles.h"

#include <windows.h>

#include <commctrl.h>

#include <cwchar>
#include <string>

namespace {

constexpr wchar_t kProbeMessage[] = L"TrimlodeE2eFontProbe";
constexpr wchar_t kSharedPrefix[] = L"TrimlodeE2eFontProbe-";

std::wstring ClassOf(HWND control) {
    wchar_t name[64] = {};
    GetClassNameW(control, name, 64);
    return name;
}

// Measured as the control draws it: statics with SS_NOPREFIX show "&" as it is, buttons take it as an
// accelerator mark.
LONG CaptionWidth(HWND control, HFONT font) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    UINT format = DT_SINGLELINE | DT_CALCRECT;
    if (_wcsicmp(ClassOf(control).c_str(), L"Static") == 0 &&
        (GetWindowLongW(control, GWL_STYLE) & SS_NOPREFIX))
        format |= DT_NOPREFIX;
    RECT area{};
    HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return area.right - area.left;
}

LONG IdealWidth(HWND control) {
    const LONG type = GetWindowLongW(control, GWL_STYLE) & BS_TYPEMASK;
    if (_wcsicmp(ClassOf(control).c_str(), L"Button") != 0 || type == BS_GROUPBOX)
        return 0;
    SIZE ideal{};
    return SendMessageW(control, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) ? ideal.cx : 0;
}

void AnswerProbe(HWND control, WPARAM driverId) {
    wchar_t name[64];
    std::swprintf(name, 64, L"%ls%lu", kSharedPrefix, static_cast<unsigned long>(driverId));
    const platform::win32::KernelHandle shared(OpenFileMappingW(FILE_MAP_WRITE, FALSE, name));
    if (!shared.Valid())
        return;
    if (void* view = MapViewOfFile(shared.Get(), FILE_MAP_WRITE, 0, 0, sizeof(ProbeAnswer))) {
        ProbeAnswer answer{};
        const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (handle && GetObjectW(handle, sizeof answer.font, &answer.font) == sizeof answer.font) {
            answer.captionWidth = CaptionWidth(control, handle);
            answer.idealWidth = IdealWidth(control);
        }
        CopyMemory(view, &answer, sizeof answer);
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
