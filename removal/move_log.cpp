#include "removal/move_log.h"

namespace removal {

namespace {

// The folder part of a path, with its trailing backslash, and the name after it.
std::pair<std::string, std::string> FolderAndName(const std::string& path) {
    const std::size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? std::make_pair(std::string(), path)
                                    : std::make_pair(path.substr(0, cut + 1), path.substr(cut + 1));
}

} // namespace

// The size as the entry's folder lists it, taken before the move; 0 for a folder or an entry not found.
std::uint64_t MoveLog::SizeOf(const std::string& path) {
    const auto found = inner_.Enumerate(path, platform::kAllAttributesMask);
    if (!found || (found->Current().attributes & platform::attr::kDirectory) != 0) {
        return 0;
    }
    return found->Current().size;
}

platform::Status MoveLog::Logged(const std::string& from, const std::string& to, bool replace) {
    const std::uint64_t bytes = SizeOf(from);
    const platform::Status status =
        replace ? inner_.MoveEntryReplacing(from, to) : inner_.MoveEntry(from, to);
    if (status.ok()) {
        auto [fromFolder, name] = FolderAndName(from);
        moves_.push_back({std::move(name), std::move(fromFolder), FolderAndName(to).first, bytes});
    }
    return status;
}

platform::Status MoveLog::MoveEntry(const std::string& from, const std::string& to) {
    return Logged(from, to, false);
}

platform::Status MoveLog::MoveEntryReplacing(const std::string& from, const std::string& to) {
    return Logged(from, to, true);
}

} // namespace removal
