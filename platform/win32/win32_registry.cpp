#include "platform/win32/win32_registry.h"

#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {
namespace {

// String data up to its first NUL; data need not be terminated, and an odd last byte is dropped.
std::string TextOf(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(data[2 * i] | (data[2 * i + 1] << 8));
    }
    text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
    return Narrow(text);
}

} // namespace

RegistryValue Win32Registry::ReadLocalMachineValue(const std::string& keyPath, const std::string& valueName) {
    RegistryValue result;
    HKEY opened = nullptr;
    const LONG openError =
        RegOpenKeyExW(HKEY_LOCAL_MACHINE, Widen(keyPath).c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &opened);
    if (openError != ERROR_SUCCESS) {
        result.outcome = RegistryValue::Outcome::KeyMissing;
        result.error = StatusOf(static_cast<unsigned long>(openError));
        return result;
    }
    const RegistryKey key(opened);
    const std::wstring name = Widen(valueName);
    DWORD type = REG_NONE;
    DWORD size = 0;
    const LONG sizeError = RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type, nullptr, &size);
    if (sizeError == ERROR_FILE_NOT_FOUND) {
        result.outcome = RegistryValue::Outcome::ValueMissing;
        return result;
    }
    std::vector<BYTE> data(size);
    const LONG dataError = sizeError != ERROR_SUCCESS
                               ? sizeError
                               : RegQueryValueExW(key.Get(), name.c_str(), nullptr, &type,
                                                  data.empty() ? nullptr : data.data(), &size);
    if (dataError != ERROR_SUCCESS) {
        result.outcome = RegistryValue::Outcome::ReadFailed;
        result.error = StatusOf(static_cast<unsigned long>(dataError));
        return result;
    }
    data.resize(size);
    result.outcome = RegistryValue::Outcome::Ok;
    result.type = type;
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        result.text = TextOf(data);
    }
    return result;
}

} // namespace platform::win32
