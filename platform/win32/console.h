#pragma once
#include <string>

namespace platform::win32 {

enum class StandardStream { Output, Error };

// Writes UTF-8 text to standard output or standard error. A console window gets it as UTF-16 through
// WriteConsoleW, so every name shows as it is whatever the console's code page; a file or a pipe gets the
// UTF-8 bytes unchanged, for scripts. False when not all of it could be written.
bool WriteStandard(StandardStream stream, const std::string& utf8);

} // namespace platform::win32
