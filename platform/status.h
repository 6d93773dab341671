#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

// Windows error codes that the logic reasons about. Both implementations report these values.
namespace error {
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kNotSameDevice = 17;
constexpr std::uint32_t kSharingViolation = 32;
constexpr std::uint32_t kFileExists = 80;
constexpr std::uint32_t kInvalidName = 123;
constexpr std::uint32_t kDirNotEmpty = 145;
constexpr std::uint32_t kAlreadyExists = 183;
} // namespace error

// Outcome of one platform call: code 0 is success, otherwise the system's error code and its text
// (the text FormatMessage gives on Windows, without the trailing line break).
struct Status {
    std::uint32_t code = 0;
    std::string message;

    bool ok() const { return code == 0; }
    static Status Success() { return {}; }
};

// Raised for an error that stops the running event handler; the window shows it in the error box (worded
// by the window for the errors it knows) and the program goes on.
class HandlerError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform
