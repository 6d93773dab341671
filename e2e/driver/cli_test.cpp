// trimlode-cli.exe used as a script would use it, on the seeded installation, alone and together with
// trimlode.exe: each sees what the other did and undoes it.
#include "demo/module_list.h"
#include "demo/seed.h"
#include "e2e/driver/console_run.h"
#include "e2e/driver/environment.h"
#include "e2e/driver/fixture.h"
#include "e2e/driver/gui.h"
#include "install/paths.h"
#include "platform/win32/disk.h"
#include "platform/win32/wide.h"
#include "removal/module_catalogue.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <set>
#include <sstream>

namespace e2e {
namespace {

using testing::ElementsAreArray;
using testing::HasSubstr;
using testing::IsEmpty;
using testing::StartsWith;

class CliTest : public TrimlodeTest {
protected:
    // Started in the scratch folder, like trimlode.exe, so nothing is found relative to the current folder.
    static ConsoleRun Cli(const std::vector<std::string>& arguments) {
        return RunConsole(Env().driverFolder + "\\trimlode-cli.exe", arguments, Env().workFolder);
    }

    // The modules any feature names: what "all" takes from the package.
    static std::vector<std::string> NamedModules(const std::string& os) {
        std::set<std::string> named;
        for (const auto& row : removal::ModuleCatalogue()) {
            for (const auto& name : ModulesOfOption(os, row.checkBox))
                named.insert(name);
        }
        return {named.begin(), named.end()};
    }

    // A count from the status document: `"name":"<feature>","inPackage":{"count":N` or the setAside one.
    static int FeatureCount(const std::string& json, const std::string& feature, const std::string& where) {
        const std::string name = "{\"name\":\"" + feature + "\"";
        const std::size_t at = json.find(name);
        const std::size_t count = json.find("\"" + where + "\":{\"count\":", at);
        if (at == std::string::npos || count == std::string::npos)
            return -1;
        return std::stoi(json.substr(count + where.size() + 12));
    }

    // Every seeded module of `os` exists exactly once, in its package or set aside, with its content.
    void ExpectEveryModuleOnce(const std::string& os) const {
        const std::string java = install::JavaDir(Rim(), os);
        const std::string removed = install::RemovedDir(Rim(), os);
        for (const auto& name : SeededNames(os)) {
            const auto home = platform::win32::disk::ReadFile(java + name);
            const auto aside = platform::win32::disk::ReadFile(removed + name);
            EXPECT_NE(home.has_value(), aside.has_value()) << name;
            EXPECT_EQ(home ? home : aside, demo::ModuleContent(os, name)) << name;
        }
    }

