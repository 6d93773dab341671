#include "platform/sim/sim_window.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using platform::ControlDesign;
using platform::ControlKind;

ControlDesign Design(const char* name, ControlKind kind, int tabOrder = -1, const char* parent = "") {
    ControlDesign design;
    design.name = name;
    design.kind = kind;
    design.tabOrder = tabOrder;
    design.parent = parent;
    return design;
}

class SimWindowTest : public ::testing::Test {
protected:
    SimWindowTest() : owned(windows.CreateForm({})), form(*windows.LastForm()) {}

    platform::sim::SimWindowLibrary windows;
    std::unique_ptr<platform::Form> owned;
    platform::sim::SimForm& form;
    int clicks = 0;
};

TEST_F(SimWindowTest, RadioGroupRaisesItsClickOnlyForADifferentChoice) {
    ControlDesign group = Design("List", ControlKind::RadioGroup, 0);
    group.items = {"1.", "2."};
    auto& list = form.AddControl(group, [this] { ++clicks; });
    EXPECT_EQ(list.ItemIndex(), -1);

    form.ChooseItem("List", 1);
    form.ChooseItem("List", 1);
    EXPECT_EQ(clicks, 1);
    form.ChooseItem("List", 0);
    EXPECT_EQ(clicks, 2);
    list.SetItemIndex(1);
    EXPECT_EQ(clicks, 2) << "a change made by the program raises no click";
    EXPECT_THROW(form.ChooseItem("List", 2), std::out_of_range);

    list.SetItems({"R&D"});
    EXPECT_EQ(list.ItemIndex(), -1);
    EXPECT_EQ(list.Items(), std::vector<std::string>{"R&D"});
}

TEST_F(SimWindowTest, CheckBoxClickTogglesTheTickBeforeTheHandlerRuns) {
    platform::Control* box = nullptr;
    box =
        &form.AddControl(Design("Box", ControlKind::CheckBox, 0), [&] { clicks += box->Checked() ? 10 : 1; });
    form.Click("Box");
    EXPECT_TRUE(box->Checked());
    EXPECT_EQ(clicks, 10);
    form.Tick("Box", true);
    EXPECT_EQ(clicks, 10) << "no change, no click";
    form.Tick("Box", false);
    EXPECT_EQ(clicks, 11);
}

TEST_F(SimWindowTest, RejectsDuplicateNamesAndMissingParents) {
    form.AddControl(Design("A", ControlKind::Button, 0), {});
    EXPECT_THROW(form.AddControl(Design("A", ControlKind::Label), {}), std::invalid_argument);
    EXPECT_THROW(form.AddControl(Design("B", ControlKind::CheckBox, 0, "Group"), {}), std::invalid_argument);
    EXPECT_THROW(form.Get("Nothing"), std::out_of_range);
    EXPECT_EQ(form.FindControl("Nothing"), nullptr);
}

TEST_F(SimWindowTest, FocusGoesToTheFirstTabStopThatCanTakeIt) {
    form.AddControl(Design("Heading", ControlKind::Label), {});
    form.AddControl(Design("Group", ControlKind::GroupBox, 1), {});
    form.AddControl(Design("Inner", ControlKind::CheckBox, 0, "Group"), {});
    form.AddControl(Design("List", ControlKind::RadioGroup, 0), {});
    form.AddControl(Design("Go", ControlKind::Button, 2), {});
    EXPECT_EQ(form.FocusedControl(), "");
    form.Show();
    EXPECT_EQ(form.FocusedControl(), "Inner") << "an empty radio group is passed over";
}

TEST_F(SimWindowTest, AcceleratorsShowOnlyOnButtonsCheckBoxesAndGroupBoxes) {
    auto& button = form.AddControl(Design("B", ControlKind::Button), {});
    auto& label = form.AddControl(Design("L", ControlKind::Label), {});
    button.SetCaption("&Save && Go");
    label.SetCaption("R&D");
    EXPECT_EQ(form.Get("B").DisplayedCaption(), "Save & Go");
    EXPECT_EQ(form.Get("L").DisplayedCaption(), "R&D");
    EXPECT_EQ(button.Caption(), "&Save && Go");
}

TEST(SimWindowLibrary, ForgetsAFormOnceItIsDestroyed) {
    platform::sim::SimWindowLibrary windows;
    auto form = windows.CreateForm({});
    EXPECT_EQ(windows.LastForm(), form.get());
    form.reset();
    EXPECT_EQ(windows.LastForm(), nullptr);
}

} // namespace
