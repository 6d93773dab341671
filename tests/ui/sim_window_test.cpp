// What only the headless window library does; the behaviour it shares with real windows is in
// tests/platform/window_contract_test.cpp.
#include "platform/sim/sim_window.h"

#include "tests/support/control_designs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using platform::ControlDesign;
using platform::ControlKind;

using test_support::TestControl;

class SimWindowTest : public ::testing::Test {
protected:
    SimWindowTest() : owned(windows.CreateForm({})), form(*windows.LastForm()) {}

    platform::sim::SimWindowLibrary windows;
    std::unique_ptr<platform::Form> owned;
    platform::sim::SimForm& form;
    int clicks = 0;
};

TEST_F(SimWindowTest, RejectsDuplicateNamesAndMissingParents) {
    form.AddControl(TestControl("A", ControlKind::Button, 0), {});
    EXPECT_THROW(form.AddControl(TestControl("A", ControlKind::Label), {}), std::invalid_argument);
    EXPECT_THROW(form.AddControl(TestControl("B", ControlKind::CheckBox, 0, "Group"), {}),
                 std::invalid_argument);
    EXPECT_THROW(form.Get("Nothing"), std::out_of_range);
    EXPECT_EQ(form.FindControl("Nothing"), nullptr);
}

TEST_F(SimWindowTest, AcceleratorsShowOnlyOnButtonsCheckBoxesAndGroupBoxes) {
    auto& button = form.AddControl(TestControl("B", ControlKind::Button), {});
    auto& label = form.AddControl(TestControl("L", ControlKind::Label), {});
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
