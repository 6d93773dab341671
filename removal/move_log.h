#pragma once
#include "platform/file_system.h"

#include <cstdint>
#include <string>
#include <vector>

namespace removal {

// One entry that moved: its name, the folders it left and went to (each with a trailing backslash) and its
// size in bytes (0 for a folder, which moves as a whole).
struct MovedEntry {
    std::string name;
    std::string from;
    std::string to;
    std::uint64_t bytes = 0;
};

// A file system that passes every call on to `inner` and keeps a list of the moves that succeeded, in the
// order they happened. A run given this one is the same run; the list says what it moved, where to, and
// how big each entry was, without the run having to keep any of it.
class MoveLog : public platform::FileSystem {
public:
    explicit MoveLog(platform::FileSystem& inner) : inner_(inner) {}

    const std::vector<MovedEntry>& Moves() const { return moves_; }

    using platform::FileSystem::Enumerate;
    std::unique_ptr<platform::DirectoryEnumeration>
    Enumerate(const std::string& folderAndPattern, std::uint32_t mask, platform::Status& failure) override {
        return inner_.Enumerate(folderAndPattern, mask, failure);
    }
    platform::Status MoveEntry(const std::string& from, const std::string& to) override;
    platform::Status MoveEntryReplacing(const std::string& from, const std::string& to) override;
    platform::Status MakeFolder(const std::string& path) override { return inner_.MakeFolder(path); }
    bool FileExists(const std::string& path) override { return inner_.FileExists(path); }
    std::optional<platform::FolderSecurity> SecurityOf(const std::string& path) override {
        return inner_.SecurityOf(path);
    }

private:
    std::uint64_t SizeOf(const std::string& path);
    platform::Status Logged(const std::string& from, const std::string& to, bool replace);

    platform::FileSystem& inner_;
    std::vector<MovedEntry> moves_;
};

} // namespace removal
