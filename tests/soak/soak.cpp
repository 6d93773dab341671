// Soak test of the removal and restore runs on the real file system (Windows, or Wine): random runs over
// operating-system folders with awkward names, locked, read-only, hidden and device-named modules, runs
// killed part-way, two instances at once and a planted probe folder. After every step it checks that every
// module exists exactly once with its content and that no run reported success on the wrong files.
//
//   trimlode_soak [--long] [--runs N] [--kills N] [--rounds N] [--seed N]
//   trimlode_soak --worker <folder> <seed> <runs>   (started by the soak itself)
#include "install/paths.h"
#include "install/program_files.h"
#include "platform/name_match.h"
#include "platform/win32/handles.h"
#include "platform/win32/system_api.h"
#include "platform/win32/wide.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_registry.h"
#include "removal/module_catalogue.h"
#include "removal/move_report.h"
#include "removal/runs.h"
#include "ui/texts.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::win32::FileHandle;
using platform::win32::FindHandle;
using platform::win32::KernelHandle;
using platform::win32::Narrow;
using platform::win32::Widen;
using platform::win32::WidePath;

struct Settings {
    int runs = 200; // random runs in this process
    int kills = 5;  // workers killed part-way through their runs
    int rounds = 2; // rounds of two workers at once
    unsigned seed = 20261211;
};

// The operating systems: plain, a trailing dot and a trailing blank (which Windows drops from plain paths),
// Unicode, and a name long enough to take the paths past the classic limit.
std::vector<std::string> Systems() {
    return {"4.5.0.44", "4.5.0.44.", "4.5.0.44 ", "4.6 \xCE\xA9\xD0\xBC\xD0\xB5\xD0\xB3\xD0\xB0 \xE5\x90\x8D",
            "4.7 " + std::string(120, 'L')};
}

// ---- plain file helpers (the soak's own view of the disk, apart from the program's) ----

