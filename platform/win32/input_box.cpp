#include "platform/win32/input_box.h"

#include "platform/win32/gdi.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform::win32 {
namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;

// Layout at 96 dots per inch, scaled to the box's own DPI. The width makes the wipe prompt wrap onto two
// lines in the usual message fonts.
constexpr int kClientWidth = 360;
constexpr int kMargin = 12;
constexpr int kPromptToEdit = 8;
constexpr int kEditToButtons = 16;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonSpacing = 6;
constexpr int kButtonPadding = 16;

struct InputBox {
    const SystemApi* system = nullptr;
    std::wstring caption;
    std::wstring prompt;
    std::wstring text;
    std::wstring ok;
    std::wstring cancel;
    int maxLength = 0;
    Font font;
    bool accepted = false;
};

struct Metrics {
    int lineHeight = 0;
    int promptHeight = 0;
    int buttonWidth = 0;
};

int TextWidth(HDC dc, const wchar_t* text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
    return size.cx;
}

// Measures the prompt as the static control will wrap it, and the buttons' captions.
Metrics Measure(HWND dialog, const InputBox& box, int promptWidth, int dpi) {
    const MeasuringDc dc(dialog, box.font.Get());
    TEXTMETRICW text{};
    GetTextMetricsW(dc.Get(), &text);
    RECT prompt{0, 0, promptWidth, 0};
    DrawTextW(dc.Get(), box.prompt.c_str(), -1, &prompt,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX);
    Metrics metrics;
    metrics.lineHeight = text.tmHeight;
    metrics.promptHeight = std::max<int>(prompt.bottom - prompt.top, text.tmHeight);
    const int padding = MulDiv(kButtonPadding, dpi, USER_DEFAULT_SCREEN_DPI);
    metrics.buttonWidth = std::max({MulDiv(kButtonWidth, dpi, USER_DEFAULT_SCREEN_DPI),
                                    TextWidth(dc.Get(), box.ok.c_str()) + padding,
                                    TextWidth(dc.Get(), box.cancel.c_str()) + padding});
    return metrics;
}

HWND AddControl(HWND dialog, const wchar_t* className, const std::wstring& text, DWORD style, DWORD exStyle,
                int id, const RECT& bounds, HFONT font) {
    const HWND control = CreateWindowExW(
        exStyle, className, text.c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, dialog,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

// Sizes the box around its client area and centres it on the work area of the owner's monitor (the
// primary monitor when there is no owner).
void SizeAndCentre(HWND dialog, int clientWidth, int clientHeight) {
    RECT window{};
    RECT client{};
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const int width = clientWidth + (window.right - window.left) - (client.right - client.left);
    const int height = clientHeight + (window.bottom - window.top) - (client.bottom - client.top);
    const HWND owner = GetWindow(dialog, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner != nullptr ? owner : dialog, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& work = monitor.rcWork;
    const int left = work.left + std::max(0L, (work.right - work.left - width) / 2);
    const int top = work.top + std::max(0L, (work.bottom - work.top - height) / 2);
    SetWindowPos(dialog, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL OnInitDialog(HWND dialog, InputBox& box) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&box));
    SetWindowTextW(dialog, box.caption.c_str());

    const int dpi = box.system->DpiForWindow(dialog);
    const auto scale = [dpi](int value) { return MulDiv(value, dpi, USER_DEFAULT_SCREEN_DPI); };
    box.font = box.system->MessageFont(dpi);
    const int clientWidth = scale(kClientWidth);
    const int margin = scale(kMargin);
    const int innerWidth = clientWidth - 2 * margin;
    const Metrics metrics = Measure(dialog, box, innerWidth, dpi);
    const HFONT font = box.font.Get();

    int y = margin;
    AddControl(dialog, L"STATIC", box.prompt, SS_LEFT | SS_NOPREFIX, 0, kPromptId,
               {margin, y, margin + innerWidth, y + metrics.promptHeight}, font);
    y += metrics.promptHeight + scale(kPromptToEdit);

    const int editHeight = metrics.lineHeight + scale(8);
    const HWND edit =
        AddControl(dialog, L"EDIT", box.text, WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                   kEditId, {margin, y, margin + innerWidth, y + editHeight}, font);
    SendMessageW(edit, EM_LIMITTEXT, static_cast<WPARAM>(std::max(box.maxLength, 0)), 0);
    y += editHeight + scale(kEditToButtons);

    const int buttonHeight = std::max(scale(kButtonHeight), metrics.lineHeight + scale(10));
    const int cancelLeft = clientWidth - margin - metrics.buttonWidth;
    const int okLeft = cancelLeft - scale(kButtonSpacing) - metrics.buttonWidth;
    AddControl(dialog, L"BUTTON", box.ok, WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON, 0, IDOK,
               {okLeft, y, okLeft + metrics.buttonWidth, y + buttonHeight}, font);
    AddControl(dialog, L"BUTTON", box.cancel, WS_TABSTOP | BS_PUSHBUTTON, 0, IDCANCEL,
               {cancelLeft, y, cancelLeft + metrics.buttonWidth, y + buttonHeight}, font);
    SendMessageW(dialog, DM_SETDEFID, IDOK, 0);
    y += buttonHeight + margin;

    SizeAndCentre(dialog, clientWidth, y);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return FALSE; // the focus is set
}

void Accept(HWND dialog, InputBox& box) {
    const HWND edit = GetDlgItem(dialog, kEditId);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    box.text = std::move(text);
    box.accepted = true;
    EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK InputBoxProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        return OnInitDialog(dialog, *reinterpret_cast<InputBox*>(lParam));
    }
    auto* box = reinterpret_cast<InputBox*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (message != WM_COMMAND || box == nullptr) {
        return FALSE;
    }
    // Esc and the close box arrive as IDCANCEL, Enter as IDOK.
    switch (LOWORD(wParam)) {
    case IDOK:
        Accept(dialog, *box);
        return TRUE;
    case IDCANCEL:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

// An empty dialog template: the controls are created and laid out at run time, in pixels for the DPI and
// font of the moment. The buffer holds DLGTEMPLATE and its empty menu, class and title, DWORD-aligned.
std::vector<DWORD> EmptyTemplate() {
    std::vector<DWORD> buffer((sizeof(DLGTEMPLATE) + 3 * sizeof(WORD)) / sizeof(DWORD) + 1, 0);
    DLGTEMPLATE dialog{};
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    std::memcpy(buffer.data(), &dialog, sizeof(dialog));
    return buffer;
}

} // namespace

std::string RunInputBox(WindowHandle owner, const std::string& caption, const std::string& prompt,
                        const std::string& defaultText, int maxLength, const InputBoxButtons& buttons) {
    const SystemApi system;
    InputBox box;
    box.system = &system;
    box.caption = Widen(caption);
    box.prompt = Widen(prompt);
    box.text = Widen(defaultText);
    box.ok = Widen(buttons.ok);
    box.cancel = Widen(buttons.cancel);
    box.maxLength = maxLength;
    const std::vector<DWORD> dialogTemplate = EmptyTemplate();
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr),
                            reinterpret_cast<const DLGTEMPLATE*>(dialogTemplate.data()),
                            static_cast<HWND>(owner), InputBoxProc, reinterpret_cast<LPARAM>(&box));
    return box.accepted ? Narrow(box.text) : defaultText;
}

} // namespace platform::win32
