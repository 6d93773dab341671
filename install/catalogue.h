#pragma once
#include "platform/file_system.h"

#include <optional>
#include <string>
#include <vector>

namespace install {

// The installed operating systems: the visible folders of the loader-files folder, in the order the file
// system lists them. Empty when the folder exists but holds none; nullopt when the folder is missing. When
// the listing broke off part-way, `cutShort` tells why and the names are those found until then.
std::optional<std::vector<std::string>> ListOperatingSystems(platform::FileSystem& files,
                                                             const std::string& rimCommonPath,
                                                             platform::Status& cutShort);
std::optional<std::vector<std::string>> ListOperatingSystems(platform::FileSystem& files,
                                                             const std::string& rimCommonPath);

} // namespace install
