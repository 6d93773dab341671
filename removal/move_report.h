#pragma once
#include <string>
#include <vector>

namespace removal {

struct MoveFailure {
    std::string name;   // the entry (or folder) that could not be moved or created
    std::string reason; // the system's own text, or why the program refused
};

// What a run did: how many entries moved and which steps failed in a way the user must hear about.
struct MoveReport {
    int moved = 0;
    std::vector<MoveFailure> failures;
};

// Why an entry whose name holds a separator (as Wine or a network file system may list one) is not moved.
std::string UnsafeNameReason();

// Why nothing moved when a file stands where the removed-files folder (or its folder for the system) belongs.
std::string FileInPlaceOfFolderReason();

// "Action completed." when nothing failed; otherwise the count, a blank line and one "name: reason" line
// per failure, at most ten, then "... and M more".
std::string CompletionMessage(const MoveReport& report);

} // namespace removal
