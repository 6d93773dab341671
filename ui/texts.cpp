#include "ui/texts.h"

#include "ui/version.h"

#include <cstddef>

namespace ui::texts {

namespace {

struct ControlText {
    const char* control;
    const char* caption;
    const char* hint;
};

// The words of every control that shows any, by control name.
const ControlText kControlTexts[] = {
    {"DescriptionTextBox", "BlackBerry Memory Optimization Utility - Trimlode 2026", ""},
    {"Label3", "Use at your own risk. No responsibility accepted for any damage.", ""},
    {"Label1", "SELECT OPERATING SYSTEM", ""},
    {"Label2", "OPERATING SYSTEM SELECTED", ""},
    {"Label4", "by the Trimlode developers", ""},
    {"Label5", "SELECT OPERATING SYSTEM", ""},
    {"ExcecuteSelectionButton", "Execute Selections",
     "Once you have selectd an OS and you have picked the modules you wish to remove, press this button "
     "to excecute your selections."},
    {"ExitButton", "Exit",
     "Immediately quits Trimlode.  Leaves all files as selected.  No Put It BAck is actioned."},
    {"ModeuleRemovalSelectionGroupBox", "MODULE REMOVAL ", ""},
    {"Vendor_xml", "Remove Vendor.xml", ""},
    {"bsv", "Remove BlackBerry Sample Video [2.5Mb]", ""},
    {"vad", "Remove Voice Activated Dialling (VAD) [600Kb]", ""},
    {"themes", "Remove Carrier Themes [200-700Kb each]", ""},
    {"wallpaper", "Remove Pre-Loaded Wallpaper [2-3Mb]", ""},
    {"ptt", "Remove  Push To Talk  (AT&&T only) [340Kb]", ""},
    {"myfaves", "Remove MyFaves (T-Mobile only) [300Kb]", ""},
    {"yahoo", "Remove Yahoo (OS 4.5.only.)", ""},
    {"msn", "Remove MSN (OS 4.5 only)", ""},
    {"aim", "Remove AIM (OS 4.5 only)", ""},
    {"tty", "Remove TTY (for hearing impaired users)", ""},
    {"ConfirmOSChoice", "Confirm Operating System Selection",
     "Click to confirm your OS selection from the list above."},
    {"Help", "Help", "This is the Help key.  Press it to view Trimlode's help text."},
    {"Button1", "Desktop Manager", "Runs Desktop Manager to install the OS to your phone."},
    {"Button3", "Wipe Device",
     "Requires confirmation before wiping (brick / nuke) your phone.  No action until the word "
     "WipeMyDevice is entered."},
    {"resetfile", "Put It Back",
     "This button returns your selections for the currently selected OS back to as standard OS."},
};

const ControlText* TextOf(const std::string& control) {
    for (const ControlText& text : kControlTexts) {
        if (control == text.control) {
            return &text;
        }
    }
    return nullptr;
}

constexpr std::size_t kMaxListedFailures = 10;

} // namespace

std::string FormCaption() {
    return kProgramName;
}

std::string Title() {
    return std::string(kProgramName) + " v" + TRIMLODE_VERSION_TEXT;
}

std::string Caption(const std::string& control) {
    if (control == "TitleLabelTextBox") {
        return Title();
    }
    const ControlText* text = TextOf(control);
    return text ? text->caption : "";
}

std::string Hint(const std::string& control) {
    const ControlText* text = TextOf(control);
    return text ? text->hint : "";
}

std::string CouldNotStart(const std::string& file, const std::string& reason) {
    return "Could not start " + file + ".\n\n" + reason;
}

std::string CompletionMessage(const removal::MoveReport& report) {
    if (report.failures.empty()) {
        return "Action completed.";
    }
    const std::size_t count = report.failures.size();
    std::string text = "Action completed, but " + std::to_string(count) + " item(s) could not be moved.\n";
    for (std::size_t i = 0; i < count && i < kMaxListedFailures; ++i) {
        text += "\n" + report.failures[i].name + ": " + FailureReason(report.failures[i]);
    }
    if (count > kMaxListedFailures) {
        text += "\n... and " + std::to_string(count - kMaxListedFailures) + " more";
    }
    return text;
}

std::string FailureReason(const removal::MoveFailure& failure) {
    switch (failure.cause) {
    case removal::MoveFailure::Cause::TargetExists:
        return "a file of that name is already in " + failure.detail;
    case removal::MoveFailure::Cause::UnsafeName:
        return "its name leads out of the folder, so Trimlode leaves it where it is";
    case removal::MoveFailure::Cause::FileInPlaceOfFolder:
        return "this is a file, where Trimlode keeps a folder of removed modules; nothing was moved. Rename "
               "or "
               "move the file, then run again";
    case removal::MoveFailure::Cause::System:
        break;
    }
    return failure.detail;
}

std::string ProgramFilesDirMessage(const install::ProgramFilesDirError& error) {
    switch (error.problem()) {
    case install::ProgramFilesDirError::Problem::InvalidType:
        return "Invalid data type for '" + error.valueName() + "'";
    case install::ProgramFilesDirError::Problem::ReadFailed:
        break;
    }
    return "Failed to get data for '" + error.valueName() + "'";
}

} // namespace ui::texts
