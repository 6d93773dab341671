// The console entry of trimlode-cli.exe: runs one command line on the real platform and prints what the
// command returns, with its exit code.
#include "cli/commands.h"
#include "cli/texts.h"
#include "platform/win32/console.h"
#include "platform/win32/dll_search.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"

#include <exception>
#include <string>
#include <vector>

int wmain(int argc, wchar_t** argv) {
    using platform::win32::StandardStream;
    using platform::win32::WriteStandard;
    platform::win32::LoadLibrariesFromSystemFolderOnly();
    try {
        std::vector<std::string> arguments;
        for (int i = 1; i < argc; ++i) {
            arguments.push_back(platform::win32::Narrow(argv[i]));
        }
        platform::win32::Win32Registry registry;
        platform::win32::Win32FileSystem files;
        const cli::Output output = cli::Execute(arguments, registry, files);
        WriteStandard(StandardStream::Output, output.out);
        WriteStandard(StandardStream::Error, output.err);
        return output.exitCode;
    } catch (const std::exception& error) {
        // Commands report their own failures; anything else still ends with a message, never silently.
        WriteStandard(StandardStream::Error, std::string(cli::texts::kProgram) + ": " + error.what() + "\n");
        return cli::exit_code::kNotAllMoved;
    }
}
