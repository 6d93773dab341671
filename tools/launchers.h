#pragma once
#include "platform/registry.h"

#include <string>

namespace tools {

// A program or document for the shell to open.
struct Launch {
    std::string file;
    std::string parameters;
};

// A drive letter, colon and backslash, or a network path: a name that cannot resolve against the current
// drive or folder, where anyone may have placed a program of the same name.
bool IsFullPath(const std::string& path);

// The word the user must type, exactly, before the loader wipes the phone.
bool IsWipeConfirmed(const std::string& typed);

// The maker's loader in wipe mode.
Launch WipeLoaderLaunch(const std::string& rimCommonPath);

// The maker's Desktop Manager below ProgramFilesDir, read from the registry now (may throw
// install::ProgramFilesDirError, like GetProgramFilesDir).
Launch DesktopManagerLaunch(platform::Registry& registry);

// The help document beside the running program, never one in the current folder. An empty folder (the
// program's own folder unknown) gives the bare name "Trimlode.chm", which is no full path and so is never
// opened.
Launch HelpLaunch(const std::string& executableFolder);

} // namespace tools
