#pragma once
#include <string>
#include <string_view>

namespace platform::win32 {

// The one boundary between the program's text and the UTF-16 of the wide-character API. It is lossless
// for everything Windows hands out, unpaired surrogates included (see platform/utf8.h); malformed UTF-8,
// which no name read from the system contains, becomes U+FFFD rather than failing.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// A file path for the wide file API. A full path ("C:\..." or "\\server\share\...") gets the "\\?\" prefix,
// after separators, "." and ".." pieces are resolved: Windows then takes every name literally, so a folder
// "4.5.0.44." is not "4.5.0.44", "con.cod" is a file and not a device, and no MAX_PATH limit applies. Other
// paths pass unchanged unless too long for the classic limit, when they are made absolute and prefixed.
std::wstring WidePath(std::string_view utf8);

} // namespace platform::win32
