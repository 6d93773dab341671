#include "removal/inventory.h"

#include "install/paths.h"
#include "platform/name_match.h"
#include "removal/module_catalogue.h"

#include <algorithm>

namespace removal {

namespace {

constexpr const char* kModulePattern = "*.cod";

// The files of a folder, sorted by name; an unreadable folder is noted and counts as empty.
std::vector<Module> FilesOf(platform::FileSystem& files, const std::string& folder,
                            std::vector<MoveFailure>& unreadable) {
    std::vector<Module> found;
    platform::Status failure;
    auto entries = files.Enumerate(folder + "*", platform::kAllAttributesMask, failure);
    if (!entries && !failure.ok()) {
        unreadable.push_back({folder, MoveFailure::Cause::System, failure.message});
    }
    for (bool more = entries != nullptr; more; more = entries->Next()) {
        const platform::DirEntry& entry = entries->Current();
        if ((entry.attributes & platform::attr::kDirectory) == 0) {
            found.push_back({entry.name, entry.size});
        }
    }
    std::sort(found.begin(), found.end(), [](const Module& a, const Module& b) { return a.name < b.name; });
    return found;
}

bool Names(const RemovalOption& row, const std::string& name) {
    return std::any_of(row.patterns.begin(), row.patterns.end(), [&name](const std::string& pattern) {
        return platform::MatchesPattern(name, pattern);
    });
}

bool AnyRowNames(const std::string& name) {
    const auto& rows = ModuleCatalogue();
    return std::any_of(rows.begin(), rows.end(),
                       [&name](const RemovalOption& row) { return Names(row, name); });
}

void Add(ModuleSet& set, const Module& module) {
    set.modules.push_back(module);
    set.bytes += module.bytes;
}

} // namespace

Inventory TakeInventory(platform::FileSystem& files, const std::string& rimCommonPath,
                        const std::string& osName) {
    Inventory inventory;
    const auto package = FilesOf(files, install::JavaDir(rimCommonPath, osName), inventory.unreadable);
    const auto removed = FilesOf(files, install::RemovedDir(rimCommonPath, osName), inventory.unreadable);
    for (const RemovalOption& row : ModuleCatalogue()) {
        if (row.patterns.empty()) {
            continue;
        }
        FeatureInventory feature{row.checkBox, {}, {}};
        for (const Module& module : package) {
            if (Names(row, module.name)) {
                Add(feature.inPackage, module);
            }
        }
        for (const Module& module : removed) {
            if (Names(row, module.name)) {
                Add(feature.setAside, module);
            }
        }
        inventory.features.push_back(std::move(feature));
    }
    for (const Module& module : package) {
        if (AnyRowNames(module.name)) {
            Add(inventory.namedInPackage, module);
        }
    }
    for (const Module& module : removed) {
        if (AnyRowNames(module.name)) {
            Add(inventory.namedSetAside, module);
        } else if (platform::MatchesPattern(module.name, kModulePattern)) {
            Add(inventory.unnamedSetAside, module);
        }
    }
    inventory.vendorInAppLoader = files.FileExists(install::VendorFile(rimCommonPath));
    inventory.vendorSetAside = files.FileExists(install::RemovedVendorFile(rimCommonPath));
    return inventory;
}

} // namespace removal
