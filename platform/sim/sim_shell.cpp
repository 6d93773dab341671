#include "platform/sim/sim_shell.h"

#include "platform/sim/sim_errors.h"

namespace platform::sim {

Status SimShell::Open(const std::string& file, const std::string& parameters, WindowHandle owner) {
    requests_.push_back({file, parameters, owner});
    if (failNext_ != 0) {
        const std::uint32_t code = failNext_;
        failNext_ = 0;
        return Failure(code);
    }
    return Status::Success();
}

} // namespace platform::sim
