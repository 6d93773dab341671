// A dry run is the real run on a file system that only remembers what it was asked: it must report what
// the real run then does, and change nothing.
#include "install/paths.h"
#include "removal/move_log.h"
#include "removal/move_report.h"
#include "removal/preview.h"
#include "removal/runs.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using removal::MoveReport;

const std::string kOs = "4.5.0.44";
const std::vector<std::string> kModules = {"net_rim_bb_medialoader_240x260_b.cod",
                                           "net_rim_bb_medialoader_video.cod",
                                           "net_rim_bb_media_88xx.cod",
                                           "net_rim_vad.cod",
                                           "net_rim_vad-1.cod",
                                           "net_rim_bb_qm_msn.cod",
                                           "net_rim_bb_browser.cod"};

class Preview : public ::testing::Test {
protected:
    std::unique_ptr<testsupport::FileFixture> fx = testsupport::MakeFileFixture();
    std::string rim = fx->Root() + "Research In Motion\\";

    std::string Java() const { return install::JavaDir(rim, kOs); }
    std::string Removed() const { return install::RemovedDir(rim, kOs); }

    void Install() {
        fx->MakeFolders(Java());
        for (const auto& name : kModules) {
            fx->WriteFile(Java() + name, std::string(name.size() * 10, 'm'));
        }
        fx->MakeFolders(install::AppLoaderDir(rim));
        fx->WriteFile(install::VendorFile(rim), "<vendor/>");
    }

    // A file's content, or "(folder)".
    std::string ContentOf(const std::string& path) {
        return fx->Files().FileExists(path) ? fx->ReadFile(path).value_or("") : "(folder)";
    }

    // Every folder a run touches, with each file's content.
    std::map<std::string, std::string> Disk() {
        std::map<std::string, std::string> disk;
        for (const std::string& folder : {Java(), Removed(), install::AppLoaderDir(rim), rim}) {
            disk[folder] = "(folder)";
            for (const auto& name : fx->List(folder)) {
                disk[folder + name] = ContentOf(folder + name);
            }
        }
        disk[install::RemovedRoot(rim)] = fx->Exists(install::RemovedRoot(rim)) ? "(exists)" : "(none)";
        for (const auto& name : fx->List(install::RemovedRoot(rim))) {
            disk["RemovedFiles\\" + name] = ContentOf(install::RemovedRoot(rim) + "\\" + name);
        }
        return disk;
    }

    static std::vector<std::string> Lines(const removal::MoveLog& log, const MoveReport& report) {
        std::vector<std::string> lines;
        for (const auto& move : log.Moves()) {
            lines.push_back("moved " + move.name + " " + move.from + " > " + move.to + " " +
                            std::to_string(move.bytes));
        }
        // The preview words a refusal as English Windows does; Wine has texts of its own, so the system's
        // texts are compared by presence only. The program's own causes are compared with their details.
        for (const auto& failure : report.failures) {
            const bool own = failure.cause != removal::MoveFailure::Cause::System;
            lines.push_back("failed " + failure.name + ": " + (own ? failure.detail : "(the system's text)"));
        }
        return lines;
    }

    // Runs `run` as a dry run, checks that nothing changed, then for real, and compares the two reports.
    void ExpectDryRunForetellsTheRun(const std::string& label,
                                     const std::function<MoveReport(platform::FileSystem&)>& run) {
        const auto before = Disk();
        removal::PreviewFileSystem preview(fx->Files());
        removal::MoveLog previewed(preview);
        const MoveReport foretold = run(previewed);
        EXPECT_EQ(Disk(), before) << label << ": the dry run changed the disk";
        removal::MoveLog real(fx->Files());
        const MoveReport done = run(real);
        EXPECT_EQ(Lines(previewed, foretold), Lines(real, done)) << label;
        EXPECT_EQ(foretold.moved, done.moved) << label;
    }

    std::function<MoveReport(platform::FileSystem&)> Removal(std::set<std::string> ticked) {
        return [this, ticked](platform::FileSystem& files) {
            return removal::RunRemoval(files, rim, kOs,
                                       [&ticked](const std::string& box) { return ticked.count(box) != 0; });
        };
    }
    std::function<MoveReport(platform::FileSystem&)> Restoration() {
        return [this](platform::FileSystem& files) { return removal::RunRestore(files, rim, kOs); };
    }
};

