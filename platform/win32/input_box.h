#pragma once
#include "platform/shell.h"

#include <string>

namespace platform::win32 {

// The captions of the input box's two buttons.
struct InputBoxButtons {
    std::string ok;
    std::string cancel;
};

// A modal one-line input box of our own, centred on the screen in the message-box font: the prompt
// (wrapped to the box's width), an edit field holding `defaultText` with the focus, the OK button
// (default, Enter) and the Cancel button (Esc, the close box). Returns the edited text after OK and
// `defaultText` otherwise, as UTF-8. The field takes at most `maxLength` characters (no limit when it is 0 or
// less).
std::string RunInputBox(WindowHandle owner, const std::string& caption, const std::string& prompt,
                        const std::string& defaultText, int maxLength, const InputBoxButtons& buttons);

} // namespace platform::win32
