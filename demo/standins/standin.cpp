// Stands in for one of the maker's programs (its name comes from TRIMLODE_STANDIN_NAME) in the demo
// installation and the tests: it appends its command line to trimlode-standins.log and shows a small
// window saying how it was started. The log goes to the folder named by TRIMLODE_STANDIN_LOG_DIR, else
// beside the program; TRIMLODE_STANDIN_AUTOCLOSE makes the window close itself after five seconds.
#include "platform/win32/gdi.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <string>

#ifndef TRIMLODE_STANDIN_NAME
#error "TRIMLODE_STANDIN_NAME must name the program this stands in for"
#endif

namespace {

const wchar_t kProgramName[] = L"" TRIMLODE_STANDIN_NAME;
const wchar_t kLogName[] = L"trimlode-standins.log";
const wchar_t kWindowClass[] = L"TrimlodeStandIn";
constexpr UINT_PTR kAutoCloseTimer = 1;
constexpr UINT kAutoCloseMilliseconds = 5000;
constexpr int kCloseButtonId = IDCANCEL;

std::wstring Environment(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) {
        return {};
    }
    std::wstring value(size, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), size));
    return value;
}

// The arguments as given: whatever follows the program name, which is quoted or ends at the first blank.
std::wstring Arguments(const std::wstring& commandLine) {
    size_t end = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        end = commandLine.find(L'"', 1);
        end = end == std::wstring::npos ? commandLine.size() : end + 1;
    } else {
        end = commandLine.find_first_of(L" \t");
        end = end == std::wstring::npos ? commandLine.size() : end;
    }
    const size_t start = commandLine.find_first_not_of(L" \t", end);
    return start == std::wstring::npos ? std::wstring() : commandLine.substr(start);
}

std::wstring LogPath() {
    std::wstring folder = Environment(L"TRIMLODE_STANDIN_LOG_DIR");
    if (folder.empty()) {
        folder = platform::win32::ExecutablePath();
        folder.resize(folder.find_last_of(L"\\/") + 1);
    } else if (folder.back() != L'\\' && folder.back() != L'/') {
        folder += L'\\';
    }
    return folder + kLogName;
}

// One line per start; line breaks inside the command line become blanks so each start stays one line.
void AppendToLog(const std::wstring& commandLine) {
    std::string line = platform::win32::Narrow(commandLine);
    for (char& ch : line) {
        if (ch == '\r' || ch == '\n') {
            ch = ' ';
        }
    }
    line += "\r\n";
    const platform::win32::FileHandle log(CreateFileW(LogPath().c_str(), FILE_APPEND_DATA,
                                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                      OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!log.Valid()) {
        return;
    }
    DWORD written = 0;
    WriteFile(log.Get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

int Scale(HWND window, int value) {
    const platform::win32::WindowDc dc(window);
    const int dpi = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    return MulDiv(value, dpi, USER_DEFAULT_SCREEN_DPI);
}

void AddChildren(HWND window, const std::wstring& message) {
    RECT client{};
    GetClientRect(window, &client);
    const int margin = Scale(window, 12);
    const int buttonWidth = Scale(window, 75);
    const int buttonHeight = Scale(window, 23);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const HWND text =
        CreateWindowExW(0, L"STATIC", message.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, margin,
                        margin, client.right - 2 * margin, client.bottom - 3 * margin - buttonHeight, window,
                        nullptr, instance, nullptr);
    const HWND close = CreateWindowExW(
        0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
        client.right - margin - buttonWidth, client.bottom - margin - buttonHeight, buttonWidth, buttonHeight,
        window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCloseButtonId)), instance, nullptr);
    SendMessageW(text, WM_SETFONT, font, FALSE);
    SendMessageW(close, WM_SETFONT, font, FALSE);
    SetFocus(close);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        AddChildren(window,
                    static_cast<const wchar_t*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
        return 0;
    case WM_COMMAND:
        if (LOWORD(wParam) == kCloseButtonId) {
            DestroyWindow(window);
        }
        return 0;
    case WM_TIMER:
        if (wParam == kAutoCloseTimer) {
            DestroyWindow(window);
        }
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateMainWindow(HINSTANCE instance, const std::wstring& message) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass);

    const std::wstring caption = std::wstring(kProgramName) + L" (Trimlode stand-in)";
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT frame{0, 0, Scale(nullptr, 480), Scale(nullptr, 120)};
    AdjustWindowRectEx(&frame, style, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    return CreateWindowExW(0, kWindowClass, caption.c_str(), style,
                           work.left + (work.right - work.left - width) / 2,
                           work.top + (work.bottom - work.top - height) / 2, width, height, nullptr, nullptr,
                           instance, const_cast<wchar_t*>(message.c_str()));
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    const std::wstring commandLine = GetCommandLineW();
    AppendToLog(commandLine);

    const std::wstring arguments = Arguments(commandLine);
    const std::wstring message = L"Stand-in for " + std::wstring(kProgramName) + L", started as\r\n" +
                                 platform::win32::ExecutablePath() + L"\r\nwith the arguments: " +
                                 (arguments.empty() ? L"(none)" : arguments);
    const HWND window = CreateMainWindow(instance, message);
    if (window == nullptr) {
        return 1;
    }
    if (!Environment(L"TRIMLODE_STANDIN_AUTOCLOSE").empty()) {
        SetTimer(window, kAutoCloseTimer, kAutoCloseMilliseconds, nullptr);
    }
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!IsDialogMessageW(window, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}
