#pragma once
#include "platform/status.h"

#include <string>

namespace platform {

using WindowHandle = void*; // an HWND on Windows

class Shell {
public:
    virtual ~Shell() = default;
    // Opens a program or document with the default verb, shown normally, without waiting for it.
    virtual Status Open(const std::string& file, const std::string& parameters, WindowHandle owner) = 0;
    // The folder of the running program, with a trailing backslash.
    virtual std::string ExecutableFolder() = 0;
};

} // namespace platform
