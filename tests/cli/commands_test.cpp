// trimlode-cli's commands on a scratch installation: the simulation natively, the real file system under
// Wine. Where the window does the same, the two are run against each other on one installation.
#include "app/application.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "cli/texts.h"
#include "install/paths.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_window.h"
#include "tests/support/fixtures.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using cli::Output;
using testing::HasSubstr;
using testing::StartsWith;
using Words = std::vector<std::string>;
namespace exit_code = cli::exit_code;
namespace texts = cli::texts;

const std::string kOs = "4.5.0.44";
const std::string kOther = "4.6.0.92 Größe";
// Sizes differ by name, so every sum in a report is checkable.
const std::vector<std::string> kModules = {"net_rim_bb_medialoader_video.cod",
                                           "net_rim_bb_medialoader_240x260_b.cod",
                                           "net_rim_bb_media_88xx.cod",
                                           "net_rim_vad.cod",
                                           "net_rim_vad-1.cod",
                                           "net_rim_bb_qm_msn.cod",
                                           "net_rim_bb_browser.cod",
                                           "net_rim_bb_phone_app.cod"};

class CliTest : public ::testing::Test {
protected:
    CliTest() {
        registry.SetString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                           fx->Root() + "Program Files");
    }

    std::unique_ptr<testsupport::FileFixture> fx = testsupport::MakeFileFixture();
    platform::sim::SimRegistry registry;
    // Where the window finds the maker's folders for that ProgramFilesDir: the fallback below it.
    std::string rim = fx->Root() + "Program Files\\Common Files\\Research In Motion\\";

    std::string Java(const std::string& os = kOs) const { return install::JavaDir(rim, os); }
    std::string Removed(const std::string& os = kOs) const { return install::RemovedDir(rim, os); }
    static std::string Content(const std::string& os, const std::string& name) {
        return os + "/" + name + std::string(name.size() * 100, '.');
    }

    void Install(const std::string& os = kOs) {
        fx->MakeFolders(Java(os));
        for (const auto& name : kModules) {
            fx->WriteFile(Java(os) + name, Content(os, name));
        }
        fx->MakeFolders(install::AppLoaderDir(rim));
        if (!fx->Exists(install::VendorFile(rim))) {
            fx->WriteFile(install::VendorFile(rim), "<vendor/>");
        }
    }

    Output Cli(const Words& words) { return cli::Execute(words, registry, fx->Files()); }

    // Every file below the maker's folder with its content.
    std::map<std::string, std::string> Disk() {
        std::map<std::string, std::string> disk;
        Collect(rim, disk);
        return disk;
    }
    void Collect(const std::string& folder, std::map<std::string, std::string>& disk) {
        for (const auto& name : fx->List(folder)) {
            if (fx->Files().FileExists(folder + name)) {
                disk[folder + name] = fx->ReadFile(folder + name).value_or("");
            } else {
                Collect(folder + name + "\\", disk);
            }
        }
    }

    // Every module of the system exists exactly once, in its package or set aside, with its content.
    void ExpectEveryModuleOnce(const std::string& os, const std::string& when) {
        for (const auto& name : kModules) {
            const auto home = fx->ReadFile(Java(os) + name);
            const auto aside = fx->ReadFile(Removed(os) + name);
            EXPECT_NE(home.has_value(), aside.has_value()) << when << ": " << name;
            EXPECT_EQ(home ? home : aside, Content(os, name)) << when << ": " << name;
        }
    }
};

TEST_F(CliTest, ListGivesTheWindowsListOneALine) {
    Install(kOs);
    Install(kOther);
    fx->WriteFile(install::LoaderFilesDir(rim) + "readme.txt", "not a system");

    const Output text = Cli({"list"});
    EXPECT_EQ(text.exitCode, exit_code::kDone);
    EXPECT_EQ(text.err, "");
    // Wine lists folders sorted, the simulation in creation order: both give these two in this order.
    EXPECT_EQ(text.out, kOs + "\n" + kOther + "\n");

    const Output json = Cli({"list", "--json"});
    EXPECT_EQ(json.exitCode, exit_code::kDone);
    std::string escapedRim;
    for (char c : rim) {
        escapedRim += c == '\\' ? std::string("\\\\") : std::string(1, c);
    }
    EXPECT_EQ(json.out, "{\"command\":\"list\",\"exitCode\":0,\"rimCommonPath\":\"" + escapedRim +
                            "\",\"operatingSystems\":[\"" + kOs + "\",\"" + kOther + "\"]}\n");
}

