// trimlode_demo_seed: lays out the demo installation in the running Windows (or Wine prefix), with the
// stand-ins found beside this program. "--remove" takes the installation away instead.
#include "demo/seed.h"
#include "platform/win32/disk.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {

std::string OwnFolder() {
    const std::wstring path = platform::win32::ExecutablePath();
    return platform::win32::Narrow(path.substr(0, path.find_last_of(L'\\')));
}

int Run(bool remove) {
    const std::string programFiles = demo::ProgramFilesDirOf32BitPrograms();
    if (remove) {
        demo::RemoveInstallation(programFiles);
        std::printf("removed the demo installation below %s\n", programFiles.c_str());
        return 0;
    }
    const auto result = demo::SeedInstallation(programFiles, demo::StandInsBeside(OwnFolder()));
    std::printf("seeded %d files below %s\n", result.files, demo::RimCommonPathBelow(programFiles).c_str());
    for (const auto& missing : result.missingStandIns)
        std::printf("warning: stand-in %s is not built; left out\n", missing.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool remove = argc == 2 && std::strcmp(argv[1], "--remove") == 0;
    if (argc > 2 || (argc == 2 && !remove)) {
        std::fprintf(stderr, "usage: trimlode_demo_seed [--remove]\n");
        return 2;
    }
    try {
        return Run(remove);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "trimlode_demo_seed: %s\n", error.what());
        return 1;
    }
}
