#pragma once
#include <string>
#include <string_view>

namespace platform {

// Upper case of one code point, as file names compare on Windows (ASCII, Latin-1, Latin Extended-A,
// Greek and Cyrillic; other code points compare as they are).
char32_t FoldForNameCompare(char32_t cp);

// The code points of a name with letter case folded as above: equal for names Windows takes as the same.
std::u32string FoldedName(std::string_view name);

// True when two file names are the same name to Windows (letter case ignored).
bool SameName(std::string_view a, std::string_view b);

// True when `name` can only be one entry's own name once joined to a folder: not empty, not "." or "..", and
// free of path separators and of ":" (which would name a stream of another entry). Windows never lists
// other names, but Wine and network file systems may, and a path built from one would leave the folder.
bool IsPlainName(std::string_view name);

// True when `name` matches `pattern`, in which "*" stands for any run of characters and "?" for one;
// letter case is ignored. This is the long-name rule only: unlike FindFirstFile, "*.cod" does not match
// "notes.code" through its short 8.3 name.
bool MatchesPattern(std::string_view name, std::string_view pattern);

} // namespace platform
