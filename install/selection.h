#pragma once
#include <optional>
#include <string>
#include <vector>

namespace install {

// What every operation of the running program shares. The confirmed operating-system name has no copy
// here: it is the caption of the OSConfirmed label, read whenever a path is built.
struct AppState {
    std::string RimCommonPath; // the maker's common-files folder, with a trailing backslash
    bool OSChoiceConfirmed = false;
};

// The operating system chosen at `index` of the listed ones; nullopt when none is chosen (-1) or the
// index lies outside the list.
std::optional<std::string> ChosenOperatingSystem(const std::vector<std::string>& listed, int index);

} // namespace install
