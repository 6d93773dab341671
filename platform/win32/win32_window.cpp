#include "platform/win32/win32_window.h"

#include "platform/win32/gdi.h"
#include "platform/win32/placement.h"
#include "platform/win32/system_api.h"
#include "platform/win32/win32_controls.h"

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <exception>
#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

namespace platform::win32 {

// What every form of one library shares: the window class with the program icon and the system's optional
// functions.
struct WindowLibraryShared {
    explicit WindowLibraryShared(int iconResourceId);
    ~WindowLibraryShared();
    WindowLibraryShared(const WindowLibraryShared&) = delete;
    WindowLibraryShared& operator=(const WindowLibraryShared&) = delete;

    HINSTANCE instance = GetModuleHandleW(nullptr);
    SystemApi system;
    Icon largeIcon;
    Icon smallIcon;
    ATOM formClass = 0;
};

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW;
constexpr int kDesignDpi = USER_DEFAULT_SCREEN_DPI;

COLORREF ToColorRef(const Colour& colour) {
    switch (colour.role) {
    case Colour::Role::Fixed:
        return RGB(colour.rgb.r, colour.rgb.g, colour.rgb.b);
    case Colour::Role::WindowText:
        break;
    }
    return GetSysColor(COLOR_WINDOWTEXT);
}

// The bitmap font "MS Sans Serif" has only the pixel sizes of 96 pixels per inch; at other densities its
// outline twin keeps the text sharp and in proportion.
std::wstring FaceAt(const std::string& face, int dpi) {
    if (face == "MS Sans Serif" && dpi != kDesignDpi) {
        return L"Microsoft Sans Serif";
    }
    return Widen(face);
}

// The fonts of one form at one DPI, one HFONT per face, size and weight.
class FontCache {
public:
    HFONT Get(const FontStyle& design, int dpi) {
        const auto key = std::make_tuple(design.face, design.points, design.bold);
        auto found = fonts_.find(key);
        if (found == fonts_.end()) {
            found = fonts_.emplace(key, Create(design, dpi)).first;
        }
        return found->second.Get();
    }

private:
    static Font Create(const FontStyle& design, int dpi) {
        LOGFONTW font{};
        font.lfHeight = -MulDiv(design.points, dpi, 72);
        font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfQuality = DEFAULT_QUALITY;
        const std::wstring face = FaceAt(design.face, dpi);
        lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
        return Font(CreateFontIndirectW(&font));
    }

    std::map<std::tuple<std::string, int, bool>, Font> fonts_;
};

Rect ToRect(const RECT& r) {
    return Rect{r.left, r.top, r.right, r.bottom};
}

class Win32Form final : public Form, private FormContext {
public:
    Win32Form(const WindowLibraryShared& shared, const FormDesign& design);
    ~Win32Form() override;
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;

    Control& AddControl(const ControlDesign& design, std::function<void()> onClick) override;
    Control* FindControl(const std::string& name) override;
    WindowHandle Handle() const override { return window_; }
    void Show() override;
    int Run() override;
    void Close() override;
    void ShowWaitCursor(bool waiting) override;

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    // FormContext
    HINSTANCE Instance() const override { return shared_.instance; }
    HWND FormWindow() const override { return window_; }
    const SystemApi& System() const override { return shared_.system; }
    int Scale(int designed) const override { return MulDiv(designed, dpi_, kDesignDpi); }
    HFONT FontFor(const ControlDesign& design) override;
    COLORREF TextColourFor(const ControlDesign& design) const override;
    HBRUSH BackgroundBrush() const override { return background_.Get(); }
    void RunHandler(const std::function<void()>& handler) override;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(HWND child, UINT code);
    LRESULT OnControlColour(UINT message, HDC dc, HWND child);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnSize();
    void OnDpiChanged(int dpi, const RECT& suggested);
    bool OnActivate(bool active);
    bool OnSetCursor();
    void OnDestroy();
    void OnNcDestroy();
    void EraseBackground(HDC dc) const;

    RECT PlacementOn(HMONITOR monitor) const;
    Win32Control* ControlOfWindow(HWND window) const;
    Win32Control* ContainerNamed(const std::string& name) const;
    int DesignHeightOf(const Win32Control* parent) const;
    void OrderAllTabStops();
    void OrderTabStops(HWND parent);
    void AttachHint(const Win32Control& control);
    HWND FirstTabStop(HWND parent) const;

