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

// True when a name the user typed can be that of a listed operating system: a plain name (see
// platform::IsPlainName) without wildcards or control characters. Anything else could address another
// folder than a listed one once it is joined into a path.
bool IsOperatingSystemName(const std::string& name);

// The listed operating system that `requested` names, spelled as listed; letter case is ignored, as
// Windows ignores it in folder names. nullopt when none is listed under that name.
std::optional<std::string> FindListedName(const std::vector<std::string>& listed,
                                          const std::string& requested);

} // namespace install
