#pragma once
#include "platform/registry.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace platform::sim {

// The HKEY_LOCAL_MACHINE values the program may read, typed and stored as Windows stores them: string
// data as UTF-16LE bytes with a terminating NUL. Key paths and value names ignore letter case.
class SimRegistry : public Registry {
public:
    RegistryValue ReadLocalMachineValue(const std::string& keyPath, const std::string& valueName) override;

    // Stores raw data as it is, so a test can give any type or malformed data.
    void SetValue(const std::string& key, const std::string& name, std::uint32_t type,
                  const std::vector<std::uint8_t>& bytes);
    // Stores UTF-8 text as UTF-16LE plus a terminating NUL; an embedded "\0" in `utf8` is kept.
    void SetString(const std::string& key, const std::string& name, const std::string& utf8,
                   std::uint32_t type = regtype::kString);
    void RemoveValue(const std::string& key, const std::string& name);
    // The key exists but opening it for reading is refused.
    void DenyKey(const std::string& key);
    // Reading that value's data fails (after its size was read) until the value is set again.
    void InjectReadFailure(const std::string& key, const std::string& name);

private:
    struct Value {
        std::uint32_t type = regtype::kNone;
        std::vector<std::uint8_t> bytes;
        bool unreadable = false;
    };
    struct Key {
        std::map<std::string, Value> values; // by folded name
        bool denied = false;
    };
    bool HasSubkeys(const std::string& foldedPath) const;

    std::map<std::string, Key> keys_; // by folded path
};

// UTF-16LE bytes of UTF-8 text, as the registry stores strings (no terminator added).
std::vector<std::uint8_t> Utf16LeBytes(const std::string& utf8);

} // namespace platform::sim