    const WindowLibraryShared& shared_;
    FormDesign design_;
    int dpi_ = kDesignDpi;
    Brush background_;
    FontCache fonts_;
    std::vector<std::unique_ptr<Win32Control>> controls_;
    HWND window_ = nullptr;
    HWND tooltip_ = nullptr;
    HWND lastFocus_ = nullptr;
    bool running_ = false;
    bool shown_ = false;
    bool waitCursor_ = false;
    std::exception_ptr failure_;
};

Win32Form::Win32Form(const WindowLibraryShared& shared, const FormDesign& design)
    : shared_(shared), design_(design),
      background_(CreateSolidBrush(RGB(design.background.r, design.background.g, design.background.b))) {
    const RECT designed{design.left, design.top, design.left + design.outerWidth,
                        design.top + design.outerHeight};
    const HMONITOR monitor = MonitorFromRect(&designed, MONITOR_DEFAULTTONEAREST);
    dpi_ = System().DpiForMonitor(monitor);
    const RECT placed = PlacementOn(monitor);
    window_ = CreateWindowExW(0, Win32WindowLibrary::kFormClassName, Widen(design.caption).c_str(),
                              kFormStyle, placed.left, placed.top, placed.right - placed.left,
                              placed.bottom - placed.top, nullptr, nullptr, Instance(), this);
    if (!window_) {
        throw std::runtime_error("the main window could not be created");
    }
    const int dpi = System().DpiForWindow(window_);
    if (dpi != dpi_) {
        dpi_ = dpi;
        const RECT replaced = PlacementOn(MonitorFromWindow(window_, MONITOR_DEFAULTTONEAREST));
        SetWindowPos(window_, nullptr, replaced.left, replaced.top, replaced.right - replaced.left,
                     replaced.bottom - replaced.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

Win32Form::~Win32Form() {
    if (window_) {
        DestroyWindow(window_);
    }
}

// The designed position is kept when the window fits the monitor's work area; otherwise the window moves
// just enough to lie inside it. The client area is the designed one at the current DPI; the frame around
// it is whatever the system draws.
RECT Win32Form::PlacementOn(HMONITOR monitor) const {
    SIZE outer{Scale(design_.outerWidth), Scale(design_.outerHeight)};
    if (design_.clientWidth > 0 && design_.clientHeight > 0) {
        const RECT client{0, 0, Scale(design_.clientWidth), Scale(design_.clientHeight)};
        const RECT frame = System().OuterRect(client, kFormStyle, 0, dpi_);
        outer = SIZE{frame.right - frame.left, frame.bottom - frame.top};
    }
    const Rect window{design_.left, design_.top, design_.left + outer.cx, design_.top + outer.cy};
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    const Rect fitted = GetMonitorInfoW(monitor, &info) ? FitToWorkArea(window, ToRect(info.rcWork)) : window;
    return RECT{fitted.left, fitted.top, fitted.right, fitted.bottom};
}

Control& Win32Form::AddControl(const ControlDesign& design, std::function<void()> onClick) {
    const int id = Win32WindowLibrary::kFirstControlId + static_cast<int>(controls_.size());
    Win32Control* parent = design.parent.empty() ? nullptr : ContainerNamed(design.parent);
    const HWND parentWindow = parent ? parent->Window() : window_;
    controls_.push_back(MakeControl(*this, design, std::move(onClick), id));
    Win32Control& control = *controls_.back();
    if (parentWindow) {
        control.Create(parentWindow, DesignHeightOf(parent));
        if (shown_) {
            OrderTabStops(parentWindow);
        }
        AttachHint(control);
    }
    return control;
}

Control* Win32Form::FindControl(const std::string& name) {
    for (const auto& control : controls_) {
        if (control->Design().name == name) {
            return control.get();
        }
    }
    return nullptr;
}

Win32Control* Win32Form::ControlOfWindow(HWND window) const {
    for (const auto& control : controls_) {
        if (control->Owns(window)) {
            return control.get();
        }
    }
    return nullptr;
}

Win32Control* Win32Form::ContainerNamed(const std::string& name) const {
    for (const auto& control : controls_) {
        if (control->Design().name == name && control->IsContainer()) {
            return control.get();
        }
    }
    return nullptr;
}

int Win32Form::DesignHeightOf(const Win32Control* parent) const {
    if (parent) {
        return parent->Design().height;
    }
    return design_.clientHeight > 0 ? design_.clientHeight : design_.outerHeight;
}

// Once, when every control exists: the form's own controls, then those inside each group box.
void Win32Form::OrderAllTabStops() {
    OrderTabStops(window_);
    for (const auto& control : controls_) {
        if (control->IsContainer() && control->Window()) {
            OrderTabStops(control->Window());
        }
    }
}

// The dialog manager tabs through siblings in z-order, so the siblings are stacked by tab order; controls
// that take no focus go after them in creation order.
void Win32Form::OrderTabStops(HWND parent) {
    std::vector<const Win32Control*> siblings;
    for (const auto& control : controls_) {
        if (control->Window() && GetParent(control->Window()) == parent) {
            siblings.push_back(control.get());
        }
    }
    std::stable_sort(siblings.begin(), siblings.end(), [](const Win32Control* a, const Win32Control* b) {
        const int left = a->Design().tabOrder, right = b->Design().tabOrder;
        return (left >= 0 && right < 0) || (left >= 0 && right >= 0 && left < right);
    });
    // A control already right below the one before it stays where it is.
    HWND previous = HWND_TOP;
    for (const Win32Control* control : siblings) {
        const HWND above = GetWindow(control->Window(), GW_HWNDPREV);
        if (above != (previous == HWND_TOP ? nullptr : previous)) {
            SetWindowPos(control->Window(), previous, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER);
        }
        previous = control->Window();
    }
}

// Tooltips copy the hint; "&" in it shows as it is.
void Win32Form::AttachHint(const Win32Control& control) {
    if (control.Design().hint.empty() || !control.Window()) {
        return;
    }
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, window_, nullptr, Instance(), nullptr);
    }
    std::wstring hint = Widen(control.Design().hint);
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control.Window());
    tool.uId = reinterpret_cast<UINT_PTR>(control.Window());
    tool.lpszText = hint.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// The first time, what waited for every control to exist is done: the tab order, and the radio buttons of
// a list the program never filled.
void Win32Form::Show() {
    if (!window_) {
        return;
    }
    if (!shown_) {
        shown_ = true;
        for (const auto& control : controls_) {
            control->BeforeFirstShow();
        }
        OrderAllTabStops();
    }
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    const HWND first = FirstTabStop(window_);
    SetFocus(first ? first : window_);
}

// The first control the Tab key reaches, searching inside group boxes as the dialog manager does.
HWND Win32Form::FirstTabStop(HWND parent) const {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) {
            continue;
        }
        if (style & WS_TABSTOP) {
            return child;
        }
        if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
            if (const HWND inner = FirstTabStop(child)) {
                return inner;
            }
        }
    }
    return nullptr;
}

