#include "e2e/driver/console_run.h"

#include "e2e/driver/gui.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_error.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <thread>

namespace e2e {

namespace {

using platform::win32::KernelHandle;
using platform::win32::Widen;

struct Pipe {
    KernelHandle read;
    KernelHandle write; // inherited by the program
};

Pipe MakePipe() {
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    HANDLE read = nullptr;
    HANDLE write = nullptr;
    if (!CreatePipe(&read, &write, &inheritable, 0))
        throw std::runtime_error("cannot create a pipe");
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    return {KernelHandle(read), KernelHandle(write)};
}

// Reads until the writer's end closes; run on its own thread so neither pipe can fill up and stall.
void Drain(HANDLE pipe, std::string& into) {
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &read, nullptr) && read > 0)
        into.append(buffer, read);
}

} // namespace

std::string QuoteArgument(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos)
        return argument;
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped; elsewhere they stand as they are.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

ConsoleRun RunConsole(const std::string& exe, const std::vector<std::string>& arguments,
                      const std::string& folder) {
    std::wstring commandLine = L"\"" + Widen(exe) + L"\"";
    for (const std::string& argument : arguments)
        commandLine += L" " + Widen(QuoteArgument(argument));
    Pipe out = MakePipe();
    Pipe err = MakePipe();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = out.write.Get();
    startup.hStdError = err.write.Get();
    PROCESS_INFORMATION info{};
    const std::wstring wideFolder = Widen(folder);
    if (!CreateProcessW(Widen(exe).c_str(), commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                        nullptr, wideFolder.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + exe + ": " +
                                 platform::win32::SystemErrorText(GetLastError()));
    CloseHandle(info.hThread);
    KernelHandle process(info.hProcess);
    // Only the program holds the writing ends now, so the readers stop when it ends.
    out.write.Reset();
    err.write.Reset();
    ConsoleRun run;
    std::thread outReader(Drain, out.read.Get(), std::ref(run.out));
    std::thread errReader(Drain, err.read.Get(), std::ref(run.err));
    const bool ended =
        WaitForSingleObject(process.Get(), static_cast<DWORD>(kTimeout.count())) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.Get(), 1);
    outReader.join();
    errReader.join();
    if (!ended)
        throw std::runtime_error(exe + " did not end in time");
    GetExitCodeProcess(process.Get(), &run.exitCode);
    return run;
}

} // namespace e2e
