#pragma once
#include <string>
#include <vector>

namespace cli {

enum class Command { Help, Version, List, Status, Remove, Restore };

// What the command line asks for, checked: a known command with the operands it needs, plain names only.
struct Request {
    Command command = Command::Help;
    std::string commandWord;           // as typed: "list", "status", ...; empty for --help and --version
    std::string os;                    // status, remove and restore
    std::vector<std::string> features; // remove: check-box names as the module catalogue spells them
    bool json = false;
    bool dryRun = false;
};

struct ParsedArguments {
    Request request;   // --json is known even when there is an error, so the error can be written as JSON
    std::string error; // a usage error, worded for the user; empty when the request is good
};

// Parses the arguments after the program name, in any order of operands and options; "--" ends the
// options, so an operating system whose name starts with "-" can still be given.
ParsedArguments ParseArguments(const std::vector<std::string>& arguments);

// A feature's name on the command line: its check box's name in lower case.
std::string FeatureName(const std::string& checkBox);

} // namespace cli
