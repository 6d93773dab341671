#include "platform/sim/sim_window.h"
#include "removal/module_catalogue.h"
#include "ui/control_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using platform::ControlKind;

std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (const auto& design : ui::MainControls()) {
        names.push_back(design.name);
    }
    return names;
}

TEST(ControlTable, CreationOrderPutsTheCheckBoxesRightAfterTheirGroup) {
    const std::vector<std::string> expected = {"TitleLabelTextBox",
                                               "DescriptionTextBox",
                                               "Label3",
                                               "Label1",
                                               "Label2",
                                               "OSConfirmed",
                                               "Label4",
                                               "Label5",
                                               "ExcecuteSelectionButton",
                                               "ExitButton",
                                               "OSSelectionRadioGroup",
                                               "ModeuleRemovalSelectionGroupBox",
                                               "Vendor_xml",
                                               "bsv",
                                               "wallpaper",
                                               "vad",
                                               "themes",
                                               "tty",
                                               "yahoo",
                                               "aim",
                                               "msn",
                                               "ptt",
                                               "myfaves",
                                               "ConfirmOSChoice",
                                               "Help",
                                               "Button1",
                                               "Button3",
                                               "Panel1",
                                               "resetfile"};
    EXPECT_EQ(Names(), expected);

    std::set<std::string> seen;
    for (const auto& design : ui::MainControls()) {
        if (!design.parent.empty()) {
            EXPECT_EQ(seen.count(design.parent), 1u) << design.name << " comes before its parent";
        }
        seen.insert(design.name);
    }
}

TEST(ControlTable, CheckBoxesShowTheCatalogueCaptions) {
    std::map<std::string, std::string> captions;
    for (const auto& design : ui::MainControls()) {
        if (design.kind == ControlKind::CheckBox) {
            EXPECT_EQ(design.parent, "ModeuleRemovalSelectionGroupBox") << design.name;
            captions[design.name] = design.caption;
        }
    }
    ASSERT_EQ(captions.size(), removal::ModuleCatalogue().size());
    for (const auto& option : removal::ModuleCatalogue()) {
        EXPECT_EQ(captions[option.checkBox], option.caption) << option.checkBox;
    }
}

TEST(ControlTable, TabOrdersAreUniqueAndGaplessWithinEachParent) {
    std::map<std::string, std::set<int>> orders;
    std::map<std::string, int> stops;
    for (const auto& design : ui::MainControls()) {
        if (design.tabOrder >= 0) {
            EXPECT_TRUE(orders[design.parent].insert(design.tabOrder).second)
                << design.name << " repeats tab order " << design.tabOrder;
            ++stops[design.parent];
        } else {
            EXPECT_EQ(design.kind, ControlKind::Label) << design.name << " is left out of the tab order";
        }
    }
    for (const auto& [parent, set] : orders) {
        EXPECT_EQ(*set.rbegin(), stops[parent] - 1) << "gap in the tab order of '" << parent << "'";
    }
    EXPECT_EQ(stops[""], 10);
    EXPECT_EQ(stops["ModeuleRemovalSelectionGroupBox"], 11);
}

TEST(ControlTable, OnlyButtonsCarryHintsAndOnlyLabel1FollowsTheBottom) {
    for (const auto& design : ui::MainControls()) {
        EXPECT_EQ(design.hint.empty(), design.kind != ControlKind::Button) << design.name;
        EXPECT_EQ(design.anchorBottom, design.name == "Label1") << design.name;
    }
}

TEST(ControlTable, TheFormBuildsFromTheTableWithTheFocusOnExecute) {
    platform::sim::SimWindowLibrary windows;
    const auto form = windows.CreateForm(ui::MainFormDesign());
    for (const auto& design : ui::MainControls()) {
        form->AddControl(design, {});
    }
    form->Show();
    auto& sim = *windows.LastForm();
    EXPECT_EQ(sim.CreationOrder(), Names());
    EXPECT_EQ(sim.FocusedControl(), "ExcecuteSelectionButton");
    EXPECT_EQ(sim.Get("ptt").DisplayedCaption(), "Remove  Push To Talk  (AT&T only) [340Kb]");
    EXPECT_EQ(sim.Get("ModeuleRemovalSelectionGroupBox").DisplayedCaption(), "MODULE REMOVAL ");
}

} // namespace
