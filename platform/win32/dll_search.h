#pragma once

namespace platform::win32 {

// Makes the process load libraries from the system folder only, never from the current or the program's
// folder, where someone could plant a DLL for an elevated process. Called first thing by every program.
void LoadLibrariesFromSystemFolderOnly();

} // namespace platform::win32