TEST_F(CliTest, StatusShowsEachFeaturesModulesWithTheirBytes) {
    Install();
    fx->MakeFolders(Removed());
    fx->WriteFile(Removed() + "net_rim_bb_qm_yahoo.cod", std::string(2000000, 'y'));
    fx->WriteFile(Removed() + "stray.cod", "123");
    fx->WriteFile(Removed() + "notes.txt", "not a module");

    const Output status = Cli({"status", kOs});
    EXPECT_EQ(status.exitCode, exit_code::kDone);
    const std::string& out = status.out;
    EXPECT_THAT(out, StartsWith("Operating system " + kOs + "\nPackage:    " + Java() + "\nSet aside:  " +
                                Removed() + "\nVendor.xml: in " + install::AppLoaderDir(rim) + "\n"));
    // bsv and wallpaper both name the 240x260 module (3,645 bytes); "all" counts it once.
    EXPECT_THAT(out, HasSubstr("\nbsv                  2           6,886          0               0\n"));
    EXPECT_THAT(out, HasSubstr("\nyahoo                0               0          1       2,000,000\n"));
    EXPECT_THAT(out, HasSubstr("\ntty                  0               0          0               0\n"));
    EXPECT_THAT(out, HasSubstr("\nall                  6"));
    EXPECT_THAT(out, HasSubstr("\nwallpaper, in the package:\n"));
    EXPECT_THAT(out, HasSubstr("  net_rim_bb_medialoader_240x260_b.cod\n"));
    EXPECT_THAT(out, HasSubstr("\nyahoo, set aside:\n        2,000,000  net_rim_bb_qm_yahoo.cod\n"));
    EXPECT_THAT(out, HasSubstr(std::string(texts::kUnnamedSetAside) + "\n                3  stray.cod\n"));
    EXPECT_THAT(out, testing::Not(HasSubstr("notes.txt")));

    const Output json = Cli({"status", kOs, "--json"});
    EXPECT_THAT(json.out, HasSubstr("\"vendorXml\":{\"inAppLoader\":true,\"setAside\":false,"));
    EXPECT_THAT(json.out, HasSubstr("{\"name\":\"bsv\",\"inPackage\":{\"count\":2,\"bytes\":6886,"));
    EXPECT_THAT(json.out,
                HasSubstr("\"setAsideNamedByNoFeature\":{\"count\":1,\"bytes\":3,\"modules\":[{\"name\":"
                          "\"stray.cod\",\"bytes\":3}]},\"unreadable\":[]}\n"));
}

TEST_F(CliTest, DryRunListsWhatWouldMoveAndMovesNothing) {
    Install();
    const auto before = Disk();
    const Output dry = Cli({"remove", kOs, "msn", "--dry-run"});
    EXPECT_EQ(dry.exitCode, exit_code::kDone);
    EXPECT_EQ(Disk(), before);
    EXPECT_EQ(dry.out, "Dry run: nothing is moved.\n"
                       "Operating system " +
                           kOs +
                           "; removing msn\n"
                           "From " +
                           install::AppLoaderDir(rim) +
                           "\n"
                           "  to " +
                           install::RemovedRoot(rim) +
                           "\\\n"
                           "                9  Vendor.xml\n"
                           "From " +
                           Java() +
                           "\n"
                           "  to " +
                           Removed() +
                           "\n"
                           "            2,130  net_rim_bb_qm_msn.cod\n"
                           "Would move 2 item(s), 2,139 bytes.\n");

    // The real run then does exactly what the dry run said.
    const Output dryJson = Cli({"remove", kOs, "vad", "--dry-run", "--json"});
    const Output done = Cli({"remove", kOs, "vad", "--json"});
    EXPECT_EQ(done.exitCode, exit_code::kDone);
    const auto moved = [](const std::string& json) { return json.substr(json.find("\"moved\":")); };
    EXPECT_EQ(moved(dryJson.out), moved(done.out));
    EXPECT_THAT(dryJson.out, HasSubstr("\"dryRun\":true,\"features\":[\"vad\"]"));
    EXPECT_THAT(done.out, HasSubstr("\"dryRun\":false,\"features\":[\"vad\"]"));
    EXPECT_FALSE(fx->Exists(Java() + "net_rim_vad.cod"));
}

