#pragma once
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace platform {

// The pieces of the platform a running program uses, chosen one by one: the product passes the Win32
// pieces, a test passes simulated ones or a mix.
struct Platform {
    Registry& registry;
    FileSystem& files;
    Shell& shell;
    Dialogs& dialogs;
    WindowLibrary& windows;
};

} // namespace platform
