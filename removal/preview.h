#pragma once
#include "platform/file_system.h"

#include <optional>
#include <string>
#include <vector>

namespace removal {

// A file system that changes nothing: it answers every call as `real` would after the moves and folders
// asked of it so far, and only remembers them. A run given this one reports exactly what it
// would move and which moves would be refused (a name already taken, a missing folder), so a dry run is
// the same run as the real one. What only the real attempt can tell (access denied, a locked file) shows
// up in the real run alone.
class PreviewFileSystem : public platform::FileSystem {
public:
    explicit PreviewFileSystem(platform::FileSystem& real) : real_(real) {}

    using platform::FileSystem::Enumerate;
    std::unique_ptr<platform::DirectoryEnumeration>
    Enumerate(const std::string& folderAndPattern, std::uint32_t mask, platform::Status& failure) override;
    platform::Status MoveEntry(const std::string& from, const std::string& to) override;
    platform::Status MoveEntryReplacing(const std::string& from, const std::string& to) override;
    platform::Status MakeFolder(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<platform::FolderSecurity> SecurityOf(const std::string& path) override {
        return real_.SecurityOf(path);
    }

private:
    // What is at `path` now, after an earlier change: an entry, or nothing (moved away).
    struct Change {
        std::string path;
        std::optional<platform::DirEntry> entry;
    };

    const Change* LatestChange(const std::string& path) const;
    std::optional<platform::DirEntry> Lookup(const std::string& path);
    bool FolderExists(const std::string& path);
    platform::Status Move(const std::string& from, const std::string& to, bool replace);

    platform::FileSystem& real_;
    std::vector<Change> changes_; // oldest first
};

} // namespace removal
