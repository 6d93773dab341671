#pragma once
#include "install/program_files.h"
#include "removal/move_report.h"

#include <string>

// Every word the user reads, the program's name and its version: a translation starts here. The logic
// returns what happened; these functions and tables word it.
namespace ui::texts {

inline constexpr char kProgramName[] = "Trimlode";

// The window's title bar, and the title on the window: the name with the version.
std::string FormCaption();
std::string Title();

// The caption of a control of the main window (check boxes included) and the hint of a button; empty for
// a control that shows none. The "&" convention of the control applies.
std::string Caption(const std::string& control);
std::string Hint(const std::string& control);

// The radio group's items until the program fills the list.
inline constexpr const char* kPlaceholderItems[] = {"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9."};

inline constexpr char kNoOperatingSystems[] = "No Operating Systems could be found";
// The list of operating systems broke off part-way: some may be missing from it.
inline std::string ListCutShort(const std::string& folder, const std::string& reason) {
    return "Not every Operating System could be listed: " + folder + " could not be read to the end.\n\n" +
           reason;
}

inline constexpr char kSelectFirst[] = "Please select an Operating System first.";
inline constexpr char kConfirmFirst[] = "Please confirm an Operating System first.";

inline constexpr char kWipeCaption[] = "Wipe Phone";
inline constexpr char kWipePrompt[] =
    "This will Wipe (brick nuke) your phone. Enter    WipeMyDevice    to continue.";
inline constexpr int kWipeMaxLength = 255;
inline constexpr char kActionCanceled[] = "Action Canceled";

inline constexpr char kDesktopManagerCaption[] = "Error";
inline constexpr char kDesktopManagerQuestion[] = "Run Desktop Manager?";

// The buttons of the program's own input box.
inline constexpr char kOk[] = "OK";
inline constexpr char kCancel[] = "Cancel";

// What a run was doing when an unexpected error stopped it.
inline constexpr char kRemovalActivity[] = "moving the ticked modules into RemovedFiles";
inline constexpr char kRestoreActivity[] = "putting the removed modules back";

// A run stopped part-way by an unexpected error. Every step is one rename, so each module is in one place.
inline std::string RunStopped(const std::string& activity, const std::string& error) {
    return "Trimlode stopped while " + activity + ": " + error +
           "\n\nNothing is lost: every module is either still in its java folder or in RemovedFiles. "
           "Click Execute Selections again, or Put It Back, to complete the run.";
}

// Why a program or document whose path is not a full path is not opened.
inline constexpr char kFolderNotKnown[] =
    "Its folder is not known for certain, so Trimlode does not start it.";

// A program or document the shell could not open, with the system's reason.
std::string CouldNotStart(const std::string& file, const std::string& reason);

// "Action completed." when nothing failed; otherwise the count, a blank line and one "name: reason" line
// per failure, at most ten, then "... and M more".
std::string CompletionMessage(const removal::MoveReport& report);

// Why one item of a run could not be moved.
std::string FailureReason(const removal::MoveFailure& failure);

// ProgramFilesDir could not be read.
std::string ProgramFilesDirMessage(const install::ProgramFilesDirError& error);

} // namespace ui::texts
