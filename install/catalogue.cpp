#include "install/catalogue.h"
#include "install/paths.h"
#include "platform/name_match.h"

namespace install {

std::optional<std::vector<std::string>> ListOperatingSystems(platform::FileSystem& files,
                                                             const std::string& rimCommonPath,
                                                             platform::Status& cutShort) {
    cutShort = platform::Status::Success();
    // The directory mask admits plain files as well; only folders hold an operating system. Hidden and
    // system entries are already left out by the mask. A name that a path could not address as this one
    // folder ("." and "..", a name holding a separator) is left out too.
    auto entries = files.Enumerate(CataloguePattern(rimCommonPath), platform::kDirectoryMask);
    if (!entries) {
        return std::nullopt;
    }
    std::vector<std::string> names;
    do {
        const platform::DirEntry& entry = entries->Current();
        if ((entry.attributes & platform::attr::kDirectory) != 0 && platform::IsPlainName(entry.name)) {
            names.push_back(entry.name);
        }
    } while (entries->Next());
    cutShort = entries->StopReason();
    return names;
}

std::optional<std::vector<std::string>> ListOperatingSystems(platform::FileSystem& files,
                                                             const std::string& rimCommonPath) {
    platform::Status ignored;
    return ListOperatingSystems(files, rimCommonPath, ignored);
}

} // namespace install
