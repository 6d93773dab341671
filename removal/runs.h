#pragma once
#include "platform/file_system.h"
#include "removal/move_report.h"

#include <functional>
#include <string>

namespace removal {

using IsTicked = std::function<bool(const std::string& checkBox)>;

// "Execute Selections" for a confirmed operating system: creates the removed-files folders, sets the
// vendor file aside and moves the modules of every ticked feature, in catalogue order.
MoveReport RunRemoval(platform::FileSystem& files, const std::string& rimCommonPath,
                      const std::string& osName, const IsTicked& isTicked);

// "Put It Back": returns the vendor file and every ".cod" module of the operating system's removed folder.
MoveReport RunRestore(platform::FileSystem& files, const std::string& rimCommonPath,
                      const std::string& osName);

} // namespace removal
