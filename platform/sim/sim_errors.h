#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace platform::sim {

// The English text Windows gives for a system error code, so simulated failures read like real ones.
std::string ErrorText(std::uint32_t code);

// A failed Status with that code and its text.
Status Failure(std::uint32_t code);

} // namespace platform::sim
