#include "demo/module_list.h"

#include <algorithm>
#include <stdexcept>

namespace demo {

// The lines of modules.txt, generated at configure time.
extern const char* const kModuleListLines[];
extern const unsigned kModuleListLineCount;

namespace {

constexpr const char* kAllSection = "all";

bool IsSection(const std::string& line) {
    return line.size() > 2 && line.front() == '[' && line.back() == ']';
}

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    const auto last = line.find_last_not_of(" \t\r");
    return line.substr(first, last - first + 1);
}

void AddUnique(std::vector<std::string>& names, const std::string& name, const std::string& os) {
    if (std::find(names.begin(), names.end(), name) != names.end())
        throw std::invalid_argument("module list: " + name + " twice for " + os);
    names.push_back(name);
}

} // namespace

ModuleList ParseModuleList(const std::vector<std::string>& lines) {
    std::vector<std::string> common;
    ModuleList list;
    std::string section;
    for (const auto& raw : lines) {
        const std::string line = Trimmed(raw);
        if (line.empty() || line.front() == '#')
            continue;
        if (IsSection(line)) {
            section = line.substr(1, line.size() - 2);
            if (section != kAllSection && list.modules.count(section) == 0) {
                list.operatingSystems.push_back(section);
                list.modules[section];
            }
            continue;
        }
        if (section.empty())
            throw std::invalid_argument("module list: " + line + " outside a section");
        AddUnique(section == kAllSection ? common : list.modules[section], line, section);
    }
    if (list.operatingSystems.empty())
        throw std::invalid_argument("module list: no operating system");
    for (auto& [os, names] : list.modules) {
        std::vector<std::string> own = std::move(names);
        names.clear();
        for (const auto& name : common)
            AddUnique(names, name, os);
        for (const auto& name : own)
            AddUnique(names, name, os);
    }
    return list;
}

const ModuleList& DemoModules() {
    static const ModuleList list =
        ParseModuleList(std::vector<std::string>(kModuleListLines, kModuleListLines + kModuleListLineCount));
    return list;
}

std::string ModuleContent(const std::string& operatingSystem, const std::string& name) {
    return "demo module " + name + " of operating system " + operatingSystem + "\n";
}

std::string VendorFileContent() {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<vendors>\n  <vendor id=\"100\" name=\"Demo Carrier\" />\n</vendors>\n";
}

} // namespace demo
