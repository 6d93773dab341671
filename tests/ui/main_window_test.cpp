#include "app/application.h"
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_errors.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"
#include "platform/sim/sim_window.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

namespace {

using platform::sim::SimDialogs;
using Kind = SimDialogs::ShownDialog::Kind;

constexpr char kCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
constexpr char kRim[] = "C:\\Program Files\\Common Files\\Research In Motion\\";
constexpr char kLoaderFiles[] = "C:\\Program Files\\Common Files\\Research In Motion\\Shared\\Loader Files\\";
constexpr char kConfirmFirst[] = "Please confirm an Operating System first.";
constexpr char kSelectFirst[] = "Please select an Operating System first.";

const std::vector<std::string> kWallpaperModules = {"net_rim_bb_media_320x240_b.cod",
                                                    "net_rim_bb_media_88xx_a.cod",
                                                    "net_rim_bb_medialoader_music_480x320_b.cod"};
const std::vector<std::string> kOtherModules = {"net_rim_bb_phone_app.cod", "net_rim_vad.cod",
                                                "net_rim_theme_10.cod"};

// Dialogs that also note, for every plain message, whether the main window was already on screen and
// whether it still showed the wait cursor.
class ObservedDialogs : public SimDialogs {
public:
    explicit ObservedDialogs(const platform::sim::SimWindowLibrary& windows) : windows_(windows) {}
    void ShowMessage(const std::string& caption, const std::string& text) override {
        const auto* form = windows_.LastForm();
        shownWithWindowVisible.push_back(form != nullptr && form->Shown());
        shownWithWaitCursor.push_back(form != nullptr && form->WaitCursorShown());
        SimDialogs::ShowMessage(caption, text);
    }
    std::vector<bool> shownWithWindowVisible;
    std::vector<bool> shownWithWaitCursor;

private:
    const platform::sim::SimWindowLibrary& windows_;
};

// A file system that notes, for every move, whether the main window showed the wait cursor, and can make a
// move fail unexpectedly.
class ObservedFiles : public platform::sim::SimFileSystem {
public:
    explicit ObservedFiles(const platform::sim::SimWindowLibrary& windows) : windows_(windows) {}
    platform::Status MoveEntry(const std::string& from, const std::string& to) override {
        const auto* form = windows_.LastForm();
        movedWithWaitCursor.push_back(form != nullptr && form->WaitCursorShown());
        if (movesBeforeThrow == 0) {
            throw std::bad_alloc();
        }
        --movesBeforeThrow;
        return SimFileSystem::MoveEntry(from, to);
    }
    std::vector<bool> movedWithWaitCursor;
    int movesBeforeThrow = -1; // moves until one fails as if memory ran out; -1: none fails

private:
    const platform::sim::SimWindowLibrary& windows_;
};

// The simulated file system, which can be told to throw from a move, as an allocation failing part-way
// through a run would.

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { registry.SetString(kCurrentVersion, "ProgramFilesDir", "C:\\Program Files"); }

    // An operating-system package whose java folder holds the wallpaper modules and a few others.
    void InstallOs(const std::string& name) {
        const std::string java = std::string(kLoaderFiles) + name + "\\java\\";
        files.AddFolder(java);
        for (const auto& module : kWallpaperModules) {
            files.AddFile(java + module, "code of " + module);
        }
        for (const auto& module : kOtherModules) {
            files.AddFile(java + module, "code of " + module);
        }
    }
    void InstallVendorFile() { files.AddFile(std::string(kRim) + "AppLoader\\Vendor.xml", "<vendor/>"); }

