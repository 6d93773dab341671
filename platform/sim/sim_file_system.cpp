#include "platform/sim/sim_file_system.h"

#include "platform/name_match.h"
#include "platform/sim/sim_errors.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace platform::sim {

struct SimFileSystem::Node {
    std::string name;
    std::uint32_t attributes = attr::kDirectory;
    std::string content;
    bool locked = false;
    std::optional<FolderSecurity> security = FolderSecurity{true, false};
    Node* parent = nullptr;
    std::vector<std::unique_ptr<Node>> children; // creation order

    bool IsFolder() const { return (attributes & attr::kDirectory) != 0; }

    Node* Child(std::string_view childName) const {
        for (const auto& child : children) {
            if (SameName(child->name, childName)) {
                return child.get();
            }
        }
        return nullptr;
    }

    Node& Adopt(std::unique_ptr<Node> child) {
        child->parent = this;
        children.push_back(std::move(child));
        return *children.back();
    }

    std::unique_ptr<Node> Release(const Node* child) {
        auto it = std::find_if(children.begin(), children.end(),
                               [child](const std::unique_ptr<Node>& c) { return c.get() == child; });
        std::unique_ptr<Node> owned = std::move(*it);
        children.erase(it);
        owned->parent = nullptr;
        return owned;
    }

    bool IsWithin(const Node* folder) const {
        for (const Node* n = this; n != nullptr; n = n->parent) {
            if (n == folder) {
                return true;
            }
        }
        return false;
    }
};

namespace {

using Node = SimFileSystem::Node;

constexpr std::uint32_t kInvalidParameter = 87;

struct ParsedPath {
    std::string drive; // "C:", upper case
    std::vector<std::string> parts;
};

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// Splits an absolute path into its drive and levels; "." and ".." levels are resolved as Windows does.
std::optional<ParsedPath> Parse(const std::string& path) {
    if (path.size() < 2 || path[1] != ':' || !std::isalpha(static_cast<unsigned char>(path[0]))) {
        return std::nullopt;
    }
    ParsedPath parsed;
    parsed.drive = {static_cast<char>(std::toupper(static_cast<unsigned char>(path[0]))), ':'};
    std::size_t pos = 2;
    while (pos < path.size()) {
        while (pos < path.size() && IsSeparator(path[pos])) {
            ++pos;
        }
        std::size_t end = pos;
        while (end < path.size() && !IsSeparator(path[end])) {
            ++end;
        }
        const std::string part = path.substr(pos, end - pos);
        if (part == "..") {
            if (!parsed.parts.empty()) {
                parsed.parts.pop_back();
            }
        } else if (!part.empty() && part != ".") {
            parsed.parts.push_back(part);
        }
        pos = end;
    }
    return parsed;
}

bool IsValidLeaf(const std::string& name) {
    return !name.empty() && std::none_of(name.begin(), name.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
    });
}

// A listing taken when the enumeration starts, so entries moved away meanwhile do not disturb it. With a
// `breakOff` status, the first step fails with it, as a disk or network error part-way would.
class SimEnumeration : public DirectoryEnumeration {
public:
    SimEnumeration(std::vector<DirEntry> entries, Status breakOff)
        : entries_(std::move(entries)), breakOff_(std::move(breakOff)) {}
    const DirEntry& Current() const override { return entries_[index_]; }
    bool Next() override {
        if (!breakOff_.ok()) {
            stopReason_ = breakOff_;
            return false;
        }
        if (index_ + 1 >= entries_.size()) {
            return false;
        }
        ++index_;
        return true;
    }
    Status StopReason() const override { return stopReason_; }

private:
    std::vector<DirEntry> entries_;
    std::size_t index_ = 0;
    Status breakOff_;
    Status stopReason_;
};

// Where a path leads: its parent folder (null when a level above is missing or is a file) and the entry.
struct Located {
    Node* parent = nullptr;
    Node* node = nullptr;
    std::string leaf;
};

} // namespace

SimFileSystem::SimFileSystem() = default;
SimFileSystem::~SimFileSystem() = default;

namespace {

Node* FindDrive(const std::vector<std::unique_ptr<Node>>& drives, const std::string& drive) {
    for (const auto& root : drives) {
        if (root->name == drive) {
            return root.get();
        }
    }
    return nullptr;
}

Node* Walk(Node* folder, const std::vector<std::string>& parts, std::size_t count) {
    for (std::size_t i = 0; folder != nullptr && i < count; ++i) {
        folder = folder->IsFolder() ? folder->Child(parts[i]) : nullptr;
    }
    return folder;
}

std::optional<Located> Locate(const std::vector<std::unique_ptr<Node>>& drives, const std::string& path) {
    const auto parsed = Parse(path);
    if (!parsed) {
        return std::nullopt;
    }
    Located located;
    Node* root = FindDrive(drives, parsed->drive);
    if (parsed->parts.empty()) {
        located.node = root;
        return located;
    }
    Node* parent = Walk(root, parsed->parts, parsed->parts.size() - 1);
    if (parent != nullptr && parent->IsFolder()) {
        located.parent = parent;
        located.leaf = parsed->parts.back();
        located.node = parent->Child(located.leaf);
    }
    return located;
}

} // namespace

