#include "removal/preview.h"

#include "platform/name_match.h"

#include <utility>

namespace removal {

namespace {

using platform::DirEntry;
using platform::Status;
namespace error = platform::error;

// The texts Windows gives for the refusals a preview can foresee.
Status Refused(std::uint32_t code) {
    switch (code) {
    case error::kFileNotFound:
        return {code, "The system cannot find the file specified."};
    case error::kPathNotFound:
        return {code, "The system cannot find the path specified."};
    case error::kAccessDenied:
        return {code, "Access is denied."};
    case error::kAlreadyExists:
    default:
        return {error::kAlreadyExists, "Cannot create a file when that file already exists."};
    }
}

std::string WithoutTrailingSeparators(std::string path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) {
        path.pop_back();
    }
    return path;
}

bool SamePath(const std::string& a, const std::string& b) {
    return platform::SameName(WithoutTrailingSeparators(a), WithoutTrailingSeparators(b));
}

// The folder holding `path` and the last name in it; no folder for a bare drive or a relative name.
std::pair<std::string, std::string> SplitParent(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparators(path);
    const std::size_t cut = trimmed.find_last_of("\\/");
    if (cut == std::string::npos) {
        return {std::string(), trimmed};
    }
    return {trimmed.substr(0, cut), trimmed.substr(cut + 1)};
}

bool IsDrive(const std::string& path) {
    return path.size() == 2 && path[1] == ':';
}

bool IsFolder(const DirEntry& entry) {
    return (entry.attributes & platform::attr::kDirectory) != 0;
}

bool Admitted(std::uint32_t attributes, std::uint32_t mask) {
    const std::uint32_t excluding = platform::attr::kHidden | platform::attr::kSystem |
                                    platform::attr::kVolumeLabel | platform::attr::kDirectory;
    return (attributes & excluding & ~mask) == 0;
}

// Entries taken in full when the enumeration starts; a real listing that broke off part-way stops this one
// at the same place, with the same reason.
class ListedEntries : public platform::DirectoryEnumeration {
public:
    ListedEntries(std::vector<DirEntry> entries, Status stopReason)
        : entries_(std::move(entries)), stopReason_(std::move(stopReason)) {}
    const DirEntry& Current() const override { return entries_[index_]; }
    bool Next() override {
        if (index_ + 1 >= entries_.size()) {
            return false;
        }
        ++index_;
        return true;
    }
    Status StopReason() const override {
        return index_ + 1 >= entries_.size() ? stopReason_ : Status::Success();
    }

private:
    std::vector<DirEntry> entries_;
    Status stopReason_;
    std::size_t index_ = 0;
};

} // namespace

const PreviewFileSystem::Change* PreviewFileSystem::LatestChange(const std::string& path) const {
    for (auto change = changes_.rbegin(); change != changes_.rend(); ++change) {
        if (SamePath(change->path, path)) {
            return &*change;
        }
    }
    return nullptr;
}

std::optional<DirEntry> PreviewFileSystem::Lookup(const std::string& path) {
    if (const Change* change = LatestChange(path)) {
        return change->entry;
    }
    const auto [parent, leaf] = SplitParent(path);
    if (parent.empty() || leaf.empty() || IsDrive(leaf)) {
        return std::nullopt;
    }
    // The exact name as a pattern finds the entry itself, with its attributes and size.
    const auto found = real_.Enumerate(parent + "\\" + leaf, platform::kAllAttributesMask);
    if (!found || !platform::SameName(found->Current().name, leaf)) {
        return std::nullopt;
    }
    return found->Current();
}

bool PreviewFileSystem::FolderExists(const std::string& path) {
    const std::string trimmed = WithoutTrailingSeparators(path);
    if (IsDrive(trimmed)) {
        return real_.Enumerate(trimmed + "\\*", platform::kAllAttributesMask) != nullptr;
    }
    const auto entry = Lookup(trimmed);
    return entry && IsFolder(*entry);
}

std::unique_ptr<platform::DirectoryEnumeration>
PreviewFileSystem::Enumerate(const std::string& folderAndPattern, std::uint32_t mask, Status& failure) {
    const std::size_t cut = folderAndPattern.find_last_of("\\/");
    const std::string folder = folderAndPattern.substr(0, cut == std::string::npos ? 0 : cut + 1);
    const std::string pattern = folderAndPattern.substr(folder.size());
    std::vector<DirEntry> entries;
    Status stopReason;
    // What is really there, less what has moved away or been replaced...
    if (auto real = real_.Enumerate(folderAndPattern, mask, failure)) {
        do {
            const DirEntry& entry = real->Current();
            const bool selfOrParent = entry.name == "." || entry.name == "..";
            if (selfOrParent || LatestChange(folder + entry.name) == nullptr) {
                entries.push_back(entry);
            }
        } while (real->Next());
        stopReason = real->StopReason();
    }
    // ...and what has arrived, once per name.
    for (const Change& change : changes_) {
        const bool latest = LatestChange(change.path) == &change;
        if (latest && change.entry && SamePath(SplitParent(change.path).first, folder) &&
            Admitted(change.entry->attributes, mask) &&
            platform::MatchesPattern(change.entry->name, pattern)) {
            entries.push_back(*change.entry);
        }
    }
    if (entries.empty()) {
        return nullptr;
    }
    failure = Status::Success();
    return std::make_unique<ListedEntries>(std::move(entries), stopReason);
}

Status PreviewFileSystem::Move(const std::string& from, const std::string& to, bool replace) {
    const auto moving = Lookup(from);
    if (!moving) {
        return Refused(FolderExists(SplitParent(from).first) ? error::kFileNotFound : error::kPathNotFound);
    }
    const auto [targetFolder, targetName] = SplitParent(to);
    if (!FolderExists(targetFolder)) {
        return Refused(error::kPathNotFound);
    }
    const auto existing = Lookup(to);
    if (existing && !SamePath(from, to)) {
        if (!replace) {
            return Refused(error::kAlreadyExists);
        }
        if (IsFolder(*existing) || IsFolder(*moving)) {
            return Refused(error::kAccessDenied);
        }
    }
    DirEntry arrived = *moving;
    arrived.name = targetName;
    changes_.push_back({from, std::nullopt});
    changes_.push_back({to, arrived});
    return Status::Success();
}

Status PreviewFileSystem::MoveEntry(const std::string& from, const std::string& to) {
    return Move(from, to, false);
}

Status PreviewFileSystem::MoveEntryReplacing(const std::string& from, const std::string& to) {
    return Move(from, to, true);
}

Status PreviewFileSystem::MakeFolder(const std::string& path) {
    if (Lookup(path)) {
        return Refused(error::kAlreadyExists);
    }
    const auto [parent, name] = SplitParent(path);
    if (!FolderExists(parent)) {
        return Refused(error::kPathNotFound);
    }
    changes_.push_back({path, DirEntry{name, platform::attr::kDirectory, 0}});
    return Status::Success();
}

bool PreviewFileSystem::FileExists(const std::string& path) {
    const auto entry = Lookup(path);
    return entry && !IsFolder(*entry);
}

} // namespace removal
