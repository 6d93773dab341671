// What only the real window library does, under Wine or Windows, at 96 pixels per inch (Wine's default):
// styles, fonts, colours, layout. The behaviour it shares with the headless library is in
// window_contract_test.cpp.
#include "platform/win32/win32_window.h"

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::Colour;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FontStyle;
using platform::FormDesign;
using platform::Rgb;
using platform::win32::Win32WindowLibrary;

constexpr Rgb kSkyBlue{166, 202, 240};
constexpr Rgb kNavy{0, 0, 128};

FormDesign TestForm(int left = 100, int top = 80) {
    FormDesign form;
    form.name = "TestForm";
    form.caption = "Trimlode test";
    form.left = left;
    form.top = top;
    form.outerWidth = 408;
    form.outerHeight = 300;
    form.clientWidth = 400;
    form.clientHeight = 266;
    form.background = kSkyBlue;
    form.font = FontStyle{"MS Sans Serif", 8, false, Colour{}};
    return form;
}

ControlDesign Design(const std::string& name, ControlKind kind, RECT box, const std::string& caption = "",
                     int tabOrder = -1, const std::string& parent = "") {
    ControlDesign design;
    design.name = name;
    design.kind = kind;
    design.left = box.left;
    design.top = box.top;
    design.width = box.right;
    design.height = box.bottom;
    design.caption = caption;
    design.tabOrder = tabOrder;
    design.parent = parent;
    return design;
}

ControlDesign WithFont(ControlDesign design, int points, bool bold, Rgb colour,
                       const std::string& face = "Arial") {
    design.useFormFont = false;
    design.font = FontStyle{face, points, bold, Colour{Colour::Role::Fixed, colour}};
    return design;
}

std::string Text(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    std::string narrow;
    for (const wchar_t* c = text; *c; ++c) {
        narrow += static_cast<char>(*c);
    }
    return narrow;
}

RECT RelativeRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(child);
    }
    return children;
}

bool HasStyle(HWND window, LONG_PTR style) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & style) == style;
}

class Win32Window : public ::testing::Test {
protected:
    void SetUp() override {
        const HDC screen = GetDC(nullptr);
        const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
        ReleaseDC(nullptr, screen);
        if (dpi != USER_DEFAULT_SCREEN_DPI) {
            GTEST_SKIP() << "the layout checks expect 96 pixels per inch, the display has " << dpi;
        }
    }

    HWND FormWindow() const { return static_cast<HWND>(form->Handle()); }
    HWND Item(int creationIndex, HWND parent = nullptr) const {
        return GetDlgItem(parent ? parent : FormWindow(),
                          Win32WindowLibrary::kFirstControlId + creationIndex);
    }

    Win32WindowLibrary library;
    std::unique_ptr<platform::Form> form = library.CreateForm(TestForm());
    int clicks = 0;
    std::function<void()> count = [this] { ++clicks; };
};