TEST_F(CliTest, RemoveAndRestoreReportLikeTheWindow) {
    Install();
    fx->MakeFolders(Removed());
    fx->WriteFile(Removed() + "net_rim_bb_qm_msn.cod", "older removed copy");

    const Output removal = Cli({"remove", kOs, "msn", "VAD"});
    EXPECT_EQ(removal.exitCode, exit_code::kNotAllMoved);
    EXPECT_THAT(removal.out, HasSubstr("; removing vad, msn\n"));
    EXPECT_THAT(removal.out, HasSubstr("Moved 3 item(s), "));
    EXPECT_THAT(
        removal.out,
        HasSubstr("\nCould not move 1 item(s):\n  net_rim_bb_qm_msn.cod: a file of that name is already in " +
                  Removed() + "\n" + texts::CompletedWithFailures(1) + "\n"));
    EXPECT_EQ(fx->ReadFile(Java() + "net_rim_bb_qm_msn.cod"), Content(kOs, "net_rim_bb_qm_msn.cod"));

    const Output restore = Cli({"restore", kOs});
    EXPECT_EQ(restore.exitCode, exit_code::kNotAllMoved);
    EXPECT_THAT(restore.out, HasSubstr("Moved 3 item(s), "));
    EXPECT_THAT(restore.out,
                HasSubstr("  net_rim_bb_qm_msn.cod: a file of that name is already in " + Java()));
    EXPECT_EQ(fx->ReadFile(install::VendorFile(rim)), "<vendor/>");

    fx->WriteFile(Removed() + "stray.cod", "x");
    const Output clean = Cli({"restore", kOs, "--json"});
    EXPECT_EQ(clean.exitCode, exit_code::kNotAllMoved) << "the older msn copy still cannot go back";
    fx->MakeFolders(fx->Root() + "kept");
    ASSERT_TRUE(fx->Files().MoveEntry(Removed() + "net_rim_bb_qm_msn.cod", fx->Root() + "kept\\x.cod").ok());
    const Output nothing = Cli({"restore", kOs});
    EXPECT_EQ(nothing.exitCode, exit_code::kDone);
    EXPECT_THAT(nothing.out, HasSubstr("Moved 0 item(s), 0 bytes.\nAction completed.\n"));
}

