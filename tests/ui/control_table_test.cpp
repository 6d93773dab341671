#include "platform/sim/sim_window.h"
#include "removal/module_catalogue.h"
#include "ui/control_table.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>
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
        EXPECT_EQ(captions[option.checkBox], ui::texts::Caption(option.checkBox)) << option.checkBox;
        EXPECT_FALSE(captions[option.checkBox].empty()) << option.checkBox;
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

const platform::ControlDesign& Design(const std::string& name) {
    for (const auto& design : ui::MainControls()) {
        if (design.name == name) {
            return design;
        }
    }
    throw std::invalid_argument("no control " + name);
}

// Grown to its full room, no control reaches a neighbour on its rows or leaves its container; the two
// captions that the fonts Windows and Wine substitute draw wider than designed get room to show whole.
TEST(ControlTable, CaptionsMayGrowOnlyIntoFreeRoom) {
    const auto& controls = ui::MainControls();
    const auto right = [](const platform::ControlDesign& d) {
        return d.left + std::max(d.width, d.maxWidth);
    };
    for (const auto& design : controls) {
        SCOPED_TRACE(design.name);
        const int container =
            design.parent.empty() ? ui::MainFormDesign().clientWidth : Design(design.parent).width;
        EXPECT_LE(right(design), container);
        for (const auto& other : controls) {
            const bool sideBySide =
                design.top < other.top + other.height && other.top < design.top + design.height;
            if (&other != &design && other.parent == design.parent && sideBySide &&
                other.left >= design.left) {
                EXPECT_LE(right(design), other.left) << "reaches " << other.name;
            }
        }
    }
    EXPECT_GT(Design("Label3").maxWidth, Design("Label3").width);
    EXPECT_GT(Design("vad").maxWidth, Design("vad").width);
    EXPECT_EQ(Design("OSConfirmed").maxWidth, 0) << "sizes itself to its caption";
    EXPECT_EQ(Design("Label4").maxWidth, 0) << "right-aligned text would move";
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
