#include "removal/mover.h"
#include "install/paths.h"
#include "platform/name_match.h"
#include "removal/move_outcome.h"

namespace removal {

namespace {

void RecordOnce(const MoveFailure& failure, MoveReport& report) {
    for (const MoveFailure& known : report.failures) {
        if (known == failure) {
            return;
        }
    }
    report.failures.push_back(failure);
}

} // namespace

bool TargetAlreadyExists(const platform::Status& status) {
    return status.code == platform::error::kFileExists || status.code == platform::error::kAlreadyExists;
}

void RecordMove(const platform::Status& status, const std::string& name, const std::string& targetFolder,
                MoveReport& report) {
    if (status.ok()) {
        ++report.moved;
    } else if (TargetAlreadyExists(status)) {
        report.failures.push_back({name, MoveFailure::Cause::TargetExists, targetFolder});
    } else {
        report.failures.push_back({name, MoveFailure::Cause::System, status.message});
    }
}

void MoveMatchingFiles(platform::FileSystem& files, const std::string& sourceFolder,
                       const std::string& targetFolder, const std::string& pattern, MoveReport& report) {
    platform::Status failure;
    auto entries = files.Enumerate(sourceFolder + pattern, platform::kAllAttributesMask, failure);
    if (!entries) {
        // A folder that matched nothing is no failure; one that could not be read is, once per run.
        if (!failure.ok()) {
            RecordOnce({sourceFolder, MoveFailure::Cause::System, failure.message}, report);
        }
        return;
    }
    // Each entry moves as soon as it is returned, while the enumeration of the folder goes on. Windows
    // may also match a pattern through an entry's short 8.3 name ("notes.code" for "*.cod"); only the
    // name the user sees decides.
    do {
        const std::string name = entries->Current().name;
        if (platform::IsSelfOrParent(name) || !platform::MatchesPattern(name, pattern)) {
            continue;
        }
        if (!platform::IsPlainName(name)) {
            RecordOnce({name, MoveFailure::Cause::UnsafeName, ""}, report);
            continue;
        }
        const platform::Status status = files.MoveEntry(sourceFolder + name, targetFolder + name);
        // Gone since it was listed: another Trimlode running at the same time (or the user) moved it, and
        // there is nothing left to do for it.
        if (status.code != platform::error::kFileNotFound) {
            RecordMove(status, name, targetFolder, report);
        }
    } while (entries->Next());
    // A listing that broke off left the rest of the folder unmoved: that is the folder's failure.
    const platform::Status stopped = entries->StopReason();
    if (!stopped.ok()) {
        RecordOnce({sourceFolder, MoveFailure::Cause::System, stopped.message}, report);
    }
}

void RemoveModules(platform::FileSystem& files, const std::string& rimCommonPath, const std::string& osName,
                   const std::string& pattern, MoveReport& report) {
    MoveMatchingFiles(files, install::JavaDir(rimCommonPath, osName),
                      install::RemovedDir(rimCommonPath, osName), pattern, report);
}

void RestoreModules(platform::FileSystem& files, const std::string& rimCommonPath, const std::string& osName,
                    const std::string& pattern, MoveReport& report) {
    MoveMatchingFiles(files, install::RemovedDir(rimCommonPath, osName),
                      install::JavaDir(rimCommonPath, osName), pattern, report);
}

} // namespace removal
