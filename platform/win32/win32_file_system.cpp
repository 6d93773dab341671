#include "platform/win32/win32_file_system.h"

#include "platform/name_match.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <aclapi.h>
#include <sddl.h>

#include <memory>
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
        const DWORD error = GetLastError();
        if (error != ERROR_NO_MORE_FILES) {
            stopReason_ = StatusOf(error);
        }
        return false;
    }

    Status StopReason() const override { return stopReason_; }

    // Makes `data` the current entry when our rules admit it.
    bool Take(const WIN32_FIND_DATAW& data) {
        const std::string name = Narrow(data.cFileName);
        const auto attributes = static_cast<std::uint32_t>(data.dwFileAttributes);
        if (!AdmittedByMask(attributes, mask_) || !MatchesPattern(name, pattern_)) {
            return false;
        }
        const std::uint64_t size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
        current_ = DirEntry{name, attributes, size};
        return true;
    }

private:
    FindHandle find_;
    std::string pattern_;
    std::uint32_t mask_;
    DirEntry current_;
    Status stopReason_;
};

struct LocalFreeDeleter {
    void operator()(void* memory) const { LocalFree(memory); }
};

// TrustedInstaller, the service that owns the system's own files; it has no well-known SID constant.
constexpr wchar_t kTrustedInstaller[] = L"S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

bool IsTrustedInstaller(PSID sid) {
    PSID known = nullptr;
    if (!ConvertStringSidToSidW(kTrustedInstaller, &known)) {
        return false;
    }
    const std::unique_ptr<void, LocalFreeDeleter> owned(known);
    return EqualSid(sid, known) != FALSE;
}

// The accounts that administer the machine: the only owners Program Files has.
bool IsAdministration(PSID sid) {
    return IsWellKnownSid(sid, WinBuiltinAdministratorsSid) || IsWellKnownSid(sid, WinLocalSystemSid) ||
           IsTrustedInstaller(sid);
}

// Rights that let their holder put, rename or remove entries in a folder or change who may.
constexpr ACCESS_MASK kChangeRights = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD | DELETE |
                                      WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

// True when an entry of the access list lets anyone but the administration change the folder. Entries that
// only pass on to new children, and those for the owner (who is checked apart), do not count.
bool OthersMayChange(const ACL* dacl) {
    if (dacl == nullptr) {
        return true; // no access list: everyone has every right
    }
    for (DWORD index = 0; index < dacl->AceCount; ++index) {
        void* raw = nullptr;
        if (!GetAce(const_cast<ACL*>(dacl), index, &raw)) {
            return true;
        }
        const auto* header = static_cast<const ACE_HEADER*>(raw);
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE || (header->AceFlags & INHERIT_ONLY_ACE) != 0) {
            continue;
        }
        const auto* ace = static_cast<ACCESS_ALLOWED_ACE*>(raw);
        const PSID sid = const_cast<DWORD*>(&ace->SidStart);
        const bool forOwner =
            IsWellKnownSid(sid, WinCreatorOwnerSid) || IsWellKnownSid(sid, WinCreatorOwnerRightsSid);
        if ((ace->Mask & kChangeRights) != 0 && !forOwner && !IsAdministration(sid)) {
            return true;
        }
    }
    return false;
}

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

bool Win32FileSystem::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WidePath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::optional<FolderSecurity> Win32FileSystem::SecurityOf(const std::string& path) {
    PSID owner = nullptr;
    PACL dacl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    std::wstring wide = WidePath(path);
    const DWORD result = GetNamedSecurityInfoW(wide.data(), SE_FILE_OBJECT,
                                               OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, &owner,
                                               nullptr, &dacl, nullptr, &descriptor);
    if (result != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::unique_ptr<void, LocalFreeDeleter> owned(descriptor);
    FolderSecurity security;
    security.ownedByAdministration = owner != nullptr && IsAdministration(owner);
    security.othersMayChange = OthersMayChange(dacl);
    return security;
}

} // namespace platform::win32