    void Start() { form = app::StartApplication(state, platform); }
    platform::sim::SimForm& Window() { return *windows.LastForm(); }
    std::vector<std::string> Items() { return Window().Get("OSSelectionRadioGroup").Items(); }
    std::string Confirmed() { return Window().Get("OSConfirmed").Caption(); }
    void PickAndConfirm(int index) {
        Window().ChooseItem("OSSelectionRadioGroup", index);
        Window().Click("ConfirmOSChoice");
    }
    std::vector<std::string> Java(const std::string& os) { return files.List(kLoaderFiles + os + "\\java"); }
    std::vector<std::string> Removed(const std::string& os) {
        return files.List(std::string(kRim) + "RemovedFiles\\" + os);
    }
    std::string LastMessage() {
        const auto messages = dialogs.Messages();
        return messages.empty() ? std::string() : messages.back();
    }
    std::vector<SimDialogs::ShownDialog> Shown(Kind kind) {
        std::vector<SimDialogs::ShownDialog> found;
        for (const auto& shown : dialogs.History()) {
            if (shown.kind == kind) {
                found.push_back(shown);
            }
        }
        return found;
    }

    platform::sim::SimWindowLibrary windows;
    platform::sim::SimRegistry registry;
    ObservedFiles files{windows};
    platform::sim::SimShell shell;
    ObservedDialogs dialogs{windows};
    platform::Platform platform{registry, files, shell, dialogs, windows};
    install::AppState state;
    std::unique_ptr<ui::TForm1> form;
};

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(MainWindowTest, TypicalRoadRemovesWallpaperThenPutsItBack) {
    InstallOs("4.5.0.44");
    InstallOs("4.5.0.52");
    InstallVendorFile();
    const auto installed = Java("4.5.0.52");
    Start();

    EXPECT_TRUE(Window().Shown());
    EXPECT_EQ(state.RimCommonPath, kRim);
    EXPECT_EQ(Items(), (std::vector<std::string>{"4.5.0.44", "4.5.0.52"}));
    EXPECT_EQ(Window().FocusedControl(), "ExcecuteSelectionButton");
    EXPECT_EQ(dialogs.Owner(), Window().Handle());
    EXPECT_TRUE(dialogs.History().empty());

    PickAndConfirm(1);
    EXPECT_EQ(Confirmed(), "4.5.0.52");
    EXPECT_TRUE(state.OSChoiceConfirmed);

    Window().Tick("wallpaper", true);
    Window().Click("ExcecuteSelectionButton");
    EXPECT_EQ(LastMessage(), "Action completed.");
    EXPECT_EQ(Removed("4.5.0.52"), Sorted(kWallpaperModules));
    EXPECT_EQ(Java("4.5.0.52"), Sorted(kOtherModules));
    EXPECT_EQ(Java("4.5.0.44").size(), installed.size()) << "the other system is untouched";
    EXPECT_TRUE(files.Exists(std::string(kRim) + "RemovedFiles\\Vendor.xml"));
    EXPECT_TRUE(Window().Get("wallpaper").Checked()) << "the run changes no tick";

    Window().Click("resetfile");
    EXPECT_EQ(LastMessage(), "Action completed.");
    EXPECT_EQ(Java("4.5.0.52"), installed);
    EXPECT_TRUE(Removed("4.5.0.52").empty());
    EXPECT_EQ(files.Content(std::string(kRim) + "AppLoader\\Vendor.xml"), "<vendor/>");
    EXPECT_EQ(dialogs.Messages().size(), 2u);
}

TEST_F(MainWindowTest, RunsShowTheWaitCursorWhileTheyMoveAndNotWithTheirOutcome) {
    InstallOs("4.5.0.44");
    InstallVendorFile();
    Start();
    PickAndConfirm(0);
    Window().Tick("wallpaper", true);
    for (const char* run : {"ExcecuteSelectionButton", "resetfile"}) {
        files.movedWithWaitCursor.clear();
        Window().Click(run);
        EXPECT_FALSE(files.movedWithWaitCursor.empty()) << run;
        EXPECT_THAT(files.movedWithWaitCursor, ::testing::Each(true)) << run;
        EXPECT_FALSE(dialogs.shownWithWaitCursor.back())
            << run << ": the outcome shows with the usual cursor";
        EXPECT_FALSE(Window().WaitCursorShown()) << run;
    }
}

