#pragma once
#include <string>

namespace app {

// What every operation of the running program shares. The confirmed operating-system name has no copy
// here: it is the caption of the OSConfirmed label, read whenever a path is built.
struct AppState {
    std::string RimCommonPath; // the maker's common-files folder, with a trailing backslash
    bool OSChoiceConfirmed = false;
};

} // namespace app
