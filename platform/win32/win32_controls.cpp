#include "platform/win32/win32_controls.h"

#include "platform/win32/gdi.h"
#include "platform/win32/placement.h"

#include <commctrl.h>

#include <algorithm>
#include <iterator>

namespace platform::win32 {

namespace {

struct KindTraits {
    ControlKind kind;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    bool canTakeFocus;
};

// Group boxes are the parents of their check boxes and radio buttons; WS_EX_CONTROLPARENT lets the
// dialog manager's Tab and arrow keys reach inside them.
constexpr KindTraits kKinds[] = {
    {ControlKind::Label, L"STATIC", SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, false},
    {ControlKind::Button, L"BUTTON", BS_PUSHBUTTON, 0, true},
    {ControlKind::RadioGroup, L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT, false},
    {ControlKind::GroupBox, L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT, false},
    {ControlKind::CheckBox, L"BUTTON", BS_AUTOCHECKBOX, 0, true},
    {ControlKind::Panel, L"STATIC", SS_OWNERDRAW, 0, false},
};

const KindTraits& TraitsOf(ControlKind kind) {
    for (const auto& traits : kKinds) {
        if (traits.kind == kind) {
            return traits;
        }
    }
    return kKinds[0];
}

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Radio items are shown as they are: a "&" in a name must not turn into an accelerator.
std::wstring ShownAsItIs(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        escaped += c;
        if (c == '&') {
            escaped += c;
        }
    }
    return Widen(escaped);
}

// How far a group box's frame reaches in from its edges, at 96 pixels per inch.
constexpr int kFrameEdge = 3;

// Radio buttons are numbered apart from the controls (which start at 100), so a search by ID through all
// of the form's windows never confuses the two.
constexpr int kFirstRadioButtonId = 1000;

HMENU ChildId(int id) {
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
}

// Themed check boxes and radio buttons ignore the text colour their parent gives; only coloured ones
// give up the theme, so the others keep the system's look.
void KeepTextColour(const FormContext& form, const ControlDesign& design, HWND window) {
    if (form.TextColourFor(design) != GetSysColor(COLOR_WINDOWTEXT)) {
        form.System().DisableVisualStyles(window);
    }
}

int LineHeight(HWND window) {
    MeasuringDc dc(window, reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    return dc.Get() && GetTextMetricsW(dc.Get(), &metrics) ? metrics.tmHeight : 0;
}

} // namespace

Win32Control::Win32Control(FormContext& form, ControlDesign design, std::function<void()> onClick, int id)
    : form_(form), design_(std::move(design)), onClick_(std::move(onClick)), id_(id),
      caption_(design_.caption) {}

bool Win32Control::IsContainer() const {
    return design_.kind == ControlKind::GroupBox || design_.kind == ControlKind::RadioGroup;
}

std::string Win32Control::Caption() const {
    return window_ ? Narrow(WindowText(window_)) : caption_;
}

void Win32Control::SetCaption(const std::string& text) {
    caption_ = text;
    if (window_) {
        SetWindowTextW(window_, Widen(text).c_str());
        if (design_.autoSize) {
            Layout();
        }
    }
}

bool Win32Control::Checked() const {
    return design_.kind == ControlKind::CheckBox && window_ &&
           SendMessageW(window_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Control::SetChecked(bool checked) {
    if (design_.kind == ControlKind::CheckBox && window_) {
        SendMessageW(window_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Win32Control::Create(HWND parent, int parentDesignHeight) {
    parentDesignHeight_ = parentDesignHeight;
    const KindTraits& traits = TraitsOf(design_.kind);
    DWORD style = WS_CHILD | WS_VISIBLE | traits.style;
    if (design_.kind == ControlKind::Label && design_.alignRight) {
        style = WS_CHILD | WS_VISIBLE | SS_RIGHT | SS_NOPREFIX;
    }
    if (traits.canTakeFocus && design_.tabOrder >= 0) {
        style |= WS_TABSTOP;
    }
    const RECT place = Placement(parent);
    window_ = CreateWindowExW(traits.exStyle, traits.windowClass, Widen(caption_).c_str(), style, place.left,
                              place.top, place.right - place.left, place.bottom - place.top, parent,
                              ChildId(id_), form_.Instance(), nullptr);
    if (!window_) {
        return;
    }
    if (IsContainer()) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        containerBaseProc_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ContainerProc)));
    }
    if (design_.kind == ControlKind::CheckBox) {
        KeepTextColour(form_, design_, window_);
    }
    ApplyFont();
    if (design_.autoSize || design_.maxWidth > design_.width) {
        Layout(); // the size follows the caption in the font just set
    }
}

SIZE Win32Control::MeasureCaption() const {
    SIZE size{0, LineHeight(window_)};
    const std::wstring text = WindowText(window_);
    MeasuringDc dc(window_, reinterpret_cast<HFONT>(SendMessageW(window_, WM_GETFONT, 0, 0)));
    SIZE extent{};
    if (dc.Get() && !text.empty() &&
        GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent)) {
        size.cx = extent.cx;
    }
    return size;
}

// The designed rectangle at the current DPI inside `parent`; a bottom-anchored control keeps its designed
// distance from the parent's bottom edge.
RECT Win32Control::Placement(HWND parent) const {
    const int left = form_.Scale(design_.left);
    int top = form_.Scale(design_.top);
    if (design_.anchorBottom) {
        RECT client{};
        GetClientRect(parent, &client);
        top = client.bottom - form_.Scale(parentDesignHeight_ - design_.top);
    }
    return RECT{left, top, left + form_.Scale(design_.width), top + form_.Scale(design_.height)};
}

// A group box draws its caption inset from its left edge and keeps as much room after it.
constexpr int kGroupCaptionInset = 8;

// The width the caption needs to show whole: what a button or check box says it needs, otherwise the
// text's own extent.
int Win32Control::CaptionWidth() const {
    if (design_.kind == ControlKind::Button || design_.kind == ControlKind::CheckBox) {
        SIZE ideal{};
        if (SendMessageW(window_, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) && ideal.cx > 0) {
            return ideal.cx;
        }
    }
    const int inset = design_.kind == ControlKind::GroupBox ? form_.Scale(2 * kGroupCaptionInset) : 0;
    return MeasureCaption().cx + inset;
}

void Win32Control::Layout() {
    if (!window_) {
        return;
    }
    const RECT place = Placement(GetParent(window_));
    SIZE size{place.right - place.left, place.bottom - place.top};
    if (design_.kind == ControlKind::Label && design_.autoSize) {
        size = MeasureCaption();
    } else if (design_.maxWidth > design_.width) {
        size.cx = std::clamp<LONG>(CaptionWidth(), size.cx, form_.Scale(design_.maxWidth));
    }
    SetWindowPos(window_, nullptr, place.left, place.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// A hidden window needs no redrawing for its new font.
void Win32Control::ApplyFont() {
    if (window_) {
        SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.FontFor(design_)),
                     IsWindowVisible(window_));
    }
}

void Win32Control::OnCommand(HWND, UINT code) {
    const bool clickable = design_.kind == ControlKind::Button || design_.kind == ControlKind::CheckBox;
    if (code == BN_CLICKED && clickable && onClick_) {
        form_.RunHandler(onClick_);
    }
}

// The panel: a bar in the active title bar's colour with a one-pixel raised edge.
void Win32Control::Draw(const DRAWITEMSTRUCT& item) const {
    RECT area = item.rcItem;
    FillRect(item.hDC, &area, GetSysColorBrush(COLOR_ACTIVECAPTION));
    DrawEdge(item.hDC, &area, BDR_RAISEDINNER, BF_RECT);
}

LRESULT CALLBACK Win32Control::ContainerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self->ContainerMessage(message, wParam, lParam);
}

