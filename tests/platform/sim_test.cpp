// Behaviour of the simulated platform that the contract tests cannot show on Windows: listing order,
// drives, and the scripted shell and dialogs that other tests rely on.
#include "platform/sim/sim_dialogs.h"
#include "platform/sim/sim_file_system.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_shell.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using platform::sim::SimDialogs;
using platform::sim::SimFileSystem;
using Names = std::vector<std::string>;

Names Enumerated(SimFileSystem& files, const std::string& folderAndPattern, std::uint32_t mask) {
    Names names;
    auto found = files.Enumerate(folderAndPattern, mask);
    for (bool more = found != nullptr; more; more = found->Next()) {
        names.push_back(found->Current().name);
    }
    return names;
}

TEST(SimFileSystem, ListsInCreationOrderWithMovedEntriesLast) {
    SimFileSystem files;
    files.AddFolder("C:\\L\\4.5.0.52");
    files.AddFolder("C:\\L\\4.5.0.44");
    files.AddFile("C:\\L\\b.txt", "");
    files.AddFile("C:\\X\\a.txt", "");
    EXPECT_EQ(Enumerated(files, "C:\\L\\*", platform::kDirectoryMask),
              (Names{".", "..", "4.5.0.52", "4.5.0.44", "b.txt"}));

    ASSERT_TRUE(files.MoveEntry("C:\\X\\a.txt", "C:\\L\\a.txt").ok());
    EXPECT_EQ(Enumerated(files, "C:\\L\\*", platform::kDirectoryMask),
              (Names{".", "..", "4.5.0.52", "4.5.0.44", "b.txt", "a.txt"}));
    EXPECT_EQ(files.List("C:\\L"), (Names{"4.5.0.44", "4.5.0.52", "a.txt", "b.txt"}));
}

TEST(SimFileSystem, EnumerationIsASnapshotThatMovesDoNotDisturb) {
    SimFileSystem files;
    for (const char* name : {"a.cod", "b.cod", "c.cod"}) {
        files.AddFile(std::string("C:\\java\\") + name, name);
    }
    files.AddFolder("C:\\removed");
    Names moved;
    auto found = files.Enumerate("C:\\java\\*.cod", platform::kAllAttributesMask);
    for (bool more = found != nullptr; more; more = found->Next()) {
        const std::string name = found->Current().name;
        EXPECT_TRUE(files.MoveEntry("C:\\java\\" + name, "C:\\removed\\" + name).ok());
        moved.push_back(name);
    }
    EXPECT_EQ(moved, (Names{"a.cod", "b.cod", "c.cod"}));
    EXPECT_TRUE(files.List("C:\\java").empty());
}

TEST(SimFileSystem, DrivesPathsAndNames) {
    SimFileSystem files;
    files.AddFile("d:/Apps/Tool.EXE", "t");
    EXPECT_TRUE(files.Exists("D:\\apps\\tool.exe"));
    EXPECT_TRUE(files.FileExists("D:\\Apps\\.\\sub\\..\\Tool.exe"));
    EXPECT_EQ(files.List("D:\\"), Names{"Apps"});
    // A drive root has no "." and "..".
    EXPECT_EQ(Enumerated(files, "D:\\*", platform::kAllAttributesMask), Names{"Apps"});
    // A drive that nothing was added to does not exist.
    EXPECT_EQ(files.MakeFolder("E:\\RemovedFiles").code, platform::error::kPathNotFound);
    EXPECT_EQ(files.Enumerate("E:\\*", platform::kAllAttributesMask), nullptr);

    files.AddFolder("C:\\Temp");
    EXPECT_EQ(files.MoveEntry("D:\\Apps\\Tool.exe", "C:\\Temp\\Tool.exe").code,
              platform::error::kNotSameDevice);
    EXPECT_EQ(files.MakeFolder("C:\\Temp\\bad*name").code, platform::error::kInvalidName);
    // A change of letter case alone renames the entry.
    EXPECT_TRUE(files.MoveEntry("D:\\Apps\\Tool.EXE", "D:\\Apps\\tool.exe").ok());
    EXPECT_EQ(files.List("D:\\Apps"), Names{"tool.exe"});
    EXPECT_EQ(files.Content("D:\\Apps\\TOOL.exe"), "t");
}

TEST(SimFileSystem, SetUpRefusesImpossibleEntries) {
    SimFileSystem files;
    files.AddFile("C:\\a\\file", "");
    EXPECT_THROW(files.AddFolder("C:\\a\\file\\sub"), std::logic_error);
    EXPECT_THROW(files.AddFile("C:\\a", ""), std::logic_error);
    EXPECT_THROW(files.Lock("C:\\a\\missing"), std::logic_error);
    EXPECT_THROW(files.InjectFault("rename", "C:\\a\\file", 5), std::logic_error);
}

