#pragma once
#include "platform/status.h"

#include <string>

namespace platform::win32 {

// The system's text for an error code (FormatMessageW), without the trailing line break; "System error N."
// when the system has none. `code` is a DWORD.
std::string SystemErrorText(unsigned long code);

// A Status for a system error code: success for 0, otherwise the code and its text.
Status StatusOf(unsigned long code);

// The failure of the call that just failed, from the thread's last error; never success, even when the
// call left no error code behind.
Status LastErrorStatus();

} // namespace platform::win32
