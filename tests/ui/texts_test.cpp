#include "removal/module_catalogue.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
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
        EXPECT_EQ(ui::texts::Caption(rows[i].checkBox), expected[i].second) << "row " << i + 1;
    }
    EXPECT_TRUE(rows[0].patterns.empty()) << "the vendor file's row moves no module";
}

removal::MoveReport ReportWithFailures(int count) {
    removal::MoveReport report;
    report.moved = 3;
    for (int i = 1; i <= count; ++i) {
        report.failures.push_back(
            {"m" + std::to_string(i) + ".cod", removal::MoveFailure::Cause::System, "Access is denied."});
    }
    return report;
}

TEST(CompletionMessage, PlainWhenNothingFailed) {
    EXPECT_EQ(ui::texts::CompletionMessage({}), "Action completed.");
    EXPECT_EQ(ui::texts::CompletionMessage(ReportWithFailures(0)), "Action completed.");
}

TEST(CompletionMessage, ListsFailuresUpToTenThenCountsTheRest) {
    EXPECT_EQ(ui::texts::CompletionMessage(ReportWithFailures(1)),
              "Action completed, but 1 item(s) could not be moved.\n\nm1.cod: Access is denied.");

    std::string ten = "Action completed, but 10 item(s) could not be moved.\n";
    for (int i = 1; i <= 10; ++i) {
        ten += "\nm" + std::to_string(i) + ".cod: Access is denied.";
    }
    EXPECT_EQ(ui::texts::CompletionMessage(ReportWithFailures(10)), ten);

    std::string twelve = "Action completed, but 12 item(s) could not be moved.\n";
    for (int i = 1; i <= 10; ++i) {
        twelve += "\nm" + std::to_string(i) + ".cod: Access is denied.";
    }
    twelve += "\n... and 2 more";
    EXPECT_EQ(ui::texts::CompletionMessage(ReportWithFailures(12)), twelve);
}

} // namespace
