#pragma once
#include "platform/shell.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::sim {

// A shell that starts nothing and remembers what it was asked to open.
class SimShell : public Shell {
public:
    struct OpenRequest {
        std::string file, parameters;
        WindowHandle owner = nullptr;
    };

    Status Open(const std::string& file, const std::string& parameters, WindowHandle owner) override;
    std::string ExecutableFolder() override { return executableFolder_; }

    // Every request, in order, including one that failed.
    const std::vector<OpenRequest>& Requests() const { return requests_; }
    void SetExecutableFolder(const std::string& path) { executableFolder_ = path; }
    // The next Open fails with that system error.
    void FailNextOpen(std::uint32_t code) { failNext_ = code; }

private:
    std::vector<OpenRequest> requests_;
    std::string executableFolder_ = "C:\\Program Files\\Trimlode\\";
    std::uint32_t failNext_ = 0;
};

} // namespace platform::sim
