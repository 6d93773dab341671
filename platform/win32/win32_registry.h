#pragma once
#include "platform/registry.h"

namespace platform::win32 {

// Reads HKEY_LOCAL_MACHINE values for reading only, in the 32-bit view of the registry.
class Win32Registry : public Registry {
public:
    RegistryValue ReadLocalMachineValue(const std::string& keyPath, const std::string& valueName) override;
};

} // namespace platform::win32