Node* SimFileSystem::Find(const std::string& path) const {
    const auto located = Locate(drives_, path);
    return located ? located->node : nullptr;
}

Node& SimFileSystem::Require(const std::string& path) const {
    Node* node = Find(path);
    if (node == nullptr) {
        throw std::logic_error("no such entry in the simulated file system: " + path);
    }
    return *node;
}

Node& SimFileSystem::MakeLevels(const std::string& path) {
    const auto parsed = Parse(path);
    if (!parsed) {
        throw std::logic_error("not an absolute path: " + path);
    }
    Node* folder = FindDrive(drives_, parsed->drive);
    if (folder == nullptr) {
        auto root = std::make_unique<Node>();
        root->name = parsed->drive;
        drives_.push_back(std::move(root));
        folder = drives_.back().get();
    }
    for (const auto& part : parsed->parts) {
        Node* next = folder->Child(part);
        if (next == nullptr) {
            auto child = std::make_unique<Node>();
            child->name = part;
            next = &folder->Adopt(std::move(child));
        } else if (!next->IsFolder()) {
            throw std::logic_error("a file is in the way of folder " + path);
        }
        folder = next;
    }
    return *folder;
}

void SimFileSystem::AddFolder(const std::string& path) {
    MakeLevels(path);
}

void SimFileSystem::AddFile(const std::string& path, const std::string& content, std::uint32_t attributes) {
    const auto parsed = Parse(path);
    if (!parsed || parsed->parts.empty()) {
        throw std::logic_error("not a file path: " + path);
    }
    const std::string& leaf = parsed->parts.back();
    Node& folder = MakeLevels(path.substr(0, path.size() - leaf.size()));
    Node* file = folder.Child(leaf);
    if (file == nullptr) {
        auto created = std::make_unique<Node>();
        created->name = leaf;
        file = &folder.Adopt(std::move(created));
    } else if (file->IsFolder()) {
        throw std::logic_error("a folder is in the way of file " + path);
    }
    file->attributes = attributes & ~attr::kDirectory;
    file->content = content;
}

void SimFileSystem::AddEntryNamed(const std::string& folder, const std::string& name, bool isFolder) {
    auto entry = std::make_unique<Node>();
    entry->name = name;
    entry->attributes = isFolder ? attr::kDirectory : attr::kArchive;
    MakeLevels(folder).Adopt(std::move(entry));
}

std::optional<std::string> SimFileSystem::Content(const std::string& path) const {
    const Node* node = Find(path);
    if (node == nullptr || node->IsFolder()) {
        return std::nullopt;
    }
    return node->content;
}

bool SimFileSystem::Exists(const std::string& path) const {
    return Find(path) != nullptr;
}

