#include "platform/win32/dll_search.h"

#include "platform/win32/system_api.h"

#include <windows.h>

namespace platform::win32 {

// Windows 7 has SetDefaultDllDirectories only with update KB2533623, hence the lookup; without it, at least
// the current folder leaves the search.
void LoadLibrariesFromSystemFolderOnly() {
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        Lookup<SetDefaultDllDirectoriesFn>(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (!setDefaultDllDirectories || !setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
        SetDllDirectoryW(L"");
    }
}

} // namespace platform::win32