TEST_F(Win32Window, ControlsAreChildWindowsWithTheirCaptionIdAndPlace) {
    form->AddControl(Design("Title", ControlKind::Label, {8, 8, 120, 13}, "Sample & Co"), nullptr);
    form->AddControl(Design("Go", ControlKind::Button, {300, 10, 90, 25}, "&Go && stop", 0), count);
    form->AddControl(Design("Box", ControlKind::GroupBox, {8, 40, 200, 150}, "MODULE REMOVAL ", 1), nullptr);
    form->AddControl(Design("Tick", ControlKind::CheckBox, {8, 16, 150, 17}, "Remove &this", 0, "Box"),
                     count);
    form->AddControl(Design("Bar", ControlKind::Panel, {8, 200, 200, 9}), nullptr);

    const HWND label = Item(0), button = Item(1), box = Item(2), bar = Item(4);
    const HWND tick = Item(3, box);
    ASSERT_TRUE(label && button && box && tick && bar);
    EXPECT_EQ(Text(label), "Sample & Co");
    EXPECT_TRUE(HasStyle(label, SS_NOPREFIX)) << "labels show their text as it is";
    EXPECT_EQ(Text(button), "&Go && stop") << "buttons keep the accelerator convention";
    EXPECT_EQ(Text(box), "MODULE REMOVAL ");
    EXPECT_EQ(Text(tick), "Remove &this");
    EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);
    EXPECT_EQ(GetWindowLongPtrW(tick, GWL_STYLE) & BS_TYPEMASK, BS_AUTOCHECKBOX);
    EXPECT_EQ(GetWindowLongPtrW(box, GWL_STYLE) & BS_TYPEMASK, BS_GROUPBOX);
    EXPECT_EQ(GetWindowLongPtrW(bar, GWL_STYLE) & SS_TYPEMASK, SS_OWNERDRAW);

    const RECT expected[] = {{8, 8, 128, 21}, {300, 10, 390, 35}, {8, 40, 208, 190}, {8, 200, 208, 209}};
    const HWND topLevel[] = {label, button, box, bar};
    for (int i = 0; i < 4; ++i) {
        const RECT r = RelativeRect(topLevel[i]);
        EXPECT_TRUE(EqualRect(&r, &expected[i]))
            << Text(topLevel[i]) << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
    const RECT inBox = RelativeRect(tick);
    EXPECT_EQ(inBox.left, 8) << "relative to the group box";
    EXPECT_EQ(inBox.top, 16);
    EXPECT_EQ(inBox.right - inBox.left, 150);

    RECT client{};
    GetClientRect(FormWindow(), &client);
    EXPECT_EQ(client.right, 400) << "the designed client area";
    EXPECT_EQ(client.bottom, 266);
    EXPECT_EQ(form->FindControl("Tick")->Caption(), "Remove &this");
    EXPECT_EQ(form->FindControl("Nothing"), nullptr);
}

TEST_F(Win32Window, FontsFollowFaceSizeAndWeight) {
    form->AddControl(Design("Plain", ControlKind::Label, {8, 8, 100, 13}, "plain"), nullptr);
    form->AddControl(WithFont(Design("Title", ControlKind::Label, {8, 30, 174, 31}, "Title"), 20, false,
                              kNavy, "Times New Roman"),
                     nullptr);
    form->AddControl(
        WithFont(Design("Help", ControlKind::Button, {8, 70, 100, 30}, "Help", 0), 10, true, Rgb{}), nullptr);
    struct Expected {
        const wchar_t* face;
        LONG height;
        LONG weight;
    };
    const Expected expected[] = {
        {L"MS Sans Serif", -11, FW_NORMAL}, {L"Times New Roman", -27, FW_NORMAL}, {L"Arial", -13, FW_BOLD}};
    for (int i = 0; i < 3; ++i) {
        const auto font = reinterpret_cast<HFONT>(SendMessageW(Item(i), WM_GETFONT, 0, 0));
        LOGFONTW logFont{};
        ASSERT_TRUE(font && GetObjectW(font, sizeof(logFont), &logFont)) << i;
        EXPECT_STREQ(logFont.lfFaceName, expected[i].face) << i;
        EXPECT_EQ(logFont.lfHeight, expected[i].height) << i;
        EXPECT_EQ(logFont.lfWeight, expected[i].weight) << i;
    }
}