// A group box would keep its children's notifications to itself: they go on to the form, except the
// clicks of the group's own radio buttons. It also fills its inside with the form's background.
LRESULT Win32Control::ContainerMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const auto child = reinterpret_cast<HWND>(lParam);
        if (child != window_ && Owns(child)) {
            OnCommand(child, HIWORD(wParam));
            return 0;
        }
        return SendMessageW(form_.FormWindow(), message, wParam, lParam);
    }
    case WM_NOTIFY:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
        return SendMessageW(form_.FormWindow(), message, wParam, lParam);
    case WM_ERASEBKGND:
        FillInside(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_PRINTCLIENT:
        // A themed check box asks for what lies behind it each time it paints. Well inside the frame that is
        // the background alone, so the frame and caption are not drawn again for nothing.
        if (ClipsInsideFrame(reinterpret_cast<HDC>(wParam))) {
            FillInside(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        return CallWindowProcW(containerBaseProc_, window_, message, wParam, lParam);
    default:
        return CallWindowProcW(containerBaseProc_, window_, message, wParam, lParam);
    }
}

void Win32Control::FillInside(HDC dc) const {
    RECT area{};
    GetClientRect(window_, &area);
    FillRect(dc, &area, form_.BackgroundBrush());
}

// Whether all the device context may draw on lies below the caption line and clear of the frame's edges.
bool Win32Control::ClipsInsideFrame(HDC dc) const {
    RECT clip{}, area{};
    if (GetClipBox(dc, &clip) == ERROR || IsRectEmpty(&clip)) {
        return false;
    }
    GetClientRect(window_, &area);
    const int edge = form_.Scale(kFrameEdge);
    const RECT inside{area.left + edge, area.top + LineHeight(window_), area.right - edge,
                      area.bottom - edge};
    RECT common{};
    return IntersectRect(&common, &clip, &inside) && EqualRect(&common, &clip);
}

void RadioGroupControl::SetItems(const std::vector<std::string>& items) {
    DestroyButtons();
    items_ = items;
    index_ = -1;
    buttonsPending_ = false;
    CreateButtons();
}

void RadioGroupControl::BeforeFirstShow() {
    if (buttonsPending_) {
        buttonsPending_ = false;
        CreateButtons();
    }
}

void RadioGroupControl::DestroyButtons() {
    for (HWND button : buttons_) {
        if (button) {
            DestroyWindow(button);
        }
    }
    buttons_.clear();
}

// Every button is made in its row, laid out once for the whole list. The first button starts the group,
// so the arrow keys move among the group's buttons only; automatic radio buttons let the dialog manager
// choose the button the arrow keys reach, as users expect.
void RadioGroupControl::CreateButtons() {
    if (!window_) {
        buttons_.assign(items_.size(), nullptr);
        return;
    }
    const std::vector<Rect> rows = ButtonRows();
    const HFONT font = form_.FontFor(design_);
    buttons_.reserve(items_.size());
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const DWORD style = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
        const Rect& row = rows[i];
        const HWND button = CreateWindowExW(
            0, L"BUTTON", ShownAsItIs(items_[i]).c_str(), style, row.left, row.top, row.Width(), row.Height(),
            window_, ChildId(kFirstRadioButtonId + static_cast<int>(i)), form_.Instance(), nullptr);
        if (button) {
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
            KeepTextColour(form_, design_, button);
        }
        buttons_.push_back(button);
    }
}

