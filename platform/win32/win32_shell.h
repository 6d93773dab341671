#pragma once
#include "platform/shell.h"
#include "platform/win32/system_api.h"

namespace platform::win32 {

// The shell library is loaded when the first program or document is opened, not with the program: it
// would lengthen every start for a button that is seldom pressed.
class Win32Shell : public Shell {
public:
    Status Open(const std::string& file, const std::string& parameters, WindowHandle owner) override;
    std::string ExecutableFolder() override;

private:
    Module shell32_;
};

// The system error for a ShellExecute result of 32 or less.
unsigned long ShellExecuteError(long long result);

} // namespace platform::win32
