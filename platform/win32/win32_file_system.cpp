#include "platform/win32/win32_file_system.h"

#include "platform/name_match.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <utility>

namespace platform::win32 {
namespace {

class Win32Enumeration : public DirectoryEnumeration {
public:
    Win32Enumeration(FindHandle find, std::string pattern, std::uint32_t mask)
        : find_(std::move(find)), pattern_(std::move(pattern)), mask_(mask) {}

    const DirEntry& Current() const override { return current_; }

    bool Next() override {
        WIN32_FIND_DATAW data;
        while (FindNextFileW(find_.Get(), &data)) {
            if (Take(data)) {
                return true;
            }
        }
        return false;
    }

    // Makes `data` the current entry when our rules admit it.
    bool Take(const WIN32_FIND_DATAW& data) {
        const std::string name = Narrow(data.cFileName);
        const auto attributes = static_cast<std::uint32_t>(data.dwFileAttributes);
        if (!AdmittedByMask(attributes, mask_) || !MatchesPattern(name, pattern_)) {
            return false;
        }
        current_ = DirEntry{name, attributes};
        return true;
    }

private:
    FindHandle find_;
    std::string pattern_;
    std::uint32_t mask_;
    DirEntry current_;
};

} // namespace

std::unique_ptr<DirectoryEnumeration> Win32FileSystem::Enumerate(const std::string& folderAndPattern,
                                                                 std::uint32_t mask, Status& failure) {
    failure = Status::Success();
    const std::size_t cut = folderAndPattern.find_last_of("\\/");
    std::string pattern = cut == std::string::npos ? folderAndPattern : folderAndPattern.substr(cut + 1);
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileExW(WidePath(folderAndPattern).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0));
    if (!find.Valid()) {
        const DWORD error = GetLastError();
        // No match and no such folder are answers; anything else means the folder could not be read.
        if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND && error != ERROR_NO_MORE_FILES) {
            failure = StatusOf(error);
        }
        return nullptr;
    }
    auto enumeration = std::make_unique<Win32Enumeration>(std::move(find), std::move(pattern), mask);
    if (!enumeration->Take(data) && !enumeration->Next()) {
        return nullptr;
    }
    return enumeration;
}

Status Win32FileSystem::MoveEntry(const std::string& from, const std::string& to) {
    if (!MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), 0)) {
        return LastErrorStatus();
    }
    return Status::Success();
}

Status Win32FileSystem::MoveEntryReplacing(const std::string& from, const std::string& to) {
    if (!MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING)) {
        return LastErrorStatus();
    }
    return Status::Success();
}

Status Win32FileSystem::MakeFolder(const std::string& path) {
    if (!CreateDirectoryW(WidePath(path).c_str(), nullptr)) {
        return LastErrorStatus();
    }
    return Status::Success();
}

Status Win32FileSystem::RemoveFile(const std::string& path) {
    if (!DeleteFileW(WidePath(path).c_str())) {
        return LastErrorStatus();
    }
    return Status::Success();
}

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace platform::win32
