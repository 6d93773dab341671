#include "removal/move_report.h"

#include <cstddef>

namespace removal {

namespace {

constexpr std::size_t kMaxListedFailures = 10;

} // namespace

std::string UnsafeNameReason() {
    return "its name leads out of the folder, so Trimlode leaves it where it is";
}

std::string FileInPlaceOfFolderReason() {
    return "this is a file, where Trimlode keeps a folder of removed modules; nothing was moved. Rename or "
           "move the file, then run again";
}

std::string CompletionMessage(const MoveReport& report) {
    if (report.failures.empty()) {
        return "Action completed.";
    }
    const std::size_t count = report.failures.size();
    std::string text = "Action completed, but " + std::to_string(count) + " item(s) could not be moved.\n";
    for (std::size_t i = 0; i < count && i < kMaxListedFailures; ++i) {
        text += "\n" + report.failures[i].name + ": " + report.failures[i].reason;
    }
    if (count > kMaxListedFailures) {
        text += "\n... and " + std::to_string(count - kMaxListedFailures) + " more";
    }
    return text;
}

} // namespace removal
