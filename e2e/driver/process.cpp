#include "e2e/driver/process.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include "platform/win32/disk.h"

#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>

namespace e2e {

using platform::win32::KernelHandle;
using platform::win32::Narrow;
using platform::win32::Widen;

Process Process::Start(const std::string& exe, const std::string& arguments, const std::string& folder) {
    std::wstring commandLine = L"\"" + Widen(exe) + L"\"";
    if (!arguments.empty())
        commandLine += L" " + Widen(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const std::wstring wideFolder = Widen(folder);
    if (!CreateProcessW(Widen(exe).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        wideFolder.empty() ? nullptr : wideFolder.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + exe + ": " +
                                 platform::win32::SystemErrorText(GetLastError()));
    const KernelHandle thread(info.hThread);
    return Process(KernelHandle(info.hProcess), info.dwProcessId);
}

Process::~Process() {
    if (handle_.Valid())
        KillTree();
}

bool Process::WaitExit(std::chrono::milliseconds timeout) const {
    return WaitForSingleObject(handle_.Get(), static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool Process::Running() const {
    return !WaitExit(std::chrono::milliseconds(0));
}

void Process::KillTree() {
    // Children first: once the starter is gone its children could no longer be found by parent.
    for (const auto& child : Descendants(id_))
        KillProcess(child.id);
    if (Running()) {
        TerminateProcess(handle_.Get(), 1);
        WaitExit(std::chrono::seconds(5));
    }
}

std::vector<ProcessEntry> RunningProcesses() {
    std::vector<ProcessEntry> entries;
    const platform::win32::SnapshotHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid())
        return entries;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot.Get(), &entry); more;
         more = Process32NextW(snapshot.Get(), &entry))
        entries.push_back({entry.th32ProcessID, entry.th32ParentProcessID, Narrow(entry.szExeFile)});
    return entries;
}

std::vector<ProcessEntry> Descendants(DWORD root) {
    const auto all = RunningProcesses();
    std::vector<ProcessEntry> found;
    std::vector<DWORD> parents{root};
    while (!parents.empty()) {
        const DWORD parent = parents.back();
        parents.pop_back();
        for (const auto& entry : all) {
            if (entry.parent == parent && entry.id != root &&
                std::none_of(found.begin(), found.end(), [&](const auto& f) { return f.id == entry.id; })) {
                found.push_back(entry);
                parents.push_back(entry.id);
            }
        }
    }
    return found;
}

bool IsRunning(DWORD id) {
    const auto all = RunningProcesses();
    return std::any_of(all.begin(), all.end(), [&](const ProcessEntry& entry) { return entry.id == id; });
}

void KillProcess(DWORD id) {
    const KernelHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id));
    if (!process.Valid())
        return;
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), 5000);
}

} // namespace e2e
