#pragma once
#include <optional>
#include <string>
#include <vector>

namespace install {

// True when `name` can only be a single folder name: not empty, not "." or "..", no path separator,
// drive colon, wildcard or control character. Anything else could address another folder than a listed
// one once it is joined into a path.
bool IsPlainName(const std::string& name);

// The listed operating system that `requested` names, spelled as listed; letter case is ignored, as
// Windows ignores it in folder names. nullopt when none is listed under that name.
std::optional<std::string> FindListedName(const std::vector<std::string>& listed,
                                          const std::string& requested);

} // namespace install
