#pragma once
#include <string>
#include <vector>

namespace removal {

struct MoveFailure {
    enum class Cause {
        System,              // the system refused; `detail` is its own text
        TargetExists,        // the target name is taken; `detail` is the folder that holds it
        UnsafeName,          // the name holds a separator (as Wine or a network file system may list one)
        FileInPlaceOfFolder, // a file stands where the removed-files folder (or its folder for the system)
                             // belongs, so nothing moved
    };
    std::string name; // the entry (or folder) that could not be moved or created
    Cause cause = Cause::System;
    std::string detail;

    bool operator==(const MoveFailure& other) const {
        return name == other.name && cause == other.cause && detail == other.detail;
    }
};

// What a run did: how many entries moved and which steps failed in a way the user must hear about.
struct MoveReport {
    int moved = 0;
    std::vector<MoveFailure> failures;
};

} // namespace removal
