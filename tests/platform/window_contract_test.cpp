// The window library's contract, run on the headless library natively and on real windows under Wine:
// what the program reads and sets of its controls, and what a user's click does.
#include "platform/window.h"
#include "tests/support/fixtures.h"

#include "tests/support/control_designs.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using platform::ControlDesign;
using platform::ControlKind;

using test_support::TestControl;

platform::FormDesign TestForm() {
    platform::FormDesign form;
    form.caption = "Window contract";
    form.left = 100;
    form.top = 80;
    form.outerWidth = 408;
    form.outerHeight = 300;
    form.clientWidth = 400;
    form.clientHeight = 266;
    return form;
}

class WindowContract : public ::testing::Test {
protected:
    std::unique_ptr<testsupport::WindowFixture> fixture = testsupport::MakeWindowFixture();
    std::unique_ptr<platform::Form> form = fixture->Windows().CreateForm(TestForm());
    int clicks = 0;
    std::function<void()> count = [this] { ++clicks; };
};

TEST_F(WindowContract, RadioGroupReportsOnlyAChangedChoice) {
    ControlDesign group = TestControl("List", ControlKind::RadioGroup, 0);
    group.items = {"1.", "2."};
    auto& list = form->AddControl(group, count);
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"1.", "2."}));
    list.SetItems({"4.5.0.44", "Tom & Jerry", "5.0.0.1"});
    EXPECT_EQ(list.Items(), (std::vector<std::string>{"4.5.0.44", "Tom & Jerry", "5.0.0.1"}));
    EXPECT_EQ(list.ItemIndex(), -1);
    form->Show();

    fixture->ChooseItem(*form, "List", 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.ItemIndex(), 1);
    fixture->ChooseItem(*form, "List", 1);
    EXPECT_EQ(clicks, 1) << "the same choice again is no change";
    fixture->ChooseItem(*form, "List", 0);
    EXPECT_EQ(clicks, 2);
    list.SetItemIndex(2);
    EXPECT_EQ(clicks, 2) << "a choice made by the program raises no click";
    EXPECT_EQ(list.ItemIndex(), 2);
    list.SetItemIndex(7);
    EXPECT_EQ(list.ItemIndex(), -1) << "an index outside the list chooses nothing";

    list.SetItemIndex(0);
    list.SetItems({"R&D"});
    EXPECT_EQ(list.Items(), std::vector<std::string>{"R&D"});
    EXPECT_EQ(list.ItemIndex(), -1) << "new items, no choice";
}

TEST_F(WindowContract, CheckBoxTicksBeforeItsHandlerRunsAndTheProgramsTickRaisesNoClick) {
    form->AddControl(TestControl("Box", ControlKind::GroupBox, 0), nullptr);
    platform::Control* tick = nullptr;
    tick = &form->AddControl(TestControl("Tick", ControlKind::CheckBox, 0, "Box"),
                             [&] { clicks += tick->Checked() ? 10 : 1; });
    form->Show();
    EXPECT_FALSE(tick->Checked());
    fixture->Click(*form, "Tick");
    EXPECT_TRUE(tick->Checked());
    EXPECT_EQ(clicks, 10) << "the handler sees the new tick";
    tick->SetChecked(false);
    EXPECT_FALSE(tick->Checked());
    EXPECT_EQ(clicks, 10);
}

TEST_F(WindowContract, CaptionsAreKeptAsSetAndControlsFoundByName) {
    auto& button = form->AddControl(TestControl("Go", ControlKind::Button, 0), count);
    auto& label = form->AddControl(TestControl("Heading", ControlKind::Label), nullptr);
    button.SetCaption("&Save && Go");
    label.SetCaption("R&D");
    EXPECT_EQ(button.Caption(), "&Save && Go");
    EXPECT_EQ(label.Caption(), "R&D");
    EXPECT_EQ(form->FindControl("Heading"), &label);
    EXPECT_EQ(form->FindControl("Nothing"), nullptr);
    form->Show();
    fixture->Click(*form, "Go");
    EXPECT_EQ(clicks, 1);
}

TEST_F(WindowContract, FocusStartsAtTheFirstTabStopThatCanTakeIt) {
    form->AddControl(TestControl("Heading", ControlKind::Label), nullptr);
    form->AddControl(TestControl("Group", ControlKind::GroupBox, 1), nullptr);
    form->AddControl(TestControl("Inner", ControlKind::CheckBox, 0, "Group"), nullptr);
    form->AddControl(TestControl("List", ControlKind::RadioGroup, 0), nullptr);
    form->AddControl(TestControl("Go", ControlKind::Button, 2), nullptr);
    form->Show();
    EXPECT_EQ(fixture->Focused(*form, {"Heading", "Group", "Inner", "List", "Go"}), "Inner")
        << "an empty radio group is passed over, a group box is entered";
}

} // namespace
