#pragma once
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
// surrogate stays one unit.
std::u16string ToUtf16(std::string_view text);
std::string FromUtf16(std::u16string_view units);

} // namespace platform
