// The window as it comes up, read back control by control and compared with the control table at 96 DPI.
#include "e2e/driver/environment.h"
#include "e2e/driver/fixture.h"
#include "e2e/driver/gui.h"
#include "e2e/driver/window_reading.h"
#include "ui/control_table.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <map>
#include <string>

namespace e2e {
namespace {

using platform::ControlDesign;
using platform::ControlKind;

constexpr int kDesignDpi = 96;

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

class LayoutTest : public TrimlodeTest {
protected:
    void SetUp() override {
        TrimlodeTest::SetUp();
        if (ScreenDpi() != kDesignDpi)
            GTEST_SKIP() << "the table is compared at 96 DPI only";
    }

    // The window of every row of the table, found by its control id, and of each row's parent.
    std::map<std::string, HWND> WindowsByName(const Trimlode& app) const {
        std::map<std::string, HWND> windows;
        for (const auto& design : ui::MainControls())
            windows[design.name] = app.ControlNamed(design.name);
        return windows;
    }
};

bool HasKind(HWND window, ControlKind kind) {
    const auto type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    switch (kind) {
    case ControlKind::Label:
        return ClassName(window) == "Static";
    case ControlKind::Button:
        return ClassName(window) == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
    case ControlKind::CheckBox:
        return ClassName(window) == "Button" && (type == BS_AUTOCHECKBOX || type == BS_CHECKBOX);
    case ControlKind::GroupBox:
        return ClassName(window) == "Button" && type == BS_GROUPBOX;
    case ControlKind::RadioGroup:
    case ControlKind::Panel:
        return true; // drawn by the window library in its own way
    }
    return false;
}

void ExpectFont(const FontProbe& probe, HWND window, const platform::FontStyle& font) {
    const FontInfo actual = probe.FontOf(window);
    EXPECT_EQ(actual.face, font.face);
    EXPECT_EQ(actual.height, -MulDiv(font.points, kDesignDpi, 72)) << font.points << " pt";
    EXPECT_EQ(actual.weight, font.bold ? FW_BOLD : FW_NORMAL);
}

// Where a window lies among its siblings, top of the z-order (the first Tab stop) first.
int ZIndex(HWND window) {
    int index = 0;
    for (HWND sibling = GetWindow(GetParent(window), GW_CHILD); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (sibling == window)
            return index;
        ++index;
    }
    return -1;
}

TEST_F(LayoutTest, FormAndEveryControlMatchTheTable) {
    auto app = Start();
    HWND main = app.MainWindow();
    const auto& form = ui::MainFormDesign();
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(WindowText(main), form.caption);
    EXPECT_EQ(client.right, form.clientWidth);
    EXPECT_EQ(client.bottom, form.clientHeight);

    const auto windows = WindowsByName(app);
    const FontProbe probe(GetWindowThreadProcessId(main, nullptr));
    for (const ControlDesign& design : ui::MainControls()) {
        SCOPED_TRACE(design.name);
        HWND window = windows.at(design.name);
        const RECT rect = RectIn(window, design.parent.empty() ? main : windows.at(design.parent));
        EXPECT_TRUE(HasKind(window, design.kind)) << ClassName(window);
        EXPECT_EQ(rect.left, design.left);
        EXPECT_EQ(rect.top, design.top);
        if (!design.autoSize) {
            // Wider than designed only where the caption needs it, and only into the room the table gives.
            EXPECT_GE(rect.right - rect.left, design.width);
            EXPECT_LE(rect.right - rect.left, std::max(design.width, design.maxWidth));
            EXPECT_EQ(rect.bottom - rect.top, design.height);
        }
        EXPECT_EQ(WindowText(window), design.caption);
        if (design.kind == ControlKind::Panel)
            continue;
        const auto& font = design.useFormFont ? form.font : design.font;
        ExpectFont(probe, window, font);
        if (design.kind == ControlKind::RadioGroup) {
            for (HWND item : DescendantWindows(window))
                ExpectFont(probe, item, font);
        }
    }
    // The picture the README shows.
    SaveScreenshot(main, Env().screenshotPath);
}

// Every caption shows whole at the screen's DPI, whatever the fonts: each control is at least as wide as
// its caption needs in its own font (what a button or check box asks for, the text's width for the others),
// and a control that grew for its caption stays inside the room the table gives it.
TEST_F(TrimlodeTest, EveryCaptionShowsWhole) {
    auto app = Start();
    HWND main = app.MainWindow();
    const int dpi = ScreenDpi();
    RecordProperty("dpi", dpi);
    const FontProbe probe(GetWindowThreadProcessId(main, nullptr));
    const auto expectWhole = [&](HWND window, int room) {
        const FontInfo measured = probe.FontOf(window);
        const RECT rect = RectIn(window, GetParent(window));
        const int width = rect.right - rect.left;
        EXPECT_GE(width, std::max(measured.captionWidth, measured.idealWidth))
            << "\"" << WindowText(window) << "\"";
        EXPECT_LE(width, MulDiv(room, dpi, kDesignDpi) + 1) << "\"" << WindowText(window) << "\"";
    };
    for (const ControlDesign& design : ui::MainControls()) {
        SCOPED_TRACE(design.name + " at " + std::to_string(dpi) + " DPI");
        if (design.kind == ControlKind::Panel || design.autoSize)
            continue;
        HWND window = app.ControlNamed(design.name);
        expectWhole(window, std::max(design.width, design.maxWidth));
        if (design.kind == ControlKind::RadioGroup) {
            for (HWND item : DescendantWindows(window))
                expectWhole(item, design.width);
        }
    }
}

TEST_F(LayoutTest, TabOrderAndFirstFocusFollowTheTable) {
    auto app = Start();
    const auto windows = WindowsByName(app);
    std::map<std::string, std::vector<const ControlDesign*>> byParent;
    for (const ControlDesign& design : ui::MainControls()) {
        if (design.tabOrder >= 0)
            byParent[design.parent].push_back(&design);
    }
    for (auto& [parent, designs] : byParent) {
        SCOPED_TRACE("parent \"" + parent + "\"");
        std::sort(designs.begin(), designs.end(), [&](const ControlDesign* a, const ControlDesign* b) {
            return ZIndex(windows.at(a->name)) < ZIndex(windows.at(b->name));
        });
        std::vector<int> orders;
        for (const auto* design : designs)
            orders.push_back(design->tabOrder);
        EXPECT_TRUE(std::is_sorted(orders.begin(), orders.end())) << testing::PrintToString(orders);
    }

    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    const HWND expected = windows.at("ExcecuteSelectionButton");
    EXPECT_TRUE(Poll([&] {
        return GetGUIThreadInfo(GetWindowThreadProcessId(app.MainWindow(), nullptr), &thread) &&
               thread.hwndFocus == expected;
    })) << "focus on \""
        << WindowText(thread.hwndFocus) << "\"";
}

TEST_F(LayoutTest, ButtonsShowTheirHintsAsTooltips) {
    auto app = Start();
    const auto windows = WindowsByName(app);
    const auto tools = TooltipsOf(app.Program().Handle(), app.Id());
    for (const ControlDesign& design : ui::MainControls()) {
        SCOPED_TRACE(design.name);
        std::vector<std::string> texts;
        for (const auto& tool : tools) {
            if (tool.control == windows.at(design.name))
                texts.push_back(tool.text);
        }
        if (design.hint.empty())
            EXPECT_THAT(texts, testing::IsEmpty());
        else
            EXPECT_THAT(texts, testing::ElementsAre(design.hint));
    }
}

} // namespace
} // namespace e2e
