#pragma once
#include "platform/win32/handles.h"

#include <string>

namespace platform::win32 {

// Marks one running program per signed-in user with a named mutex, held until destroyed. Two copies at once
// would each move what the other already moved and report it as missing.
class SingleInstance {
public:
    explicit SingleInstance(const std::wstring& name);
    // False when another holder of the name runs already (also when it runs with rights this one lacks and
    // the mutex cannot be opened).
    bool IsFirst() const { return first_; }

private:
    KernelHandle mutex_;
    bool first_ = true;
};

// A name in the session's namespace, made one per user by the SID of the user running the program (without
// it when the SID cannot be read).
std::wstring PerUserName(const std::wstring& base);

// Shows the top-level window of that class in front, restored if it was minimised. False when there is none.
bool BringWindowToFront(const wchar_t* windowClass);

} // namespace platform::win32
