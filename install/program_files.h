#pragma once
#include "platform/file_system.h"
#include "platform/registry.h"
#include "platform/status.h"

#include <string>

namespace install {

// ProgramFilesDir is there but cannot be used: it stops the running handler, and the window says why.
class ProgramFilesDirError : public platform::HandlerError {
public:
    enum class Problem { InvalidType, ReadFailed };
    ProgramFilesDirError(Problem problem, std::string valueName);
    Problem problem() const { return problem_; }
    const std::string& valueName() const { return valueName_; }

private:
    Problem problem_;
    std::string valueName_;
};

// The ProgramFilesDir value of HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion. A missing key or value
// gives the empty text; a value of another type or unreadable data throws ProgramFilesDirError.
std::string GetProgramFilesDir(platform::Registry& registry);

// Finds the maker's common-files folder: below "Program Files(x86)" on the drive of ProgramFilesDir when
// its loader-files folder exists there and every level of it is protected like Program Files, otherwise
// below ProgramFilesDir itself. Ends with a backslash.
std::string LocateRimCommonPath(platform::Registry& registry, platform::FileSystem& files);

} // namespace install
