// trimlode_bench_startup: how long trimlode.exe takes from its start until its window is ready (the list
// of operating systems filled, the message loop waiting for input), against the bare window that carries
// the same manifest, in the same Windows (or Wine prefix). The runs alternate between the two programs, so
// a slower moment of the machine weighs on both alike; each program's minimum and median and the ratio of
// the medians are printed.
//
// Usage: trimlode_bench_startup [--runs N] [--os-count N] [--compare PROGRAM] [--floor]
//   --os-count lays out N operating-system folders (at least the demo's own) before the runs.
//   --compare times another build of trimlode.exe (a copy of an earlier one, say) in the same runs, so a
//             change is judged against what it replaces under the same load of the machine.
//   --floor   also times the bare window that loads common controls 6, the least any program with themed
//             controls pays.
#include "demo/module_list.h"
#include "demo/seed.h"
#include "install/paths.h"
#include "platform/win32/disk.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_api.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::win32::KernelHandle;
using platform::win32::Narrow;
using platform::win32::Widen;

constexpr DWORD kReadyTimeoutMs = 60000;
constexpr DWORD kExitTimeoutMs = 10000;

struct Options {
    int runs = 21;
    int osCount = 0; // 0: the demo's own operating systems
    std::string compared;
    bool floor = false;
};

struct Program {
    std::string name;
    std::wstring path;
    bool listsOperatingSystems;
    std::vector<double> milliseconds;
};

std::string OwnFolder() {
    const std::wstring path = platform::win32::ExecutablePath();
    return Narrow(path.substr(0, path.find_last_of(L'\\')));
}

double Now() {
    LARGE_INTEGER counter{}, frequency{};
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && !GetWindow(window, GW_OWNER)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND MainWindowOf(DWORD processId) {
    WindowSearch search{processId, nullptr};
    EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

BOOL CALLBACK CountRadioButton(HWND window, LPARAM data) {
    if ((GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON) {
        ++*reinterpret_cast<int*>(data);
    }
    return TRUE;
}

int RadioButtonsOf(HWND window) {
    int count = 0;
    EnumChildWindows(window, &CountRadioButton, reinterpret_cast<LPARAM>(&count));
    return count;
}

// One start of the program: the time until it waits for input with its window shown. Closes it again.
double TimeOneStart(const Program& program, int expectedItems) {
    const std::wstring folder = program.path.substr(0, program.path.find_last_of(L'\\'));
    std::wstring commandLine = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    const double start = Now();
    if (!CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &info)) {
        throw std::runtime_error("cannot start " + program.name + ": " +
                                 platform::win32::SystemErrorText(GetLastError()));
    }
    const KernelHandle process(info.hProcess);
    const KernelHandle thread(info.hThread);
    const DWORD idle = WaitForInputIdle(process.Get(), kReadyTimeoutMs);
    const double elapsed = Now() - start;
    const HWND window = MainWindowOf(info.dwProcessId);
    std::string fault;
    if (idle != 0 || !window) {
        fault = program.name + " did not show a window waiting for input";
    } else if (program.listsOperatingSystems && RadioButtonsOf(window) != expectedItems) {
        fault = program.name + " lists " + std::to_string(RadioButtonsOf(window)) +
                " operating systems, not " + std::to_string(expectedItems);
    }
    if (window) {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(process.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.Get(), 1);
        WaitForSingleObject(process.Get(), kExitTimeoutMs);
    }
    if (!fault.empty()) {
        throw std::runtime_error(fault);
    }
    return elapsed;
}

// The demo installation, with more (empty) operating-system folders up to `osCount`. Returns how many
// operating systems Trimlode is to list.
int LayOutInstallation(int osCount) {
    const std::string programFiles = demo::ProgramFilesDirOf32BitPrograms();
    demo::SeedInstallation(programFiles, demo::StandInsBeside(OwnFolder()));
    const std::string rim = demo::RimCommonPathBelow(programFiles);
    const int demoCount = static_cast<int>(demo::DemoModules().operatingSystems.size());
    for (int i = demoCount; i < osCount; ++i) {
        platform::win32::disk::MakeFolders(install::JavaDir(rim, "9.9.0." + std::to_string(i)));
    }
    return std::max(demoCount, osCount);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

Options Parse(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--runs") == 0 && hasValue) {
            options.runs = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--os-count") == 0 && hasValue) {
            options.osCount = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--compare") == 0 && hasValue) {
            options.compared = argv[++i];
        } else if (std::strcmp(argv[i], "--floor") == 0) {
            options.floor = true;
        } else {
            throw std::invalid_argument(std::string("unknown argument ") + argv[i]);
        }
    }
    if (options.runs < 1) {
        throw std::invalid_argument("--runs takes a number from 1 up");
    }
    return options;
}

int Run(const Options& options) {
    const int listed = LayOutInstallation(options.osCount);
    const std::wstring folder = Widen(OwnFolder());
    std::vector<Program> programs = {{"bare window", folder + L"\\trimlode_bench_bare_window.exe", false, {}},
                                     {"trimlode.exe", folder + L"\\trimlode.exe", true, {}}};
    if (options.floor) {
        programs.push_back({"bare+comctl6", folder + L"\\trimlode_bench_bare_controls.exe", false, {}});
    }
    if (!options.compared.empty()) {
        // A bare file name is one beside this program.
        const std::wstring compared = Widen(options.compared);
        const bool bare = compared.find_first_of(L"\\/") == std::wstring::npos;
        programs.push_back({"compared", bare ? folder + L"\\" + compared : compared, true, {}});
    }
    std::printf("start-up until the window is ready, %d operating systems listed, %d runs each\n", listed,
                options.runs);
    for (Program& program : programs) {
        TimeOneStart(program, listed); // once unmeasured: the files are in the cache for every run after
    }
    for (int run = 0; run < options.runs; ++run) {
        for (Program& program : programs) {
            program.milliseconds.push_back(TimeOneStart(program, listed));
        }
    }
    for (const Program& program : programs) {
        const double fastest = *std::min_element(program.milliseconds.begin(), program.milliseconds.end());
        std::printf("%-12s min %7.1f ms   median %7.1f ms   ratio to the bare window %.2f\n",
                    program.name.c_str(), fastest, Median(program.milliseconds),
                    Median(program.milliseconds) / Median(programs[0].milliseconds));
    }
    const double ratio = Median(programs[1].milliseconds) / Median(programs[0].milliseconds);
    std::printf("ratio of medians (trimlode.exe / bare window): %.2f\n", ratio);
    demo::SeedInstallation(demo::ProgramFilesDirOf32BitPrograms(), demo::StandInsBeside(OwnFolder()));
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    try {
        return Run(Parse(argc, argv));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "trimlode_bench_startup: %s\n", error.what());
        return 1;
    }
}
