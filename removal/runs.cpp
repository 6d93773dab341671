#include "removal/runs.h"
#include "install/paths.h"
#include "removal/module_catalogue.h"
#include "removal/move_outcome.h"
#include "removal/mover.h"

namespace removal {

namespace {

constexpr const char* kVendorName = "Vendor.xml";
constexpr const char* kModulePattern = "*.cod";

// Creates one folder level; an existing folder is what a later run expects to find.
void MakeFolder(platform::FileSystem& files, const std::string& path, MoveReport& report) {
    const platform::Status status = files.MakeFolder(path);
    if (!status.ok() && status.code != platform::error::kAlreadyExists) {
        report.failures.push_back({path, MoveFailure::Cause::System, status.message});
    }
}

// A file named like the removed-files folder, or like the system's folder in it, would make every move of
// the run fail with "path not found": it is reported once, as the cause, and the run moves nothing.
bool FileInPlaceOfFolder(platform::FileSystem& files, const std::string& rimCommonPath,
                         const std::string& osName, MoveReport& report) {
    for (const std::string& folder :
         {install::RemovedRoot(rimCommonPath), install::RemovedDirAsCreated(rimCommonPath, osName)}) {
        if (files.FileExists(folder)) {
            report.failures.push_back({folder, MoveFailure::Cause::FileInPlaceOfFolder, ""});
            return true;
        }
    }
    return false;
}

// With Vendor_xml ticked the current vendor file replaces any older removed copy in one step, so the only
// copy is never deleted first; when it is no longer in AppLoader the removed copy is kept as it is.
// Unticked, the vendor file moves aside only when no removed copy exists yet.
void SetVendorFileAside(platform::FileSystem& files, const std::string& rimCommonPath, bool replaceRemoved,
                        MoveReport& report) {
    const std::string vendor = install::VendorFile(rimCommonPath);
    const std::string removed = install::RemovedVendorFile(rimCommonPath);
    const std::string removedFolder = install::RemovedRoot(rimCommonPath) + "\\";
    if (replaceRemoved) {
        if (files.FileExists(vendor)) {
            const platform::Status status = files.MoveEntryReplacing(vendor, removed);
            // Gone since it was seen: another Trimlode running at the same time set it aside.
            if (status.code != platform::error::kFileNotFound) {
                RecordMove(status, kVendorName, removedFolder, report);
            }
        }
        return;
    }
    const platform::Status status = files.MoveEntry(vendor, removed);
    // Not there when moved is nothing to set aside, even if another Trimlode brings it back a moment later.
    if (status.ok() || TargetAlreadyExists(status) || status.code == platform::error::kFileNotFound ||
        !files.FileExists(vendor)) {
        report.moved += status.ok() ? 1 : 0;
        return;
    }
    RecordMove(status, kVendorName, removedFolder, report);
}

void BringVendorFileBack(platform::FileSystem& files, const std::string& rimCommonPath, MoveReport& report) {
    const std::string vendor = install::VendorFile(rimCommonPath);
    const std::string removed = install::RemovedVendorFile(rimCommonPath);
    const platform::Status status = files.MoveEntry(removed, vendor);
    // No removed copy, or the vendor file is already back: nothing to restore. What was missing when moved
    // counts as missing, even if another Trimlode sets it aside a moment later.
    if (status.ok() || TargetAlreadyExists(status) || status.code == platform::error::kFileNotFound ||
        !files.FileExists(removed)) {
        report.moved += status.ok() ? 1 : 0;
        return;
    }
    RecordMove(status, kVendorName, install::AppLoaderDir(rimCommonPath), report);
}

} // namespace

MoveReport RunRemoval(platform::FileSystem& files, const std::string& rimCommonPath,
                      const std::string& osName, const IsTicked& isTicked) {
    MoveReport report;
    if (FileInPlaceOfFolder(files, rimCommonPath, osName, report)) {
        return report;
    }
    // Only one level is created at a time, so the root comes first.
    MakeFolder(files, install::RemovedRoot(rimCommonPath), report);
    MakeFolder(files, install::RemovedDirAsCreated(rimCommonPath, osName), report);

    const auto& rows = ModuleCatalogue();
    SetVendorFileAside(files, rimCommonPath, isTicked(rows.front().checkBox), report);
    for (auto row = rows.begin() + 1; row != rows.end(); ++row) {
        if (!isTicked(row->checkBox)) {
            continue;
        }
        for (const std::string& pattern : row->patterns) {
            RemoveModules(files, rimCommonPath, osName, pattern, report);
        }
    }
    return report;
}

MoveReport RunRestore(platform::FileSystem& files, const std::string& rimCommonPath,
                      const std::string& osName) {
    MoveReport report;
    if (FileInPlaceOfFolder(files, rimCommonPath, osName, report)) {
        return report;
    }
    BringVendorFileBack(files, rimCommonPath, report);
    RestoreModules(files, rimCommonPath, osName, kModulePattern, report);
    return report;
}

} // namespace removal
