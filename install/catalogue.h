#pragma once
#include "platform/file_system.h"

#include <optional>
#include <string>
#include <vector>

namespace install {

// The installed operating systems: the visible folders of the loader-files folder, in the order the file
// system lists them. Empty when the folder exists but holds none; nullopt when the folder is missing.
std::optional<std::vector<std::string>> ListOperatingSystems(platform::FileSystem& files,
                                                             const std::string& rimCommonPath);

} // namespace install
