#include "cli/render.h"

#include "cli/arguments.h"
#include "cli/json.h"
#include "cli/texts.h"
#include "install/paths.h"

#include <cstdio>

namespace cli {

namespace {

std::string Grouped(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, ",");
    }
    return digits;
}

std::string RightAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

std::string LeftAligned(const std::string& text, std::size_t width) {
    return text.size() >= width ? text + " " : text + std::string(width - text.size(), ' ');
}

std::string JoinedFeatures(const std::vector<std::string>& features) {
    std::string joined;
    for (const std::string& feature : features) {
        joined += (joined.empty() ? "" : ", ") + feature;
    }
    return joined;
}

// The bytes first, so the columns line up whatever the names' characters.
std::string ModuleLines(const removal::ModuleSet& set) {
    std::string text;
    for (const removal::Module& module : set.modules) {
        text += RightAligned(Grouped(module.bytes), 17) + "  " + module.name + "\n";
    }
    return text;
}

std::string TableRow(const std::string& label, const removal::ModuleSet& inPackage,
                     const removal::ModuleSet& setAside) {
    return LeftAligned(label, 13) + RightAligned(std::to_string(inPackage.modules.size()), 9) +
           RightAligned(Grouped(inPackage.bytes), 16) +
           RightAligned(std::to_string(setAside.modules.size()), 11) +
           RightAligned(Grouped(setAside.bytes), 16) + "\n";
}

std::string VendorLine(const StatusView& view) {
    const std::string home = install::AppLoaderDir(view.rimCommonPath);
    const std::string aside = install::RemovedRoot(view.rimCommonPath) + "\\";
    const auto& inventory = view.inventory;
    if (inventory.vendorInAppLoader && inventory.vendorSetAside) {
        return texts::VendorInBoth(home, aside);
    }
    if (inventory.vendorInAppLoader) {
        return texts::VendorIn(home);
    }
    if (inventory.vendorSetAside) {
        return texts::VendorSetAside(aside);
    }
    return texts::VendorNowhere(home, aside);
}

std::string FeatureLists(const removal::Inventory& inventory) {
    std::string text;
    for (const auto& feature : inventory.features) {
        const std::string name = FeatureName(feature.checkBox);
        if (!feature.inPackage.modules.empty()) {
            text += "\n" + texts::InPackageOf(name) + "\n" + ModuleLines(feature.inPackage);
        }
        if (!feature.setAside.modules.empty()) {
            text += "\n" + texts::SetAsideOf(name) + "\n" + ModuleLines(feature.setAside);
        }
    }
    return text;
}

std::string UnreadableLines(const std::vector<removal::MoveFailure>& unreadable) {
    std::string text;
    for (const auto& failure : unreadable) {
        text += texts::CouldNotRead(failure.name, texts::FailureReason(failure)) + "\n";
    }
    return text;
}

// Consecutive moves between the same two folders share one "From ... to ..." heading.
std::string MoveLines(const std::vector<removal::MovedEntry>& moves) {
    std::string text;
    const removal::MovedEntry* previous = nullptr;
    for (const removal::MovedEntry& move : moves) {
        if (previous == nullptr || previous->from != move.from || previous->to != move.to) {
            text += texts::FromFolder(move.from) + "\n" + texts::ToFolder(move.to) + "\n";
        }
        text += RightAligned(Grouped(move.bytes), 17) + "  " + move.name + "\n";
        previous = &move;
    }
    return text;
}

std::uint64_t MovedBytes(const std::vector<removal::MovedEntry>& moves) {
    std::uint64_t total = 0;
    for (const auto& move : moves) {
        total += move.bytes;
    }
    return total;
}

void WriteModuleSet(JsonWriter& json, const removal::ModuleSet& set) {
    json.BeginObject().Key("count").Number(set.modules.size()).Key("bytes").Number(set.bytes);
    json.Key("modules").BeginArray();
    for (const removal::Module& module : set.modules) {
        json.BeginObject().Key("name").String(module.name).Key("bytes").Number(module.bytes).EndObject();
    }
    json.EndArray().EndObject();
}

void WriteFailures(JsonWriter& json, const char* key, const std::vector<removal::MoveFailure>& failures) {
    json.Key(key).BeginArray();
    for (const auto& failure : failures) {
        json.BeginObject()
            .Key("name")
            .String(failure.name)
            .Key("reason")
            .String(texts::FailureReason(failure))
            .EndObject();
    }
    json.EndArray();
}

// Every document starts with the command (left out when the command line named none) and the exit code.
JsonWriter Document(const std::string& command, int exitCode) {
    JsonWriter json;
    json.BeginObject();
    if (!command.empty()) {
        json.Key("command").String(command);
    }
    json.Key("exitCode").Number(static_cast<std::uint64_t>(exitCode));
    return json;
}

std::string Finished(JsonWriter& json) {
    json.EndObject();
    return json.Text() + "\n";
}

} // namespace

std::string Bytes(std::uint64_t bytes) {
    std::string text = Grouped(bytes) + " bytes";
    constexpr std::uint64_t kMegabyte = 1024 * 1024;
    if (bytes >= kMegabyte) {
        char megabytes[32];
        std::snprintf(megabytes, sizeof megabytes, " (%.1f MB)", static_cast<double>(bytes) / kMegabyte);
        text += megabytes;
    }
    return text;
}

std::string ListText(const ListView& view) {
    std::string text;
    for (const std::string& name : view.systems) {
        text += name + "\n";
    }
    return text;
}

