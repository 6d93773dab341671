#pragma once
#include "platform/file_system.h"
#include "removal/move_report.h"

#include <cstdint>
#include <string>
#include <vector>

namespace removal {

struct Module {
    std::string name;
    std::uint64_t bytes = 0;
};

// Modules sorted by name, with their total size.
struct ModuleSet {
    std::vector<Module> modules;
    std::uint64_t bytes = 0;
};

// One feature of the module catalogue and the modules its patterns name in one operating system.
struct FeatureInventory {
    std::string checkBox;
    ModuleSet inPackage; // in the java folder: what ticking this feature alone moves
    ModuleSet setAside;  // in the removed-files folder: what "Put It Back" returns for it
};

// What a removal could take from one operating system and what earlier runs have set aside.
struct Inventory {
    std::vector<FeatureInventory> features; // the rows with patterns, in processing order
    ModuleSet namedInPackage;               // every module some feature names, once: what ticking all moves
    ModuleSet namedSetAside;
    ModuleSet
        unnamedSetAside; // ".cod" modules set aside that no feature names; "Put It Back" returns them too
    bool vendorInAppLoader = false;
    bool vendorSetAside = false;
    std::vector<MoveFailure> unreadable; // folders that could not be listed, with the system's reason
};

// Lists the operating system's java and removed-files folders once and sorts their files by feature,
// with the patterns the runs use. Files only: a matching folder is not a module.
Inventory TakeInventory(platform::FileSystem& files, const std::string& rimCommonPath,
                        const std::string& osName);

} // namespace removal
