#pragma once
#include <string>
#include <string_view>

namespace platform {

// Code points of UTF-8 text; a malformed byte becomes U+FFFD so no input can stop the program.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view codePoints);

} // namespace platform