bool Exists(const std::string& path) {
    return GetFileAttributesW(WidePath(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void MakeFolder(const std::string& path) {
    if (!CreateDirectoryW(WidePath(path).c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS) {
        throw std::runtime_error("cannot create " + path);
    }
}

void WriteFile(const std::string& path, const std::string& content, DWORD attributes) {
    FileHandle file(
        CreateFileW(WidePath(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr));
    DWORD written = 0;
    if (!file.Valid() ||
        !::WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr)) {
        throw std::runtime_error("cannot write " + path);
    }
}

std::string ReadFile(const std::string& path) {
    FileHandle file(CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, 0, nullptr));
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (file.Valid() && ::ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    return content;
}

// Entry names of a folder, without "." and "..".
std::set<std::string> Entries(const std::string& folder) {
    std::set<std::string> names;
    WIN32_FIND_DATAW data;
    FindHandle find(FindFirstFileExW(WidePath(folder + "*").c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0));
    for (bool more = find.Valid(); more; more = FindNextFileW(find.Get(), &data)) {
        const std::string name = Narrow(data.cFileName);
        if (name != "." && name != "..") {
            names.insert(name);
        }
    }
    return names;
}

void DeleteTree(const std::string& path) {
    const std::wstring wide = WidePath(path);
    const DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return;
    }
    SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL | (attributes & FILE_ATTRIBUTE_DIRECTORY));
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileW(wide.c_str());
        return;
    }
    for (const auto& name : Entries(path + "\\")) {
        DeleteTree(path + "\\" + name);
    }
    RemoveDirectoryW(wide.c_str());
}

// ---- the installation ----

// A module name the pattern matches: "*" replaced by a suffix.
std::string NameFor(const std::string& pattern, const std::string& suffix) {
    std::string name;
    for (char c : pattern) {
        name += c == '*' ? suffix : std::string(1, c);
    }
    return name;
}

struct Module {
    std::string name;
    DWORD attributes = FILE_ATTRIBUTE_NORMAL;
    bool startsRemoved = false; // device names: no row removes them, only Put It Back moves them
};

std::vector<Module> ModulesOf(bool surrogates) {
    std::vector<Module> modules;
    const DWORD kinds[] = {FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_READONLY, FILE_ATTRIBUTE_HIDDEN,
                           FILE_ATTRIBUTE_SYSTEM};
    int index = 0;
    for (const auto& row : removal::ModuleCatalogue()) {
        for (const auto& pattern : row.patterns) {
            for (const char* suffix : {"", "_01", "_x"}) {
                modules.push_back({NameFor(pattern, suffix), kinds[index++ % 4], false});
                if (pattern.find('*') == std::string::npos) {
                    break;
                }
            }
        }
    }
    modules.push_back({"net_rim_vad_Gr\xC3\xB6\xC3\x9F"
                       "e_\xE5\x90\x8D\xE5\x89\x8D.cod",
                       FILE_ATTRIBUTE_NORMAL, false});
    modules.push_back({"net_rim_vad_" + std::string(150, 'n') + ".cod", FILE_ATTRIBUTE_NORMAL, false});
    modules.push_back({"net_rim_bb_browser.cod", FILE_ATTRIBUTE_NORMAL, false});
    for (const char* device : {"con.cod", "NUL.cod", "aux.cod", "com1.cod", "lpt1.cod"}) {
        modules.push_back({device, FILE_ATTRIBUTE_NORMAL, true});
    }
    if (surrogates) {
        modules.push_back({"net_rim_vad_\xED\xB2\x80.cod", FILE_ATTRIBUTE_NORMAL, false});
        modules.push_back({"net_rim_vad_\xED\xB2\x81.cod", FILE_ATTRIBUTE_NORMAL, false});
    }
    return modules;
}

// The file system takes names holding unpaired surrogates (Windows does; Wine does not).
bool HoldsUnpairedSurrogates(const std::string& folder) {
    const std::wstring probe = WidePath(folder) + L"probe-\xDC80";
    if (!CreateDirectoryW(probe.c_str(), nullptr)) {
        return false;
    }
    RemoveDirectoryW(probe.c_str());
    return true;
}

std::string ContentOf(const std::string& os, const std::string& name) {
    return os + "/" + name + "/" + std::to_string(os.size() * 31 + name.size());
}

class Installation {
public:
    explicit Installation(std::string root) : root_(std::move(root)), rim_(root_ + "Research In Motion\\") {}

    const std::string& Rim() const { return rim_; }

    void Seed() {
        MakeFolder(root_);
        surrogates_ = HoldsUnpairedSurrogates(root_);
        for (const std::string& level : {rim_, rim_ + "Shared\\", install::LoaderFilesDir(rim_),
                                         install::AppLoaderDir(rim_), install::RemovedRoot(rim_) + "\\"}) {
            MakeFolder(level);
        }
        WriteFile(install::VendorFile(rim_), "vendor", FILE_ATTRIBUTE_NORMAL);
        for (const auto& os : Systems()) {
            MakeFolder(install::LoaderFilesDir(rim_) + os + "\\");
            MakeFolder(install::JavaDir(rim_, os));
            MakeFolder(install::RemovedDir(rim_, os));
            for (const auto& module : ModulesOf(surrogates_)) {
                const std::string folder =
                    module.startsRemoved ? install::RemovedDir(rim_, os) : install::JavaDir(rim_, os);
                WriteFile(folder + module.name, ContentOf(os, module.name), module.attributes);
            }
        }
        std::printf("soak: %zu systems of %zu modules in %s%s\n", Systems().size(),
                    ModulesOf(surrogates_).size(), root_.c_str(),
                    surrogates_ ? ", unpaired surrogates included" : "");
    }

    // Every module in exactly one of its two folders with its own content, nothing else there, and the
    // vendor file exactly once. Returns what is wrong.
    std::vector<std::string> Check() const {
        std::vector<std::string> problems;
        for (const auto& os : Systems()) {
            std::set<std::string> java = Entries(install::JavaDir(rim_, os));
            std::set<std::string> removed = Entries(install::RemovedDir(rim_, os));
            for (const auto& module : ModulesOf(surrogates_)) {
                const bool inJava = java.erase(module.name) != 0;
                const bool inRemoved = removed.erase(module.name) != 0;
                if (inJava == inRemoved) {
                    problems.push_back(os + "\\" + module.name + (inJava ? ": doubled" : ": lost"));
                    continue;
                }
                const std::string folder =
                    inJava ? install::JavaDir(rim_, os) : install::RemovedDir(rim_, os);
                if (ReadFile(folder + module.name) != ContentOf(os, module.name)) {
                    problems.push_back(os + "\\" + module.name + ": content changed");
                }
            }
            for (const auto& stray : java) {
                problems.push_back(os + "\\java\\" + stray + ": not a module of this system");
            }
            for (const auto& stray : removed) {
                problems.push_back("RemovedFiles\\" + os + "\\" + stray + ": not a module of this system");
            }
        }
        const bool vendor = Exists(install::VendorFile(rim_));
        const bool removedVendor = Exists(install::RemovedVendorFile(rim_));
        if (vendor == removedVendor) {
            problems.push_back(vendor ? "Vendor.xml: doubled" : "Vendor.xml: lost");
        }
        return problems;
    }

private:
    std::string root_;
    std::string rim_;
    bool surrogates_ = false;
};

// ---- runs ----

struct Run {
    std::string os;
    bool restore = false;
    std::set<std::string> ticked;
};

Run RandomRun(std::mt19937& random) {
    Run run;
    const auto systems = Systems();
    run.os = systems[random() % systems.size()];
    run.restore = random() % 3 == 0;
    for (const auto& row : removal::ModuleCatalogue()) {
        if (random() % 3 == 0) {
            run.ticked.insert(row.checkBox);
        }
    }
    return run;
}

removal::MoveReport Perform(platform::FileSystem& files, const std::string& rim, const Run& run) {
    if (run.restore) {
        return removal::RunRestore(files, rim, run.os);
    }
    return removal::RunRemoval(files, rim, run.os,
                               [&run](const std::string& box) { return run.ticked.count(box) != 0; });
}

// A run that reported no failure must have done all its work: nothing a ticked row matches is left in the
// java folder, or no module is left in the removed folder.
std::vector<std::string> Misreports(const std::string& rim, const Run& run,
                                    const removal::MoveReport& report) {
    std::vector<std::string> problems;
    if (!report.failures.empty()) {
        problems.push_back("'" + run.os + "': reported " + ui::texts::CompletionMessage(report));
        return problems;
    }
    if (run.restore) {
        for (const auto& name : Entries(install::RemovedDir(rim, run.os))) {
            problems.push_back("'" + run.os + "': Put It Back said done, but " + name + " is still removed");
        }
        return problems;
    }
    for (const auto& name : Entries(install::JavaDir(rim, run.os))) {
        for (const auto& row : removal::ModuleCatalogue()) {
            for (const auto& pattern : row.patterns) {
                if (run.ticked.count(row.checkBox) != 0 && platform::MatchesPattern(name, pattern)) {
                    problems.push_back("'" + run.os + "': removal said done, but " + name + " was not moved");
                }
            }
        }
    }
    return problems;
}

// Random runs in this process, until killed or `runs` are done; the exit code counts runs that reported a
// failure, which in a worker can only be a misreport (no fault is injected there).
int Worker(const std::string& root, unsigned seed, int runs) {
    platform::win32::Win32FileSystem files;
    const Installation installation(root);
    std::mt19937 random(seed);
    int misreported = 0;
    for (int i = 0; i < runs; ++i) {
        const Run run = RandomRun(random);
        const removal::MoveReport report = Perform(files, installation.Rim(), run);
        if (!report.failures.empty()) {
            std::printf("soak worker: '%s': %s\n", run.os.c_str(),
                        ui::texts::CompletionMessage(report).c_str());
            ++misreported;
        }
    }
    return misreported;
}

// ---- the soak ----

class Soak {
public:
    Soak(const Settings& settings, std::string root)
        : settings_(settings), installation_(std::move(root)), random_(settings.seed) {}

    int Go(const std::string& root) {
        installation_.Seed();
        Expect("the seeded installation", installation_.Check());
        RandomRuns();
        Kills(root);
        TwoInstances(root);
        PlantedProbe();
        for (const auto& os : Systems()) {
            Perform(files_, installation_.Rim(), Run{os, true, {}});
        }
        Expect("after putting everything back", installation_.Check());
        return Report();
    }

private:
    void Expect(const std::string& when, const std::vector<std::string>& problems) {
        for (const auto& problem : problems) {
            problems_.push_back(when + ": " + problem);
        }
    }

    // Random runs, every tenth with a module locked by another program: that run must name the module.
    void RandomRuns() {
        for (int i = 0; i < settings_.runs && problems_.size() < 50; ++i) {
            Run run = RandomRun(random_);
            const bool lock = i % 10 == 9 && !run.restore;
            const std::string locked = install::JavaDir(installation_.Rim(), run.os) + "net_rim_vad.cod";
            FileHandle holder;
            if (lock && Exists(locked)) {
                run.ticked.insert("vad");
                holder = FileHandle(CreateFileW(WidePath(locked).c_str(), GENERIC_READ, 0, nullptr,
                                                OPEN_EXISTING, 0, nullptr));
            }
            const removal::MoveReport report = Perform(files_, installation_.Rim(), run);
            if (holder.Valid()) {
                holder.Reset();
                const bool named =
                    report.failures.size() == 1 && report.failures[0].name == "net_rim_vad.cod";
                if (!named) {
                    problems_.push_back("run " + std::to_string(i) +
                                        ": the locked module was not reported alone: " +
                                        ui::texts::CompletionMessage(report));
                }
            } else {
                Expect("run " + std::to_string(i), Misreports(installation_.Rim(), run, report));
            }
            Expect("after run " + std::to_string(i), installation_.Check());
            if ((i + 1) % 1000 == 0) {
                std::printf("soak: %d runs done\n", i + 1);
            }
        }
        std::printf("soak: %d random runs\n", settings_.runs);
    }

    KernelHandle StartWorker(const std::string& root, unsigned seed, int runs) {
        // The folder goes without its trailing backslash, which would escape the closing quote.
        std::wstring command = L"\"" + platform::win32::ExecutablePath() + L"\" --worker \"" +
                               Widen(root.substr(0, root.size() - 1)) + L"\" " + std::to_wstring(seed) +
                               L" " + std::to_wstring(runs);
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            throw std::runtime_error("cannot start a worker");
        }
        const KernelHandle thread(process.hThread);
        return KernelHandle(process.hProcess);
    }

    // A worker killed at a random moment of its runs: every rename is whole or not done at all.
    void Kills(const std::string& root) {
        for (int k = 0; k < settings_.kills; ++k) {
            const KernelHandle worker = StartWorker(root, random_(), 100000);
            Sleep(150 + random_() % 600);
            TerminateProcess(worker.Get(), 9);
            WaitForSingleObject(worker.Get(), INFINITE);
            Expect("after kill " + std::to_string(k), installation_.Check());
        }
        std::printf("soak: %d workers killed part-way\n", settings_.kills);
    }

    // Two workers on the same installation at once: neither may report what the other moved as a failure.
    void TwoInstances(const std::string& root) {
        for (int r = 0; r < settings_.rounds; ++r) {
            const KernelHandle first = StartWorker(root, random_(), 40);
            const KernelHandle second = StartWorker(root, random_(), 40);
            for (const KernelHandle* worker : {&first, &second}) {
                WaitForSingleObject(worker->Get(), INFINITE);
                DWORD code = 0;
                GetExitCodeProcess(worker->Get(), &code);
                if (code != 0) {
                    problems_.push_back("round " + std::to_string(r) + ": a worker misreported " +
                                        std::to_string(code) + " run(s)");
                }
            }
            Expect("after round " + std::to_string(r), installation_.Check());
        }
        std::printf("soak: %d rounds of two instances at once\n", settings_.rounds);
    }

    // A folder any user may create at the root of the drive: the elevated program must pass it over.
    void PlantedProbe() {
        platform::win32::Win32Registry registry;
        const std::string drive = install::GetProgramFilesDir(registry).substr(0, 2);
        const std::string top = drive + "\\Program Files(x86)";
        if (drive.size() != 2 || Exists(top)) {
            std::printf("soak: planted probe folder skipped (%s exists or no drive)\n", top.c_str());
            return;
        }
        const std::string probe = top + "\\Common Files\\Research In Motion\\";
        for (const std::string& level :
             {top + "\\", top + "\\Common Files\\", probe, probe + "Shared\\", install::LoaderFilesDir(probe),
              install::LoaderFilesDir(probe) + "planted-by-user\\", install::AppLoaderDir(probe)}) {
            MakeFolder(level);
        }
        WriteFile(install::LoaderProgram(probe), "planted", FILE_ATTRIBUTE_NORMAL);
        if (install::LocateRimCommonPath(registry, files_) == probe) {
            problems_.push_back("the planted folder " + probe + " was taken for the maker's");
        }
        DeleteTree(top);
        std::printf("soak: planted probe folder passed over\n");
    }

    int Report() const {
        if (problems_.empty()) {
            std::printf(
                "soak: PASSED: every module exists exactly once with its content; nothing lost, doubled "
                "or misreported\n");
            return 0;
        }
        std::printf("soak: FAILED: %zu problem(s)\n", problems_.size());
        for (std::size_t i = 0; i < problems_.size() && i < 40; ++i) {
            std::printf("  %s\n", problems_[i].c_str());
        }
        return 1;
    }

    Settings settings_;
    Installation installation_;
    std::mt19937 random_;
    platform::win32::Win32FileSystem files_;
    std::vector<std::string> problems_;
};