TEST_F(Preview, DryRunsForetellRunsStepByStep) {
    Install();
    // Each step starts where the previous real run left the disk: first removal, overlapping rows, a
    // removed vendor copy to keep or replace, a second removal, a restore and a restore with nothing left.
    ExpectDryRunForetellsTheRun("nothing ticked", Removal({}));
    ExpectDryRunForetellsTheRun("overlapping rows", Removal({"bsv", "wallpaper"}));
    fx->WriteFile(install::VendorFile(rim), "<newer vendor/>");
    ExpectDryRunForetellsTheRun("vendor unticked keeps both", Removal({"vad"}));
    ExpectDryRunForetellsTheRun("vendor ticked replaces", Removal({"Vendor_xml", "msn"}));
    ExpectDryRunForetellsTheRun("restore", Restoration());
    ExpectDryRunForetellsTheRun("restore again", Restoration());
}

TEST_F(Preview, DryRunForetellsRefusedMoves) {
    Install();
    fx->MakeFolders(Removed());
    fx->WriteFile(Removed() + "net_rim_vad.cod", "older removed copy");
    ExpectDryRunForetellsTheRun("name taken in the removed folder", Removal({"vad", "msn"}));
    fx->WriteFile(Java() + "net_rim_vad-1.cod", "reinstalled");
    ExpectDryRunForetellsTheRun("name taken in the package", Restoration());
}

TEST_F(Preview, DryRunWithoutAnInstallationMovesNothing) {
    ExpectDryRunForetellsTheRun("no package, no vendor file", Removal({"Vendor_xml", "vad"}));
    EXPECT_FALSE(fx->Exists(Java()));
}

TEST_F(Preview, SeesItsOwnChangesAndLeavesTheDiskAlone) {
    fx->MakeFolders(fx->Root() + "a");
    fx->WriteFile(fx->Root() + "a\\one.cod", "1");
    fx->WriteFile(fx->Root() + "a\\two.cod", "22");
    removal::PreviewFileSystem preview(fx->Files());
    const std::string a = fx->Root() + "a\\";
    const std::string b = fx->Root() + "b\\";

    EXPECT_EQ(preview.MoveEntry(a + "one.cod", b + "one.cod").code, platform::error::kPathNotFound);
    EXPECT_TRUE(preview.MakeFolder(fx->Root() + "b").ok());
    EXPECT_EQ(preview.MakeFolder(fx->Root() + "B").code, platform::error::kAlreadyExists);
    EXPECT_TRUE(preview.MoveEntry(a + "ONE.cod", b + "one.cod").ok());
    EXPECT_EQ(preview.MoveEntry(a + "one.cod", b + "one.cod").code, platform::error::kFileNotFound);
    EXPECT_FALSE(preview.FileExists(a + "one.cod"));
    EXPECT_TRUE(preview.FileExists(b + "one.cod"));
    EXPECT_EQ(preview.MoveEntry(a + "two.cod", b + "one.cod").code, platform::error::kAlreadyExists);
    EXPECT_TRUE(preview.MoveEntryReplacing(a + "two.cod", b + "one.cod").ok());
    EXPECT_TRUE(preview.MakeFolder(b + "sub").ok());
    EXPECT_TRUE(preview.Enumerate(a + "*.cod", platform::kAllAttributesMask) == nullptr);
    const auto listed = preview.Enumerate(b + "*", platform::kAllAttributesMask);
    ASSERT_NE(listed, nullptr);
    EXPECT_EQ(listed->Current().name, "one.cod");
    EXPECT_EQ(listed->Current().size, 2u) << "two.cod took its place";
    ASSERT_TRUE(listed->Next());
    EXPECT_EQ(listed->Current().name, "sub");
    EXPECT_FALSE(listed->Next());

    EXPECT_EQ(fx->List(a), (std::vector<std::string>{"one.cod", "two.cod"}));
    EXPECT_FALSE(fx->Exists(fx->Root() + "b"));
}

} // namespace
