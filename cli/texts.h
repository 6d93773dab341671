#pragma once
// Every text trimlode-cli prints, apart from names, paths and the system's own error texts; the words it
// shares with the window come from the window's texts (ui/texts.h).
#include "install/program_files.h"
#include "removal/move_report.h"
#include "ui/texts.h"

#include <string>

namespace cli::texts {

// Shown by --help, and after every usage error. The help page "The command line" shows the same text.
constexpr const char* kUsage =
    "Usage:\n"
    "  trimlode-cli list [--json]\n"
    "  trimlode-cli status OS [--json]\n"
    "  trimlode-cli remove OS FEATURE... [--dry-run] [--json]\n"
    "  trimlode-cli restore OS [--dry-run] [--json]\n"
    "  trimlode-cli --help | --version\n"
    "\n"
    "Commands:\n"
    "  list     the operating systems, one a line, in the window's order\n"
    "  status   per feature: the modules in the package and set aside, with their bytes;\n"
    "           where Vendor.xml is; modules set aside that no feature names\n"
    "  remove   moves the features' modules out of the package, as Execute Selections does\n"
    "  restore  moves Vendor.xml and every set-aside module back, as Put It Back does\n"
    "\n"
    "FEATURE is one of vendor_xml bsv wallpaper vad themes tty yahoo aim msn ptt myfaves,\n"
    "or all; letter case does not matter.\n"
    "\n"
    "Options:\n"
    "  --dry-run  lists what would move, where to, and the bytes; moves nothing\n"
    "  --json     one JSON document on standard output, for scripts\n"
    "\n"
    "Exit codes: 0 done; 1 done, but some items could not be moved; 2 usage error;\n"
    "3 no installation or no such operating system.\n";

constexpr const char* kProgram = "trimlode-cli";

// Usage errors.
constexpr const char* kNoCommand = "no command given";
inline std::string UnknownCommand(const std::string& word) {
    return "unknown command \"" + word + "\"";
}
inline std::string UnknownOption(const std::string& word) {
    return "unknown option \"" + word + "\"";
}
inline std::string OptionTwice(const std::string& word) {
    return "option " + word + " given twice";
}
constexpr const char* kHelpWithVersion = "--help and --version cannot be given together";
constexpr const char* kVersionWithCommand = "--version takes no command";
constexpr const char* kDryRunNeedsRun = "--dry-run applies only to remove and restore";
inline std::string MissingOs(const std::string& command) {
    return command + " needs the name of an operating system";
}
inline std::string TooManyOperands(const std::string& command, const std::string& extra) {
    return "too many arguments for " + command + ": \"" + extra + "\"";
}
constexpr const char* kMissingFeature = "remove needs at least one FEATURE, or all";
inline std::string UnknownFeature(const std::string& word) {
    return "unknown feature \"" + word + "\"";
}
inline std::string FeatureTwice(const std::string& word) {
    return "feature " + word + " given twice";
}
constexpr const char* kAllWithOthers = "all already names every feature; give it alone";
constexpr const char* kEmptyOsName = "the operating-system name is empty";
inline std::string NotAnOsName(const std::string& name) {
    return "\"" + name +
           "\" is not an operating-system name: it may not hold \\ / : * ? \" < > |, "
           "control characters, or be . or ..";
}

// Why an item could not be moved, and why ProgramFilesDir could not be read: worded as the window words
// them, from the window's own texts.
using ui::texts::FailureReason;
using ui::texts::ProgramFilesDirMessage;

// No installation, no such operating system.
inline std::string NoOperatingSystems(const std::string& loaderFiles) {
    return "No Operating Systems could be found in " + loaderFiles;
}
inline std::string NoSuchOs(const std::string& name, const std::string& loaderFiles) {
    return "no operating system named \"" + name + "\" in " + loaderFiles +
           "; trimlode-cli list shows the installed ones";
}
inline std::string ListCutShort(const std::string& loaderFiles, const std::string& reason) {
    return "not every operating system could be listed: " + loaderFiles +
           " could not be read to the end: " + reason;
}

// A run stopped part-way by an unexpected error (out of memory, say). Every step is one rename, so each
// module is in one place.
constexpr const char* kRemovalActivity = "moving the features' modules out of the package";
constexpr const char* kRestoreActivity = "putting the set-aside modules back";
inline std::string RunStopped(const std::string& activity, const std::string& error) {
    return "stopped while " + activity + ": " + error +
           ". Nothing is lost: every module is either still in its java folder or in RemovedFiles. Run the "
           "same command again, or restore, to complete the run.";
}

// The status report.
inline std::string StatusHeading(const std::string& os) {
    return "Operating system " + os;
}
constexpr const char* kPackageLabel = "Package:    ";
constexpr const char* kSetAsideLabel = "Set aside:  ";
constexpr const char* kVendorLabel = "Vendor.xml: ";
inline std::string VendorIn(const std::string& folder) {
    return "in " + folder;
}
inline std::string VendorSetAside(const std::string& folder) {
    return "set aside in " + folder;
}
inline std::string VendorInBoth(const std::string& home, const std::string& aside) {
    return "in " + home + ", and an older copy set aside in " + aside;
}
inline std::string VendorNowhere(const std::string& home, const std::string& aside) {
    return "not found in " + home + " or " + aside;
}
constexpr const char* kTableHeading1 = "feature        in package                 set aside";
constexpr const char* kTableHeading2 = "               modules           bytes    modules           bytes";
constexpr const char* kAllRow = "all";
inline std::string InPackageOf(const std::string& feature) {
    return feature + ", in the package:";
}
inline std::string SetAsideOf(const std::string& feature) {
    return feature + ", set aside:";
}
constexpr const char* kUnnamedSetAside = "Set aside, named by no feature (Put It Back returns them too):";
constexpr const char* kNone = "  none";
inline std::string CouldNotRead(const std::string& folder, const std::string& reason) {
    return "Could not read " + folder + ": " + reason;
}

// The run report.
constexpr const char* kDryRunNote = "Dry run: nothing is moved.";
inline std::string RemoveHeading(const std::string& os, const std::string& features) {
    return "Operating system " + os + "; removing " + features;
}
inline std::string RestoreHeading(const std::string& os) {
    return "Operating system " + os + "; putting back Vendor.xml and every module set aside";
}
inline std::string FromFolder(const std::string& folder) {
    return "From " + folder;
}
inline std::string ToFolder(const std::string& folder) {
    return "  to " + folder;
}
inline std::string Moved(std::size_t count, const std::string& bytes) {
    return "Moved " + std::to_string(count) + " item(s), " + bytes + ".";
}
inline std::string WouldMove(std::size_t count, const std::string& bytes) {
    return "Would move " + std::to_string(count) + " item(s), " + bytes + ".";
}
inline std::string CouldNotMove(std::size_t count) {
    return "Could not move " + std::to_string(count) + " item(s):";
}
inline std::string WouldNotMove(std::size_t count) {
    return "Would not be able to move " + std::to_string(count) + " item(s):";
}
constexpr const char* kCompleted = "Action completed.";
inline std::string CompletedWithFailures(std::size_t count) {
    return "Action completed, but " + std::to_string(count) + " item(s) could not be moved.";
}

} // namespace cli::texts