std::vector<std::string> SimFileSystem::List(const std::string& folder) const {
    std::vector<std::string> names;
    const Node* node = Find(folder);
    if (node != nullptr && node->IsFolder()) {
        for (const auto& child : node->children) {
            names.push_back(child->name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

void SimFileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
    Node& node = Require(path);
    node.attributes = (attributes & ~attr::kDirectory) | (node.attributes & attr::kDirectory);
}

void SimFileSystem::SetSecurity(const std::string& path, std::optional<FolderSecurity> security) {
    Require(path).security = security;
}

void SimFileSystem::InjectFault(const std::string& operation, const std::string& path, std::uint32_t code) {
    if (operation != "move" && operation != "mkdir" && operation != "list" && operation != "step") {
        throw std::logic_error("unknown operation for a fault: " + operation);
    }
    faults_.push_back({operation, path, code});
}

bool SimFileSystem::TakeFault(const std::string& operation, const std::string& path, std::uint32_t& code) {
    const auto target = Parse(path);
    for (auto it = faults_.begin(); it != faults_.end(); ++it) {
        const auto faulty = Parse(it->path);
        const bool samePath =
            target && faulty && target->drive == faulty->drive &&
            std::equal(target->parts.begin(), target->parts.end(), faulty->parts.begin(), faulty->parts.end(),
                       [](const std::string& a, const std::string& b) { return SameName(a, b); });
        if (it->operation == operation && samePath) {
            code = it->code;
            faults_.erase(it);
            return true;
        }
    }
    return false;
}

void SimFileSystem::Lock(const std::string& path) {
    Require(path).locked = true;
}

void SimFileSystem::Unlock(const std::string& path) {
    Require(path).locked = false;
}

std::unique_ptr<DirectoryEnumeration> SimFileSystem::Enumerate(const std::string& folderAndPattern,
                                                               std::uint32_t mask, Status& failure) {
    failure = Status::Success();
    const std::size_t cut = folderAndPattern.find_last_of("\\/");
    if (cut == std::string::npos) {
        return nullptr;
    }
    std::uint32_t injected = 0;
    if (TakeFault("list", folderAndPattern.substr(0, cut + 1), injected)) {
        failure = Failure(injected);
        return nullptr;
    }
    const std::string pattern = folderAndPattern.substr(cut + 1);
    const Node* folder = Find(folderAndPattern.substr(0, cut + 1));
    if (pattern.empty() || folder == nullptr || !folder->IsFolder()) {
        return nullptr;
    }
    std::vector<DirEntry> entries;
    const auto offer = [&](const std::string& name, std::uint32_t attributes, std::uint64_t size) {
        if (AdmittedByMask(attributes, mask) && MatchesPattern(name, pattern)) {
            entries.push_back({name, attributes, size});
        }
    };
    if (folder->parent != nullptr) {
        offer(".", folder->attributes, 0);
        offer("..", folder->parent->parent != nullptr ? folder->parent->attributes : attr::kDirectory, 0);
    }
    for (const auto& child : folder->children) {
        offer(child->name, child->attributes, child->IsFolder() ? 0 : child->content.size());
    }
    if (entries.empty()) {
        return nullptr;
    }
    Status breakOff;
    if (TakeFault("step", folderAndPattern.substr(0, cut + 1), injected)) {
        breakOff = Failure(injected);
    }
    return std::make_unique<SimEnumeration>(std::move(entries), breakOff);
}

Status SimFileSystem::MoveEntry(const std::string& from, const std::string& to) {
    return Move(from, to, false);
}

Status SimFileSystem::MoveEntryReplacing(const std::string& from, const std::string& to) {
    return Move(from, to, true);
}

Status SimFileSystem::Move(const std::string& from, const std::string& to, bool replace) {
    std::uint32_t injected = 0;
    if (TakeFault("move", from, injected)) {
        return Failure(injected);
    }
    const auto source = Locate(drives_, from);
    if (!source || source->parent == nullptr) {
        return Failure(error::kPathNotFound);
    }
    Node* moving = source->node;
    if (moving == nullptr) {
        return Failure(error::kFileNotFound);
    }
    if (moving->locked) {
        return Failure(error::kSharingViolation);
    }
    const auto target = Locate(drives_, to);
    if (!target || target->parent == nullptr) {
        return Failure(error::kPathNotFound);
    }
    if (!IsValidLeaf(target->leaf)) {
        return Failure(error::kInvalidName);
    }
    if (Parse(from)->drive != Parse(to)->drive) {
        return Failure(error::kNotSameDevice);
    }
    if (target->parent->IsWithin(moving)) {
        return Failure(kInvalidParameter); // a folder cannot move into itself
    }
    Node* existing = target->node;
    if (existing != nullptr && existing != moving) {
        if (!replace) {
            return Failure(error::kAlreadyExists);
        }
        if (existing->IsFolder() || existing->locked) {
            return Failure(error::kAccessDenied);
        }
    }
    if (existing == moving) {
        moving->name = target->leaf; // a change of letter case only
        return Status::Success();
    }
    if (existing != nullptr) {
        target->parent->Release(existing);
    }
    std::unique_ptr<Node> owned = source->parent->Release(moving);
    owned->name = target->leaf;
    target->parent->Adopt(std::move(owned));
    return Status::Success();
}

Status SimFileSystem::MakeFolder(const std::string& path) {
    std::uint32_t injected = 0;
    if (TakeFault("mkdir", path, injected)) {
        return Failure(injected);
    }
    const auto located = Locate(drives_, path);
    if (located && located->node != nullptr) {
        return Failure(error::kAlreadyExists);
    }
    if (!located || located->parent == nullptr) {
        return Failure(error::kPathNotFound);
    }
    if (!IsValidLeaf(located->leaf)) {
        return Failure(error::kInvalidName);
    }
    auto folder = std::make_unique<Node>();
    folder->name = located->leaf;
    located->parent->Adopt(std::move(folder));
    return Status::Success();
}

bool SimFileSystem::FileExists(const std::string& path) {
    const Node* node = Find(path);
    return node != nullptr && !node->IsFolder();
}

std::optional<FolderSecurity> SimFileSystem::SecurityOf(const std::string& path) {
    const Node* node = Find(path);
    return node != nullptr ? node->security : std::nullopt;
}

} // namespace platform::sim
