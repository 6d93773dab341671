#include "install/catalogue.h"
#include "install/paths.h"

namespace install {

std::optional<std::vector<std::string>> ListOperatingSystems(platform::FileSystem& files,
                                                             const std::string& rimCommonPath) {
    // The directory mask admits plain files as well; only folders hold an operating system. Hidden and
    // system entries are already left out by the mask.
    auto entries = files.Enumerate(CataloguePattern(rimCommonPath), platform::kDirectoryMask);
    if (!entries) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    do {
        const platform::DirEntry& entry = entries->Current();
        if ((entry.attributes & platform::attr::kDirectory) != 0 && !platform::IsSelfOrParent(entry.name)) {
            names.push_back(entry.name);
        }
    } while (entries->Next());
    return names;
}

} // namespace install