TEST_F(MainWindowTest, RunStoppedByAnUnexpectedErrorSaysHowToComplete) {
    InstallOs("4.5.0.44");
    Start();
    PickAndConfirm(0);
    Window().Tick("wallpaper", true);
    files.movesBeforeThrow = 2;
    Window().Click("ExcecuteSelectionButton");
    const auto errors = Shown(Kind::ErrorBox);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].text,
              "Trimlode stopped while moving the ticked modules into RemovedFiles: std::bad_alloc"
              "\n\nNothing is lost: every module is either still in its java folder or in "
              "RemovedFiles. Click Execute Selections again, or Put It Back, to complete the run.");
    EXPECT_EQ(Java("4.5.0.44").size() + Removed("4.5.0.44").size(),
              kWallpaperModules.size() + kOtherModules.size());

    files.movesBeforeThrow = 0;
    Window().Click("resetfile");
    ASSERT_EQ(Shown(Kind::ErrorBox).size(), 2u);
    EXPECT_EQ(
        Shown(Kind::ErrorBox)[1].text.rfind("Trimlode stopped while putting the removed modules back: ", 0),
        0u);

    files.movesBeforeThrow = -1;
    Window().Click("ExcecuteSelectionButton");
    EXPECT_EQ(LastMessage(), "Action completed.");
    EXPECT_EQ(Removed("4.5.0.44"), Sorted(kWallpaperModules));
    EXPECT_TRUE(Window().Shown()) << "the program goes on";
    EXPECT_FALSE(Window().WaitCursorShown());
}

TEST_F(MainWindowTest, EveryCommandAnswersWithNothingConfirmed) {
    InstallOs("4.5.0.44");
    InstallVendorFile();
    Start();

    struct Case {
        const char* control;
        Kind kind;
        const char* text;
    };
    const Case cases[] = {
        {"ExcecuteSelectionButton", Kind::Message, kConfirmFirst},
        {"resetfile", Kind::Message, kConfirmFirst},
        {"ConfirmOSChoice", Kind::Message, kSelectFirst},
        {"Button3", Kind::Input,
         "This will Wipe (brick nuke) your phone. Enter    WipeMyDevice    to continue."},
        {"Button1", Kind::ErrorQuestion, "Run Desktop Manager?"},
    };
    dialogs.QueueInput(std::nullopt);
    dialogs.QueueAnswer(false);
    for (const Case& c : cases) {
        const auto before = dialogs.History().size();
        Window().Click(c.control);
        ASSERT_GT(dialogs.History().size(), before) << c.control << " gave no answer";
        EXPECT_EQ(dialogs.History()[before].kind, c.kind) << c.control;
        EXPECT_EQ(dialogs.History()[before].text, c.text) << c.control;
    }
    Window().Click("Help");
    EXPECT_EQ(shell.Requests().size(), 1u) << "Help needs no confirmed system";

    EXPECT_FALSE(files.Exists(std::string(kRim) + "RemovedFiles"));
    EXPECT_TRUE(files.Exists(std::string(kRim) + "AppLoader\\Vendor.xml"));
    EXPECT_FALSE(state.OSChoiceConfirmed);
}

TEST_F(MainWindowTest, PickingAnotherItemUndoesTheConfirmation) {
    InstallOs("4.5.0.44");
    InstallOs("4.5.0.52");
    Start();
    PickAndConfirm(0);
    ASSERT_EQ(Confirmed(), "4.5.0.44");

    Window().ChooseItem("OSSelectionRadioGroup", 1);
    EXPECT_EQ(Confirmed(), "");
    EXPECT_FALSE(state.OSChoiceConfirmed);
    Window().Click("ExcecuteSelectionButton");
    EXPECT_EQ(LastMessage(), kConfirmFirst);
    EXPECT_FALSE(files.Exists(std::string(kRim) + "RemovedFiles"));

    Window().Click("ConfirmOSChoice");
    EXPECT_EQ(Confirmed(), "4.5.0.52");
    Window().Click("ExcecuteSelectionButton");
    EXPECT_EQ(LastMessage(), "Action completed.");
    EXPECT_TRUE(files.Exists(std::string(kRim) + "RemovedFiles\\4.5.0.52"));
    EXPECT_FALSE(files.Exists(std::string(kRim) + "RemovedFiles\\4.5.0.44"));
}

