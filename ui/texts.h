#pragma once
#include <string>

// What the main window says to the user, in one place. Control captions and hints live in the control
// table; the outcome of a removal or restore run is worded by removal::CompletionMessage.
namespace ui::texts {

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
inline std::string CouldNotStart(const std::string& file, const std::string& reason) {
    return "Could not start " + file + ".\n\n" + reason;
}

} // namespace ui::texts
