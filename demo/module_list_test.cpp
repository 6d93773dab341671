// The demo data: the list the demo and the end-to-end tests seed from must exercise every feature.
#include "demo/module_list.h"
#include "platform/name_match.h"
#include "removal/module_catalogue.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

namespace {

using testing::ElementsAre;

TEST(DemoModuleList, EveryOperatingSystemHasModulesForEveryPattern) {
    const auto& list = demo::DemoModules();
    ASSERT_GE(list.operatingSystems.size(), 2u);
    for (const auto& os : list.operatingSystems) {
        const auto& names = list.modules.at(os);
        for (const auto& option : removal::ModuleCatalogue()) {
            for (const auto& pattern : option.patterns) {
                EXPECT_TRUE(
                    std::any_of(names.begin(), names.end(),
                                [&](const auto& name) { return platform::MatchesPattern(name, pattern); }))
                    << os << " has nothing for " << option.checkBox << " pattern " << pattern;
            }
        }
    }
}

TEST(DemoModuleList, HoldsTheOverlapsAndVariantsThatMatter) {
    for (const auto& [os, names] : demo::DemoModules().modules) {
        for (const char* name : {"net_rim_bb_medialoader_240x260_b.cod", "net_rim_theme_1.cod",
                                 "net_rim_theme_10.cod", "net_rim_theme_1_x.cod", "net_rim_bb_browser.cod"})
            EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << os << " lacks " << name;
    }
}

TEST(DemoModuleList, ParsesSectionsIntoOneListPerVersion) {
    const auto list = demo::ParseModuleList({"# comment", "[all]", "a.cod", "", "[4.5]", "b.cod", "[4.6]",
                                             "[all]", "  c.cod  ", "[4.5]", "d.cod"});
    EXPECT_THAT(list.operatingSystems, ElementsAre("4.5", "4.6"));
    EXPECT_THAT(list.modules.at("4.5"), ElementsAre("a.cod", "c.cod", "b.cod", "d.cod"));
    EXPECT_THAT(list.modules.at("4.6"), ElementsAre("a.cod", "c.cod"));
}

TEST(DemoModuleList, RejectsMalformedLists) {
    const std::vector<std::vector<std::string>> cases = {
        {"a.cod", "[4.5]"},                   // a name outside any section
        {"[all]", "a.cod"},                   // no operating system
        {"[4.5]", "a.cod", "a.cod"},          // a name twice
        {"[all]", "a.cod", "[4.5]", "a.cod"}, // a version repeating a common name
    };
    for (const auto& lines : cases)
        EXPECT_THROW(demo::ParseModuleList(lines), std::invalid_argument) << testing::PrintToString(lines);
}

} // namespace
