#pragma once
#include "platform/file_system.h"
#include "removal/move_report.h"

#include <string>

namespace removal {

// Moves every entry of `sourceFolder` matching `pattern` (hidden, system, read-only and folders included)
// into `targetFolder` under the same name, never replacing an entry there. Both folders end with a
// backslash. A source folder that does not exist matches nothing; an entry that is gone by the time it is
// moved is no failure.
void MoveMatchingFiles(platform::FileSystem& files, const std::string& sourceFolder,
                       const std::string& targetFolder, const std::string& pattern, MoveReport& report);

// From the operating system's java folder into its removed-files folder.
void RemoveModules(platform::FileSystem& files, const std::string& rimCommonPath, const std::string& osName,
                   const std::string& pattern, MoveReport& report);

// From the operating system's removed-files folder back into its java folder.
void RestoreModules(platform::FileSystem& files, const std::string& rimCommonPath, const std::string& osName,
                    const std::string& pattern, MoveReport& report);

} // namespace removal
