#include "removal/module_catalogue.h"
#include "removal/move_report.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using removal::ModuleCatalogue;

TEST(ModuleCatalogue, RowsInProcessingOrderWithTheirCaptions) {
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Vendor_xml", "Remove Vendor.xml"},
        {"bsv", "Remove BlackBerry Sample Video [2.5Mb]"},
        {"vad", "Remove Voice Activated Dialling (VAD) [600Kb]"},
        {"themes", "Remove Carrier Themes [200-700Kb each]"},
        {"wallpaper", "Remove Pre-Loaded Wallpaper [2-3Mb]"},
        {"ptt", "Remove  Push To Talk  (AT&&T only) [340Kb]"},
        {"myfaves", "Remove MyFaves (T-Mobile only) [300Kb]"},
        {"yahoo", "Remove Yahoo (OS 4.5.only.)"},
        {"msn", "Remove MSN (OS 4.5 only)"},
        {"aim", "Remove AIM (OS 4.5 only)"},
        {"tty", "Remove TTY (for hearing impaired users)"},
    };
    const auto& rows = ModuleCatalogue();
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].checkBox, expected[i].first) << "row " << i + 1;
        EXPECT_EQ(rows[i].caption, expected[i].second) << "row " << i + 1;
    }
}

TEST(ModuleCatalogue, PatternsInOrder) {
    const auto& rows = ModuleCatalogue();
    ASSERT_EQ(rows.size(), 11u);
    EXPECT_TRUE(rows[0].patterns.empty());
    const std::vector<std::vector<std::string>> expected = {
        {"net_rim_bb_medialoader_video_83xx_320x240*.cod", "net_rim_bb_medialoader_240x260*.cod",
         "net_rim_bb_medialoader_video.cod", "net_rim_bb_medialoader_480x320_b.cod"},
        {"net_rim_vad*.cod"},
        {"net_rim_theme_1*.cod", "net_rim_theme_precision_silver_480x320_b.cod"},
        {"net_rim_bb_media_320x240_b.cod", "net_rim_bb_media_240x260_b.cod",
         "net_rim_bb_medialoader_320x240_b.cod", "net_rim_bb_medialoader_240x260_b.cod",
         "net_rim_bb_media_88*.cod", "net_rim_bb_medialoader_backgrounds_480x320_b.cod",
         "net_rim_bb_medialoader_music_480x320_b.cod"},
        {"net_rim_bb_phone_ptt_app.cod", "KnJCDE.cod"},
        {"net_rim_bb_media_100_five_icon_library.cod", "net_rim_tmo_five.cod"},
        {"net_rim_bb_qm_yahoo*.cod"},
        {"net_rim_bb_qm_msn*.cod"},
        {"net_rim_bb_qm_aim*.cod"},
        {"net_rim_phone_tty_enabler.cod"},
    };
    for (std::size_t i = 1; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].patterns, expected[i - 1]) << rows[i].checkBox;
    }
}

removal::MoveReport ReportWithFailures(int count) {
    removal::MoveReport report;
    report.moved = 3;
    for (int i = 1; i <= count; ++i) {
        report.failures.push_back({"m" + std::to_string(i) + ".cod", "Access is denied."});
    }
    return report;
}

TEST(CompletionMessage, PlainWhenNothingFailed) {
    EXPECT_EQ(removal::CompletionMessage({}), "Action completed.");
    EXPECT_EQ(removal::CompletionMessage(ReportWithFailures(0)), "Action completed.");
}

TEST(CompletionMessage, ListsFailuresUpToTenThenCountsTheRest) {
    EXPECT_EQ(removal::CompletionMessage(ReportWithFailures(1)),
              "Action completed, but 1 item(s) could not be moved.\n\nm1.cod: Access is denied.");

    std::string ten = "Action completed, but 10 item(s) could not be moved.\n";
    for (int i = 1; i <= 10; ++i) {
        ten += "\nm" + std::to_string(i) + ".cod: Access is denied.";
    }
    EXPECT_EQ(removal::CompletionMessage(ReportWithFailures(10)), ten);

    std::string twelve = "Action completed, but 12 item(s) could not be moved.\n";
    for (int i = 1; i <= 10; ++i) {
        twelve += "\nm" + std::to_string(i) + ".cod: Access is denied.";
    }
    twelve += "\n... and 2 more";
    EXPECT_EQ(removal::CompletionMessage(ReportWithFailures(12)), twelve);
}

} // namespace
