// The pieces of the Win32 layer that the contract tests do not reach: text conversion, error texts, the
// shell's failures and the program's folder, and the message boxes' answers.
#include "platform/win32/single_instance.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_dialogs.h"
#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include <chrono>
#include <string>
#include <thread>

namespace {

using platform::win32::Narrow;
using platform::win32::Widen;

TEST(Win32Text, Utf8AndUtf16RoundTrip) {
    const std::string samples[] = {"", "plain", "Größe", "система", "名前", "phone \xF0\x9F\x93\xB1"};
    for (const auto& s : samples) {
        EXPECT_EQ(Narrow(Widen(s)), s);
    }
    EXPECT_EQ(Widen("Größe"), std::wstring(L"Gr\u00F6\u00DFe"));
    EXPECT_EQ(Widen("\xF0\x9F\x93\xB1").size(), 2u); // a surrogate pair
    EXPECT_EQ(Widen("a\xFF"
                    "b"),
              std::wstring(L"a\uFFFDb"));
    const std::wstring unpaired[] = {L"vad_\xDC80.cod", L"\xD800", L"\xDC00\xD800x"};
    for (const auto& wide : unpaired) {
        EXPECT_EQ(Widen(Narrow(wide)), wide);
    }
}

// Full paths are taken literally ("\\?\"), so a trailing dot or blank stays part of the name; separators,
// "." and ".." pieces are resolved first, as Windows would.
TEST(Win32Text, FullPathsGetTheLiteralPrefix) {
    struct Case {
        std::string path;
        std::wstring expected;
    };
    const Case cases[] = {
        {"C:\\Program Files\\Trimlode", L"\\\\?\\C:\\Program Files\\Trimlode"},
        {"C:\\Loader Files\\4.5.0.44.\\java\\", L"\\\\?\\C:\\Loader Files\\4.5.0.44.\\java\\"},
        {"C:\\Loader Files\\4.5.0.44 \\*.cod", L"\\\\?\\C:\\Loader Files\\4.5.0.44 \\*.cod"},
        {"c:/a//b/./c/../d", L"\\\\?\\c:\\a\\b\\d"},
        {"C:\\..\\..\\x", L"\\\\?\\C:\\x"},
        {"C:\\", L"\\\\?\\C:\\"},
        {"C:\\java\\con.cod", L"\\\\?\\C:\\java\\con.cod"},
        {"\\\\server\\share\\dir.\\f", L"\\\\?\\UNC\\server\\share\\dir.\\f"},
        {"\\\\?\\C:\\as is.\\..", L"\\\\?\\C:\\as is.\\.."},
        {"relative\\name.cod", L"relative\\name.cod"},
        {"\\\\server", L"\\\\server"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::win32::WidePath(c.path), c.expected) << c.path;
    }
    const std::string longPath = "C:\\" + std::string(300, 'x') + "\\file.cod";
    EXPECT_EQ(platform::win32::WidePath(longPath), L"\\\\?\\" + Widen(longPath));
    EXPECT_EQ(platform::win32::WidePath("\\\\server\\share\\" + std::string(300, 'y')),
              L"\\\\?\\UNC\\server\\share\\" + std::wstring(300, L'y'));
}

TEST(Win32Errors, SystemTextsAreTrimmedAndUnknownCodesNamed) {
    const std::string text = platform::win32::SystemErrorText(ERROR_FILE_NOT_FOUND);
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    EXPECT_NE(text.back(), ' ');
    EXPECT_EQ(platform::win32::SystemErrorText(0x2FFFFFFF), "System error 805306367.");
    EXPECT_TRUE(platform::win32::StatusOf(0).ok());
}

TEST(Win32Shell, ResultsOf32OrLessBecomeSystemErrors) {
    struct Case {
        long long result;
        unsigned long error;
    };
    const Case cases[] = {
        {0, ERROR_NOT_ENOUGH_MEMORY},
        {SE_ERR_FNF, ERROR_FILE_NOT_FOUND},
        {SE_ERR_PNF, ERROR_PATH_NOT_FOUND},
        {SE_ERR_ACCESSDENIED, ERROR_ACCESS_DENIED},
        {SE_ERR_SHARE, ERROR_SHARING_VIOLATION},
        {SE_ERR_NOASSOC, ERROR_NO_ASSOCIATION},
        {SE_ERR_ASSOCINCOMPLETE, ERROR_NO_ASSOCIATION},
        {SE_ERR_DDEBUSY, ERROR_DDE_FAIL},
        {SE_ERR_DLLNOTFOUND, ERROR_DLL_NOT_FOUND},
        {ERROR_BAD_FORMAT, ERROR_BAD_FORMAT},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::win32::ShellExecuteError(c.result), c.error) << c.result;
    }
}

