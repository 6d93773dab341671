#include "cli/arguments.h"

#include "cli/texts.h"
#include "install/selection.h"
#include "removal/module_catalogue.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace cli {

namespace {

// A usage error found while parsing; ParseArguments turns it into the result's error.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct CommandWord {
    const char* word;
    Command command;
    bool takesOs;
    bool takesFeatures;
    bool takesDryRun;
};

const CommandWord kCommands[] = {
    {"list", Command::List, false, false, false},
    {"status", Command::Status, true, false, false},
    {"remove", Command::Remove, true, true, true},
    {"restore", Command::Restore, true, false, true},
};

struct Options {
    bool json = false;
    bool dryRun = false;
    bool help = false;
    bool version = false;
};

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

void Set(bool& option, const std::string& word) {
    if (option) {
        throw UsageError(texts::OptionTwice(word));
    }
    option = true;
}

// Takes the options out of `arguments` and returns the operands, in order.
std::vector<std::string> SplitOptions(const std::vector<std::string>& arguments, Options& options) {
    std::vector<std::string> operands;
    bool optionsEnded = false;
    for (const std::string& word : arguments) {
        if (optionsEnded || word.size() < 2 || (word[0] != '-' && word != "/?")) {
            operands.push_back(word);
        } else if (word == "--") {
            optionsEnded = true;
        } else if (word == "--json") {
            Set(options.json, word);
        } else if (word == "--dry-run") {
            Set(options.dryRun, word);
        } else if (word == "--help" || word == "-h" || word == "/?") {
            Set(options.help, "--help");
        } else if (word == "--version") {
            Set(options.version, word);
        } else {
            throw UsageError(texts::UnknownOption(word));
        }
    }
    return operands;
}

std::string CheckedOsName(const std::string& name) {
    if (name.empty()) {
        throw UsageError(texts::kEmptyOsName);
    }
    if (!install::IsOperatingSystemName(name)) {
        throw UsageError(texts::NotAnOsName(name));
    }
    return name;
}

std::string CheckBoxOf(const std::string& word) {
    for (const auto& row : removal::ModuleCatalogue()) {
        if (Lower(word) == FeatureName(row.checkBox)) {
            return row.checkBox;
        }
    }
    throw UsageError(texts::UnknownFeature(word));
}

std::vector<std::string> CheckedFeatures(const std::vector<std::string>& words) {
    if (words.empty()) {
        throw UsageError(texts::kMissingFeature);
    }
    if (std::any_of(words.begin(), words.end(), [](const std::string& w) { return Lower(w) == "all"; })) {
        if (words.size() > 1) {
            throw UsageError(texts::kAllWithOthers);
        }
        std::vector<std::string> every;
        for (const auto& row : removal::ModuleCatalogue()) {
            every.push_back(row.checkBox);
        }
        return every;
    }
    std::vector<std::string> boxes;
    for (const std::string& word : words) {
        const std::string box = CheckBoxOf(word);
        if (std::find(boxes.begin(), boxes.end(), box) != boxes.end()) {
            throw UsageError(texts::FeatureTwice(FeatureName(box)));
        }
        boxes.push_back(box);
    }
    return boxes;
}

const CommandWord& FindCommand(const std::string& word) {
    for (const CommandWord& command : kCommands) {
        if (word == command.word) {
            return command;
        }
    }
    throw UsageError(texts::UnknownCommand(word));
}

Request CommandRequest(const std::vector<std::string>& operands, const Options& options) {
    if (operands.empty()) {
        throw UsageError(texts::kNoCommand);
    }
    const CommandWord& command = FindCommand(operands[0]);
    if (options.dryRun && !command.takesDryRun) {
        throw UsageError(texts::kDryRunNeedsRun);
    }
    Request request;
    request.command = command.command;
    request.commandWord = command.word;
    request.dryRun = options.dryRun;
    std::size_t next = 1;
    if (command.takesOs) {
        if (operands.size() < 2) {
            throw UsageError(texts::MissingOs(command.word));
        }
        request.os = CheckedOsName(operands[next++]);
    }
    if (command.takesFeatures) {
        request.features =
            CheckedFeatures({operands.begin() + static_cast<std::ptrdiff_t>(next), operands.end()});
        next = operands.size();
    }
    if (next < operands.size()) {
        throw UsageError(texts::TooManyOperands(command.word, operands[next]));
    }
    return request;
}

Request ParseChecked(const std::vector<std::string>& arguments, Options& options) {
    const std::vector<std::string> operands = SplitOptions(arguments, options);
    if (options.help && options.version) {
        throw UsageError(texts::kHelpWithVersion);
    }
    Request request;
    if (options.help) {
        request.command = Command::Help;
    } else if (options.version) {
        if (!operands.empty() || options.dryRun) {
            throw UsageError(texts::kVersionWithCommand);
        }
        request.command = Command::Version;
    } else {
        request = CommandRequest(operands, options);
    }
    return request;
}

} // namespace

std::string FeatureName(const std::string& checkBox) {
    return Lower(checkBox);
}

ParsedArguments ParseArguments(const std::vector<std::string>& arguments) {
    ParsedArguments parsed;
    Options options;
    try {
        parsed.request = ParseChecked(arguments, options);
    } catch (const UsageError& error) {
        parsed.error = error.what();
    }
    // Known even when parsing stopped early on an error, so the error too comes as JSON.
    parsed.request.json =
        options.json ||
        (!parsed.error.empty() && std::find(arguments.begin(), arguments.end(), "--json") != arguments.end());
    return parsed;
}

} // namespace cli
