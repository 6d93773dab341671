#include "platform/win32/win32_dialogs.h"

#include "platform/win32/input_box.h"
#include "platform/win32/wide.h"

#include <windows.h>

namespace platform::win32 {
namespace {

// The owner while it still exists: Windows shows no box at all for an owner that has been destroyed, as the
// main window has been when an error ends the program.
HWND LiveOwner(WindowHandle owner) {
    const auto window = static_cast<HWND>(owner);
    return window != nullptr && IsWindow(window) ? window : nullptr;
}

int Box(WindowHandle owner, const std::string& caption, const std::string& text, UINT style) {
    return MessageBoxW(LiveOwner(owner), Widen(text).c_str(), Widen(caption).c_str(), style | MB_APPLMODAL);
}

} // namespace

void Win32Dialogs::ShowMessage(const std::string& caption, const std::string& text) {
    Box(owner_, caption, text, MB_OK);
}

bool Win32Dialogs::AskErrorOkCancel(const std::string& caption, const std::string& text) {
    return Box(owner_, caption, text, MB_OKCANCEL | MB_ICONERROR | MB_DEFBUTTON1) == IDOK;
}

std::string Win32Dialogs::InputBox(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText, int maxLength) {
    return RunInputBox(LiveOwner(owner_), caption, prompt, defaultText, maxLength, buttons_);
}

void Win32Dialogs::ShowErrorBox(const std::string& caption, const std::string& text) {
    Box(owner_, caption, text, MB_OK | MB_ICONERROR);
}

} // namespace platform::win32
