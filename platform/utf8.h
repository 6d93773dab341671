#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// The program's text is UTF-8, generalised (as WTF-8) to carry the unpaired surrogates a Windows name may
// hold: such a unit is written as the three bytes UTF-8 would give its value. Every sequence of 16-bit units
// therefore converts to text and back unchanged, so a name read from the system addresses the same entry.
namespace platform {

// Code points of the text, unpaired surrogates included; a malformed byte becomes U+FFFD so no input can
// stop the program.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view codePoints);

// The 16-bit units of the text and back: code points above U+FFFF become surrogate pairs, an unpaired
// surrogate stays one unit. `Units` is a string of 16-bit units: std::u16string, or std::wstring on Windows.
template <typename Units> Units ToUtf16(std::string_view text) {
    Units units;
    units.reserve(text.size());
    for (const char32_t cp : DecodeUtf8(text)) {
        if (cp >= 0x10000) {
            units.push_back(static_cast<typename Units::value_type>(0xD800 + ((cp - 0x10000) >> 10)));
            units.push_back(static_cast<typename Units::value_type>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        } else {
            units.push_back(static_cast<typename Units::value_type>(cp));
        }
    }
    return units;
}

template <typename Units> std::string FromUtf16(const Units& units) {
    std::u32string cps;
    cps.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const auto unit = static_cast<char32_t>(units[i]);
        const auto next = i + 1 < units.size() ? static_cast<char32_t>(units[i + 1]) : 0;
        if (unit >= 0xD800 && unit <= 0xDBFF && next >= 0xDC00 && next <= 0xDFFF) {
            cps.push_back(0x10000 + ((unit - 0xD800) << 10) + (next - 0xDC00));
            ++i;
        } else {
            cps.push_back(unit);
        }
    }
    return EncodeUtf8(cps);
}

} // namespace platform
