#include "platform/sim/sim_registry.h"

#include "platform/name_match.h"
#include "platform/sim/sim_errors.h"
#include "platform/utf8.h"

#include <stdexcept>

namespace platform::sim {
namespace {

// Key paths compare like file names: letter case ignored, one backslash between levels.
std::string Folded(const std::string& text) {
    std::u32string cps = FoldedName(text);
    while (!cps.empty() && cps.back() == U'\\') {
        cps.pop_back();
    }
    return EncodeUtf8(cps);
}

// The text of UTF-16LE string data up to its first NUL, as the Win32 registry reads it; an odd last byte is
// dropped.
std::string TextOf(const std::vector<std::uint8_t>& bytes) {
    std::u32string cps;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t unit = bytes[i] | (bytes[i + 1] << 8);
        if (unit == 0) {
            break;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        cps.push_back(unit);
    }
    return EncodeUtf8(cps);
}

} // namespace

std::vector<std::uint8_t> Utf16LeBytes(const std::string& utf8) {
    std::vector<std::uint8_t> bytes;
    const auto put = [&bytes](char32_t unit) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    };
    for (char32_t cp : DecodeUtf8(utf8)) {
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return bytes;
}

bool SimRegistry::HasSubkeys(const std::string& foldedPath) const {
    const std::string prefix = foldedPath + "\\";
    const auto next = keys_.lower_bound(prefix);
    return next != keys_.end() && next->first.compare(0, prefix.size(), prefix) == 0;
}

RegistryValue SimRegistry::ReadLocalMachineValue(const std::string& keyPath, const std::string& valueName) {
    RegistryValue result;
    const std::string path = Folded(keyPath);
    const auto key = keys_.find(path);
    if (key == keys_.end() ? !HasSubkeys(path) : key->second.denied) {
        result.outcome = RegistryValue::Outcome::KeyMissing;
        result.error = Failure(key == keys_.end() ? error::kFileNotFound : error::kAccessDenied);
        return result;
    }
    if (key == keys_.end()) {
        result.outcome = RegistryValue::Outcome::ValueMissing; // a key that only holds other keys
        return result;
    }
    const auto value = key->second.values.find(Folded(valueName));
    if (value == key->second.values.end()) {
        result.outcome = RegistryValue::Outcome::ValueMissing;
        return result;
    }
    if (value->second.unreadable) {
        result.outcome = RegistryValue::Outcome::ReadFailed;
        result.error = Failure(234); // the data changed size between the two reads
        return result;
    }
    result.outcome = RegistryValue::Outcome::Ok;
    result.type = value->second.type;
    if (result.type == regtype::kString || result.type == regtype::kExpandString) {
        result.text = TextOf(value->second.bytes);
    }
    return result;
}

void SimRegistry::SetValue(const std::string& key, const std::string& name, std::uint32_t type,
                           const std::vector<std::uint8_t>& bytes) {
    keys_[Folded(key)].values[Folded(name)] = Value{type, bytes, false};
}

void SimRegistry::SetString(const std::string& key, const std::string& name, const std::string& utf8,
                            std::uint32_t type) {
    std::vector<std::uint8_t> bytes = Utf16LeBytes(utf8);
    bytes.push_back(0);
    bytes.push_back(0);
    SetValue(key, name, type, bytes);
}

void SimRegistry::RemoveValue(const std::string& key, const std::string& name) {
    const auto found = keys_.find(Folded(key));
    if (found != keys_.end()) {
        found->second.values.erase(Folded(name));
    }
}

void SimRegistry::DenyKey(const std::string& key) {
    keys_[Folded(key)].denied = true;
}

void SimRegistry::InjectReadFailure(const std::string& key, const std::string& name) {
    const auto found = keys_.find(Folded(key));
    if (found == keys_.end() || found->second.values.count(Folded(name)) == 0) {
        throw std::logic_error("no such value to make unreadable: " + key + "\\" + name);
    }
    found->second.values[Folded(name)].unreadable = true;
}

} // namespace platform::sim
