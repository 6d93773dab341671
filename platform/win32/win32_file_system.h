#pragma once
#include "platform/file_system.h"

namespace platform::win32 {

// The file system through the wide-character API. Enumeration filters by our own rules: the mask as
// described in file_system.h, and every long name checked against the pattern again, because the system
// also matches 8.3 short names ("*.cod" would find "notes.code" through "NOTES~1.COD").
class Win32FileSystem : public FileSystem {
public:
    using FileSystem::Enumerate;
    std::unique_ptr<DirectoryEnumeration> Enumerate(const std::string& folderAndPattern, std::uint32_t mask,
                                                    Status& failure) override;
    Status MoveEntry(const std::string& from, const std::string& to) override;
    Status MoveEntryReplacing(const std::string& from, const std::string& to) override;
    Status MakeFolder(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<FolderSecurity> SecurityOf(const std::string& path) override;
};

} // namespace platform::win32
