#include "install/paths.h"

namespace install {

std::string LoaderFilesDir(const std::string& rimCommonPath) {
    return rimCommonPath + "Shared\\Loader Files\\";
}

std::string CataloguePattern(const std::string& rimCommonPath) {
    return LoaderFilesDir(rimCommonPath) + "*";
}

std::string JavaDir(const std::string& rimCommonPath, const std::string& osName) {
    return LoaderFilesDir(rimCommonPath) + osName + "\\java\\";
}

std::string RemovedRoot(const std::string& rimCommonPath) {
    return rimCommonPath + "RemovedFiles";
}

std::string RemovedDir(const std::string& rimCommonPath, const std::string& osName) {
    return RemovedDirAsCreated(rimCommonPath, osName) + "\\";
}

std::string RemovedDirAsCreated(const std::string& rimCommonPath, const std::string& osName) {
    return RemovedRoot(rimCommonPath) + "\\" + osName;
}

std::string AppLoaderDir(const std::string& rimCommonPath) {
    return rimCommonPath + "AppLoader\\";
}

std::string VendorFile(const std::string& rimCommonPath) {
    return AppLoaderDir(rimCommonPath) + "Vendor.xml";
}

std::string RemovedVendorFile(const std::string& rimCommonPath) {
    return RemovedRoot(rimCommonPath) + "\\Vendor.xml";
}

std::string LoaderProgram(const std::string& rimCommonPath) {
    return AppLoaderDir(rimCommonPath) + "loader.exe";
}

std::string DesktopManagerProgram(const std::string& programFilesDir) {
    return programFilesDir + "\\Research In Motion\\BlackBerry\\DesktopMgr.exe";
}

} // namespace install