TEST_F(CliTest, EveryExitCodeAndNoPartialRunOnBadInput) {
    Install();
    Install(kOther);
    const auto before = Disk();
    struct Case {
        Words words;
        int exitCode;
        std::string err; // the start of standard error
    };
    const std::string loaderFiles = install::LoaderFilesDir(rim);
    const Case cases[] = {
        {{"list"}, exit_code::kDone, ""},
        {{"status", "4.5.0.44"}, exit_code::kDone, ""},
        {{"remove", kOs, "vad", "bogus"},
         exit_code::kUsage,
         "trimlode-cli: unknown feature \"bogus\"\n\nUsage:"},
        {{"remove", kOs, "vad", "vad"}, exit_code::kUsage, "trimlode-cli: feature vad given twice\n\nUsage:"},
        {{"remove", kOs, "all", "--dry-run", "--dry-run"},
         exit_code::kUsage,
         "trimlode-cli: option --dry-run"},
        {{"remove", "", "vad"}, exit_code::kUsage, "trimlode-cli: the operating-system name is empty"},
        {{"remove", "..\\" + kOs, "vad"}, exit_code::kUsage, "trimlode-cli: \"..\\" + kOs + "\" is not"},
        {{"restore", kOs, "--force"}, exit_code::kUsage, "trimlode-cli: unknown option \"--force\""},
        {{"delete", kOs}, exit_code::kUsage, "trimlode-cli: unknown command \"delete\""},
        {{}, exit_code::kUsage, "trimlode-cli: no command given\n\n" + std::string(texts::kUsage)},
        {{"remove", "4.5.0.45", "vad"},
         exit_code::kNoInstallation,
         "trimlode-cli: no operating system named \"4.5.0.45\" in " + loaderFiles},
        {{"status", "4.6.0.92"}, exit_code::kNoInstallation, "trimlode-cli: no operating system named"},
    };
    for (const Case& c : cases) {
        const std::string line = ::testing::PrintToString(c.words);
        const Output output = Cli(c.words);
        EXPECT_EQ(output.exitCode, c.exitCode) << line;
        EXPECT_THAT(output.err, StartsWith(c.err)) << line;
        if (c.exitCode != exit_code::kDone) {
            EXPECT_EQ(output.out, "") << line;
        }
    }
    EXPECT_EQ(Disk(), before) << "a refused command touched the disk";

    // With --json the error is the one document on standard output.
    const Output json = Cli({"remove", "4.5.0.45", "vad", "--json"});
    EXPECT_EQ(
        json.out, "{\"command\":\"remove\",\"exitCode\":3,\"error\":\"no operating system named "
                  "\\\"4.5.0.45\\\" in " +
                      [&] {
                          std::string escaped;
                          for (char c : loaderFiles) {
                              escaped += c == '\\' ? std::string("\\\\") : std::string(1, c);
                          }
                          return escaped;
                      }() +
                      "; trimlode-cli list shows the installed ones\"}\n");
    EXPECT_EQ(json.err, "");
    const Output usage = Cli({"remove", kOs, "--json"});
    EXPECT_EQ(usage.exitCode, exit_code::kUsage);
    EXPECT_EQ(usage.out, "{\"exitCode\":2,\"error\":\"remove needs at least one FEATURE, or all\"}\n");
}

TEST_F(CliTest, NoInstallationIsExitCodeThree) {
    struct Case {
        const char* label;
        std::function<void()> setUp;
        std::string err;
    };
    const Case cases[] = {
        {"no loader files", [] {},
         "trimlode-cli: No Operating Systems could be found in " + install::LoaderFilesDir(rim) + "\n"},
        {"ProgramFilesDir of the wrong type",
         [this] {
             registry.SetValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                               platform::regtype::kDWord, {1, 0, 0, 0});
         },
         "trimlode-cli: Invalid data type for 'ProgramFilesDir'\n"},
    };
    for (const Case& c : cases) {
        c.setUp();
        for (const Words& words : {Words{"list"}, Words{"status", kOs}, Words{"restore", kOs, "--dry-run"}}) {
            const Output output = Cli(words);
            EXPECT_EQ(output.exitCode, exit_code::kNoInstallation) << c.label;
            EXPECT_EQ(output.err, c.err) << c.label;
            EXPECT_EQ(output.out, "") << c.label;
        }
    }
    EXPECT_FALSE(fx->Exists(fx->Root() + "Program Files")) << "nothing was created";
}

TEST_F(CliTest, StatusOfAFolderThatCannotBeReadSaysSoWithExitCodeOne) {
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    Install();
    fx->InjectFault("list", Java(), platform::error::kAccessDenied);
    const Output status = Cli({"status", kOs});
    EXPECT_EQ(status.exitCode, exit_code::kNotAllMoved);
    EXPECT_THAT(status.out, HasSubstr("\nall                  0               0"));
    EXPECT_THAT(status.out, testing::EndsWith("\nCould not read " + Java() + ": Access is denied.\n"));
}