    void TickAllAndExecute(Trimlode& app, const std::string& os) {
        app.PickItem(os);
        app.Click(kConfirm);
        WaitFor("the confirmed name", [&] { return app.ConfirmedName() == os; });
        for (const auto& row : removal::ModuleCatalogue())
            app.SetTicked(CaptionOf(row.checkBox), true);
        app.Click(kExecute);
        EXPECT_EQ(app.Acknowledge(), kCompleted);
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

TEST_F(CliTest, ListGivesTheWindowsOperatingSystems) {
    const ConsoleRun list = Cli({"list"});
    EXPECT_EQ(list.exitCode, 0u) << list.err;
    EXPECT_THAT(Lines(list.out), ElementsAreArray(demo::DemoModules().operatingSystems));
    auto app = Start();
    EXPECT_THAT(app.Items(), ElementsAreArray(Lines(list.out)));

    const ConsoleRun json = Cli({"list", "--json"});
    EXPECT_EQ(json.exitCode, 0u);
    EXPECT_THAT(json.out, StartsWith("{\"command\":\"list\",\"exitCode\":0,\"rimCommonPath\":"));
    for (const auto& os : demo::DemoModules().operatingSystems)
        EXPECT_THAT(json.out, HasSubstr("\"" + os + "\""));
}

TEST_F(CliTest, StatusBeforeAndAfterAWindowRun) {
    const std::string os = LastOs();
    const int wallpaper = static_cast<int>(ModulesOfOption(os, "wallpaper").size());
    ASSERT_GT(wallpaper, 0);
    const ConsoleRun before = Cli({"status", os, "--json"});
    EXPECT_EQ(before.exitCode, 0u) << before.err;
    EXPECT_EQ(FeatureCount(before.out, "wallpaper", "inPackage"), wallpaper);
    EXPECT_EQ(FeatureCount(before.out, "wallpaper", "setAside"), 0);
    EXPECT_THAT(before.out, HasSubstr("\"vendorXml\":{\"inAppLoader\":true,\"setAside\":false"));

    auto app = Start();
    app.PickItem(os);
    app.Click(kConfirm);
    WaitFor("the confirmed name", [&] { return app.ConfirmedName() == os; });
    app.SetTicked(CaptionOf("wallpaper"), true);
    app.Click(kExecute);
    EXPECT_EQ(app.Acknowledge(), kCompleted);

    const ConsoleRun after = Cli({"status", os, "--json"});
    EXPECT_EQ(FeatureCount(after.out, "wallpaper", "inPackage"), 0);
    EXPECT_EQ(FeatureCount(after.out, "wallpaper", "setAside"), wallpaper);
    EXPECT_THAT(after.out, HasSubstr("\"vendorXml\":{\"inAppLoader\":false,\"setAside\":true"));
    const ConsoleRun text = Cli({"status", os});
    EXPECT_THAT(text.out, HasSubstr("\nwallpaper, set aside:\n"));
    EXPECT_THAT(text.out, HasSubstr("\nVendor.xml: set aside in "));
}

TEST_F(CliTest, DryRunListsEverythingAndMovesNothing) {
    const std::string os = FirstOs();
    // A name beyond the console's code page, to see it reach the script as UTF-8.
    const std::string unicode = "net_rim_vad_Größe_名前.cod";
    platform::win32::disk::WriteFile(install::JavaDir(Rim(), os) + unicode, "voice");
    const auto java = JavaNames(os);

    const ConsoleRun dry = Cli({"remove", os, "all", "--dry-run"});
    EXPECT_EQ(dry.exitCode, 0u) << dry.err;
    EXPECT_THAT(dry.out, StartsWith("Dry run: nothing is moved.\n"));
    EXPECT_THAT(dry.out,
                HasSubstr("Would move " + std::to_string(NamedModules(os).size() + 2) + " item(s), "));
    EXPECT_THAT(dry.out, HasSubstr("  " + unicode + "\n"));
    EXPECT_THAT(JavaNames(os), ElementsAreArray(java));
    EXPECT_TRUE(VendorFileHome());
    EXPECT_FALSE(platform::win32::disk::Exists(install::RemovedRoot(Rim())));
}

TEST_F(CliTest, CliRemovesAllAndTheWindowPutsItBack) {
    const std::string os = LastOs();
    const ConsoleRun removal = Cli({"remove", os, "ALL"});
    EXPECT_EQ(removal.exitCode, 0u) << removal.out << removal.err;
    EXPECT_THAT(removal.out, HasSubstr("Action completed.\n"));
    EXPECT_THAT(JavaNames(os), ElementsAreArray(Without(SeededNames(os), NamedModules(os))));
    EXPECT_THAT(RemovedNames(os), ElementsAreArray(NamedModules(os)));
    ExpectEveryModuleOnce(os);
    EXPECT_THAT(JavaNames(FirstOs()), ElementsAreArray(SeededNames(FirstOs())));

    auto app = Start();
    app.PickItem(os);
    app.Click(kConfirm);
    WaitFor("the confirmed name", [&] { return app.ConfirmedName() == os; });
    app.Click(kPutBack);
    EXPECT_EQ(app.Acknowledge(), kCompleted);
    EXPECT_THAT(JavaNames(os), ElementsAreArray(SeededNames(os)));
    EXPECT_THAT(RemovedNames(os), IsEmpty());
    ExpectEveryModuleOnce(os);
    EXPECT_EQ(platform::win32::disk::ReadFile(install::VendorFile(Rim())), demo::VendorFileContent());
}

TEST_F(CliTest, WindowRemovesAllAndTheCliRestores) {
    const std::string os = FirstOs();
    auto app = Start();
    TickAllAndExecute(app, os);
    EXPECT_THAT(RemovedNames(os), ElementsAreArray(NamedModules(os)));

    const ConsoleRun restore = Cli({"restore", os});
    EXPECT_EQ(restore.exitCode, 0u) << restore.out << restore.err;
    EXPECT_THAT(restore.out,
                HasSubstr("Moved " + std::to_string(NamedModules(os).size() + 1) + " item(s), "));
    EXPECT_THAT(JavaNames(os), ElementsAreArray(SeededNames(os)));
    EXPECT_THAT(RemovedNames(os), IsEmpty());
    ExpectEveryModuleOnce(os);
    EXPECT_EQ(platform::win32::disk::ReadFile(install::VendorFile(Rim())), demo::VendorFileContent());
}

TEST_F(CliTest, EveryExitCode) {
    const std::string os = FirstOs();
    EXPECT_EQ(Cli({"status", os}).exitCode, 0u);

    // 1: a module whose name is already taken in the removed folder stays, and is named with the reason.
    platform::win32::disk::MakeFolders(install::RemovedDir(Rim(), os));
    platform::win32::disk::WriteFile(install::RemovedDir(Rim(), os) + "net_rim_vad.cod", "older copy");
    const ConsoleRun clash = Cli({"remove", os, "vad"});
    EXPECT_EQ(clash.exitCode, 1u);
    EXPECT_THAT(clash.out, HasSubstr("Could not move 1 item(s):\n  net_rim_vad.cod: a file of that name is "
                                     "already in " +
                                     install::RemovedDir(Rim(), os) + "\n"));
    EXPECT_THAT(clash.out, HasSubstr("Action completed, but 1 item(s) could not be moved.\n"));
    EXPECT_EQ(platform::win32::disk::ReadFile(install::JavaDir(Rim(), os) + "net_rim_vad.cod"),
              demo::ModuleContent(os, "net_rim_vad.cod"));

    // 2: usage errors, with the usage text, and nothing touched.
    const auto java = JavaNames(LastOs());
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"remove", LastOs(), "wallpaper", "sound"},
          std::vector<std::string>{"remove", LastOs(), "vad", "Vad"},
          std::vector<std::string>{"erase", LastOs()}, std::vector<std::string>{"status", "..\\" + LastOs()},
          std::vector<std::string>{"list", "--dry-run"}}) {
        const ConsoleRun usage = Cli(words);
        EXPECT_EQ(usage.exitCode, 2u) << words[0];
        EXPECT_THAT(usage.err, HasSubstr("\n\nUsage:\n  trimlode-cli list [--json]\n")) << words[0];
        EXPECT_EQ(usage.out, "") << words[0];
    }
    EXPECT_THAT(JavaNames(LastOs()), ElementsAreArray(java));

