#pragma once
#include <string>
#include <string_view>

namespace platform::win32 {

// The one boundary between the program's UTF-8 and the UTF-16 of the wide-character API. Malformed
// input becomes U+FFFD rather than failing.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);

// A file path for the wide file API: paths too long for the classic limit are made absolute and given
// the "\\?\" prefix, so deep folders work without any MAX_PATH buffer; others pass unchanged.
std::wstring WidePath(std::string_view utf8);

} // namespace platform::win32
