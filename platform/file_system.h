#pragma once
#include "platform/status.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

// File attribute bits, with the values Windows uses.
namespace attr {
constexpr std::uint32_t kReadOnly = 0x01;
constexpr std::uint32_t kHidden = 0x02;
constexpr std::uint32_t kSystem = 0x04;
constexpr std::uint32_t kVolumeLabel = 0x08;
constexpr std::uint32_t kDirectory = 0x10;
constexpr std::uint32_t kArchive = 0x20;
} // namespace attr

// Attribute masks for enumeration. An entry is skipped when it carries hidden, system, volume label or
// directory and the mask does not admit that attribute; read-only and archive never exclude.
constexpr std::uint32_t kDirectoryMask = attr::kDirectory;
constexpr std::uint32_t kAllAttributesMask = 0x3F;

// Whether the mask admits an entry with these attributes (the rule above).
inline bool AdmittedByMask(std::uint32_t attributes, std::uint32_t mask) {
    const std::uint32_t excluding = attr::kHidden | attr::kSystem | attr::kVolumeLabel | attr::kDirectory;
    return (attributes & excluding & ~mask) == 0;
}

// "." and "..", which a pattern such as "*" also yields: the folder itself and its parent.
inline bool IsSelfOrParent(const std::string& name) {
    return name == "." || name == "..";
}

struct DirEntry {
    std::string name; // bare name, UTF-8, no folder
    std::uint32_t attributes = 0;
    std::uint64_t size = 0; // bytes of a file; 0 for a folder
};

// Who may change a folder, as the system records it.
struct FolderSecurity {
    // The owner is an administrators group, SYSTEM or TrustedInstaller, as for Program Files.
    bool ownedByAdministration = false;
    // Someone else (an ordinary user, everyone, a group of users) may add, rename or delete entries in it, or
    // change its permissions.
    bool othersMayChange = true;
};

// An open enumeration positioned on its current entry; closes itself when destroyed.
class DirectoryEnumeration {
public:
    virtual ~DirectoryEnumeration() = default;
    virtual const DirEntry& Current() const = 0;
    // Steps to the next admitted entry; false (leaving Current unchanged) when there is none, or when the
    // listing broke off.
    virtual bool Next() = 0;
    // Success while the listing goes on and once it has reached its end; the system's error when Next
    // stopped because the folder could not be read further (a disk or network error part-way).
    virtual Status StopReason() const = 0;
};

// The file system as the program uses it. Paths are UTF-8 with backslashes, as Windows spells them.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Starts an enumeration of `folderAndPattern` (a folder, a backslash and a name pattern in which "*"
    // matches any run of characters, letter case ignored). Returns null when no admitted entry matches,
    // including when the folder does not exist. Like NTFS, a pattern that matches "." and ".." yields them.
    // When it returns null because the folder could not be read (access denied, say), `failure` tells why;
    // otherwise `failure` is success.
    virtual std::unique_ptr<DirectoryEnumeration> Enumerate(const std::string& folderAndPattern,
                                                            std::uint32_t mask, Status& failure) = 0;
    // The same, for callers to whom an unreadable folder is as good as an empty one.
    std::unique_ptr<DirectoryEnumeration> Enumerate(const std::string& folderAndPattern, std::uint32_t mask) {
        Status ignored;
        return Enumerate(folderAndPattern, mask, ignored);
    }
    // Renames a file or a whole folder; fails when `to` already exists.
    virtual Status MoveEntry(const std::string& from, const std::string& to) = 0;
    // Renames a file, replacing an existing file at `to`.
    virtual Status MoveEntryReplacing(const std::string& from, const std::string& to) = 0;
    // Creates one folder level; fails when it exists or its parent is missing.
    virtual Status MakeFolder(const std::string& path) = 0;
    // True when `path` names an existing file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    // The owner and write rights of an existing file or folder; nullopt when they cannot be read.
    virtual std::optional<FolderSecurity> SecurityOf(const std::string& path) = 0;
};

} // namespace platform