// GetMessage ends the loop on the WM_QUIT that WM_DESTROY posts; the dialog manager gives Tab, the arrow
// keys and the space bar their usual meaning.
int Win32Form::Run() {
    if (failure_) {
        std::rethrow_exception(std::exchange(failure_, nullptr));
    }
    if (!window_) {
        return 0;
    }
    running_ = true;
    MSG message{};
    int exitCode = 0;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            exitCode = got == 0 ? static_cast<int>(message.wParam) : 1;
            break;
        }
        if (!window_ || !IsDialogMessageW(window_, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    running_ = false;
    if (failure_) {
        std::rethrow_exception(std::exchange(failure_, nullptr));
    }
    return exitCode;
}

void Win32Form::Close() {
    if (window_) {
        DestroyWindow(window_);
    }
}

// The run that wants the cursor answers no messages, so the cursor is set at once; WM_SETCURSOR keeps it
// should the system ask all the same.
void Win32Form::ShowWaitCursor(bool waiting) {
    waitCursor_ = waiting;
    SetCursor(LoadCursorW(nullptr, waiting ? IDC_WAIT : IDC_ARROW));
}

bool Win32Form::OnSetCursor() {
    if (waitCursor_) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    }
    return waitCursor_;
}

HFONT Win32Form::FontFor(const ControlDesign& design) {
    return fonts_.Get(design.useFormFont ? design_.font : design.font, dpi_);
}

COLORREF Win32Form::TextColourFor(const ControlDesign& design) const {
    return ToColorRef(design.useFormFont ? design_.font.colour : design.font.colour);
}

void Win32Form::RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (...) {
        failure_ = std::current_exception();
        if (running_) {
            PostQuitMessage(1);
        }
    }
}

LRESULT CALLBACK Win32Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!form) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return form->HandleMessage(message, wParam, lParam);
}

