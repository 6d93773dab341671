#pragma once
#include "platform/dialogs.h"
#include "platform/win32/input_box.h"

#include <utility>

namespace platform::win32 {

// The program's dialogs as system message boxes (and our own input box, with the given buttons), modal to
// the owner window.
class Win32Dialogs : public Dialogs {
public:
    explicit Win32Dialogs(InputBoxButtons buttons) : buttons_(std::move(buttons)) {}

    void SetOwner(WindowHandle owner) override { owner_ = owner; }
    void ShowMessage(const std::string& caption, const std::string& text) override;
    bool AskErrorOkCancel(const std::string& caption, const std::string& text) override;
    std::string InputBox(const std::string& caption, const std::string& prompt,
                         const std::string& defaultText, int maxLength) override;
    void ShowErrorBox(const std::string& caption, const std::string& text) override;

private:
    InputBoxButtons buttons_;
    WindowHandle owner_ = nullptr;
};

} // namespace platform::win32
