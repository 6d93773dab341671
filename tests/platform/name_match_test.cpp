#include "platform/name_match.h"
#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* name;
    const char* pattern;
    bool matches;
};

TEST(NameMatch, StarsAndLetterCase) {
    const MatchCase cases[] = {
        {"net_rim_vad.cod", "net_rim_vad*.cod", true},
        {"net_rim_vad-1.cod", "net_rim_vad*.cod", true},
        {"NET_RIM_VAD_X.COD", "net_rim_vad*.cod", true},
        {"net_rim_theme_10.cod", "net_rim_theme_1*.cod", true},
        {"net_rim_theme_2.cod", "net_rim_theme_1*.cod", false},
        {"net_rim_vad.cod.bak", "net_rim_vad*.cod", false},
        {"notes.code", "*.cod", false},
        {"a.cod", "*.cod", true},
        {".cod", "*.cod", true},
        {"KnJCDE.cod", "knjcde.cod", true},
        {"KnJCDE.cod", "knjcde.co", false},
        {"4.5.0.44", "*", true},
        {".", "*", true},
        {"", "*", true},
        {"", "?", false},
        {"abc", "a*b*c", true},
        {"abxbyc", "a*b*c", true},
        {"abxbyd", "a*b*c", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::MatchesPattern(c.name, c.pattern), c.matches) << c.name << " ~ " << c.pattern;
    }
}

TEST(NameMatch, NonAsciiLettersCompareWithoutCase) {
    EXPECT_TRUE(platform::SameName("Ärger.cod", "äRGER.COD"));
    EXPECT_TRUE(platform::SameName("αβγς", "ΑΒΓΣ"));
    EXPECT_TRUE(platform::SameName("система", "СИСТЕМА"));
    EXPECT_TRUE(platform::SameName("ŁÓDŹ", "łódź"));
    EXPECT_FALSE(platform::SameName("a", "b"));
    EXPECT_TRUE(platform::MatchesPattern("Größe_Ü.cod", "größe_ü*.COD"));
}

TEST(Utf8, RoundTripsAndReplacesMalformedBytes) {
    const std::string samples[] = {"plain", "Größe", "система", "名前", "emoji \xF0\x9F\x93\xB1"};
    for (const auto& s : samples) {
        EXPECT_EQ(platform::EncodeUtf8(platform::DecodeUtf8(s)), s);
    }
    EXPECT_EQ(platform::DecodeUtf8("a\xFF"
                                   "b"),
              std::u32string(U"a\uFFFDb"));
    EXPECT_EQ(platform::DecodeUtf8("\xC0\x80"), std::u32string(U"\uFFFD\uFFFD")); // overlong NUL
    EXPECT_EQ(platform::DecodeUtf8("\xE2\x82"), std::u32string(U"\uFFFD\uFFFD")); // cut short
}

// A Windows name is any sequence of 16-bit units: unpaired surrogates must come back as they were, and two
// names that differ only there are two names.
TEST(Utf16, EveryUnitSequenceRoundTrips) {
    const std::u16string samples[] = {
        u"",
        u"plain",
        u"Gr\u00F6\u00DFe \u540D\u524D",
        u"phone \xD83D\xDCF1",     // a pair: one code point above U+FFFF
        u"net_rim_vad_\xDC80.cod", // a low surrogate alone
        u"net_rim_vad_\xD800.cod", // a high surrogate alone
        u"\xD800",                 // alone at the end
        u"\xDC00\xD800",           // low before high: two unpaired units
        u"\xD83D\xD83D\xDCF1",     // a high surrogate, then a pair
    };
    for (const auto& units : samples) {
        EXPECT_EQ(platform::ToUtf16<std::u16string>(platform::FromUtf16(units)), units);
    }
    EXPECT_EQ(platform::FromUtf16(std::u16string(u"a\xDC80")), "a\xED\xB2\x80");
    EXPECT_EQ(platform::FromUtf16(std::u16string(u"\xD83D\xDCF1")), "\xF0\x9F\x93\xB1");
    EXPECT_FALSE(platform::SameName(platform::FromUtf16(std::u16string(u"x\xDC80")),
                                    platform::FromUtf16(std::u16string(u"x\xDC81"))));
    EXPECT_EQ(platform::ToUtf16<std::u16string>("a\xFF"), u"a\xFFFD");
}

} // namespace
