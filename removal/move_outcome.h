#pragma once
#include "platform/file_system.h"
#include "platform/status.h"
#include "removal/move_report.h"

#include <cstdint>
#include <string>

// How the mover and the runs turn the outcome of one move into the report.
namespace removal {

// The move was refused because the target name is taken (Windows says 80 or 183 depending on the call).
bool TargetAlreadyExists(const platform::Status& status);

// Counts and lists a successful move of `entry`, or records the failure of its name with the system's text,
// or with "a file of that name is already in <entry.to>" when the target exists.
void RecordMove(const platform::Status& status, const MovedEntry& entry, MoveReport& report);

// The size of the file at `path` as its folder lists it; 0 when it is not there or is a folder.
std::uint64_t SizeOf(platform::FileSystem& files, const std::string& path);

} // namespace removal
