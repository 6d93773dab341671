#pragma once
#include "platform/status.h"

#include <cstdint>
#include <string>

namespace platform {

// Registry value types, with the values Windows uses.
namespace regtype {
constexpr std::uint32_t kNone = 0;
constexpr std::uint32_t kString = 1;
constexpr std::uint32_t kExpandString = 2;
constexpr std::uint32_t kBinary = 3;
constexpr std::uint32_t kDWord = 4;
constexpr std::uint32_t kMultiString = 7;
constexpr std::uint32_t kQWord = 11;
} // namespace regtype

struct RegistryValue {
    enum class Outcome {
        Ok,           // type and (for string types) text are set
        KeyMissing,   // the key could not be opened (missing or not readable)
        ValueMissing, // the key has no such value
        ReadFailed,   // the value exists but its data could not be read
    };
    Outcome outcome = Outcome::KeyMissing;
    std::uint32_t type = regtype::kNone;
    std::string text; // string types only: UTF-8, up to the first NUL, never expanded
    Status error;     // the system's error for KeyMissing and ReadFailed
};

class Registry {
public:
    virtual ~Registry() = default;
    // Reads a value below HKEY_LOCAL_MACHINE, opening the key for reading only and in the 32-bit view of
    // the registry, where 32-bit desktop software describes itself.
    virtual RegistryValue ReadLocalMachineValue(const std::string& keyPath, const std::string& valueName) = 0;
};

} // namespace platform