void RadioGroupControl::SetItemIndex(int index) {
    index_ = index >= 0 && static_cast<std::size_t>(index) < items_.size() ? index : -1;
    ShowSelection();
}

// Only the selected button is a tab stop: with nothing selected, Tab passes the group by.
void RadioGroupControl::ShowSelection() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (!buttons_[i]) {
            continue;
        }
        const bool selected = static_cast<int>(i) == index_;
        SendMessageW(buttons_[i], BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
        const LONG_PTR style = GetWindowLongPtrW(buttons_[i], GWL_STYLE);
        SetWindowLongPtrW(buttons_[i], GWL_STYLE,
                          selected ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP});
    }
}

void RadioGroupControl::Layout() {
    Win32Control::Layout();
    LayoutButtons();
}

std::vector<Rect> RadioGroupControl::ButtonRows() const {
    RECT frame{};
    GetClientRect(window_, &frame);
    return RadioItemRects(frame.right, frame.bottom, static_cast<int>(items_.size()), LineHeight(window_));
}

void RadioGroupControl::LayoutButtons() {
    if (!window_ || buttons_.empty()) {
        return;
    }
    const std::vector<Rect> rows = ButtonRows();
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        if (buttons_[i]) {
            const Rect& row = rows[i];
            SetWindowPos(buttons_[i], nullptr, row.left, row.top, row.Width(), row.Height(),
                         SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void RadioGroupControl::ApplyFont() {
    Win32Control::ApplyFont();
    for (HWND button : buttons_) {
        if (button) {
            SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(form_.FontFor(design_)), TRUE);
        }
    }
}

void RadioGroupControl::Detach() {
    Win32Control::Detach();
    std::fill(buttons_.begin(), buttons_.end(), nullptr);
}

bool RadioGroupControl::Owns(HWND window) const {
    return Win32Control::Owns(window) ||
           (window != nullptr && std::find(buttons_.begin(), buttons_.end(), window) != buttons_.end());
}

// A click on a button, or the arrow keys reaching one, chooses it; the handler runs only when the choice
// changes.
void RadioGroupControl::OnCommand(HWND child, UINT code) {
    if (code != BN_CLICKED) {
        return;
    }
    const auto found = std::find(buttons_.begin(), buttons_.end(), child);
    const int index = found == buttons_.end() ? -1 : static_cast<int>(std::distance(buttons_.begin(), found));
    if (index < 0 || index == index_) {
        return;
    }
    SetItemIndex(index);
    if (onClick_) {
        form_.RunHandler(onClick_);
    }
}

std::unique_ptr<Win32Control> MakeControl(FormContext& form, const ControlDesign& design,
                                          std::function<void()> onClick, int id) {
    if (design.kind == ControlKind::RadioGroup) {
        return std::make_unique<RadioGroupControl>(form, design, std::move(onClick), id);
    }
    return std::make_unique<Win32Control>(form, design, std::move(onClick), id);
}

} // namespace platform::win32
