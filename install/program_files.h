#pragma once
#include "platform/file_system.h"
#include "platform/registry.h"

#include <string>

namespace install {

// The ProgramFilesDir value of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion. A missing key or value
// gives the empty text; a value of another type or unreadable data throws platform::HandlerError with
// "Invalid data type for 'ProgramFilesDir'" or "Failed to get data for 'ProgramFilesDir'".
std::string GetProgramFilesDir(platform::Registry& registry);

// Finds the maker's common-files folder: below "Program Files(x86)" on the drive of ProgramFilesDir when
// its loader-files folder exists there and every level of it is protected like Program Files, otherwise
// below ProgramFilesDir itself. Ends with a backslash.
std::string LocateRimCommonPath(platform::Registry& registry, platform::FileSystem& files);

} // namespace install
