#include "ui/control_table.h"

#include "ui/texts.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <utility>

namespace ui {

namespace {

using platform::Colour;
using platform::ControlDesign;
using platform::ControlKind;
using platform::FontStyle;
using platform::Rgb;

constexpr char kSansSerif[] = "MS Sans Serif";
constexpr char kGroupBox[] = "ModeuleRemovalSelectionGroupBox";
constexpr int kNoTabStop = -1;

Colour Fixed(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Colour{Colour::Role::Fixed, Rgb{r, g, b}};
}

FontStyle Font(int points, Colour colour, bool bold = false, const char* face = kSansSerif) {
    return FontStyle{face, points, bold, colour};
}

struct Box {
    int left, top, width, height;
};

// nullopt stands for the window's own font.
using OwnFont = std::optional<FontStyle>;
const OwnFont kWindowFont = std::nullopt;

// The caption and hint are the control's words from texts.
ControlDesign Make(const char* name, ControlKind kind, Box box, const OwnFont& font,
                   int tabOrder = kNoTabStop) {
    ControlDesign design;
    design.name = name;
    design.kind = kind;
    design.left = box.left;
    design.top = box.top;
    design.width = box.width;
    design.height = box.height;
    design.caption = texts::Caption(name);
    design.useFormFont = !font.has_value();
    if (font) {
        design.font = *font;
    }
    design.tabOrder = tabOrder;
    design.hint = texts::Hint(name);
    return design;
}

// A check box of the module group box, one for each row of the module catalogue; its position and tab
// order are relative to the group box.
ControlDesign CheckBox(const char* name, Box box, int tabOrder) {
    ControlDesign design = Make(name, ControlKind::CheckBox, box, kWindowFont, tabOrder);
    design.parent = kGroupBox;
    return design;
}

ControlDesign BottomAnchored(ControlDesign design) {
    design.anchorBottom = true;
    return design;
}

ControlDesign AutoSized(ControlDesign design) {
    design.autoSize = true;
    return design;
}

ControlDesign RightAligned(ControlDesign design) {
    design.alignRight = true;
    return design;
}

ControlDesign WithItems(ControlDesign design, std::vector<std::string> items) {
    design.items = std::move(items);
    return design;
}

// Captions are drawn in whatever font the system has (wider faces, other DPIs), so a control may grow to
// the right as far as its container and the controls beside it allow, keeping this gap to both.
constexpr int kGrowthGap = 4;

bool MayGrow(const ControlDesign& design) {
    switch (design.kind) {
    case ControlKind::Label:
        return !design.autoSize && !design.alignRight;
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::GroupBox:
        return true;
    case ControlKind::RadioGroup:
    case ControlKind::Panel:
        return false;
    }
    return false;
}

bool SideBySide(const ControlDesign& a, const ControlDesign& b) {
    return a.top < b.top + b.height && b.top < a.top + a.height;
}

int ContainerWidth(const ControlDesign& design, const std::vector<ControlDesign>& all, int formWidth) {
    for (const auto& other : all) {
        if (other.name == design.parent) {
            return other.width;
        }
    }
    return formWidth;
}

// The widest the control may become: up to the nearest sibling to its right on the same rows, or the
// container's edge.
int RoomToGrow(const ControlDesign& design, const std::vector<ControlDesign>& all, int formWidth) {
    int limit = ContainerWidth(design, all, formWidth) - kGrowthGap;
    for (const auto& other : all) {
        if (other.parent == design.parent && other.name != design.name && SideBySide(design, other) &&
            other.left >= design.left + design.width) {
            limit = std::min(limit, other.left - kGrowthGap);
        }
    }
    return std::max(design.width, limit - design.left);
}

std::vector<ControlDesign> WithRoomToGrow(std::vector<ControlDesign> designs, int formWidth) {
    for (auto& design : designs) {
        if (MayGrow(design)) {
            design.maxWidth = RoomToGrow(design, designs, formWidth);
        }
    }
    return designs;
}

std::vector<ControlDesign> BuildControls() {
    const Colour navy = Fixed(0, 0, 128);
    const Colour blue = Fixed(0, 0, 255);
    const Colour black = Fixed(0, 0, 0);
    using K = ControlKind;
    return {
        Make("TitleLabelTextBox", K::Label, {64, 8, 174, 31}, Font(20, navy, false, "Times New Roman")),
        Make("DescriptionTextBox", K::Label, {16, 40, 282, 13}, Font(8, navy)),
        Make("Label3", K::Label, {320, 352, 305, 13}, Font(8, navy)),
        // Lies above the client area at the design size and comes into view only when the client area is at
        // least 599 pixels high; the visible heading of the list is Label5.
        BottomAnchored(Make("Label1", K::Label, {56, -207, 154, 13}, Font(8, black))),
        Make("Label2", K::Label, {24, 304, 169, 13}, Font(8, black)),
        // Empty until a choice is confirmed; sized to one line of whatever name it shows.
        AutoSized(Make("OSConfirmed", K::Label, {24, 320, 0, 0}, Font(12, navy, true))),
        RightAligned(Make("Label4", K::Label, {166, 56, 133, 13}, Font(8, navy))),
        Make("Label5", K::Label, {24, 88, 154, 13}, kWindowFont),
        Make("ExcecuteSelectionButton", K::Button, {648, 80, 113, 33}, Font(8, navy), 0),
        Make("ExitButton", K::Button, {648, 336, 113, 33}, kWindowFont, 1),
        // The placeholders stay only when the list is never filled.
        WithItems(Make("OSSelectionRadioGroup", K::RadioGroup, {16, 104, 281, 185}, Font(8, blue), 2),
                  {std::begin(texts::kPlaceholderItems), std::end(texts::kPlaceholderItems)}),
        Make(kGroupBox, K::GroupBox, {320, 8, 297, 337}, kWindowFont, 3),
        CheckBox("Vendor_xml", {8, 16, 225, 17}, 0),
        CheckBox("bsv", {8, 40, 257, 17}, 1),
        CheckBox("wallpaper", {8, 64, 225, 17}, 4),
        CheckBox("vad", {8, 88, 241, 17}, 2),
        CheckBox("themes", {8, 112, 233, 17}, 3),
        CheckBox("tty", {8, 136, 281, 17}, 10),
        CheckBox("yahoo", {8, 160, 225, 17}, 7),
        CheckBox("aim", {8, 184, 257, 17}, 8),
        CheckBox("msn", {8, 208, 241, 17}, 9),
        CheckBox("ptt", {8, 232, 233, 17}, 5),
        CheckBox("myfaves", {8, 256, 241, 17}, 6),
        Make("ConfirmOSChoice", K::Button, {16, 344, 273, 25}, Font(10, blue), 4),
        Make("Help", K::Button, {648, 16, 113, 33}, Font(10, black, true), 5),
        Make("Button1", K::Button, {648, 208, 113, 33}, kWindowFont, 6),
        Make("Button3", K::Button, {648, 272, 113, 33}, kWindowFont, 7),
        // A thin raised bar in the active-title-bar colour between the description and the list heading.
        Make("Panel1", K::Panel, {16, 72, 281, 9}, kWindowFont, 8),
        Make("resetfile", K::Button, {648, 144, 113, 33}, kWindowFont, 9),
    };
}

} // namespace

const platform::FormDesign& MainFormDesign() {
    static const platform::FormDesign design = [] {
        platform::FormDesign form;
        form.name = "Form1";
        form.caption = texts::FormCaption();
        form.left = 679;
        form.top = 483;
        form.outerWidth = 782;
        form.outerHeight = 426;
        form.clientWidth = 774;
        form.clientHeight = 392;
        form.background = Rgb{166, 202, 240};
        form.font = FontStyle{kSansSerif, 8, false, Colour{Colour::Role::WindowText, Rgb{}}};
        return form;
    }();
    return design;
}

const std::vector<platform::ControlDesign>& MainControls() {
    static const std::vector<platform::ControlDesign> controls =
        WithRoomToGrow(BuildControls(), MainFormDesign().clientWidth);
    return controls;
}

} // namespace ui
