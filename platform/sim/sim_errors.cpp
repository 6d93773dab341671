#include "platform/sim/sim_errors.h"

namespace platform::sim {

std::string ErrorText(std::uint32_t code) {
    struct Known {
        std::uint32_t code;
        const char* text;
    };
    static const Known kKnown[] = {
        {error::kFileNotFound, "The system cannot find the file specified."},
        {error::kPathNotFound, "The system cannot find the path specified."},
        {error::kAccessDenied, "Access is denied."},
        {8, "Not enough memory resources are available to process this command."},
        {11, "An attempt was made to load a program with an incorrect format."},
        {error::kNotSameDevice, "The system cannot move the file to a different disk drive."},
        {error::kSharingViolation,
         "The process cannot access the file because it is being used by another process."},
        {error::kFileExists, "The file exists."},
        {87, "The parameter is incorrect."},
        {error::kInvalidName, "The filename, directory name, or volume label syntax is incorrect."},
        {error::kDirNotEmpty, "The directory is not empty."},
        {error::kAlreadyExists, "Cannot create a file when that file already exists."},
        {234, "More data is available."},
        {1155, "No application is associated with the specified file for this operation."},
        {1156, "An error occurred in sending the command to the application."},
        {1157, "One of the library files needed to run this application cannot be found."},
    };
    for (const auto& known : kKnown) {
        if (known.code == code) {
            return known.text;
        }
    }
    return "System error " + std::to_string(code) + ".";
}

Status Failure(std::uint32_t code) {
    return Status{code, ErrorText(code)};
}

} // namespace platform::sim