    // 3: no such operating system, then no installation at all.
    const ConsoleRun unknown = Cli({"remove", "9.9.9.9", "all", "--json"});
    EXPECT_EQ(unknown.exitCode, 3u);
    EXPECT_THAT(unknown.out,
                StartsWith("{\"command\":\"remove\",\"exitCode\":3,\"error\":\"no operating system "
                           "named \\\"9.9.9.9\\\""));
    demo::RemoveInstallation(Env().programFilesDir);
    const ConsoleRun none = Cli({"list"});
    EXPECT_EQ(none.exitCode, 3u);
    EXPECT_THAT(none.err, StartsWith("trimlode-cli: No Operating Systems could be found in "));
}

TEST_F(CliTest, HelpAndVersionAndNoElevationAsked) {
    const ConsoleRun help = Cli({"--help"});
    EXPECT_EQ(help.exitCode, 0u);
    EXPECT_THAT(help.out, StartsWith("Usage:\n  trimlode-cli list [--json]\n"));
    const ConsoleRun version = Cli({"--version"});
    EXPECT_EQ(version.exitCode, 0u);
    EXPECT_THAT(version.out, StartsWith("trimlode-cli 2."));

    // Reading needs no rights, so the program asks for none: its manifest says asInvoker.
    const std::wstring exe = platform::win32::Widen(Env().driverFolder + "\\trimlode-cli.exe");
    HMODULE image =
        LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC found = FindResourceW(image, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(found, nullptr);
    const char* data = static_cast<const char*>(LockResource(LoadResource(image, found)));
    const std::string manifest(data, SizeofResource(image, found));
    FreeLibrary(image);
    EXPECT_THAT(manifest, HasSubstr("<requestedExecutionLevel level=\"asInvoker\""));
}

} // namespace
} // namespace e2e
