// The launchers through the real Windows shell: the stand-ins of the maker's programs record how they were
// started, and the help file must come up in the help viewer. The stand-ins and Trimlode.chm are built
// beside the test program (stand-ins in its "standins" folder).
#ifdef _WIN32
#include "platform/sim/sim_registry.h"
#include "platform/win32/handles.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_shell.h"
#include "tools/launchers.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string Utf8(const fs::path& path) {
    return platform::win32::Narrow(path.wstring());
}

fs::path FromUtf8(const std::string& text) {
    return fs::path(platform::win32::Widen(text));
}

// Sets an environment variable for this process and the programs it starts, restoring the old value.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name) {
        const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
        if (size != 0) {
            previous_.resize(size);
            previous_.resize(GetEnvironmentVariableW(name, previous_.data(), size));
            hadValue_ = true;
        }
        SetEnvironmentVariableW(name, value.c_str());
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_, hadValue_ ? previous_.c_str() : nullptr); }

private:
    const wchar_t* name_;
    std::wstring previous_;
    bool hadValue_ = false;
};

class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const fs::path& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;
    ~ScopedCurrentFolder() { fs::current_path(previous_); }

private:
    fs::path previous_;
};

std::set<DWORD> ProcessesNamed(const std::wstring& exeName) {
    std::set<DWORD> pids;
    const platform::win32::SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) {
        return pids;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL found = Process32FirstW(snapshot.Get(), &entry); found;
         found = Process32NextW(snapshot.Get(), &entry)) {
        if (_wcsicmp(entry.szExeFile, exeName.c_str()) == 0) {
            pids.insert(entry.th32ProcessID);
        }
    }
    return pids;
}

struct WindowSearch {
    DWORD pid = 0;
    const wchar_t* className = nullptr;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto& search = *reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    const bool pidMatches = search.pid == 0 || pid == search.pid;
    const bool classMatches = search.className == nullptr || std::wcscmp(className, search.className) == 0;
    if (pidMatches && classMatches && IsWindowVisible(window)) {
        search.found.push_back(window);
    }
    return TRUE;
}

// Visible top-level windows of a process (any process when pid is 0), optionally of one class.
std::vector<HWND> VisibleWindows(DWORD pid, const wchar_t* className = nullptr) {
    WindowSearch search{pid, className, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring TitleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

template <typename Condition> bool WaitUntil(Condition condition, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        std::this_thread::sleep_for(100ms);
    }
    return true;
}

// Asks the process to close through its windows; ends it when it does not go within a few seconds.
void CloseProcess(DWORD pid) {
    const platform::win32::KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, pid));
    for (const HWND window : VisibleWindows(pid)) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (process.Valid() && WaitForSingleObject(process.Get(), 5000) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), 5000);
    }
}

// The stand-in's window, which it shows right after writing its log line.
void CloseStandIn() {
    std::vector<HWND> windows;
    WaitUntil([&windows] { return !(windows = VisibleWindows(0, L"TrimlodeStandIn")).empty(); }, 10s);
    for (const HWND window : windows) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        CloseProcess(pid);
    }
}

