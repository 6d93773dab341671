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

Launch WipeLoaderLaunch(const std::string& rimCommonPath) {
    return {install::LoaderProgram(rimCommonPath), kWipeParameters};
}

Launch DesktopManagerLaunch(platform::Registry& registry) {
    return {install::DesktopManagerProgram(install::GetProgramFilesDir(registry)), ""};
}

// Always names the file beside the program, so a shortcut's working folder (or a planted file in it) has no
// say in which help document opens. An unknown folder gives nothing to open rather than a relative name.
Launch HelpLaunch(const std::string& executableFolder) {
    if (executableFolder.empty()) {
        return {};
    }
    const char last = executableFolder.back();
    const bool hasSeparator = last == '\\' || last == '/';
    return {executableFolder + (hasSeparator ? "" : "\\") + kHelpFile, ""};
}

} // namespace tools