TEST_F(CliTest, ListCutShortShowsWhatItFoundAndSaysWhy) {
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    Install();
    const std::string loaderFiles = install::LoaderFilesDir(rim);
    const std::string why = texts::ListCutShort(loaderFiles, "Access is denied.");
    fx->InjectFault("step", loaderFiles, platform::error::kAccessDenied);
    const Output list = Cli({"list"});
    EXPECT_EQ(list.exitCode, exit_code::kNotAllMoved);
    EXPECT_EQ(list.err, "trimlode-cli: " + why + "\n");
    fx->InjectFault("step", loaderFiles, platform::error::kAccessDenied);
    EXPECT_THAT(Cli({"list", "--json"}).out, testing::EndsWith("\"error\":" + cli::JsonString(why) + "}\n"));
    // A system the broken list did not reach is not said to be missing.
    fx->InjectFault("step", loaderFiles, platform::error::kAccessDenied);
    const Output status = Cli({"status", kOs});
    EXPECT_EQ(status.exitCode, exit_code::kNoInstallation);
    EXPECT_EQ(status.err, "trimlode-cli: " + why + "\n");
}

// A file system whose second move fails with an error no run expects, as running out of memory would.
class FailingSecondMove : public platform::FileSystem {
public:
    explicit FailingSecondMove(platform::FileSystem& real) : real_(real) {}
    using platform::FileSystem::Enumerate;
    std::unique_ptr<platform::DirectoryEnumeration> Enumerate(const std::string& pattern, std::uint32_t mask,
                                                              platform::Status& failure) override {
        return real_.Enumerate(pattern, mask, failure);
    }
    platform::Status MoveEntry(const std::string& from, const std::string& to) override {
        if (++moves_ == 2) {
            throw std::runtime_error("out of memory");
        }
        return real_.MoveEntry(from, to);
    }
    platform::Status MoveEntryReplacing(const std::string& from, const std::string& to) override {
        return real_.MoveEntryReplacing(from, to);
    }
    platform::Status MakeFolder(const std::string& path) override { return real_.MakeFolder(path); }
    bool FileExists(const std::string& path) override { return real_.FileExists(path); }
    std::optional<platform::FolderSecurity> SecurityOf(const std::string& path) override {
        return real_.SecurityOf(path);
    }

private:
    platform::FileSystem& real_;
    int moves_ = 0;
};

TEST_F(CliTest, RunStoppedByAnUnexpectedErrorSaysHowToComplete) {
    Install();
    FailingSecondMove files(fx->Files());
    const Output stopped = cli::Execute({"remove", kOs, "vad"}, registry, files);
    EXPECT_EQ(stopped.exitCode, exit_code::kNotAllMoved);
    EXPECT_EQ(stopped.out, "");
    EXPECT_EQ(stopped.err,
              "trimlode-cli: " + texts::RunStopped(texts::kRemovalActivity, "out of memory") + "\n");
    ExpectEveryModuleOnce(kOs, "after the stop");
    const Output again = Cli({"remove", kOs, "vad"});
    EXPECT_EQ(again.exitCode, exit_code::kDone) << again.out;
    EXPECT_FALSE(fx->Exists(Java() + "net_rim_vad.cod"));
    EXPECT_FALSE(fx->Exists(Java() + "net_rim_vad-1.cod"));
}

TEST_F(CliTest, NameInAnyLetterCaseUsesTheListedFolder) {
    Install(kOther);
    const Output output = Cli({"remove", "4.6.0.92 GRÖSSE", "msn"});
    EXPECT_EQ(output.exitCode, exit_code::kNoInstallation) << "ß and SS are different names";
    const Output done = Cli({"remove", "4.6.0.92 GRÖßE", "msn"});
    EXPECT_EQ(done.exitCode, exit_code::kDone) << done.err;
    EXPECT_THAT(done.out, HasSubstr("Operating system " + kOther + "; removing msn\n"));
    EXPECT_EQ(fx->List(Removed(kOther)), Words{"net_rim_bb_qm_msn.cod"});
}

