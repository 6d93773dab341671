#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Plain file operations for the programs around Trimlode: the demo seeder, the end-to-end driver, the
// benchmark and the Win32 test fixtures. Paths are UTF-8 with backslashes, long ones welcome; every failure
// throws std::runtime_error naming the path and the system's reason.
namespace platform::win32::disk {

void MakeFolders(const std::string& path); // every missing level; an existing folder is fine
void WriteFile(const std::string& path, const std::string& content);
std::optional<std::string> ReadFile(const std::string& path); // nullopt: no such file
bool Exists(const std::string& path);                         // file or folder
bool IsFolder(const std::string& path);
// Entry names of a folder (no "." or ".."), sorted; empty when the folder does not exist.
std::vector<std::string> List(const std::string& folder);
// Removes a file or a folder with everything below it, read-only entries included; a missing path is fine.
void RemoveTree(const std::string& path);
void Copy(const std::string& from, const std::string& to); // replaces `to`
std::uint32_t Attributes(const std::string& path);         // 0xFFFFFFFF when missing
// The user's temporary folder, with a trailing backslash.
std::string TempFolder();

} // namespace platform::win32::disk
