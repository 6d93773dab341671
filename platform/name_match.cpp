#include "platform/name_match.h"

#include "platform/utf8.h"

#include <cstddef>

namespace platform {
namespace {

char32_t FoldLatinExtendedA(char32_t cp) {
    // Pairs of capital (even) and small (odd) letters, except the runs that pair odd with even.
    const bool oddPairs = (cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E);
    if (cp == 0x131 || cp == 0x138 || cp == 0x149 || cp == 0x17F || cp == 0x130) {
        return cp;
    }
    if (oddPairs) {
        return (cp % 2 == 0) ? cp - 1 : cp;
    }
    return (cp % 2 == 1) ? cp - 1 : cp;
}

bool Match(const std::u32string& name, const std::u32string& pattern) {
    // Greedy star matching with one backtrack point: linear for the patterns the program uses.
    std::size_t n = 0, p = 0, starP = std::u32string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == name[n])) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == U'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::u32string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == U'*') {
        ++p;
    }
    return p == pattern.size();
}

} // namespace

std::u32string FoldedName(std::string_view name) {
    std::u32string cps = DecodeUtf8(name);
    for (char32_t& cp : cps) {
        cp = FoldForNameCompare(cp);
    }
    return cps;
}

char32_t FoldForNameCompare(char32_t cp) {
    if (cp >= U'a' && cp <= U'z') {
        return cp - 0x20;
    }
    if (cp < 0x80) {
        return cp;
    }
    if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) {
        return cp - 0x20;
    }
    if (cp == 0xFF) {
        return 0x178;
    }
    if (cp >= 0x100 && cp <= 0x17F) {
        return FoldLatinExtendedA(cp);
    }
    if (cp >= 0x3B1 && cp <= 0x3CB && cp != 0x3C2) {
        return cp - 0x20;
    }
    if (cp == 0x3C2) {
        return 0x3A3;
    }
    if (cp >= 0x430 && cp <= 0x44F) {
        return cp - 0x20;
    }
    if (cp >= 0x450 && cp <= 0x45F) {
        return cp - 0x50;
    }
    return cp;
}

bool SameName(std::string_view a, std::string_view b) {
    return FoldedName(a) == FoldedName(b);
}

bool IsPlainName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/:") == std::string_view::npos;
}

bool MatchesPattern(std::string_view name, std::string_view pattern) {
    return Match(FoldedName(name), FoldedName(pattern));
}

} // namespace platform
