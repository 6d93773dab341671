#pragma once
#include "platform/shell.h"

#include <string>

namespace platform {

// The program's modal dialogs. All are centred on the screen and owned by the main window once it exists.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void SetOwner(WindowHandle owner) = 0;
    // Plain message: the caption (the program's name), no icon, one OK button that Esc also answers.
    virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
    // Error-kind question: the given caption, the error icon, OK (default) and Cancel. True for OK;
    // Cancel, Esc and the close box give false.
    virtual bool AskErrorOkCancel(const std::string& caption, const std::string& text) = 0;
    // One-line input box with OK (default) and Cancel. Returns the edited text after OK and
    // `defaultText` after Cancel, Esc or the close box. The field takes at most `maxLength` characters.
    virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                                 const std::string& defaultText, int maxLength) = 0;
    // Error box for an error that stopped a handler: the caption (the program's name), error icon, OK.
    virtual void ShowErrorBox(const std::string& caption, const std::string& text) = 0;
};

} // namespace platform
