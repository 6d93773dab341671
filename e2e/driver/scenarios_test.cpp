// The program used as a person uses it, one scenario per test, each on a freshly seeded installation.
#include "demo/module_list.h"
#include "demo/seed.h"
#include "e2e/driver/environment.h"
#include "e2e/driver/fixture.h"
#include "e2e/driver/gui.h"
#include "install/paths.h"
#include "platform/win32/disk.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace e2e {
namespace {

using testing::Contains;
using testing::ElementsAreArray;
using testing::HasSubstr;
using testing::IsEmpty;

constexpr char kConfirmFirst[] = "Please confirm an Operating System first.";
constexpr char kSelectFirst[] = "Please select an Operating System first.";

// Long enough for a wrongly started program or a stray message box to show itself.
constexpr std::chrono::milliseconds kSettle{1500};

void ExpectNoDialog(const Trimlode& app) {
    std::this_thread::sleep_for(kSettle);
    const auto dialog = app.OpenDialog();
    EXPECT_FALSE(dialog) << "unexpected dialog \"" << dialog->caption << "\": " << dialog->text;
}

std::vector<std::string> LogLinesWith(const std::string& program) {
    std::vector<std::string> lines;
    for (const auto& line : StandInLog()) {
        if (line.find(program) != std::string::npos)
            lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> WaitForLogLines(const std::string& program) {
    Poll([&] { return !LogLinesWith(program).empty(); });
    return LogLinesWith(program);
}

TEST_F(TrimlodeTest, TypicalUseRemovesTheWallpaperAndPutsItBack) {
    const std::string os = LastOs();
    const auto wallpaper = ModulesOfOption(os, "wallpaper");
    ASSERT_THAT(wallpaper, Contains("net_rim_bb_medialoader_240x260_b.cod"));
    auto app = Start();

    EXPECT_THAT(app.Items(), ElementsAreArray(demo::DemoModules().operatingSystems));
    app.PickItem(os);
    app.Click(kConfirm);
    WaitFor("the confirmed name", [&] { return app.ConfirmedName() == os; });
    app.SetTicked(CaptionOf("wallpaper"), true);
    app.Click(kExecute);
    EXPECT_EQ(app.Acknowledge(), kCompleted);

    EXPECT_THAT(JavaNames(os), ElementsAreArray(Without(SeededNames(os), wallpaper)));
    EXPECT_THAT(RemovedNames(os), ElementsAreArray(wallpaper));
    ExpectUnchanged(install::RemovedDir(Rim(), os), os, wallpaper);
    EXPECT_THAT(JavaNames(FirstOs()), ElementsAreArray(SeededNames(FirstOs())));
    EXPECT_FALSE(VendorFileHome());
    EXPECT_EQ(platform::win32::disk::ReadFile(install::RemovedVendorFile(Rim())), demo::VendorFileContent());

    app.Click(kPutBack);
    EXPECT_EQ(app.Acknowledge(), kCompleted);
    EXPECT_THAT(JavaNames(os), ElementsAreArray(SeededNames(os)));
    ExpectUnchanged(install::JavaDir(Rim(), os), os, SeededNames(os));
    EXPECT_THAT(RemovedNames(os), IsEmpty());
    EXPECT_EQ(platform::win32::disk::ReadFile(install::VendorFile(Rim())), demo::VendorFileContent());
    EXPECT_FALSE(VendorFileRemoved());
}

// Two copies at once would each move what the other already moved; a second start shows the first instead.
TEST_F(TrimlodeTest, ASecondStartBringsTheFirstToTheFrontAndEnds) {
    auto first = Start();
    const HWND window = first.MainWindow();
    ShowWindow(window, SW_MINIMIZE);
    WaitFor("the window to be minimised", [&] { return IsIconic(window) != FALSE; });

    auto second = Start();
    EXPECT_TRUE(second.Program().WaitExit(std::chrono::seconds(20))) << "the second copy ends by itself";
    WaitFor("the first window restored", [&] { return IsIconic(window) == FALSE; });
    EXPECT_TRUE(first.Program().Running());
    EXPECT_EQ(first.Items(), demo::DemoModules().operatingSystems);
}

TEST_F(TrimlodeTest, EveryCommandWithNothingConfirmedAnswersWithItsOwnMessage) {
    auto app = Start();
    app.MainWindow();
    struct Case {
        const char* command;
        const char* message;
    };
    for (const Case& c :
         {Case{kExecute, kConfirmFirst}, Case{kPutBack, kConfirmFirst}, Case{kConfirm, kSelectFirst}}) {
        SCOPED_TRACE(c.command);
        app.Click(c.command);
        EXPECT_EQ(app.Acknowledge(), c.message);
    }
    // A pick alone is no confirmation either.
    app.PickItem(FirstOs());
    app.Click(kExecute);
    EXPECT_EQ(app.Acknowledge(), kConfirmFirst);

    EXPECT_FALSE(platform::win32::disk::Exists(install::RemovedRoot(Rim())));
    EXPECT_TRUE(VendorFileHome());
    EXPECT_THAT(JavaNames(FirstOs()), ElementsAreArray(SeededNames(FirstOs())));
}

TEST_F(TrimlodeTest, PickingAnotherItemClearsTheConfirmation) {
    auto app = Start();
    app.PickItem(FirstOs());
    app.Click(kConfirm);
    WaitFor("the first name confirmed", [&] { return app.ConfirmedName() == FirstOs(); });

    app.PickItem(LastOs());
    WaitFor("the label to clear", [&] { return app.ConfirmedName().empty(); });
    app.SetTicked(CaptionOf("vad"), true);
    app.Click(kExecute);
    EXPECT_EQ(app.Acknowledge(), kConfirmFirst);
    EXPECT_FALSE(platform::win32::disk::Exists(install::RemovedRoot(Rim())));

    app.Click(kConfirm);
    WaitFor("the second name confirmed", [&] { return app.ConfirmedName() == LastOs(); });
    app.Click(kExecute);
    EXPECT_EQ(app.Acknowledge(), kCompleted);
    EXPECT_THAT(RemovedNames(LastOs()), ElementsAreArray(ModulesOfOption(LastOs(), "vad")));
    EXPECT_THAT(JavaNames(FirstOs()), ElementsAreArray(SeededNames(FirstOs())));
}

TEST_F(TrimlodeTest, MissingInstallationIsReportedBeforeTheWindowShows) {
    demo::RemoveInstallation(Env().programFilesDir);
    auto app = Start();
    const Dialog message = app.WaitDialog("Trimlode");
    EXPECT_EQ(message.text, "No Operating Systems could be found");
    EXPECT_FALSE(IsShown(app.FindMainWindow())) << "the main window showed before the message";
    app.Press(message, "OK");

    app.MainWindow();
    EXPECT_THAT(app.Items(), IsEmpty());
    app.Click(kConfirm);
    EXPECT_EQ(app.Acknowledge(), kSelectFirst);
}

TEST_F(TrimlodeTest, WipeStartsTheLoaderOnlyForTheExactWord) {
    auto app = Start();
    for (const char* wrong : {"wipemydevice", "WipeMyDevice ", ""}) {
        SCOPED_TRACE(std::string("typed \"") + wrong + "\"");
        app.Click("Wipe Device");
        const Dialog input = app.WaitDialog("Wipe Phone");
        app.Type(input, wrong);
        app.Press(input, "OK");
        EXPECT_EQ(app.Acknowledge(), "Action Canceled");
    }
    app.Click("Wipe Device");
    app.Press(app.WaitDialog("Wipe Phone"), "Cancel");
    EXPECT_EQ(app.Acknowledge(), "Action Canceled");
    EXPECT_THAT(LogLinesWith("loader.exe"), IsEmpty());

    app.Click("Wipe Device");
    const Dialog input = app.WaitDialog("Wipe Phone");
    app.Type(input, "WipeMyDevice");
    app.Press(input, "OK");
    const auto lines = WaitForLogLines("loader.exe");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_THAT(lines.front(), HasSubstr("/nojvm"));
    ExpectNoDialog(app);
}

TEST_F(TrimlodeTest, DesktopManagerStartsOnlyAfterOk) {
    auto app = Start();
    app.Click("Desktop Manager");
    const Dialog cancelled = app.WaitDialog("Error");
    EXPECT_EQ(cancelled.text, "Run Desktop Manager?");
    app.Press(cancelled, "Cancel");
    ExpectNoDialog(app);
    EXPECT_THAT(LogLinesWith("DesktopMgr.exe"), IsEmpty());

    app.Click("Desktop Manager");
    app.Press(app.WaitDialog("Error"), "OK");
    EXPECT_EQ(WaitForLogLines("DesktopMgr.exe").size(), 1u);
    ExpectNoDialog(app);
}

TEST_F(TrimlodeTest, HelpOpensTheHelpViewer) {
    auto app = Start();
    app.Click("Help");
    const auto viewer = WaitFor("the help viewer", [&]() -> std::optional<ProcessEntry> {
        for (const auto& process : Descendants(app.Id())) {
            if (_stricmp(process.exeName.c_str(), "hh.exe") == 0)
                return process;
        }
        return std::nullopt;
    });
    EXPECT_FALSE(app.OpenDialog()) << "Help answered with a message";
    // The viewer's window carries the title of the help file it opened.
    EXPECT_TRUE(Poll([&] {
        const auto windows = TopLevelWindows(viewer->id);
        return std::any_of(windows.begin(), windows.end(), [](HWND window) {
            return IsShown(window) && WindowText(window) == "Trimlode Help";
        });
    })) << "no help window titled \"Trimlode Help\"";
    // Close it as a person would, by its windows; kill it only if it does not go.
    for (HWND window : TopLevelWindows(viewer->id))
        PostMessageW(window, WM_CLOSE, 0, 0);
    if (!Poll([&] { return !IsRunning(viewer->id); }, std::chrono::seconds(5)))
        KillProcess(viewer->id);
}

TEST_F(TrimlodeTest, ExitLeavesMovedFilesWhereTheyAre) {
    const std::string os = FirstOs();
    auto app = Start();
    app.PickItem(os);
    app.Click(kConfirm);
    app.SetTicked(CaptionOf("bsv"), true);
    app.SetTicked(CaptionOf("yahoo"), true);
    app.Click(kExecute);
    EXPECT_EQ(app.Acknowledge(), kCompleted);
    auto moved = ModulesOfOption(os, "bsv");
    for (const auto& name : ModulesOfOption(os, "yahoo"))
        moved.push_back(name);
    std::sort(moved.begin(), moved.end());
    EXPECT_THAT(RemovedNames(os), ElementsAreArray(moved));

    app.Click("Exit");
    ASSERT_TRUE(app.Program().WaitExit(kTimeout)) << "Exit did not end the program";
    EXPECT_THAT(RemovedNames(os), ElementsAreArray(moved));
    EXPECT_THAT(JavaNames(os), ElementsAreArray(Without(SeededNames(os), moved)));
    EXPECT_TRUE(VendorFileRemoved());
    EXPECT_FALSE(VendorFileHome());
}

} // namespace
} // namespace e2e