TEST_F(MainWindowTest, ConfirmingTwiceOrChoosingTheSelectedItemKeepsTheChoice) {
    InstallOs("4.5.0.44");
    InstallOs("4.5.0.52");
    Start();
    PickAndConfirm(1);
    Window().Click("ConfirmOSChoice");
    EXPECT_EQ(Confirmed(), "4.5.0.52");
    EXPECT_TRUE(state.OSChoiceConfirmed);

    Window().ChooseItem("OSSelectionRadioGroup", 1);
    EXPECT_EQ(Confirmed(), "4.5.0.52");
    EXPECT_TRUE(state.OSChoiceConfirmed);
    EXPECT_TRUE(dialogs.History().empty());
}

TEST_F(MainWindowTest, MissingLoaderFilesFolderIsReportedOnceBeforeTheWindowShows) {
    Start();
    EXPECT_EQ(dialogs.Messages(), std::vector<std::string>{"No Operating Systems could be found"});
    EXPECT_EQ(dialogs.shownWithWindowVisible, std::vector<bool>{false});
    EXPECT_TRUE(Window().Shown());
    EXPECT_TRUE(Items().empty()) << "the placeholders are gone";

    Window().Click("ConfirmOSChoice");
    EXPECT_EQ(LastMessage(), kSelectFirst);
}

TEST_F(MainWindowTest, ListOfSystemsThatBreaksOffIsSaidToBeIncomplete) {
    InstallOs("4.5.0.44");
    InstallOs("4.5.0.52");
    files.InjectFault("step", kLoaderFiles, platform::error::kSharingViolation);
    Start();
    EXPECT_TRUE(Items().empty());
    EXPECT_EQ(LastMessage(),
              std::string("Not every Operating System could be listed: ") + kLoaderFiles +
                  " could not be read to the end.\n\nThe process cannot access the file because "
                  "it is being used by another process.");
}

TEST_F(MainWindowTest, EmptyLoaderFilesFolderGivesAnEmptyListAndNoMessage) {
    files.AddFolder(kLoaderFiles);
    Start();
    EXPECT_TRUE(Items().empty());
    EXPECT_TRUE(dialogs.History().empty());
}

TEST_F(MainWindowTest, RegistryErrorDuringStartUpShowsTheErrorBoxAndKeepsThePlaceholders) {
    InstallOs("4.5.0.44");
    struct Case {
        const char* what;
        void (*spoil)(platform::sim::SimRegistry&);
        const char* error;
    };
    const Case cases[] = {
        {"wrong type",
         [](platform::sim::SimRegistry& r) {
             r.SetValue(kCurrentVersion, "ProgramFilesDir", platform::regtype::kDWord, {1, 0, 0, 0});
         },
         "Invalid data type for 'ProgramFilesDir'"},
        {"unreadable",
         [](platform::sim::SimRegistry& r) { r.InjectReadFailure(kCurrentVersion, "ProgramFilesDir"); },
         "Failed to get data for 'ProgramFilesDir'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::sim::SimRegistry spoilt;
        SimDialogs seen;
        platform::sim::SimWindowLibrary library;
        platform::Platform broken{spoilt, files, shell, seen, library};
        install::AppState fresh;
        spoilt.SetString(kCurrentVersion, "ProgramFilesDir", "C:\\Program Files");
        c.spoil(spoilt);

        const auto started = app::StartApplication(fresh, broken);
        ASSERT_EQ(seen.History().size(), 1u);
        EXPECT_EQ(seen.History()[0].kind, Kind::ErrorBox);
        EXPECT_EQ(seen.History()[0].text, c.error);
        EXPECT_EQ(fresh.RimCommonPath, "");
        EXPECT_EQ(library.LastForm()->Get("OSSelectionRadioGroup").Items(),
                  (std::vector<std::string>{"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9."}));
        EXPECT_TRUE(library.LastForm()->Shown()) << "the program goes on";
    }
}

TEST_F(MainWindowTest, WipeNeedsTheExactWord) {
    Start();
    const std::optional<std::string> refused[] = {
        "wipemydevice", "WipeMyDevice ", "", std::nullopt, std::string(255, 'W'),
    };
    for (const auto& typed : refused) {
        dialogs.QueueInput(typed);
        Window().Click("Button3");
        EXPECT_EQ(LastMessage(), "Action Canceled") << typed.value_or("<Cancel>");
    }
    EXPECT_TRUE(shell.Requests().empty());

    const auto input = Shown(Kind::Input).front();
    EXPECT_EQ(input.caption, "Wipe Phone");
    EXPECT_EQ(input.defaultText, "");
    EXPECT_EQ(input.maxLength, 255);

    dialogs.QueueInput("WipeMyDevice");
    const auto messagesBefore = dialogs.Messages().size();
    Window().Click("Button3");
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].file, std::string(kRim) + "AppLoader\\loader.exe");
    EXPECT_EQ(shell.Requests()[0].parameters, "/nojvm");
    EXPECT_EQ(shell.Requests()[0].owner, Window().Handle());
    EXPECT_EQ(dialogs.Messages().size(), messagesBefore);
}