TEST(Win32Shell, OpeningAMissingProgramFailsWithoutStartingAnything) {
    platform::win32::Win32Shell shell;
    const std::string folder = shell.ExecutableFolder();
    const platform::Status status = shell.Open(folder + "no such folder\\loader.exe", "/nojvm", nullptr);
    EXPECT_TRUE(status.code == ERROR_FILE_NOT_FOUND || status.code == ERROR_PATH_NOT_FOUND) << status.code;
    EXPECT_FALSE(status.message.empty());
}

TEST(Win32Shell, ExecutableFolderHoldsTheRunningProgram) {
    platform::win32::Win32Shell shell;
    const std::string folder = shell.ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    const DWORD attributes = GetFileAttributesW(Widen(folder + "trimlode_tests.exe").c_str());
    EXPECT_NE(attributes, INVALID_FILE_ATTRIBUTES);
}

TEST(Win32SingleInstance, OnlyTheFirstHolderOfTheNameIsFirst) {
    const std::wstring name =
        platform::win32::PerUserName(L"TrimlodeTest-" + std::to_wstring(GetCurrentProcessId()));
    EXPECT_EQ(name.rfind(L"Local\\TrimlodeTest-", 0), 0u);
    EXPECT_NE(name.find(L"-S-1-5-"), std::wstring::npos) << "one name per user";
    {
        const platform::win32::SingleInstance first(name);
        EXPECT_TRUE(first.IsFirst());
        const platform::win32::SingleInstance second(name);
        EXPECT_FALSE(second.IsFirst());
        EXPECT_TRUE(platform::win32::SingleInstance(name + L"-other").IsFirst());
    }
    EXPECT_TRUE(platform::win32::SingleInstance(name).IsFirst()) << "the name is free once the first ends";
}

TEST(Win32SingleInstance, TheFirstWindowComesToTheFrontRestored) {
    const wchar_t* kClass = L"TrimlodeTestFront";
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClass;
    ASSERT_NE(RegisterClassExW(&windowClass), 0);
    EXPECT_FALSE(platform::win32::BringWindowToFront(kClass)) << "no window yet";

    const HWND window = CreateWindowExW(0, kClass, L"first", WS_OVERLAPPEDWINDOW, 10, 10, 200, 100, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(window));
    EXPECT_TRUE(platform::win32::BringWindowToFront(kClass));
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    DestroyWindow(window);
    UnregisterClassW(kClass, GetModuleHandleW(nullptr));
}

// Waits for the message box captioned `caption`, then answers it with the button `command`, as a user
// pressing Enter (IDOK) or Esc (IDCANCEL) would. Returns the text the box showed.
std::wstring AnswerBox(const wchar_t* caption, int command) {
    for (int attempt = 0; attempt < 250; ++attempt) {
        const HWND box = FindWindowW(L"#32770", caption);
        if (box != nullptr) {
            wchar_t text[512] = {};
            GetDlgItemTextW(box, 0xFFFF, text, 512); // the message's static control
            PostMessageW(box, WM_COMMAND, command, 0);
            return text;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return L"(no box)";
}

TEST(Win32Dialogs, MessageBoxesAnswerOkAndCancel) {
    platform::win32::Win32Dialogs dialogs({"OK", "Cancel"});
    struct Case {
        int command;
        bool expected;
    };
    for (const Case c : {Case{IDOK, true}, Case{IDCANCEL, false}}) {
        std::wstring shown;
        std::thread user([&] { shown = AnswerBox(L"Wipe Größe", c.command); });
        EXPECT_EQ(dialogs.AskErrorOkCancel("Wipe Größe", "Wipe the phone?"), c.expected);
        user.join();
        EXPECT_EQ(shown, L"Wipe the phone?");
    }

    std::wstring shown;
    std::thread user([&] { shown = AnswerBox(L"Trimlode", IDCANCEL); }); // Esc also closes a plain message
    dialogs.ShowMessage("Trimlode", "Action completed.");
    user.join();
    EXPECT_EQ(shown, L"Action completed.");
}

// An error that ends the program is shown after the main window is gone: a box owned by a window that no
// longer exists would never appear.
TEST(Win32Dialogs, BoxesStillShowOnceTheOwnerWindowIsGone) {
    const HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    platform::win32::Win32Dialogs dialogs({"OK", "Cancel"});
    dialogs.SetOwner(owner);
    DestroyWindow(owner);

    std::wstring shown;
    std::thread user([&] { shown = AnswerBox(L"Trimlode", IDOK); });
    dialogs.ShowErrorBox("Trimlode", "out of memory");
    user.join();
    EXPECT_EQ(shown, L"out of memory");
}

} // namespace