LRESULT Win32Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const HWND window = window_;
    switch (message) {
    case WM_COMMAND:
        OnCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        return OnControlColour(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM:
        OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_SIZE:
        OnSize();
        return 0;
    case WM_DPICHANGED:
        OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_ACTIVATE:
        if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) {
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (OnSetCursor()) {
            return TRUE;
        }
        break;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_NCDESTROY:
        OnNcDestroy();
        break;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void Win32Form::OnCommand(HWND child, UINT code) {
    if (Win32Control* control = child ? ControlOfWindow(child) : nullptr) {
        control->OnCommand(child, code);
    }
}

// Labels, the radio group, the group box and check boxes sit on the form's background in their font's
// colour; push buttons keep the system's colours.
LRESULT Win32Form::OnControlColour(UINT message, HDC dc, HWND child) {
    const Win32Control* control = ControlOfWindow(child);
    if (!control || control->Design().kind == ControlKind::Button) {
        return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                              reinterpret_cast<LPARAM>(child));
    }
    SetTextColor(dc, TextColourFor(control->Design()));
    SetBkColor(dc, RGB(design_.background.r, design_.background.g, design_.background.b));
    return reinterpret_cast<LRESULT>(background_.Get());
}

void Win32Form::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const Win32Control* control = ControlOfWindow(item.hwndItem);
    if (control && control->Design().kind == ControlKind::Panel) {
        control->Draw(item);
    }
}

void Win32Form::EraseBackground(HDC dc) const {
    RECT area{};
    GetClientRect(window_, &area);
    FillRect(dc, &area, background_.Get());
}

// Only bottom-anchored controls follow the window's size.
void Win32Form::OnSize() {
    for (const auto& control : controls_) {
        if (control->Design().anchorBottom) {
            control->Layout();
        }
    }
}

// Moving to a monitor of another density: new fonts for every control, then the layout at the new scale
// inside the rectangle the system suggests. The old fonts are freed only once no control uses them.
void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const FontCache previous = std::exchange(fonts_, FontCache());
    for (const auto& control : controls_) {
        control->ApplyFont();
    }
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& control : controls_) {
        control->Layout();
    }
    InvalidateRect(window_, nullptr, TRUE);
}

// The focus goes back to the control that had it when the form was last active, as in a dialog (after a
// message box, for instance), instead of to the form itself.
bool Win32Form::OnActivate(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        lastFocus_ = focus && IsChild(window_, focus) ? focus : nullptr;
        return false;
    }
    if (lastFocus_ && IsWindow(lastFocus_) && IsChild(window_, lastFocus_)) {
        SetFocus(lastFocus_);
        return true;
    }
    return false;
}

void Win32Form::OnDestroy() {
    if (running_) {
        PostQuitMessage(0);
    }
}

void Win32Form::OnNcDestroy() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    for (const auto& control : controls_) {
        control->Detach();
    }
    window_ = nullptr;
    tooltip_ = nullptr;
    lastFocus_ = nullptr;
}

} // namespace

WindowLibraryShared::WindowLibraryShared(int iconResourceId) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    if (iconResourceId != 0) {
        const auto load = [&](int sizeX, int sizeY) {
            return Icon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconResourceId), IMAGE_ICON,
                                                      GetSystemMetrics(sizeX), GetSystemMetrics(sizeY), 0)));
        };
        largeIcon = load(SM_CXICON, SM_CYICON);
        smallIcon = load(SM_CXSMICON, SM_CYSMICON);
    }
    WNDCLASSEXW formClassInfo{};
    formClassInfo.cbSize = sizeof(formClassInfo);
    formClassInfo.lpfnWndProc = &Win32Form::WindowProc;
    formClassInfo.hInstance = instance;
    formClassInfo.hIcon = largeIcon.Get();
    formClassInfo.hIconSm = smallIcon.Get();
    formClassInfo.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClassInfo.lpszClassName = Win32WindowLibrary::kFormClassName;
    formClass = RegisterClassExW(&formClassInfo);
}

WindowLibraryShared::~WindowLibraryShared() {
    if (formClass) {
        UnregisterClassW(Win32WindowLibrary::kFormClassName, instance);
    }
}

Win32WindowLibrary::Win32WindowLibrary(int iconResourceId)
    : shared_(std::make_unique<WindowLibraryShared>(iconResourceId)) {}

Win32WindowLibrary::~Win32WindowLibrary() = default;

std::unique_ptr<Form> Win32WindowLibrary::CreateForm(const FormDesign& design) {
    return std::make_unique<Win32Form>(*shared_, design);
}

} // namespace platform::win32