// A user plants "C:\Program Files(x86)\Common Files\Research In Motion" with a package and a loader of their
// own: the elevated program lists, moves and starts only what lies below Program Files.
TEST_F(MainWindowTest, APlantedProbeFolderIsPassedOver) {
    InstallOs("4.5.0.44");
    const std::string planted = "C:\\Program Files(x86)\\Common Files\\Research In Motion\\";
    files.AddFolder(planted + "Shared\\Loader Files\\planted-by-user\\java");
    files.AddFile(planted + "AppLoader\\loader.exe", "not the maker's loader");
    files.SetSecurity("C:\\Program Files(x86)", platform::FolderSecurity{false, true});
    Start();
    EXPECT_EQ(state.RimCommonPath, kRim);
    EXPECT_EQ(Items(), std::vector<std::string>{"4.5.0.44"});

    dialogs.QueueInput("WipeMyDevice");
    Window().Click("Button3");
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].file, std::string(kRim) + "AppLoader\\loader.exe");
}

TEST_F(MainWindowTest, DesktopManagerStartsOnlyAfterOk) {
    files.AddFolder(kLoaderFiles);
    Start();
    dialogs.QueueAnswer(false);
    Window().Click("Button1");
    EXPECT_TRUE(shell.Requests().empty());
    EXPECT_TRUE(dialogs.Messages().empty());

    dialogs.QueueAnswer(true);
    Window().Click("Button1");
    const auto question = Shown(Kind::ErrorQuestion).back();
    EXPECT_EQ(question.caption, "Error");
    EXPECT_EQ(question.text, "Run Desktop Manager?");
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].file, "C:\\Program Files\\Research In Motion\\BlackBerry\\DesktopMgr.exe");
    EXPECT_EQ(shell.Requests()[0].parameters, "");
    EXPECT_EQ(shell.Requests()[0].owner, Window().Handle());
}

TEST_F(MainWindowTest, DesktopManagerRegistryErrorStartsNothing) {
    Start();
    registry.SetValue(kCurrentVersion, "ProgramFilesDir", platform::regtype::kDWord, {1, 0, 0, 0});
    dialogs.QueueAnswer(true);
    Window().Click("Button1");
    EXPECT_TRUE(shell.Requests().empty());
    ASSERT_EQ(Shown(Kind::ErrorBox).size(), 1u);
    EXPECT_EQ(Shown(Kind::ErrorBox)[0].text, "Invalid data type for 'ProgramFilesDir'");
    EXPECT_EQ(dialogs.History().back().kind, Kind::ErrorBox) << "asked first, failed after OK";

    // The handler stopped; the window goes on answering.
    Window().Click("ConfirmOSChoice");
    EXPECT_EQ(LastMessage(), kSelectFirst);
}

TEST_F(MainWindowTest, HelpOpensTheFileBesideTheProgram) {
    files.AddFolder(kLoaderFiles);
    shell.SetExecutableFolder("D:\\Tools\\Trimlode\\");
    Start();
    Window().Click("Help");
    ASSERT_EQ(shell.Requests().size(), 1u);
    EXPECT_EQ(shell.Requests()[0].file, "D:\\Tools\\Trimlode\\Trimlode.chm");
    EXPECT_EQ(shell.Requests()[0].owner, Window().Handle());
    EXPECT_TRUE(dialogs.History().empty());
}

