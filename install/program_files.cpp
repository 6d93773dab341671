#include "install/program_files.h"
#include "install/paths.h"

#include <utility>

namespace install {

namespace {

constexpr const char* kCurrentVersionKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr const char* kProgramFilesValue = "ProgramFilesDir";

// Where the 32-bit installer of the maker's software puts its shared files, below the drive root. The
// name has no blank before "(x86)": that is how the maker spells it.
constexpr const char* kProbeBelowDrive = "\\Program Files(x86)\\Common Files\\Research In Motion\\";
constexpr const char* kBelowProgramFiles = "\\Common Files\\Research In Motion\\";

} // namespace

ProgramFilesDirError::ProgramFilesDirError(Problem problem, std::string valueName)
    : platform::HandlerError(valueName +
                             (problem == Problem::InvalidType ? ": invalid data type" : ": unreadable")),
      problem_(problem), valueName_(std::move(valueName)) {}

std::string GetProgramFilesDir(platform::Registry& registry) {
    const platform::RegistryValue value =
        registry.ReadLocalMachineValue(kCurrentVersionKey, kProgramFilesValue);
    switch (value.outcome) {
    case platform::RegistryValue::Outcome::KeyMissing:
    case platform::RegistryValue::Outcome::ValueMissing:
        return {};
    case platform::RegistryValue::Outcome::ReadFailed:
        throw ProgramFilesDirError(ProgramFilesDirError::Problem::ReadFailed, kProgramFilesValue);
    case platform::RegistryValue::Outcome::Ok:
        break;
    }
    if (value.type != platform::regtype::kString && value.type != platform::regtype::kExpandString) {
        throw ProgramFilesDirError(ProgramFilesDirError::Problem::InvalidType, kProgramFilesValue);
    }
    return value.text;
}

std::string LocateRimCommonPath(platform::Registry& registry, platform::FileSystem& files) {
    const std::string drive = GetProgramFilesDir(registry).substr(0, 2);
    const std::string probe = drive + kProbeBelowDrive;
    if (files.Enumerate(CataloguePattern(probe), platform::kDirectoryMask)) {
        return probe;
    }
    return GetProgramFilesDir(registry) + kBelowProgramFiles;
}

} // namespace install
