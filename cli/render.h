#pragma once
#include "removal/inventory.h"
#include "removal/move_log.h"
#include "removal/move_report.h"

#include <cstdint>
#include <string>
#include <vector>

// How each command's outcome reads: as text for people, as one JSON document for scripts.
namespace cli {

struct ListView {
    std::string rimCommonPath;
    std::vector<std::string> systems;
};

struct StatusView {
    std::string rimCommonPath;
    std::string os;
    removal::Inventory inventory;
};

struct RunView {
    std::string command; // "remove" or "restore"
    std::string rimCommonPath;
    std::string os;
    std::vector<std::string> features; // command-line names, in the order the run processes them
    bool dryRun = false;
    std::vector<removal::MovedEntry> moves; // what moved, in order
    removal::MoveReport report;             // what could not be moved
};

std::string ListText(const ListView& view);
// `error`, when given, says why the list may be incomplete.
std::string ListJson(const ListView& view, int exitCode, const std::string& error = {});
std::string StatusText(const StatusView& view);
std::string StatusJson(const StatusView& view, int exitCode);
std::string RunText(const RunView& view);
std::string RunJson(const RunView& view, int exitCode);
std::string ErrorJson(const std::string& command, const std::string& message, int exitCode);
std::string HelpJson();
std::string VersionJson(const std::string& version);

// "1,234,567 bytes", with "(1.2 MB)" after it from 1 MB on, as Windows counts: 1 MB is 1,048,576 bytes.
std::string Bytes(std::uint64_t bytes);

} // namespace cli
