#pragma once
#include "platform/shell.h"

#include <string>

namespace platform::win32 {

// A modal one-line input box of our own, centred on the screen in the message-box font: the prompt
// (wrapped to the box's width), an edit field holding `defaultText` with the focus, "OK" (default, Enter)
// and "Cancel" (Esc, the close box). Returns the edited text after OK and `defaultText` otherwise, as
// UTF-8. The field takes at most `maxLength` characters (no limit when it is 0 or less).
std::string RunInputBox(WindowHandle owner, const std::string& caption, const std::string& prompt,
                        const std::string& defaultText, int maxLength);

} // namespace platform::win32
