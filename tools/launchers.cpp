#include "tools/launchers.h"

#include "install/paths.h"
#include "install/program_files.h"

namespace tools {

namespace {
const char kWipeWord[] = "WipeMyDevice";
const char kWipeParameters[] = "/nojvm";
const char kHelpFile[] = "Trimlode.chm";
} // namespace

// Compared byte for byte: letter case counts and blanks are part of what was typed.
bool IsWipeConfirmed(const std::string& typed) {
    return typed == kWipeWord;
}

bool IsFullPath(const std::string& path) {
    const bool driveLetter =
        path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (driveLetter && path[1] == ':' && path[2] == '\\') {
        return true;
    }
    return path.size() > 2 && path[0] == '\\' && path[1] == '\\';
}

Launch WipeLoaderLaunch(const std::string& rimCommonPath) {
    return {install::LoaderProgram(rimCommonPath), kWipeParameters};
}

Launch DesktopManagerLaunch(platform::Registry& registry) {
    return {install::DesktopManagerProgram(install::GetProgramFilesDir(registry)), ""};
}

// Always names the file beside the program, so a shortcut's working folder (or a planted file in it) has no
// say in which help document opens. An unknown folder gives the bare name, which is no full path and so is
// never opened.
Launch HelpLaunch(const std::string& executableFolder) {
    if (executableFolder.empty()) {
        return {kHelpFile, ""};
    }
    const char last = executableFolder.back();
    const bool hasSeparator = last == '\\' || last == '/';
    return {executableFolder + (hasSeparator ? "" : "\\") + kHelpFile, ""};
}

} // namespace tools
