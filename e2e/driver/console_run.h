#pragma once
#include <string>
#include <vector>

namespace e2e {

// What a console program printed and how it ended.
struct ConsoleRun {
    unsigned long exitCode = 0;
    std::string out; // standard output, as the bytes it wrote
    std::string err; // standard error
};

// Runs `exe` with `arguments` (each quoted for the program's command line) in `folder`, with standard
// output and error captured through pipes, and waits for it to end. Throws std::runtime_error when it
// cannot start or has not ended within the driver's timeout (it is killed then).
ConsoleRun RunConsole(const std::string& exe, const std::vector<std::string>& arguments,
                      const std::string& folder);

// One argument as a program's command-line parser reads it back unchanged.
std::string QuoteArgument(const std::string& argument);

} // namespace e2e
