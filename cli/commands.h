#pragma once
#include "platform/file_system.h"
#include "platform/registry.h"

#include <string>
#include <vector>

namespace cli {

// The exit codes scripts can rely on.
namespace exit_code {
constexpr int kDone = 0;
constexpr int kNotAllMoved = 1; // done, but some items could not be moved (or folders read)
constexpr int kUsage = 2;
constexpr int kNoInstallation = 3; // no installation, or no operating system of that name
} // namespace exit_code

struct Output {
    int exitCode = exit_code::kDone;
    std::string out; // for standard output
    std::string err; // for standard error
};

// Runs one command line (the arguments after the program name) on the given platform pieces: finds the
// maker's folders and operating systems as the window does, and removes or restores with the window's own
// runs. Bad input gives a usage error before anything is touched; nothing here shows a dialog.
Output Execute(const std::vector<std::string>& arguments, platform::Registry& registry,
               platform::FileSystem& files);

} // namespace cli
