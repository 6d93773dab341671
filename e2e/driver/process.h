#pragma once
#include "platform/win32/handles.h"

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace e2e {

// A program the driver started; killed, with every process it started in turn, when the object goes.
class Process {
public:
    // Starts `exe` with `arguments` (already quoted as needed) in `folder`; throws std::runtime_error.
    static Process Start(const std::string& exe, const std::string& arguments, const std::string& folder);

    Process(Process&&) = default;
    Process& operator=(Process&&) = default;
    ~Process();

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_.Get(); }
    bool WaitExit(std::chrono::milliseconds timeout) const;
    bool Running() const;
    void KillTree();

private:
    Process(platform::win32::KernelHandle handle, DWORD id) : handle_(std::move(handle)), id_(id) {}
    platform::win32::KernelHandle handle_;
    DWORD id_ = 0;
};

struct ProcessEntry {
    DWORD id = 0;
    DWORD parent = 0;
    std::string exeName; // file name only, as the system lists it
};

std::vector<ProcessEntry> RunningProcesses();
// The processes started by `root`, by their starters, to any depth.
std::vector<ProcessEntry> Descendants(DWORD root);
bool IsRunning(DWORD id);
void KillProcess(DWORD id);

} // namespace e2e
