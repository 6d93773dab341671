#pragma once
#include "platform/shell.h"

namespace platform::win32 {

class Win32Shell : public Shell {
public:
    Status Open(const std::string& file, const std::string& parameters, WindowHandle owner) override;
    std::string ExecutableFolder() override;
};

// The system error for a ShellExecute result of 32 or less.
unsigned long ShellExecuteError(long long result);

} // namespace platform::win32