TEST_F(Win32Window, ColoursComeFromTheFontAndTheFormBackgroundExceptOnButtons) {
    form->AddControl(WithFont(Design("Navy", ControlKind::Label, {8, 8, 100, 13}, "navy"), 8, false, kNavy),
                     nullptr);
    form->AddControl(Design("Box", ControlKind::GroupBox, {8, 40, 200, 150}, "Box", 1), nullptr);
    form->AddControl(Design("Tick", ControlKind::CheckBox, {8, 16, 150, 17}, "tick", 0, "Box"), nullptr);
    form->AddControl(Design("Go", ControlKind::Button, {300, 10, 90, 25}, "Go", 0), nullptr);
    const HWND box = Item(1);

    const HDC dc = CreateCompatibleDC(nullptr);
    const auto ask = [&](HWND to, UINT message, HWND control) {
        return reinterpret_cast<HBRUSH>(
            SendMessageW(to, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
    };
    const auto brushColour = [](HBRUSH brush) {
        LOGBRUSH logBrush{};
        return brush && GetObjectW(brush, sizeof(logBrush), &logBrush) ? logBrush.lbColor : CLR_INVALID;
    };
    const COLORREF skyBlue = RGB(kSkyBlue.r, kSkyBlue.g, kSkyBlue.b);

    EXPECT_EQ(brushColour(ask(FormWindow(), WM_CTLCOLORSTATIC, Item(0))), skyBlue);
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 128));
    EXPECT_EQ(brushColour(ask(box, WM_CTLCOLORSTATIC, Item(2, box))), skyBlue)
        << "a check box's question passes through its group box to the form";
    EXPECT_EQ(GetTextColor(dc), GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_NE(brushColour(ask(FormWindow(), WM_CTLCOLORBTN, Item(3))), skyBlue)
        << "buttons keep system colours";
    DeleteDC(dc);
}

TEST_F(Win32Window, AutoSizedLabelsFitOneLineOfTheirCaptionKeepingTheTopLeftCorner) {
    ControlDesign name =
        WithFont(Design("OSConfirmed", ControlKind::Label, {24, 120, 0, 0}), 12, true, kNavy);
    name.autoSize = true;
    ControlDesign credits = Design("Credits", ControlKind::Label, {166, 56, 133, 13}, "credits");
    credits.alignRight = true;
    auto& label = form->AddControl(name, nullptr);
    form->AddControl(credits, nullptr);
    const HWND window = Item(0);

    label.SetCaption("4.5.0.44 & more");
    const RECT wide = RelativeRect(window);
    label.SetCaption("4.2");
    const RECT narrow = RelativeRect(window);
    EXPECT_EQ(label.Caption(), "4.2");
    EXPECT_EQ(wide.left, 24);
    EXPECT_EQ(wide.top, 120);
    EXPECT_EQ(narrow.left, 24);
    EXPECT_EQ(narrow.top, 120);
    EXPECT_GT(wide.right, narrow.right);
    EXPECT_GT(narrow.right - narrow.left, 10);
    EXPECT_EQ(wide.bottom - wide.top, narrow.bottom - narrow.top) << "one line";
    EXPECT_LT(narrow.bottom - narrow.top, 30);
    EXPECT_TRUE(HasStyle(Item(1), SS_RIGHT));
}

TEST_F(Win32Window, RadioButtonsShowItemsAsTheyAreSpreadEvenlyAndOnlyTheChosenIsATabStop) {
    ControlDesign design = WithFont(Design("List", ControlKind::RadioGroup, {16, 20, 281, 185}, "", 0), 8,
                                    false, Rgb{0, 0, 255}, "MS Sans Serif");
    design.items = {"1.", "2."};
    auto& list = form->AddControl(design, count);
    const HWND group = Item(0);
    EXPECT_TRUE(Children(group).empty()) << "the designed items wait for the form to show";

    list.SetItems({"4.5.0.44", "Tom & Jerry", "5.0.0.1"});
    const std::vector<HWND> buttons = Children(group);
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(Text(buttons[1]), "Tom && Jerry") << "shown as it is, not as an accelerator";
    const RECT first = RelativeRect(buttons[0]), second = RelativeRect(buttons[1]),
               third = RelativeRect(buttons[2]);
    EXPECT_EQ(second.top - first.top, third.top - second.top) << "spread evenly";
    EXPECT_GE(third.bottom, 185 - 20) << "over the whole height";
    for (HWND button : buttons) {
        EXPECT_FALSE(HasStyle(button, WS_TABSTOP)) << "nothing chosen: Tab passes the group by";
    }

    form->Show();
    SendMessageW(buttons[1], BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(buttons[1], BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_TRUE(HasStyle(buttons[1], WS_TABSTOP));
    EXPECT_FALSE(HasStyle(buttons[0], WS_TABSTOP));
    list.SetItemIndex(2);
    EXPECT_EQ(SendMessageW(buttons[1], BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(buttons[2], BM_GETCHECK, 0, 0), BST_CHECKED);

    list.SetItems({});
    EXPECT_TRUE(Children(group).empty());
}

TEST_F(Win32Window, DesignedItemsShowWhenTheListIsNeverFilled) {
    ControlDesign design = Design("List", ControlKind::RadioGroup, {16, 20, 281, 185}, "", 0);
    design.items = {"1.", "2.", "3."};
    form->AddControl(design, nullptr);
    form->Show();
    const std::vector<HWND> buttons = Children(Item(0));
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(Text(buttons[2]), "3.");
    EXPECT_LT(RelativeRect(buttons[0]).top, RelativeRect(buttons[1]).top);
}

TEST_F(Win32Window, TabFollowsTabOrderIntoGroupsAndFocusStartsAtTheFirst) {
    form->AddControl(Design("Exit", ControlKind::Button, {300, 200, 90, 25}, "Exit", 1), nullptr);
    form->AddControl(Design("Box", ControlKind::GroupBox, {8, 150, 200, 100}, "Box", 3), nullptr);
    form->AddControl(Design("Second", ControlKind::CheckBox, {8, 40, 150, 17}, "second", 1, "Box"), nullptr);
    form->AddControl(Design("First", ControlKind::CheckBox, {8, 16, 150, 17}, "first", 0, "Box"), nullptr);
    auto& list = form->AddControl(Design("List", ControlKind::RadioGroup, {8, 8, 200, 120}, "", 2), nullptr);
    form->AddControl(Design("Go", ControlKind::Button, {300, 10, 90, 25}, "Go", 0), nullptr);
    form->AddControl(Design("Label", ControlKind::Label, {220, 10, 60, 13}, "label"), nullptr);
    list.SetItems({"4.5", "5.0"});

    form->Show();
    const auto tabRound = [&] {
        std::vector<std::string> order;
        HWND at = GetFocus();
        for (int i = 0; i < 8 && at; ++i) {
            order.push_back(Text(at));
            at = GetNextDlgTabItem(FormWindow(), at, FALSE);
            if (at && Text(at) == order.front()) {
                break;
            }
        }
        return order;
    };
    EXPECT_EQ(tabRound(), (std::vector<std::string>{"Go", "Exit", "first", "second"}))
        << "the list is passed by while nothing is chosen";
    list.SetItemIndex(1);
    EXPECT_EQ(tabRound(), (std::vector<std::string>{"Go", "Exit", "5.0", "first", "second"}));
}

TEST_F(Win32Window, OnlyBottomAnchoredControlsFollowTheBottomEdge) {
    ControlDesign anchored = Design("Heading", ControlKind::Label, {56, -207, 154, 13}, "SELECT");
    anchored.anchorBottom = true;
    form->AddControl(anchored, nullptr);
    form->AddControl(Design("Exit", ControlKind::Button, {300, 200, 90, 25}, "Exit", 0), nullptr);
    EXPECT_EQ(RelativeRect(Item(0)).top, -207);

    RECT frame{};
    GetWindowRect(FormWindow(), &frame);
    SetWindowPos(FormWindow(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + 400,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(FormWindow(), &client);
    EXPECT_EQ(RelativeRect(Item(0)).top, client.bottom - 473) << "keeps its distance from the bottom edge";
    EXPECT_EQ(RelativeRect(Item(0)).left, 56);
    EXPECT_EQ(RelativeRect(Item(1)).top, 200) << "everything else stays where it was";
}

struct TooltipSearch {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindTooltip(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<TooltipSearch*>(data);
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (lstrcmpiW(className, TOOLTIPS_CLASSW) == 0 && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// Wine has one monitor, so the message a move to a denser monitor brings is sent by hand.
TEST_F(Win32Window, MovingToA150PercentMonitorRescalesLayoutAndFonts) {
    form->AddControl(Design("Go", ControlKind::Button, {300, 10, 90, 25}, "Go", 0), nullptr);
    form->AddControl(Design("Box", ControlKind::GroupBox, {8, 40, 200, 150}, "Box", 1), nullptr);
    form->AddControl(Design("Tick", ControlKind::CheckBox, {8, 16, 150, 17}, "tick", 0, "Box"), nullptr);
    ControlDesign anchored = Design("Heading", ControlKind::Label, {56, -207, 154, 13}, "SELECT");
    anchored.anchorBottom = true;
    form->AddControl(anchored, nullptr);

    RECT suggested{100, 80, 100 + 620, 80 + 450};
    SendMessageW(FormWindow(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

    RECT frame{}, client{};
    GetWindowRect(FormWindow(), &frame);
    GetClientRect(FormWindow(), &client);
    EXPECT_TRUE(EqualRect(&frame, &suggested)) << "the window takes the rectangle the system suggests";
    const RECT go = RelativeRect(Item(0)), tick = RelativeRect(Item(2, Item(1)));
    const RECT goExpected{450, 15, 585, 53}, tickExpected{12, 24, 237, 50};
    EXPECT_TRUE(EqualRect(&go, &goExpected))
        << go.left << "," << go.top << "," << go.right << "," << go.bottom;
    EXPECT_TRUE(EqualRect(&tick, &tickExpected))
        << tick.left << "," << tick.top << "," << tick.right << "," << tick.bottom;
    EXPECT_EQ(RelativeRect(Item(3)).top, client.bottom - 710);

    LOGFONTW logFont{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(2, Item(1)), WM_GETFONT, 0, 0)), sizeof(logFont),
               &logFont);
    EXPECT_EQ(logFont.lfHeight, -16);
    EXPECT_STREQ(logFont.lfFaceName, L"Microsoft Sans Serif")
        << "the bitmap face gives way to its outline twin";
}

HWND TooltipOf(HWND owner) {
    TooltipSearch search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(Win32Window, ButtonsShowTheirHintAsATooltip) {
    ControlDesign go = Design("Go", ControlKind::Button, {300, 10, 90, 25}, "Go", 0);
    go.hint = "Immediately quits Trimlode.  Leaves all files & folders.";
    form->AddControl(go, nullptr);
    form->AddControl(Design("Plain", ControlKind::Button, {300, 40, 90, 25}, "Plain", 1), nullptr);

    const HWND tooltip = TooltipOf(FormWindow());
    ASSERT_NE(tooltip, nullptr);
    EXPECT_TRUE(HasStyle(tooltip, TTS_NOPREFIX)) << "hints show \"&\" literally";
    EXPECT_EQ(SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0), 1);
    wchar_t text[256] = {};
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = FormWindow();
    tool.uId = reinterpret_cast<UINT_PTR>(Item(0));
    tool.lpszText = text;
    SendMessageW(tooltip, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
    EXPECT_STREQ(text, L"Immediately quits Trimlode.  Leaves all files & folders.");
}

TEST(Win32WindowPlacement, KeepsTheDesignedPositionWhenItFitsAndOtherwiseStaysInsideTheWorkArea) {
    Win32WindowLibrary library;
    const auto placed = [&](int left, int top) {
        auto form = library.CreateForm(TestForm(left, top));
        RECT frame{};
        GetWindowRect(static_cast<HWND>(form->Handle()), &frame);
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &info);
        return std::make_pair(frame, info.rcWork);
    };
    const auto [kept, area] = placed(100, 80);
    EXPECT_EQ(kept.left, 100);
    EXPECT_EQ(kept.top, 80);
    for (const POINT designed :
         {POINT{5000, 5000}, POINT{-3000, 40}, POINT{area.right - 100, area.bottom - 50}}) {
        const auto [frame, work] = placed(designed.x, designed.y);
        EXPECT_GE(frame.left, work.left) << designed.x << "," << designed.y;
        EXPECT_GE(frame.top, work.top) << designed.x << "," << designed.y;
        EXPECT_LE(frame.right, work.right) << designed.x << "," << designed.y;
        EXPECT_LE(frame.bottom, work.bottom) << designed.x << "," << designed.y;
    }
}

TEST_F(Win32Window, RunEndsWhenTheFormClosesFromTheCloseBoxOrAHandler) {
    PostMessageW(FormWindow(), WM_CLOSE, 0, 0);
    EXPECT_EQ(form->Run(), 0);
    EXPECT_EQ(form->Handle(), nullptr);

    form = library.CreateForm(TestForm());
    form->AddControl(Design("Exit", ControlKind::Button, {300, 10, 90, 25}, "Exit", 0),
                     [this] { form->Close(); });
    form->Show();
    PostMessageW(Item(0), BM_CLICK, 0, 0);
    EXPECT_EQ(form->Run(), 0);
    EXPECT_EQ(form->Handle(), nullptr);
    EXPECT_EQ(form->Run(), 0) << "a closed form has no loop to run";
}

TEST_F(Win32Window, AnErrorEscapingAHandlerEndsTheLoopAndIsRaisedByRun) {
    form->AddControl(Design("Go", ControlKind::Button, {300, 10, 90, 25}, "Go", 0),
                     [] { throw std::runtime_error("handler failed"); });
    form->Show();
    PostMessageW(Item(0), BM_CLICK, 0, 0);
    EXPECT_THROW(form->Run(), std::runtime_error);
}

} // namespace
