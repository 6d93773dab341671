#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace removal {

struct MoveFailure {
    std::string name;   // the entry (or folder) that could not be moved or created
    std::string reason; // the system's own text, or why the program refused
};

// One entry a run moved: its name, the folders it left and went to (each with a trailing backslash) and its
// size in bytes (0 for a folder, which moves as a whole).
struct MovedEntry {
    std::string name;
    std::string from;
    std::string to;
    std::uint64_t bytes = 0;
};

// What a run did: how many entries moved, which ones, in the order they moved, and which steps failed in a
// way the user must hear about.
struct MoveReport {
    int moved = 0;
    std::vector<MovedEntry> moves;
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