std::string ListJson(const ListView& view, int exitCode, const std::string& error) {
    JsonWriter json = Document("list", exitCode);
    json.Key("rimCommonPath").String(view.rimCommonPath).Key("operatingSystems").BeginArray();
    for (const std::string& name : view.systems) {
        json.String(name);
    }
    json.EndArray();
    if (!error.empty()) {
        json.Key("error").String(error);
    }
    return Finished(json);
}

std::string StatusText(const StatusView& view) {
    const auto& inventory = view.inventory;
    std::string text = texts::StatusHeading(view.os) + "\n";
    text += texts::kPackageLabel + install::JavaDir(view.rimCommonPath, view.os) + "\n";
    text += texts::kSetAsideLabel + install::RemovedDir(view.rimCommonPath, view.os) + "\n";
    text += texts::kVendorLabel + VendorLine(view) + "\n\n";
    text += std::string(texts::kTableHeading1) + "\n" + texts::kTableHeading2 + "\n";
    for (const auto& feature : inventory.features) {
        text += TableRow(FeatureName(feature.checkBox), feature.inPackage, feature.setAside);
    }
    text += TableRow(texts::kAllRow, inventory.namedInPackage, inventory.namedSetAside);
    text += FeatureLists(inventory);
    text += std::string("\n") + texts::kUnnamedSetAside + "\n";
    text += inventory.unnamedSetAside.modules.empty() ? std::string(texts::kNone) + "\n"
                                                      : ModuleLines(inventory.unnamedSetAside);
    if (!inventory.unreadable.empty()) {
        text += "\n" + UnreadableLines(inventory.unreadable);
    }
    return text;
}

std::string StatusJson(const StatusView& view, int exitCode) {
    const auto& inventory = view.inventory;
    JsonWriter json = Document("status", exitCode);
    json.Key("os").String(view.os).Key("rimCommonPath").String(view.rimCommonPath);
    json.Key("packageFolder").String(install::JavaDir(view.rimCommonPath, view.os));
    json.Key("setAsideFolder").String(install::RemovedDir(view.rimCommonPath, view.os));
    json.Key("vendorXml").BeginObject();
    json.Key("inAppLoader").Bool(inventory.vendorInAppLoader).Key("setAside").Bool(inventory.vendorSetAside);
    json.Key("appLoaderPath").String(install::VendorFile(view.rimCommonPath));
    json.Key("setAsidePath").String(install::RemovedVendorFile(view.rimCommonPath)).EndObject();
    json.Key("features").BeginArray();
    for (const auto& feature : inventory.features) {
        json.BeginObject().Key("name").String(FeatureName(feature.checkBox));
        WriteModuleSet(json.Key("inPackage"), feature.inPackage);
        WriteModuleSet(json.Key("setAside"), feature.setAside);
        json.EndObject();
    }
    json.EndArray();
    json.Key("all").BeginObject();
    WriteModuleSet(json.Key("inPackage"), inventory.namedInPackage);
    WriteModuleSet(json.Key("setAside"), inventory.namedSetAside);
    json.EndObject();
    WriteModuleSet(json.Key("setAsideNamedByNoFeature"), inventory.unnamedSetAside);
    WriteFailures(json, "unreadable", inventory.unreadable);
    return Finished(json);
}

std::string RunText(const RunView& view) {
    const auto& report = view.report;
    std::string text = view.dryRun ? std::string(texts::kDryRunNote) + "\n" : std::string();
    text += (view.command == "remove" ? texts::RemoveHeading(view.os, JoinedFeatures(view.features))
                                      : texts::RestoreHeading(view.os)) +
            "\n";
    text += MoveLines(view.moves);
    const std::string bytes = Bytes(MovedBytes(view.moves));
    text +=
        (view.dryRun ? texts::WouldMove(view.moves.size(), bytes) : texts::Moved(view.moves.size(), bytes)) +
        "\n";
    if (!report.failures.empty()) {
        text += (view.dryRun ? texts::WouldNotMove(report.failures.size())
                             : texts::CouldNotMove(report.failures.size())) +
                "\n";
        for (const auto& failure : report.failures) {
            text += "  " + failure.name + ": " + texts::FailureReason(failure) + "\n";
        }
    }
    if (!view.dryRun) {
        text += (report.failures.empty() ? std::string(texts::kCompleted)
                                         : texts::CompletedWithFailures(report.failures.size())) +
                "\n";
    }
    return text;
}

std::string RunJson(const RunView& view, int exitCode) {
    const auto& report = view.report;
    JsonWriter json = Document(view.command, exitCode);
    json.Key("os").String(view.os).Key("rimCommonPath").String(view.rimCommonPath);
    json.Key("dryRun").Bool(view.dryRun);
    if (view.command == "remove") {
        json.Key("features").BeginArray();
        for (const std::string& feature : view.features) {
            json.String(feature);
        }
        json.EndArray();
    }
    json.Key("moved").BeginArray();
    for (const auto& move : view.moves) {
        json.BeginObject().Key("name").String(move.name).Key("from").String(move.from);
        json.Key("to").String(move.to).Key("bytes").Number(move.bytes).EndObject();
    }
    json.EndArray()
        .Key("movedCount")
        .Number(view.moves.size())
        .Key("movedBytes")
        .Number(MovedBytes(view.moves));
    WriteFailures(json, "failures", report.failures);
    return Finished(json);
}

std::string ErrorJson(const std::string& command, const std::string& message, int exitCode) {
    JsonWriter json = Document(command, exitCode);
    json.Key("error").String(message);
    return Finished(json);
}

std::string HelpJson() {
    JsonWriter json = Document("help", 0);
    json.Key("usage").String(texts::kUsage);
    return Finished(json);
}

std::string VersionJson(const std::string& version) {
    JsonWriter json = Document("version", 0);
    json.Key("version").String(version);
    return Finished(json);
}

} // namespace cli