std::string ScratchRoot() {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);
    if (length == 0 || length > MAX_PATH) {
        throw std::runtime_error("no temp folder");
    }
    // The tick count too: a soak killed before it cleaned up may have left a folder of the same process id.
    return Narrow(std::wstring(temp, length)) + "TrimlodeSoak-" + std::to_string(GetCurrentProcessId()) +
           "-" + std::to_string(GetTickCount()) + "\\";
}

Settings Parse(const std::vector<std::string>& args) {
    Settings settings;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const auto number = [&] { return i + 1 < args.size() ? std::stoi(args[++i]) : 0; };
        if (args[i] == "--long") {
            settings.runs = 10000;
            settings.kills = 100;
            settings.rounds = 20;
        } else if (args[i] == "--runs") {
            settings.runs = number();
        } else if (args[i] == "--kills") {
            settings.kills = number();
        } else if (args[i] == "--rounds") {
            settings.rounds = number();
        } else if (args[i] == "--seed") {
            settings.seed = static_cast<unsigned>(number());
        } else {
            throw std::runtime_error("unknown argument " + args[i]);
        }
    }
    return settings;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(Narrow(argv[i]));
    }
    try {
        if (args.size() == 4 && args[0] == "--worker") {
            return Worker(args[1] + "\\", static_cast<unsigned>(std::stoul(args[2])), std::stoi(args[3]));
        }
        const Settings settings = Parse(args);
        const std::string root = ScratchRoot();
        std::printf("soak: seed %u, %d runs, %d kills, %d rounds of two instances\n", settings.seed,
                    settings.runs, settings.kills, settings.rounds);
        Soak soak(settings, root);
        const int result = soak.Go(root);
        DeleteTree(root.substr(0, root.size() - 1));
        return result;
    } catch (const std::exception& error) {
        std::printf("soak: FAILED: %s\n", error.what());
        return 1;
    }
}
