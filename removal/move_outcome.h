#pragma once
#include "platform/status.h"
#include "removal/move_report.h"

#include <string>

// How the mover and the runs turn the outcome of one move into the report.
namespace removal {

// The move was refused because the target name is taken (Windows says 80 or 183 depending on the call).
bool TargetAlreadyExists(const platform::Status& status);

// Counts a successful move, or records the failure of `name`: the system's text, or the target folder when
// the name is taken there.
void RecordMove(const platform::Status& status, const std::string& name, const std::string& targetFolder,
                MoveReport& report);

} // namespace removal
