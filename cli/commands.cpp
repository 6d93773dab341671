#include "cli/commands.h"

#include "cli/arguments.h"
#include "cli/render.h"
#include "cli/texts.h"
#include "install/catalogue.h"
#include "install/paths.h"
#include "install/program_files.h"
#include "install/selection.h"
#include "removal/inventory.h"
#include "removal/module_catalogue.h"
#include "removal/move_log.h"
#include "removal/preview.h"
#include "removal/runs.h"

#include <algorithm>
#include <stdexcept>

#ifndef TRIMLODE_VERSION
#define TRIMLODE_VERSION "unknown"
#endif

namespace cli {

namespace {

// Ends a command early with an exit code and a message for the user.
struct Stop : std::runtime_error {
    Stop(int code, const std::string& message) : std::runtime_error(message), exitCode(code) {}
    int exitCode;
};

struct Installation {
    std::string rimCommonPath;
    std::vector<std::string> systems;
    platform::Status cutShort; // why the list of systems may be incomplete
};

// The same probe, fallback and list as the window's start-up.
Installation FindInstallation(platform::Registry& registry, platform::FileSystem& files) {
    Installation installation;
    try {
        installation.rimCommonPath = install::LocateRimCommonPath(registry, files);
    } catch (const install::ProgramFilesDirError& error) {
        throw Stop(exit_code::kNoInstallation, texts::ProgramFilesDirMessage(error));
    }
    auto systems = install::ListOperatingSystems(files, installation.rimCommonPath, installation.cutShort);
    if (!systems) {
        throw Stop(exit_code::kNoInstallation,
                   texts::NoOperatingSystems(install::LoaderFilesDir(installation.rimCommonPath)));
    }
    installation.systems = std::move(*systems);
    return installation;
}

// The listed spelling of the requested name: the folder the window would confirm.
std::string ListedOs(const Installation& installation, const std::string& requested) {
    const auto listed = install::FindListedName(installation.systems, requested);
    if (!listed) {
        const std::string loaderFiles = install::LoaderFilesDir(installation.rimCommonPath);
        throw Stop(exit_code::kNoInstallation,
                   installation.cutShort.ok()
                       ? texts::NoSuchOs(requested, loaderFiles)
                       : texts::ListCutShort(loaderFiles, installation.cutShort.message));
    }
    return *listed;
}

Output Print(const Request& request, int exitCode, const std::string& text, const std::string& json) {
    return {exitCode, request.json ? json : text, {}};
}

// A list cut short still shows what was found, says why the rest is missing, and ends with 1.
Output List(const Request& request, const Installation& installation) {
    const ListView view{installation.rimCommonPath, installation.systems};
    if (installation.cutShort.ok()) {
        return Print(request, exit_code::kDone, ListText(view), ListJson(view, exit_code::kDone));
    }
    const std::string why = texts::ListCutShort(install::LoaderFilesDir(installation.rimCommonPath),
                                                installation.cutShort.message);
    Output output =
        Print(request, exit_code::kNotAllMoved, ListText(view), ListJson(view, exit_code::kNotAllMoved, why));
    if (!request.json) {
        output.err = std::string(texts::kProgram) + ": " + why + "\n";
    }
    return output;
}

Output Status(const Request& request, const Installation& installation, platform::FileSystem& files) {
    const std::string os = ListedOs(installation, request.os);
    const StatusView view{installation.rimCommonPath, os,
                          removal::TakeInventory(files, installation.rimCommonPath, os)};
    const int exitCode = view.inventory.unreadable.empty() ? exit_code::kDone : exit_code::kNotAllMoved;
    return Print(request, exitCode, StatusText(view), StatusJson(view, exitCode));
}

// The window's run with the requested boxes ticked; a dry run is the same run on a preview of the disk.
Output Run(const Request& request, const Installation& installation, platform::FileSystem& files) {
    RunView view;
    view.command = request.commandWord;
    view.rimCommonPath = installation.rimCommonPath;
    view.os = ListedOs(installation, request.os);
    view.dryRun = request.dryRun;
    const auto ticked = [&request](const std::string& box) {
        return std::find(request.features.begin(), request.features.end(), box) != request.features.end();
    };
    for (const auto& row : removal::ModuleCatalogue()) {
        if (ticked(row.checkBox)) {
            view.features.push_back(FeatureName(row.checkBox));
        }
    }
    // The log sees each move the run makes, real or previewed, with the entry's size.
    removal::PreviewFileSystem preview(files);
    removal::MoveLog target(request.dryRun ? static_cast<platform::FileSystem&>(preview) : files);
    const bool removing = request.command == Command::Remove;
    try {
        view.report = removing ? removal::RunRemoval(target, installation.rimCommonPath, view.os, ticked)
                               : removal::RunRestore(target, installation.rimCommonPath, view.os);
    } catch (const std::exception& error) {
        throw Stop(
            exit_code::kNotAllMoved,
            texts::RunStopped(removing ? texts::kRemovalActivity : texts::kRestoreActivity, error.what()));
    }
    view.moves = target.Moves();
    const int exitCode = view.report.failures.empty() ? exit_code::kDone : exit_code::kNotAllMoved;
    return Print(request, exitCode, RunText(view), RunJson(view, exitCode));
}

Output UsageError(const Request& request, const std::string& message) {
    if (request.json) {
        return {exit_code::kUsage, ErrorJson(request.commandWord, message, exit_code::kUsage), {}};
    }
    return {exit_code::kUsage, {}, std::string(texts::kProgram) + ": " + message + "\n\n" + texts::kUsage};
}

Output Stopped(const Request& request, const Stop& stop) {
    if (request.json) {
        return {stop.exitCode, ErrorJson(request.commandWord, stop.what(), stop.exitCode), {}};
    }
    return {stop.exitCode, {}, std::string(texts::kProgram) + ": " + stop.what() + "\n"};
}

Output Perform(const Request& request, platform::Registry& registry, platform::FileSystem& files) {
    switch (request.command) {
    case Command::Help:
        return Print(request, exit_code::kDone, texts::kUsage, HelpJson());
    case Command::Version:
        return Print(request, exit_code::kDone, std::string(texts::kProgram) + " " + TRIMLODE_VERSION + "\n",
                     VersionJson(TRIMLODE_VERSION));
    case Command::List:
        return List(request, FindInstallation(registry, files));
    case Command::Status:
        return Status(request, FindInstallation(registry, files), files);
    case Command::Remove:
    case Command::Restore:
        return Run(request, FindInstallation(registry, files), files);
    }
    throw std::logic_error("a command without a handler");
}

} // namespace

Output Execute(const std::vector<std::string>& arguments, platform::Registry& registry,
               platform::FileSystem& files) {
    const ParsedArguments parsed = ParseArguments(arguments);
    if (!parsed.error.empty()) {
        return UsageError(parsed.request, parsed.error);
    }
    try {
        return Perform(parsed.request, registry, files);
    } catch (const Stop& stop) {
        return Stopped(parsed.request, stop);
    }
}

} // namespace cli