TEST(SimRegistry, KeysWithoutValuesAndDeniedKeys) {
    platform::sim::SimRegistry registry;
    registry.SetString("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir",
                       "C:\\Program Files");
    EXPECT_EQ(registry.ReadLocalMachineValue("software\\microsoft", "ProgramFilesDir").outcome,
              platform::RegistryValue::Outcome::ValueMissing);

    registry.DenyKey("SOFTWARE\\Microsoft\\Windows\\CurrentVersion");
    const auto denied =
        registry.ReadLocalMachineValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir");
    EXPECT_EQ(denied.outcome, platform::RegistryValue::Outcome::KeyMissing);
    EXPECT_EQ(denied.error.code, platform::error::kAccessDenied);
    EXPECT_EQ(denied.error.message, "Access is denied.");
}

TEST(SimShell, RecordsEveryRequestAndFailsOnceWhenTold) {
    platform::sim::SimShell shell;
    int window = 0;
    EXPECT_EQ(shell.ExecutableFolder(), "C:\\Program Files\\Trimlode\\");
    shell.SetExecutableFolder("D:\\Tools\\");
    EXPECT_EQ(shell.ExecutableFolder(), "D:\\Tools\\");

    shell.FailNextOpen(platform::error::kFileNotFound);
    const platform::Status failed = shell.Open("C:\\x\\loader.exe", "/nojvm", &window);
    EXPECT_EQ(failed.code, platform::error::kFileNotFound);
    EXPECT_EQ(failed.message, "The system cannot find the file specified.");
    EXPECT_TRUE(shell.Open("D:\\Tools\\Trimlode.chm", "", nullptr).ok());

    ASSERT_EQ(shell.Requests().size(), 2u);
    EXPECT_EQ(shell.Requests()[0].file, "C:\\x\\loader.exe");
    EXPECT_EQ(shell.Requests()[0].parameters, "/nojvm");
    EXPECT_EQ(shell.Requests()[0].owner, &window);
    EXPECT_EQ(shell.Requests()[1].file, "D:\\Tools\\Trimlode.chm");
}

TEST(SimDialogs, AnswersFromTheScriptAndRecordsWhatWasShown) {
    SimDialogs dialogs;
    int window = 0;
    dialogs.SetOwner(&window);
    dialogs.QueueAnswer(false);
    dialogs.QueueAnswer(true);
    dialogs.QueueInput(std::string("blackberry"));
    dialogs.QueueInput(std::nullopt);
    dialogs.QueueInput(std::string("overlong text"));

    dialogs.ShowMessage("Trimlode", "Action completed.");
    EXPECT_FALSE(dialogs.AskErrorOkCancel("Confirm", "Start?"));
    EXPECT_TRUE(dialogs.AskErrorOkCancel("Confirm", "Start?"));
    EXPECT_EQ(dialogs.InputBox("Wipe", "Type the word", "", 20), "blackberry");
    EXPECT_EQ(dialogs.InputBox("Wipe", "Type the word", "default", 20), "default");
    EXPECT_EQ(dialogs.InputBox("Wipe", "Type the word", "", 8), "overlong");
    dialogs.ShowErrorBox("Trimlode", "Invalid data type for 'ProgramFilesDir'");
    dialogs.ShowMessage("Trimlode", "Größe");

    EXPECT_EQ(dialogs.Owner(), &window);
    EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Action completed.", "Größe"}));
    using Kind = SimDialogs::ShownDialog::Kind;
    const auto& shown = dialogs.History();
    ASSERT_EQ(shown.size(), 8u);
    EXPECT_EQ(shown[0].kind, Kind::Message);
    EXPECT_EQ(shown[0].caption, "Trimlode");
    EXPECT_EQ(shown[1].kind, Kind::ErrorQuestion);
    EXPECT_EQ(shown[1].caption, "Confirm");
    EXPECT_EQ(shown[3].kind, Kind::Input);
    EXPECT_EQ(shown[3].text, "Type the word");
    EXPECT_EQ(shown[3].maxLength, 20);
    EXPECT_EQ(shown[6].kind, Kind::ErrorBox);
    EXPECT_EQ(shown[6].caption, "Trimlode");
    EXPECT_EQ(shown[6].text, "Invalid data type for 'ProgramFilesDir'");
}

TEST(SimDialogs, UnscriptedQuestionOrInputThrows) {
    SimDialogs dialogs;
    EXPECT_THROW(dialogs.AskErrorOkCancel("Confirm", "Start?"), std::logic_error);
    EXPECT_THROW(dialogs.InputBox("Wipe", "Type the word", "", 20), std::logic_error);
    EXPECT_EQ(dialogs.History().size(), 2u); // what was shown is still recorded
}

} // namespace
