#pragma once
#include "platform/file_system.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform::sim {

// An in-memory file tree with the rules of Windows paths: drive letters, backslashes (slashes accepted),
// names compared without letter case but kept as created, attributes per entry. Folders list their
// entries in creation order (a moved entry goes last), never sorted, and every folder but a drive root
// starts with "." and "..". A drive exists once something is added below it.
class SimFileSystem : public FileSystem {
public:
    SimFileSystem();
    ~SimFileSystem() override;
    SimFileSystem(const SimFileSystem&) = delete;
    SimFileSystem& operator=(const SimFileSystem&) = delete;

    using FileSystem::Enumerate;
    std::unique_ptr<DirectoryEnumeration> Enumerate(const std::string& folderAndPattern, std::uint32_t mask,
                                                    Status& failure) override;
    Status MoveEntry(const std::string& from, const std::string& to) override;
    Status MoveEntryReplacing(const std::string& from, const std::string& to) override;
    Status MakeFolder(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    std::optional<FolderSecurity> SecurityOf(const std::string& path) override;

    // Test set-up and inspection. Set-up on a path that cannot hold the entry (a file in the way)
    // throws std::logic_error.
    void AddFolder(const std::string& path); // every missing level
    void AddFile(const std::string& path, const std::string& content,
                 std::uint32_t attributes = attr::kArchive);
    // An entry named as Windows never names one ("..\\outside", "a/b"), as Wine or a network file system
    // may list it; the name is taken as it is, separators included.
    void AddEntryNamed(const std::string& folder, const std::string& name, bool isFolder);
    std::optional<std::string> Content(const std::string& path) const; // nullopt: no such file
    bool Exists(const std::string& path) const;                        // file or folder
    std::vector<std::string> List(const std::string& folder) const;    // sorted, no "." or ".."
    void SetAttributes(const std::string& path, std::uint32_t attributes);
    // Every entry starts owned by administrators and closed to others, as an installer leaves its folders;
    // nullopt makes the security unreadable.
    void SetSecurity(const std::string& path, std::optional<FolderSecurity> security);
    // The next `operation` ("move" by source path, "mkdir", "list" by folder) on `path` fails
    // once with `code`; "step" lets the next listing of the folder start, then break off at its first step.
    void InjectFault(const std::string& operation, const std::string& path, std::uint32_t code);
    // A locked file cannot be moved or deleted (sharing violation) nor replaced (access denied).
    void Lock(const std::string& path);
    void Unlock(const std::string& path);

    struct Node;

private:
    struct Fault {
        std::string operation;
        std::string path;
        std::uint32_t code;
    };

    Node* Find(const std::string& path) const;
    Node& Require(const std::string& path) const;
    Node& MakeLevels(const std::string& path);
    bool TakeFault(const std::string& operation, const std::string& path, std::uint32_t& code);
    Status Move(const std::string& from, const std::string& to, bool replace);

    std::vector<std::unique_ptr<Node>> drives_;
    std::vector<Fault> faults_;
};

} // namespace platform::sim
