#pragma once
#include "e2e/driver/process.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A top-level dialog of the program: message box, question or input box.
struct Dialog {
    HWND window = nullptr;
    std::string caption;
    std::string text; // a message box's message; empty for other dialogs
};

// One running trimlode.exe, operated through its windows. Every wait is bounded; a timeout throws
// std::runtime_error, which fails the running test. The program is killed when the object goes.
class Trimlode {
public:
    Trimlode(const std::string& exe, const std::string& workingFolder);

    Process& Program() { return process_; }
    DWORD Id() const { return process_.Id(); }

    HWND FindMainWindow() const; // shown or not; null while it does not exist
    HWND MainWindow() const;     // waits until it is shown
    // A control of the main window by its window text (the caption as stored, "&" included).
    HWND Control(const std::string& caption) const;
    // A control of the main window by its name in the control table.
    HWND ControlNamed(const std::string& name) const;

    void Click(const std::string& caption) const;
    void SetTicked(const std::string& caption, bool ticked) const;
    bool Ticked(const std::string& caption) const;
    // The operating-system list: the texts of its radio buttons, top to bottom, and picking one.
    std::vector<std::string> Items() const;
    void PickItem(const std::string& item) const;
    std::string ConfirmedName() const; // the caption of OSConfirmed

    std::optional<Dialog> OpenDialog() const; // a shown dialog of the program, if any
    Dialog WaitDialog(const std::string& caption) const;
    // Presses a dialog's button by its text and waits until the dialog is gone.
    void Press(const Dialog& dialog, const std::string& button) const;
    // Waits for a plain message box, reads it, presses OK and returns its text.
    std::string Acknowledge() const;
    // Types into the input box's edit field.
    void Type(const Dialog& dialog, const std::string& text) const;

private:
    Process process_;
};

// The text of a message box's message (the static control message boxes use for it).
std::string MessageText(HWND dialog);

} // namespace e2e
