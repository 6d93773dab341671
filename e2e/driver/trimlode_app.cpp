#include "e2e/driver/trimlode_app.h"
#include "platform/win32/wide.h"

#include "e2e/driver/gui.h"
#include "platform/win32/disk.h"
#include "ui/control_table.h"

#include <stdexcept>

namespace e2e {
namespace {

constexpr char kDialogClass[] = "#32770";
constexpr int kMessageTextId = 0xFFFF; // the message static of a message box
constexpr int kFirstControlId = 100;   // controls are numbered in creation order from here

bool IsRadioButton(HWND window) {
    if (ClassName(window) != "Button")
        return false;
    const auto type = GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

} // namespace

std::string MessageText(HWND dialog) {
    if (HWND text = GetDlgItem(dialog, kMessageTextId))
        return WindowText(text);
    return {};
}

Trimlode::Trimlode(const std::string& exe, const std::string& workingFolder)
    : process_(Process::Start(exe, "", workingFolder)) {}

HWND Trimlode::FindMainWindow() const {
    for (HWND window : TopLevelWindows(Id())) {
        if (WindowText(window) == "Trimlode" && ClassName(window) != kDialogClass &&
            !GetWindow(window, GW_OWNER))
            return window;
    }
    return nullptr;
}

HWND Trimlode::MainWindow() const {
    return WaitFor("the main window", [&] {
        HWND main = FindMainWindow();
        return IsShown(main) ? main : nullptr;
    });
}

HWND Trimlode::Control(const std::string& caption) const {
    HWND main = MainWindow();
    return WaitFor("the control \"" + caption + "\"", [&] { return FindDescendant(main, caption); });
}

HWND Trimlode::ControlNamed(const std::string& name) const {
    const auto& controls = ui::MainControls();
    for (std::size_t index = 0; index < controls.size(); ++index) {
        if (controls[index].name != name)
            continue;
        const int id = kFirstControlId + static_cast<int>(index);
        for (HWND window : DescendantWindows(MainWindow())) {
            if (GetDlgCtrlID(window) == id)
                return window;
        }
        throw std::runtime_error("no window with the control id of " + name);
    }
    throw std::runtime_error("no control named " + name + " in the control table");
}

void Trimlode::Click(const std::string& caption) const {
    e2e::Click(Control(caption));
}

bool Trimlode::Ticked(const std::string& caption) const {
    return SendMessageW(Control(caption), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Trimlode::SetTicked(const std::string& caption, bool ticked) const {
    if (Ticked(caption) == ticked)
        return;
    Click(caption);
    WaitFor("the tick of \"" + caption + "\" to change", [&] { return Ticked(caption) == ticked; });
}

std::vector<std::string> Trimlode::Items() const {
    std::vector<std::string> items;
    for (HWND window : DescendantWindows(MainWindow())) {
        if (IsRadioButton(window))
            items.push_back(WindowText(window));
    }
    return items;
}

void Trimlode::PickItem(const std::string& item) const {
    HWND button = WaitFor("the list item \"" + item + "\"", [&]() -> HWND {
        for (HWND window : DescendantWindows(MainWindow())) {
            if (IsRadioButton(window) && WindowText(window) == item)
                return window;
        }
        return nullptr;
    });
    e2e::Click(button);
    WaitFor("the list item \"" + item + "\" to be selected",
            [&] { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; });
}

std::string Trimlode::ConfirmedName() const {
    return WindowText(ControlNamed("OSConfirmed"));
}

std::optional<Dialog> Trimlode::OpenDialog() const {
    for (HWND window : TopLevelWindows(Id())) {
        if (IsShown(window) && ClassName(window) == kDialogClass)
            return Dialog{window, WindowText(window), MessageText(window)};
    }
    return std::nullopt;
}

Dialog Trimlode::WaitDialog(const std::string& caption) const {
    return *WaitFor("a dialog \"" + caption + "\"", [&] {
        auto dialog = OpenDialog();
        return dialog && dialog->caption == caption ? dialog : std::nullopt;
    });
}

void Trimlode::Press(const Dialog& dialog, const std::string& button) const {
    HWND control = FindDescendant(dialog.window, button, "Button");
    if (!control)
        throw std::runtime_error("no button \"" + button + "\" in the dialog \"" + dialog.caption + "\"");
    e2e::Click(control);
    WaitFor("the dialog \"" + dialog.caption + "\" to close", [&] { return !IsShown(dialog.window); });
}

std::string Trimlode::Acknowledge() const {
    const Dialog message = WaitDialog("Trimlode");
    Press(message, "OK");
    return message.text;
}

void Trimlode::Type(const Dialog& dialog, const std::string& text) const {
    HWND edit = nullptr;
    for (HWND window : DescendantWindows(dialog.window)) {
        if (ClassName(window) == "Edit")
            edit = window;
    }
    if (!edit)
        throw std::runtime_error("no edit field in the dialog \"" + dialog.caption + "\"");
    const std::wstring wide = platform::win32::Widen(text);
    SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

} // namespace e2e
