#pragma once
#include <string>

// Every path below the maker's common-files folder, built by plain concatenation: nothing is added,
// removed or normalised, so the folder names the user sees are the ones used.
namespace install {

std::string LoaderFilesDir(const std::string& rimCommonPath);
std::string CataloguePattern(const std::string& rimCommonPath);
std::string JavaDir(const std::string& rimCommonPath, const std::string& osName);
std::string RemovedRoot(const std::string& rimCommonPath); // as created, no trailing backslash
std::string RemovedDir(const std::string& rimCommonPath, const std::string& osName); // trailing backslash
std::string RemovedDirAsCreated(const std::string& rimCommonPath, const std::string& osName);
std::string AppLoaderDir(const std::string& rimCommonPath);
std::string VendorFile(const std::string& rimCommonPath);
std::string RemovedVendorFile(const std::string& rimCommonPath);
std::string LoaderProgram(const std::string& rimCommonPath);
std::string DesktopManagerProgram(const std::string& programFilesDir);

} // namespace install
