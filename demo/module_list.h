#pragma once
#include <map>
#include <string>
#include <vector>

// The module files of the demo installation, read from the data file modules.txt that is built into the
// program: names under "[all]" exist for every operating system, a section named after a version adds
// names for that version only.
namespace demo {

struct ModuleList {
    std::vector<std::string> operatingSystems;               // in the order the file names them
    std::map<std::string, std::vector<std::string>> modules; // per operating system, in file order
};

// Reads the lines of a module list. Blank lines and lines starting with "#" are skipped. Throws
// std::invalid_argument for a name before any section, a repeated name within one operating system or
// a file without versions.
ModuleList ParseModuleList(const std::vector<std::string>& lines);

const ModuleList& DemoModules();

// Distinct small contents, so a test can tell that a file arrived unchanged.
std::string ModuleContent(const std::string& operatingSystem, const std::string& name);
std::string VendorFileContent();

} // namespace demo
