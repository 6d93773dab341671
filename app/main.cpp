// The Windows entry: makes the process safe to run elevated, then runs the program on the real platform.
#include "app/application.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_shell.h"
#include "platform/win32/win32_window.h"
#include "resource.h"
#include "ui/texts.h"

#include <windows.h>

#include <exception>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    platform::win32::LoadLibrariesFromSystemFolderOnly();
    // One Trimlode per signed-in user: a second one shows the first and leaves it the work.
    const platform::win32::SingleInstance instance(platform::win32::PerUserName(L"Trimlode"));
    if (!instance.IsFirst()) {
        platform::win32::BringWindowToFront(platform::win32::Win32WindowLibrary::kFormClassName);
        return 0;
    }

    platform::win32::Win32Registry registry;
    platform::win32::Win32FileSystem files;
    platform::win32::Win32Shell shell;
    platform::win32::Win32Dialogs dialogs({ui::texts::kOk, ui::texts::kCancel});
    platform::win32::Win32WindowLibrary windows(TRIMLODE_ICON_ID);
    platform::Platform platform{registry, files, shell, dialogs, windows};
    install::AppState state;
    try {
        return app::RunApplication(state, platform);
    } catch (const std::exception& error) {
        // Handlers report their own errors; anything else ends the program, but never silently.
        dialogs.ShowErrorBox(ui::texts::kProgramName, error.what());
        return 1;
    }
}
