#include "cli/arguments.h"
#include "cli/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cli::Command;
using Words = std::vector<std::string>;

TEST(Arguments, GoodCommandLines) {
    struct Case {
        Words words;
        Command command;
        std::string os;
        Words features;
        bool json;
        bool dryRun;
    };
    const Words every = {"Vendor_xml", "bsv",   "vad", "themes", "wallpaper", "ptt",
                         "myfaves",    "yahoo", "msn", "aim",    "tty"};
    const Case cases[] = {
        {{"list"}, Command::List, "", {}, false, false},
        {{"--json", "list"}, Command::List, "", {}, true, false},
        {{"status", "4.5.0.44", "--json"}, Command::Status, "4.5.0.44", {}, true, false},
        {{"remove", "4.5.0.44", "WallPaper", "VENDOR_XML", "msn"},
         Command::Remove,
         "4.5.0.44",
         {"wallpaper", "Vendor_xml", "msn"},
         false,
         false},
        {{"remove", "--dry-run", "4.5.0.44", "all"}, Command::Remove, "4.5.0.44", every, false, true},
        {{"remove", "v 4.6 (Größe)", "ALL", "--json", "--dry-run"},
         Command::Remove,
         "v 4.6 (Größe)",
         every,
         true,
         true},
        {{"restore", "4.5.0.44"}, Command::Restore, "4.5.0.44", {}, false, false},
        {{"restore", "--", "-odd name-"}, Command::Restore, "-odd name-", {}, false, false},
        {{"--help"}, Command::Help, "", {}, false, false},
        {{"remove", "/?"}, Command::Help, "", {}, false, false},
        {{"-h", "--json"}, Command::Help, "", {}, true, false},
        {{"--version"}, Command::Version, "", {}, false, false},
    };
    for (const Case& c : cases) {
        const std::string line = ::testing::PrintToString(c.words);
        const cli::ParsedArguments parsed = cli::ParseArguments(c.words);
        ASSERT_EQ(parsed.error, "") << line;
        EXPECT_EQ(parsed.request.command, c.command) << line;
        EXPECT_EQ(parsed.request.os, c.os) << line;
        EXPECT_EQ(parsed.request.features, c.features) << line;
        EXPECT_EQ(parsed.request.json, c.json) << line;
        EXPECT_EQ(parsed.request.dryRun, c.dryRun) << line;
    }
}

TEST(Arguments, BadCommandLinesAreUsageErrors) {
    namespace texts = cli::texts;
    struct Case {
        Words words;
        std::string error;
    };
    const Case cases[] = {
        {{}, texts::kNoCommand},
        {{"--json"}, texts::kNoCommand},
        {{"lst"}, texts::UnknownCommand("lst")},
        {{"List"}, texts::UnknownCommand("List")},
        {{"list", "--force"}, texts::UnknownOption("--force")},
        {{"list", "-j"}, texts::UnknownOption("-j")},
        {{"list", "--json", "--json"}, texts::OptionTwice("--json")},
        {{"remove", "4.5", "vad", "--dry-run", "--dry-run"}, texts::OptionTwice("--dry-run")},
        {{"--help", "--version"}, texts::kHelpWithVersion},
        {{"--version", "list"}, texts::kVersionWithCommand},
        {{"list", "--dry-run"}, texts::kDryRunNeedsRun},
        {{"status", "4.5", "--dry-run"}, texts::kDryRunNeedsRun},
        {{"list", "4.5"}, texts::TooManyOperands("list", "4.5")},
        {{"status"}, texts::MissingOs("status")},
        {{"status", "4.5", "4.6"}, texts::TooManyOperands("status", "4.6")},
        {{"restore", "4.5", "vad"}, texts::TooManyOperands("restore", "vad")},
        {{"remove"}, texts::MissingOs("remove")},
        {{"remove", "4.5"}, texts::kMissingFeature},
        {{"remove", "4.5", "wallpapers"}, texts::UnknownFeature("wallpapers")},
        {{"remove", "4.5", "vad", "VAD"}, texts::FeatureTwice("vad")},
        {{"remove", "4.5", "all", "vad"}, texts::kAllWithOthers},
        {{"remove", "4.5", "all", "all"}, texts::kAllWithOthers},
        {{"status", ""}, texts::kEmptyOsName},
        {{"status", ".."}, texts::NotAnOsName("..")},
        {{"status", "."}, texts::NotAnOsName(".")},
        {{"status", "..\\..\\Windows"}, texts::NotAnOsName("..\\..\\Windows")},
        {{"restore", "4.5/java"}, texts::NotAnOsName("4.5/java")},
        {{"restore", "C:4.5"}, texts::NotAnOsName("C:4.5")},
        {{"restore", "4.*"}, texts::NotAnOsName("4.*")},
        {{"restore", "4.5\t"}, texts::NotAnOsName("4.5\t")},
    };
    for (const Case& c : cases) {
        const std::string line = ::testing::PrintToString(c.words);
        EXPECT_EQ(cli::ParseArguments(c.words).error, c.error) << line;
    }
    // An error is still written as JSON when --json was given, even before it was parsed.
    EXPECT_TRUE(cli::ParseArguments({"--bogus", "--json"}).request.json);
}

} // namespace