std::vector<std::string> LogLines(const fs::path& log) {
    std::vector<std::string> lines;
    std::ifstream in(log, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
}

// A logged command line split into the program (unquoted) and the arguments after it.
std::pair<std::string, std::string> SplitCommandLine(const std::string& line) {
    size_t end = 0;
    std::string program;
    if (!line.empty() && line[0] == '"') {
        end = line.find('"', 1);
        program = line.substr(1, end - 1);
        ++end;
    } else {
        end = std::min(line.find(' '), line.size());
        program = line.substr(0, end);
    }
    const size_t start = line.find_first_not_of(' ', end);
    return {program, start == std::string::npos ? "" : line.substr(start)};
}

// A scratch folder with blanks and a non-ASCII letter in its name, as installations have, and the
// stand-ins' log folder inside it.
class ShellLaunch : public testing::Test {
protected:
    void SetUp() override {
        scratch_ =
            fs::temp_directory_path() / (L"trimlode launch \u00E9 " + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(scratch_);
        fs::create_directories(scratch_ / L"logs");
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(scratch_, ignored);
    }

    fs::path TestFolder() { return FromUtf8(shell_.ExecutableFolder()); }
    fs::path Log() const { return scratch_ / L"logs" / L"trimlode-standins.log"; }

    // Opens `launch` with the stand-ins logging into the scratch folder, and returns the one logged line.
    std::string OpenAndReadLog(const tools::Launch& launch) {
        const ScopedEnvironment logDir(L"TRIMLODE_STANDIN_LOG_DIR", (scratch_ / L"logs").wstring());
        const ScopedEnvironment autoClose(L"TRIMLODE_STANDIN_AUTOCLOSE", L"1");
        const platform::Status status = shell_.Open(launch.file, launch.parameters, nullptr);
        EXPECT_TRUE(status.ok()) << status.message;
        std::vector<std::string> lines;
        WaitUntil([&] { return !(lines = LogLines(Log())).empty(); }, 20s);
        CloseStandIn();
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? std::string() : lines.front();
    }

    platform::win32::Win32Shell shell_;
    fs::path scratch_;
};

TEST_F(ShellLaunch, TheWipeStartsTheLoaderWithNoJvm) {
    const fs::path rim = scratch_ / L"Common Files" / L"Research In Motion";
    fs::create_directories(rim / L"AppLoader");
    fs::copy_file(TestFolder() / L"standins" / L"loader.exe", rim / L"AppLoader" / L"loader.exe");

    const tools::Launch launch = tools::WipeLoaderLaunch(Utf8(rim) + "\\");
    const auto [program, arguments] = SplitCommandLine(OpenAndReadLog(launch));
    EXPECT_TRUE(fs::equivalent(FromUtf8(program), rim / L"AppLoader" / L"loader.exe")) << program;
    EXPECT_EQ(arguments, "/nojvm");
}

TEST_F(ShellLaunch, DesktopManagerStartsBelowProgramFilesDirWithoutArguments) {
    const fs::path programFiles = scratch_ / L"Program Files";
    const fs::path blackBerry = programFiles / L"Research In Motion" / L"BlackBerry";
    fs::create_directories(blackBerry);
    fs::copy_file(TestFolder() / L"standins" / L"DesktopMgr.exe", blackBerry / L"DesktopMgr.exe");
    platform::sim::SimRegistry registry;
    registry.SetString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", Utf8(programFiles));

    const auto [program, arguments] = SplitCommandLine(OpenAndReadLog(tools::DesktopManagerLaunch(registry)));
    EXPECT_TRUE(fs::equivalent(FromUtf8(program), blackBerry / L"DesktopMgr.exe")) << program;
    EXPECT_EQ(arguments, "");
}

TEST_F(ShellLaunch, HelpOpensTheFileBesideTheProgramInTheHelpViewer) {
    if (!fs::exists(TestFolder() / L"Trimlode.chm")) {
        GTEST_SKIP() << "Trimlode.chm is not built (no help compiler)";
    }
    // A current folder holding a stray file of the same name changes nothing. (Windows would open that
    // file for a bare name; Wine's shell looks beside the program first, hence the check of the path.)
    std::ofstream(scratch_ / L"Trimlode.chm") << "not a help file";
    const ScopedCurrentFolder elsewhere(scratch_);
    const std::set<DWORD> before = ProcessesNamed(L"hh.exe");

    const tools::Launch launch = tools::HelpLaunch(shell_.ExecutableFolder());
    ASSERT_TRUE(FromUtf8(launch.file).is_absolute()) << launch.file;
    EXPECT_TRUE(fs::equivalent(FromUtf8(launch.file), TestFolder() / L"Trimlode.chm")) << launch.file;

    const platform::Status status = shell_.Open(launch.file, launch.parameters, nullptr);
    ASSERT_TRUE(status.ok()) << status.message;

    DWORD viewer = 0;
    WaitUntil(
        [&] {
            for (const DWORD pid : ProcessesNamed(L"hh.exe")) {
                viewer = before.count(pid) == 0 ? pid : viewer;
            }
            return viewer != 0;
        },
        20s);
    ASSERT_NE(viewer, 0u) << "no help viewer started";
    // The window title comes from the help file's own window definition.
    std::vector<HWND> windows;
    WaitUntil([&] { return !(windows = VisibleWindows(viewer)).empty() && TitleOf(windows.front()) != L""; },
              10s);
    std::vector<std::wstring> titles;
    for (const HWND window : windows) {
        titles.push_back(TitleOf(window));
    }
    CloseProcess(viewer);
    EXPECT_NE(std::find(titles.begin(), titles.end(), L"Trimlode Help"), titles.end());
}

} // namespace
#endif