// The window and the command line on one installation: each sees and undoes what the other did.
class CliAndWindow : public CliTest {
protected:
    void StartWindow() { form = app::StartApplication(state, pieces); }
    platform::sim::SimForm& Window() { return *windows.LastForm(); }
    void Confirm(const std::string& os) {
        const auto items = Window().Get("OSSelectionRadioGroup").Items();
        const auto at = std::find(items.begin(), items.end(), os);
        ASSERT_NE(at, items.end()) << os;
        Window().ChooseItem("OSSelectionRadioGroup", static_cast<int>(at - items.begin()));
        Window().Click("ConfirmOSChoice");
    }

    platform::sim::SimShell shell;
    platform::sim::SimWindowLibrary windows;
    platform::sim::SimDialogs dialogs;
    platform::Platform pieces{registry, fx->Files(), shell, dialogs, windows};
    install::AppState state;
    std::unique_ptr<ui::TForm1> form;
};

TEST_F(CliAndWindow, SameInstallationSameListAndSameFolders) {
    Install(kOs);
    Install(kOther);
    StartWindow();
    const auto items = Window().Get("OSSelectionRadioGroup").Items();
    EXPECT_EQ(Cli({"list"}).out, items[0] + "\n" + items[1] + "\n");
    EXPECT_EQ(state.RimCommonPath, rim);
}

TEST_F(CliAndWindow, StatusBeforeAndAfterAWindowRun) {
    Install();
    EXPECT_THAT(Cli({"status", kOs}).out, HasSubstr("\nwallpaper            2"));
    StartWindow();
    Confirm(kOs);
    Window().Tick("wallpaper", true);
    Window().Click("ExcecuteSelectionButton");
    ASSERT_EQ(dialogs.Messages().back(), "Action completed.");

    const Output after = Cli({"status", kOs});
    EXPECT_THAT(after.out, HasSubstr("\nwallpaper            0               0          2"));
    EXPECT_THAT(after.out, HasSubstr("\nVendor.xml: set aside in " + install::RemovedRoot(rim) + "\\\n"));
    EXPECT_THAT(after.out, HasSubstr("\nbsv                  1"));
    EXPECT_THAT(after.out, HasSubstr("\nwallpaper, set aside:\n"));
}

TEST_F(CliAndWindow, CliRemovesAllAndTheWindowPutsItBack) {
    Install(kOs);
    Install(kOther);
    const auto before = Disk();
    const Output removal = Cli({"remove", kOs, "all"});
    ASSERT_EQ(removal.exitCode, exit_code::kDone) << removal.out;
    ExpectEveryModuleOnce(kOs, "after remove all");
    EXPECT_EQ(fx->List(Java()), (Words{"net_rim_bb_browser.cod", "net_rim_bb_phone_app.cod"}));

    StartWindow();
    Confirm(kOs);
    Window().Click("resetfile");
    EXPECT_EQ(dialogs.Messages().back(), "Action completed.");
    ExpectEveryModuleOnce(kOs, "after Put It Back");
    EXPECT_EQ(Disk(), before) << "every file home again";
}

TEST_F(CliAndWindow, WindowRemovesAndTheCliRestores) {
    Install(kOs);
    Install(kOther);
    const auto before = Disk();
    StartWindow();
    Confirm(kOther);
    for (const char* box : {"Vendor_xml", "bsv", "wallpaper", "vad", "themes", "tty", "yahoo", "aim", "msn",
                            "ptt", "myfaves"}) {
        Window().Tick(box, true);
    }
    Window().Click("ExcecuteSelectionButton");
    ASSERT_EQ(dialogs.Messages().back(), "Action completed.");
    ExpectEveryModuleOnce(kOther, "after the window's run");

    const Output dry = Cli({"restore", kOther, "--dry-run"});
    EXPECT_EQ(dry.exitCode, exit_code::kDone);
    EXPECT_THAT(dry.out, HasSubstr("Would move 7 item(s), "));
    const Output restore = Cli({"restore", kOther});
    EXPECT_EQ(restore.exitCode, exit_code::kDone) << restore.out;
    EXPECT_THAT(restore.out, HasSubstr("Moved 7 item(s), "));
    ExpectEveryModuleOnce(kOther, "after restore");
    EXPECT_EQ(Disk(), before);
}

} // namespace