TEST_F(MainWindowTest, FailedStartIsReportedWithTheSystemsReason) {
    files.AddFolder(kLoaderFiles);
    shell.SetExecutableFolder("D:\\Tools\\Trimlode\\");
    Start();

    shell.FailNextOpen(platform::error::kFileNotFound);
    Window().Click("Help");
    EXPECT_EQ(LastMessage(), "Could not start D:\\Tools\\Trimlode\\Trimlode.chm.\n\n" +
                                 platform::sim::ErrorText(platform::error::kFileNotFound));

    shell.FailNextOpen(platform::error::kAccessDenied);
    dialogs.QueueInput("WipeMyDevice");
    Window().Click("Button3");
    EXPECT_EQ(LastMessage(), "Could not start " + std::string(kRim) + "AppLoader\\loader.exe.\n\n" +
                                 platform::sim::ErrorText(platform::error::kAccessDenied));
}

TEST_F(MainWindowTest, ProgramsOutsideAKnownFolderAreNotStarted) {
    // Without ProgramFilesDir every path hangs below the root of the current drive, where any user may
    // create folders: nothing is started from there, and the user is told why.
    registry.SetString(kCurrentVersion, "ProgramFilesDir", "");
    Start();
    EXPECT_EQ(state.RimCommonPath, "\\Common Files\\Research In Motion\\");

    dialogs.QueueAnswer(true);
    Window().Click("Button1");
    EXPECT_EQ(LastMessage(), "Could not start \\Research In Motion\\BlackBerry\\DesktopMgr.exe.\n\n"
                             "Its folder is not known for certain, so Trimlode does not start it.");

    dialogs.QueueInput("WipeMyDevice");
    Window().Click("Button3");
    EXPECT_EQ(LastMessage(), "Could not start \\Common Files\\Research In Motion\\AppLoader\\loader.exe.\n\n"
                             "Its folder is not known for certain, so Trimlode does not start it.");

    shell.SetExecutableFolder("");
    Window().Click("Help");
    EXPECT_EQ(LastMessage(), "Could not start Trimlode.chm.\n\n"
                             "Its folder is not known for certain, so Trimlode does not start it.");
    EXPECT_TRUE(shell.Requests().empty());
}

TEST_F(MainWindowTest, AmpersandInASystemNameIsUsedAsItIs) {
    InstallOs("4.6 R&D");
    InstallOs("4.6 R&&D");
    Start();
    EXPECT_EQ(Items(), (std::vector<std::string>{"4.6 R&D", "4.6 R&&D"}));

    for (int index : {0, 1}) {
        const std::string name = Items()[static_cast<std::size_t>(index)];
        SCOPED_TRACE(name);
        PickAndConfirm(index);
        EXPECT_EQ(Confirmed(), name);
        EXPECT_EQ(Window().Get("OSConfirmed").DisplayedCaption(), name);
        Window().Tick("wallpaper", true);
        Window().Click("ExcecuteSelectionButton");
        EXPECT_EQ(LastMessage(), "Action completed.");
        EXPECT_EQ(Removed(name), Sorted(kWallpaperModules));
        EXPECT_EQ(Java(name), Sorted(kOtherModules));
    }
}

TEST_F(MainWindowTest, ExitClosesAndLeavesMovedFilesWhereTheyAre) {
    InstallOs("4.5.0.44");
    Start();
    PickAndConfirm(0);
    Window().Tick("vad", true);
    Window().Click("ExcecuteSelectionButton");
    const auto dialogsBefore = dialogs.History().size();

    Window().Click("ExitButton");
    EXPECT_TRUE(Window().Closed());
    EXPECT_EQ(dialogs.History().size(), dialogsBefore);
    EXPECT_EQ(Removed("4.5.0.44"), std::vector<std::string>{"net_rim_vad.cod"});
}

} // namespace
