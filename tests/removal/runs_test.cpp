#include "install/paths.h"
#include "platform/sim/sim_file_system.h"
#include "removal/module_catalogue.h"
#include "removal/move_log.h"
#include "removal/move_report.h"
#include "removal/mover.h"
#include "removal/runs.h"
#include "tests/support/fixtures.h"
#include "ui/texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using removal::MoveReport;

const std::string kOs = "4.5.0.44";

// Every module name the catalogue touches, with variants for the "*" patterns, and modules of no row.
const std::vector<std::string> kAllModules = {
    "net_rim_bb_medialoader_video_83xx_320x240.cod",
    "net_rim_bb_medialoader_video_83xx_320x240-1.cod",
    "net_rim_bb_medialoader_240x260_b.cod",
    "net_rim_bb_medialoader_video.cod",
    "net_rim_bb_medialoader_480x320_b.cod",
    "net_rim_vad.cod",
    "net_rim_vad-1.cod",
    "net_rim_theme_1.cod",
    "net_rim_theme_10.cod",
    "net_rim_theme_1_x.cod",
    "net_rim_theme_precision_silver_480x320_b.cod",
    "net_rim_bb_media_320x240_b.cod",
    "net_rim_bb_media_240x260_b.cod",
    "net_rim_bb_medialoader_320x240_b.cod",
    "net_rim_bb_media_88.cod",
    "net_rim_bb_media_8800_a.cod",
    "net_rim_bb_medialoader_backgrounds_480x320_b.cod",
    "net_rim_bb_medialoader_music_480x320_b.cod",
    "net_rim_bb_phone_ptt_app.cod",
    "KNJCDE.cod",
    "net_rim_bb_media_100_five_icon_library.cod",
    "net_rim_tmo_five.cod",
    "net_rim_bb_qm_yahoo.cod",
    "net_rim_bb_qm_yahoo-1.cod",
    "net_rim_bb_qm_msn.cod",
    "net_rim_bb_qm_aim.cod",
    "net_rim_phone_tty_enabler.cod",
    // no row takes these
    "net_rim_theme_2.cod",
    "net_rim_bb_medialoader_video_1.cod",
    "net_rim_bb_browser.cod",
    "net_rim_bb_qm_peer.cod",
};

std::vector<std::string> SortedNames(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// A scratch installation of the maker's software: one or more packages and the vendor file.
class Installation : public ::testing::Test {
protected:
    std::unique_ptr<testsupport::FileFixture> fx = testsupport::MakeFileFixture();
    std::string rim = fx->Root() + "Research In Motion\\";

    std::string Java(const std::string& os = kOs) const { return install::JavaDir(rim, os); }
    std::string Removed(const std::string& os = kOs) const { return install::RemovedDir(rim, os); }
    std::string Vendor() const { return install::VendorFile(rim); }
    std::string RemovedVendor() const { return install::RemovedVendorFile(rim); }

    static std::string ContentOf(const std::string& name, const std::string& os) { return os + "/" + name; }

    void AddPackage(const std::string& os, const std::vector<std::string>& modules) {
        fx->MakeFolders(Java(os));
        for (const auto& name : modules) {
            fx->WriteFile(Java(os) + name, ContentOf(name, os));
        }
    }
    void AddVendorFile(const std::string& content = "vendor") {
        fx->MakeFolders(install::AppLoaderDir(rim));
        fx->WriteFile(Vendor(), content);
    }

    MoveReport Remove(const std::set<std::string>& ticked, const std::string& os = kOs) {
        return removal::RunRemoval(fx->Files(), rim, os,
                                   [&ticked](const std::string& box) { return ticked.count(box) != 0; });
    }
    MoveReport Restore(const std::string& os = kOs) { return removal::RunRestore(fx->Files(), rim, os); }

    // The fixture sorts its own way; tests compare byte-sorted lists.
    std::vector<std::string> Listed(const std::string& folder) { return SortedNames(fx->List(folder)); }
};

// Another Trimlode running at the same time, which always wins the race: every move is made by it first,
// so the run under test finds each listed entry already gone.
class RivalInstance : public platform::FileSystem {
public:
    explicit RivalInstance(platform::FileSystem& files) : files_(files) {}
    using FileSystem::Enumerate;
    std::unique_ptr<platform::DirectoryEnumeration> Enumerate(const std::string& pattern, std::uint32_t mask,
                                                              platform::Status& failure) override {
        return files_.Enumerate(pattern, mask, failure);
    }
    platform::Status MoveEntry(const std::string& from, const std::string& to) override {
        files_.MoveEntry(from, to);
        return files_.MoveEntry(from, to);
    }
    platform::Status MoveEntryReplacing(const std::string& from, const std::string& to) override {
        files_.MoveEntryReplacing(from, to);
        return files_.MoveEntryReplacing(from, to);
    }
    platform::Status MakeFolder(const std::string& path) override { return files_.MakeFolder(path); }
    bool FileExists(const std::string& path) override { return files_.FileExists(path); }
    std::optional<platform::FolderSecurity> SecurityOf(const std::string& path) override {
        return files_.SecurityOf(path);
    }

private:
    platform::FileSystem& files_;
};

// Another Trimlode that acts just after a move of this run found its source missing: by the time this run
// looks again, the other one has moved the file into that place.
class InterleavedInstance : public RivalInstance {
public:
    InterleavedInstance(platform::FileSystem& files, std::function<void()> otherMove)
        : RivalInstance(files), files_(files), otherMove_(std::move(otherMove)) {}
    platform::Status MoveEntry(const std::string& from, const std::string& to) override {
        const platform::Status status = files_.MoveEntry(from, to);
        if (status.code == platform::error::kFileNotFound && otherMove_) {
            std::exchange(otherMove_, nullptr)();
        }
        return status;
    }

private:
    platform::FileSystem& files_;
    std::function<void()> otherMove_;
};

std::vector<std::string> Without(const std::vector<std::string>& all, const std::vector<std::string>& taken) {
    std::vector<std::string> rest;
    for (const auto& name : all) {
        if (std::find(taken.begin(), taken.end(), name) == taken.end()) {
            rest.push_back(name);
        }
    }
    return SortedNames(rest);
}

// The run's outcome as the window words it.
std::string Failures(const MoveReport& report) {
    return ui::texts::CompletionMessage(report);
}

TEST_F(Installation, EachRowMovesExactlyItsModules) {
    struct RowCase {
        const char* box;
        std::vector<std::string> moves;
    };
    const RowCase rows[] = {
        {"bsv",
         {"net_rim_bb_medialoader_video_83xx_320x240.cod", "net_rim_bb_medialoader_video_83xx_320x240-1.cod",
          "net_rim_bb_medialoader_240x260_b.cod", "net_rim_bb_medialoader_video.cod",
          "net_rim_bb_medialoader_480x320_b.cod"}},
        {"vad", {"net_rim_vad.cod", "net_rim_vad-1.cod"}},
        {"themes",
         {"net_rim_theme_1.cod", "net_rim_theme_10.cod", "net_rim_theme_1_x.cod",
          "net_rim_theme_precision_silver_480x320_b.cod"}},
        {"wallpaper",
         {"net_rim_bb_media_320x240_b.cod", "net_rim_bb_media_240x260_b.cod",
          "net_rim_bb_medialoader_320x240_b.cod", "net_rim_bb_medialoader_240x260_b.cod",
          "net_rim_bb_media_88.cod", "net_rim_bb_media_8800_a.cod",
          "net_rim_bb_medialoader_backgrounds_480x320_b.cod", "net_rim_bb_medialoader_music_480x320_b.cod"}},
        {"ptt", {"net_rim_bb_phone_ptt_app.cod", "KNJCDE.cod"}},
        {"myfaves", {"net_rim_bb_media_100_five_icon_library.cod", "net_rim_tmo_five.cod"}},
        {"yahoo", {"net_rim_bb_qm_yahoo.cod", "net_rim_bb_qm_yahoo-1.cod"}},
        {"msn", {"net_rim_bb_qm_msn.cod"}},
        {"aim", {"net_rim_bb_qm_aim.cod"}},
        {"tty", {"net_rim_phone_tty_enabler.cod"}},
    };
    for (const auto& row : rows) {
        const std::string os = std::string("os-") + row.box;
        AddPackage(os, kAllModules);
        const MoveReport report = Remove({row.box}, os);
        EXPECT_EQ(Failures(report), "Action completed.") << row.box;
        EXPECT_EQ(report.moved, static_cast<int>(row.moves.size())) << row.box;
        EXPECT_EQ(Listed(Removed(os)), SortedNames(row.moves)) << row.box;
        EXPECT_EQ(Listed(Java(os)), Without(kAllModules, row.moves)) << row.box;
        for (const auto& name : row.moves) {
            EXPECT_EQ(fx->ReadFile(Removed(os) + name), ContentOf(name, os)) << name;
        }
    }
}

TEST_F(Installation, OverlappingPatternsMoveAFileOnceWithTheFirstTickedRow) {
    AddPackage(kOs, kAllModules);
    const MoveReport report = Remove({"bsv", "wallpaper"});
    EXPECT_EQ(Failures(report), "Action completed.");
    EXPECT_EQ(report.moved, 12);
    EXPECT_TRUE(fx->Exists(Removed() + "net_rim_bb_medialoader_240x260_b.cod"));
    EXPECT_FALSE(fx->Exists(Java() + "net_rim_bb_medialoader_240x260_b.cod"));
}

// The command line shows what moved, where to and how many bytes it freed, from a log of the run's moves.
TEST_F(Installation, MoveLogListsEachMoveWithItsFoldersAndSize) {
    AddPackage(kOs, {"net_rim_vad.cod", "net_rim_bb_browser.cod"});
    fx->WriteFile(Java() + "net_rim_vad-1.cod", std::string(5000, 'v'));
    AddVendorFile("<vendor/>");
    const std::string removedRoot = install::RemovedRoot(rim) + "\\";
    const auto summary = [](const removal::MoveLog& log) {
        std::vector<std::string> lines;
        for (const auto& move : log.Moves()) {
            lines.push_back(move.name + " " + move.from + " > " + move.to + " " + std::to_string(move.bytes));
        }
        std::sort(lines.begin() + 1, lines.end()); // the vendor file first, then the modules in any order
        return lines;
    };
    const std::string vadBytes = std::to_string(ContentOf("net_rim_vad.cod", kOs).size());
    removal::MoveLog removal(fx->Files());
    const MoveReport removed =
        removal::RunRemoval(removal, rim, kOs, [](const std::string& box) { return box == "vad"; });
    EXPECT_EQ(summary(removal), (std::vector<std::string>{
                                    "Vendor.xml " + install::AppLoaderDir(rim) + " > " + removedRoot + " 9",
                                    "net_rim_vad-1.cod " + Java() + " > " + Removed() + " 5000",
                                    "net_rim_vad.cod " + Java() + " > " + Removed() + " " + vadBytes,
                                }));
    EXPECT_EQ(removed.moved, 3);

    removal::MoveLog restore(fx->Files());
    removal::RunRestore(restore, rim, kOs);
    EXPECT_EQ(summary(restore), (std::vector<std::string>{
                                    "Vendor.xml " + removedRoot + " > " + install::AppLoaderDir(rim) + " 9",
                                    "net_rim_vad-1.cod " + Removed() + " > " + Java() + " 5000",
                                    "net_rim_vad.cod " + Removed() + " > " + Java() + " " + vadBytes,
                                }));
}

TEST_F(Installation, ReadOnlyHiddenAndSystemModulesMoveBothWays) {
    AddPackage(kOs, {"net_rim_vad.cod", "net_rim_vad-1.cod", "net_rim_vad-2.cod"});
    fx->SetAttributes(Java() + "net_rim_vad.cod", platform::attr::kReadOnly);
    fx->SetAttributes(Java() + "net_rim_vad-1.cod", platform::attr::kHidden);
    fx->SetAttributes(Java() + "net_rim_vad-2.cod", platform::attr::kSystem);

    EXPECT_EQ(Failures(Remove({"vad"})), "Action completed.");
    EXPECT_EQ(Listed(Removed()),
              (std::vector<std::string>{"net_rim_vad-1.cod", "net_rim_vad-2.cod", "net_rim_vad.cod"}));
    EXPECT_TRUE(Listed(Java()).empty());

    EXPECT_EQ(Failures(Restore()), "Action completed.");
    EXPECT_EQ(Listed(Java()),
              (std::vector<std::string>{"net_rim_vad-1.cod", "net_rim_vad-2.cod", "net_rim_vad.cod"}));
    EXPECT_EQ(fx->ReadFile(Java() + "net_rim_vad.cod"), ContentOf("net_rim_vad.cod", kOs));
}

TEST_F(Installation, NeverOverwritesInEitherDirection) {
    AddPackage(kOs, {"net_rim_vad.cod", "net_rim_vad-1.cod"});
    fx->MakeFolders(Removed());
    fx->WriteFile(Removed() + "net_rim_vad.cod", "older removed copy");

    MoveReport report = Remove({"vad"});
    EXPECT_EQ(fx->ReadFile(Java() + "net_rim_vad.cod"), ContentOf("net_rim_vad.cod", kOs));
    EXPECT_EQ(fx->ReadFile(Removed() + "net_rim_vad.cod"), "older removed copy");
    EXPECT_TRUE(fx->Exists(Removed() + "net_rim_vad-1.cod"));
    EXPECT_EQ(Failures(report), "Action completed, but 1 item(s) could not be moved.\n\n"
                                "net_rim_vad.cod: a file of that name is already in " +
                                    Removed());

    report = Restore();
    EXPECT_EQ(fx->ReadFile(Java() + "net_rim_vad.cod"), ContentOf("net_rim_vad.cod", kOs));
    EXPECT_EQ(fx->ReadFile(Removed() + "net_rim_vad.cod"), "older removed copy");
    EXPECT_TRUE(fx->Exists(Java() + "net_rim_vad-1.cod"));
    EXPECT_EQ(Failures(report), "Action completed, but 1 item(s) could not be moved.\n\n"
                                "net_rim_vad.cod: a file of that name is already in " +
                                    Java());
}

TEST_F(Installation, VendorFileIsSetAsideAndNeverLost) {
    struct VendorCase {
        const char* label;
        bool ticked;
        const char* inAppLoader; // nullptr: no file
        const char* removed;
        const char* expectedInAppLoader;
        const char* expectedRemoved;
    };
    const VendorCase cases[] = {
        {"first run, unticked", false, "current", nullptr, nullptr, "current"},
        {"first run, ticked", true, "current", nullptr, nullptr, "current"},
        {"unticked keeps both copies", false, "current", "older", "current", "older"},
        {"ticked replaces the older removed copy", true, "current", "older", nullptr, "current"},
        {"ticked keeps the only copy", true, nullptr, "older", nullptr, "older"},
        {"unticked, already aside", false, nullptr, "older", nullptr, "older"},
        {"no vendor file at all", true, nullptr, nullptr, nullptr, nullptr},
        {"no vendor file at all, unticked", false, nullptr, nullptr, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        auto local = testsupport::MakeFileFixture();
        std::swap(fx, local);
        rim = fx->Root() + "Research In Motion\\";
        AddPackage(kOs, {"net_rim_vad.cod"});
        fx->MakeFolders(install::AppLoaderDir(rim));
        if (c.inAppLoader) {
            fx->WriteFile(Vendor(), c.inAppLoader);
        }
        if (c.removed) {
            fx->MakeFolders(Removed());
            fx->WriteFile(RemovedVendor(), c.removed);
        }
        std::set<std::string> ticked;
        if (c.ticked) {
            ticked.insert("Vendor_xml");
        }
        EXPECT_EQ(Failures(Remove(ticked)), "Action completed.") << c.label;
        const auto asOptional = [](const char* text) {
            return text ? std::optional<std::string>(text) : std::nullopt;
        };
        EXPECT_EQ(fx->ReadFile(Vendor()), asOptional(c.expectedInAppLoader)) << c.label;
        EXPECT_EQ(fx->ReadFile(RemovedVendor()), asOptional(c.expectedRemoved)) << c.label;
        EXPECT_TRUE(fx->Exists(Java() + "net_rim_vad.cod")) << c.label << ": vad was not ticked";
    }
}

TEST_F(Installation, NothingTickedCreatesTheFoldersAndMovesOnlyTheVendorFile) {
    AddPackage(kOs, kAllModules);
    AddVendorFile();
    const MoveReport report = Remove({});
    EXPECT_EQ(Failures(report), "Action completed.");
    EXPECT_EQ(report.moved, 1);
    EXPECT_TRUE(fx->Exists(install::RemovedRoot(rim)));
    EXPECT_TRUE(Listed(Removed()).empty());
    EXPECT_EQ(Listed(install::RemovedRoot(rim) + "\\"), (std::vector<std::string>{kOs, "Vendor.xml"}));
    EXPECT_EQ(Listed(Java()), SortedNames(kAllModules));
}

TEST_F(Installation, TwoOperatingSystemsFillTwoFoldersAndShareOneVendorFile) {
    const std::string other = "4.5.0.52";
    AddPackage(kOs, kAllModules);
    AddPackage(other, kAllModules);
    AddVendorFile();

    EXPECT_EQ(Failures(Remove({"vad"}, kOs)), "Action completed.");
    EXPECT_EQ(Failures(Remove({"vad", "tty"}, other)), "Action completed.");
    EXPECT_EQ(Listed(Removed(kOs)), (std::vector<std::string>{"net_rim_vad-1.cod", "net_rim_vad.cod"}));
    EXPECT_EQ(Listed(Removed(other)), (std::vector<std::string>{"net_rim_phone_tty_enabler.cod",
                                                                "net_rim_vad-1.cod", "net_rim_vad.cod"}));
    EXPECT_EQ(fx->ReadFile(Removed(other) + "net_rim_vad.cod"), ContentOf("net_rim_vad.cod", other));
    EXPECT_EQ(fx->ReadFile(RemovedVendor()), "vendor");

    // Putting back the other system brings the vendor file home too, whichever run moved it.
    EXPECT_EQ(Failures(Restore(other)), "Action completed.");
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
    EXPECT_EQ(Listed(Java(other)), SortedNames(kAllModules));
    EXPECT_EQ(Listed(Removed(kOs)), (std::vector<std::string>{"net_rim_vad-1.cod", "net_rim_vad.cod"}));
}

TEST_F(Installation, RestoreBringsBackEveryModuleAndLeavesOtherFiles) {
    AddPackage(kOs, kAllModules);
    AddVendorFile();
    ASSERT_EQ(Failures(Remove({"bsv", "wallpaper"})), "Action completed.");
    fx->WriteFile(Removed() + "notes.txt", "mine");
    fx->WriteFile(Removed() + "notes.code", "mine too");
    fx->WriteFile(Removed() + "stray.cod", "put here by hand");

    const MoveReport report = Restore();
    EXPECT_EQ(Failures(report), "Action completed.");
    EXPECT_EQ(report.moved, 1 + 12 + 1);
    EXPECT_EQ(Listed(Removed()), (std::vector<std::string>{"notes.code", "notes.txt"}));
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
    std::vector<std::string> expected = kAllModules;
    expected.push_back("stray.cod");
    EXPECT_EQ(Listed(Java()), SortedNames(expected));
    EXPECT_TRUE(fx->Exists(install::RemovedRoot(rim)));

    // Again: nothing left to move, and nothing to complain about.
    const MoveReport again = Restore();
    EXPECT_EQ(Failures(again), "Action completed.");
    EXPECT_EQ(again.moved, 0);
}

TEST_F(Installation, RestoreBeforeAnyRemovalMovesNothing) {
    AddPackage(kOs, kAllModules);
    AddVendorFile();
    const MoveReport report = Restore();
    EXPECT_EQ(Failures(report), "Action completed.");
    EXPECT_EQ(report.moved, 0);
    EXPECT_FALSE(fx->Exists(install::RemovedRoot(rim)));
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
}

TEST_F(Installation, UnicodeNamesMoveAndComeBack) {
    const std::string os = "4.5.0.44 Ωмега 名前";
    const std::vector<std::string> modules = {"net_rim_vad_Größe.cod", "net_rim_vad_имя_名前.cod",
                                              "net_rim_bb_qm_msn_😀.cod", "Ärger.cod"};
    AddPackage(os, modules);
    AddVendorFile();
    EXPECT_EQ(Failures(Remove({"vad", "msn"}, os)), "Action completed.");
    EXPECT_EQ(Listed(Java(os)), std::vector<std::string>{"Ärger.cod"});
    EXPECT_EQ(fx->ReadFile(Removed(os) + "net_rim_vad_имя_名前.cod"),
              ContentOf("net_rim_vad_имя_名前.cod", os));
    EXPECT_EQ(Failures(Restore(os)), "Action completed.");
    EXPECT_EQ(Listed(Java(os)), SortedNames(modules));
}

// Windows drops trailing dots and blanks from each piece of a plain path, so "4.5.0.44." would address
// "4.5.0.44": each run must act on the folder of exactly the listed name.
TEST_F(Installation, NamesEndingInDotsOrBlanksAreActedOnAsListed) {
    const std::vector<std::string> systems = {kOs, kOs + ".", kOs + " ", kOs + ". ."};
    for (const auto& os : systems) {
        AddPackage(os, {"net_rim_vad.cod", "net_rim_tmo_five.cod"});
    }
    for (const auto& os : systems) {
        SCOPED_TRACE("'" + os + "'");
        EXPECT_EQ(Failures(Remove({"vad"}, os)), "Action completed.");
        EXPECT_EQ(Listed(Removed(os)), std::vector<std::string>{"net_rim_vad.cod"});
        EXPECT_EQ(fx->ReadFile(Removed(os) + "net_rim_vad.cod"), ContentOf("net_rim_vad.cod", os));
        for (const auto& other : systems) {
            if (other != os) {
                EXPECT_TRUE(fx->Exists(Java(other) + "net_rim_vad.cod")) << "'" << other << "'";
            }
        }
        EXPECT_EQ(Failures(Restore(os)), "Action completed.");
        EXPECT_EQ(fx->ReadFile(Java(os) + "net_rim_vad.cod"), ContentOf("net_rim_vad.cod", os));
    }
    EXPECT_EQ(Listed(install::RemovedRoot(rim) + "\\"), SortedNames(systems));
}

// A module name holding separators, as Wine or a network file system may list one, would move a file from
// outside the java folder, or into a folder outside the maker's: it is left alone and reported.
TEST(ForeignNames, AModuleWhoseNameLeavesTheFolderStaysAndIsReported) {
    platform::sim::SimFileSystem files;
    const std::string rim = "C:\\Program Files\\Common Files\\Research In Motion\\";
    const std::string java = install::JavaDir(rim, kOs);
    files.AddFile(java + "net_rim_vad.cod", "vad");
    files.AddFile("C:\\Program Files\\Common Files\\net_rim_vad_outside.cod", "not a module of this system");
    // Joined to the java folder, this name matches "net_rim_vad*.cod" and addresses the file outside.
    const std::string escaping = "net_rim_vad\\..\\..\\..\\..\\..\\..\\net_rim_vad_outside.cod";
    files.AddEntryNamed(java, escaping, false);

    const MoveReport report =
        removal::RunRemoval(files, rim, kOs, [](const std::string& box) { return box == "vad"; });
    EXPECT_EQ(Failures(report),
              "Action completed, but 1 item(s) could not be moved.\n\n" + escaping + ": " +
                  ui::texts::FailureReason({"", removal::MoveFailure::Cause::UnsafeName, ""}));
    EXPECT_EQ(files.Content("C:\\Program Files\\Common Files\\net_rim_vad_outside.cod"),
              "not a module of this system");
    EXPECT_EQ(files.Content(install::RemovedDir(rim, kOs) + "net_rim_vad.cod"), "vad");
    EXPECT_EQ(files.List(install::RemovedDir(rim, kOs)), std::vector<std::string>{"net_rim_vad.cod"});
}

// Windows names may hold unpaired surrogates (written here as WTF-8 bytes); a boundary that replaced them
// would rename the modules, or make two of them one.
TEST_F(Installation, NamesWithUnpairedSurrogatesMoveAndComeBackUnchanged) {
    if (!fx->HoldsUnpairedSurrogates()) {
        GTEST_SKIP() << "this file system refuses names holding unpaired surrogates";
    }
    const std::string os = "4.5.0.44 \xED\xA0\x80";
    const std::vector<std::string> modules = {"net_rim_vad_\xED\xB2\x80.cod", "net_rim_vad_\xED\xB2\x81.cod",
                                              "net_rim_vad_\xED\xA0\x80.cod"};
    AddPackage(os, modules);
    EXPECT_EQ(Listed(Java(os)), SortedNames(modules));
    EXPECT_EQ(Failures(Remove({"vad"}, os)), "Action completed.");
    EXPECT_EQ(Listed(Removed(os)), SortedNames(modules));
    EXPECT_EQ(Failures(Restore(os)), "Action completed.");
    EXPECT_EQ(Listed(Java(os)), SortedNames(modules));
    for (const auto& name : modules) {
        EXPECT_EQ(fx->ReadFile(Java(os) + name), ContentOf(name, os));
    }
}

// Two instances at once: what the other one moved first is done, not a failure of this run.
TEST_F(Installation, ModulesMovedByAnotherInstanceMeanwhileAreNoFailure) {
    AddPackage(kOs, kAllModules);
    AddVendorFile();
    RivalInstance rival(fx->Files());
    const auto ticked = [](const std::string& box) {
        return box == "vad" || box == "themes" || box == "Vendor_xml";
    };
    const MoveReport removal = removal::RunRemoval(rival, rim, kOs, ticked);
    EXPECT_EQ(Failures(removal), "Action completed.");
    EXPECT_EQ(Listed(Removed()), SortedNames({"net_rim_vad.cod", "net_rim_vad-1.cod", "net_rim_theme_1.cod",
                                              "net_rim_theme_10.cod", "net_rim_theme_1_x.cod",
                                              "net_rim_theme_precision_silver_480x320_b.cod"}));

    EXPECT_EQ(fx->ReadFile(RemovedVendor()), "vendor");

    EXPECT_EQ(Failures(removal::RunRestore(rival, rim, kOs)), "Action completed.");
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
    EXPECT_EQ(Listed(Java()), SortedNames(kAllModules));
    EXPECT_TRUE(Listed(Removed()).empty());
}

TEST_F(Installation, VendorFileMovedByAnotherInstanceJustAfterIsNoFailure) {
    AddPackage(kOs, {"net_rim_vad.cod"});
    AddVendorFile();
    // Put It Back finds no removed copy; the other instance then sets the vendor file aside.
    InterleavedInstance setAside(fx->Files(), [&] { fx->Files().MoveEntry(Vendor(), RemovedVendor()); });
    fx->MakeFolders(install::RemovedRoot(rim));
    EXPECT_EQ(Failures(removal::RunRestore(setAside, rim, kOs)), "Action completed.");
    EXPECT_EQ(fx->ReadFile(RemovedVendor()), "vendor");

    // A removal finds no vendor file in AppLoader; the other instance then puts it back.
    InterleavedInstance putBack(fx->Files(), [&] { fx->Files().MoveEntry(RemovedVendor(), Vendor()); });
    const auto none = [](const std::string&) { return false; };
    EXPECT_EQ(Failures(removal::RunRemoval(putBack, rim, kOs, none)), "Action completed.");
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
}

TEST_F(Installation, LockedModuleIsReportedAndTheOthersStillMove) {
    AddPackage(kOs, {"net_rim_vad.cod", "net_rim_vad-1.cod"});
    AddVendorFile();
    fx->Lock(Java() + "net_rim_vad-1.cod");
    const MoveReport report = Remove({"vad"});
    fx->Unlock(Java() + "net_rim_vad-1.cod");

    ASSERT_EQ(report.failures.size(), 1u) << Failures(report);
    EXPECT_EQ(report.failures[0].name, "net_rim_vad-1.cod");
    EXPECT_FALSE(report.failures[0].detail.empty());
    EXPECT_EQ(Failures(report), "Action completed, but 1 item(s) could not be moved.\n\nnet_rim_vad-1.cod: " +
                                    report.failures[0].detail);
    EXPECT_TRUE(fx->Exists(Java() + "net_rim_vad-1.cod"));
    EXPECT_TRUE(fx->Exists(Removed() + "net_rim_vad.cod"));
    EXPECT_EQ(fx->ReadFile(RemovedVendor()), "vendor");
}

TEST_F(Installation, AccessDeniedIsReportedWithTheSystemText) {
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    AddPackage(kOs, {"net_rim_vad.cod", "net_rim_tmo_five.cod"});
    AddVendorFile();
    fx->InjectFault("move", Java() + "net_rim_vad.cod", platform::error::kAccessDenied);
    fx->InjectFault("move", Vendor(), platform::error::kAccessDenied);
    const MoveReport report = Remove({"vad", "myfaves"});
    EXPECT_EQ(Failures(report), "Action completed, but 2 item(s) could not be moved.\n\n"
                                "Vendor.xml: Access is denied.\n"
                                "net_rim_vad.cod: Access is denied.");
    EXPECT_EQ(report.moved, 1);
    EXPECT_TRUE(fx->Exists(Java() + "net_rim_vad.cod"));
    EXPECT_TRUE(fx->Exists(Vendor()));

    fx->InjectFault("move", Removed() + "net_rim_vad.cod", platform::error::kAccessDenied);
    ASSERT_EQ(Failures(Remove({"vad"})), "Action completed.");
    fx->InjectFault("move", RemovedVendor(), platform::error::kAccessDenied);
    EXPECT_EQ(Failures(Restore()), "Action completed, but 2 item(s) could not be moved.\n\n"
                                   "Vendor.xml: Access is denied.\n"
                                   "net_rim_vad.cod: Access is denied.");
}

TEST_F(Installation, FolderThatCannotBeListedIsReportedOnce) {
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    AddPackage(kOs, {"net_rim_bb_media_320x240_b.cod", "net_rim_bb_media_88xx.cod"});
    AddVendorFile();
    // Every pattern of the wallpaper row meets the same unreadable java folder: one line says so.
    for (int pattern = 0; pattern < 7; ++pattern) {
        fx->InjectFault("list", Java(), platform::error::kAccessDenied);
    }
    EXPECT_EQ(Failures(Remove({"wallpaper"})),
              "Action completed, but 1 item(s) could not be moved.\n\n" + Java() + ": Access is denied.");
    EXPECT_TRUE(fx->Exists(Java() + "net_rim_bb_media_88xx.cod"));

    fx->InjectFault("list", Removed(), platform::error::kAccessDenied);
    EXPECT_EQ(Failures(Restore()),
              "Action completed, but 1 item(s) could not be moved.\n\n" + Removed() + ": Access is denied.");
}

// A listing that breaks off part-way (a disk or network error) leaves the rest of the folder unmoved: the
// folder is reported once, by its path, never "Action completed.".
TEST_F(Installation, ListingThatBreaksOffIsReportedOnceByTheFolder) {
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    AddPackage(kOs, {"net_rim_vad.cod", "net_rim_vad-1.cod", "net_rim_vad-2.cod"});
    fx->InjectFault("step", Java(), platform::error::kSharingViolation);
    const MoveReport report = Remove({"vad"});
    EXPECT_EQ(Failures(report),
              "Action completed, but 1 item(s) could not be moved.\n\n" + Java() +
                  ": The process cannot access the file because it is being used by another "
                  "process.");
    EXPECT_EQ(Listed(Java()).size(), 2u) << "only the first module listed could move";

    EXPECT_EQ(Failures(Remove({"vad"})), "Action completed.") << "a run again completes it";
    EXPECT_TRUE(Listed(Java()).empty());
    fx->InjectFault("step", Removed(), platform::error::kSharingViolation);
    EXPECT_EQ(Restore().failures.size(), 1u);
}

// A file where RemovedFiles or RemovedFiles\<OS> belongs would fail every move with "path not found"; the
// user reads the one cause instead, by its path, and nothing moves.
TEST_F(Installation, FileInPlaceOfARemovedFilesFolderIsReportedOnceAsTheCause) {
    for (const bool rootIsFile : {true, false}) {
        auto local = testsupport::MakeFileFixture();
        std::swap(fx, local);
        rim = fx->Root() + "Research In Motion\\";
        AddPackage(kOs, kAllModules);
        AddVendorFile();
        const std::string inTheWay =
            rootIsFile ? install::RemovedRoot(rim) : install::RemovedDirAsCreated(rim, kOs);
        if (!rootIsFile) {
            fx->MakeFolders(install::RemovedRoot(rim));
        }
        fx->WriteFile(inTheWay, "someone's file");
        SCOPED_TRACE(inTheWay);

        const std::string expected =
            "Action completed, but 1 item(s) could not be moved.\n\n" + inTheWay + ": " +
            ui::texts::FailureReason({"", removal::MoveFailure::Cause::FileInPlaceOfFolder, ""});
        EXPECT_EQ(Failures(Remove({"vad", "wallpaper"})), expected);
        EXPECT_EQ(Failures(Restore()), expected);
        EXPECT_EQ(Listed(Java()), SortedNames(kAllModules));
        EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
        EXPECT_EQ(fx->ReadFile(inTheWay), "someone's file");
    }
}

TEST_F(Installation, FolderThatCannotBeCreatedIsReportedByPath) {
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    AddPackage(kOs, {"net_rim_vad.cod"});
    AddVendorFile();
    fx->InjectFault("mkdir", install::RemovedRoot(rim), platform::error::kAccessDenied);
    const MoveReport report = Remove({"vad"});
    ASSERT_GE(report.failures.size(), 2u);
    EXPECT_EQ(report.failures[0].name, install::RemovedRoot(rim));
    EXPECT_EQ(report.failures[0].detail, "Access is denied.");
    EXPECT_EQ(report.failures[1].name, install::RemovedDirAsCreated(rim, kOs));
    // Nothing could move without the folders, and every step still ran and said so.
    EXPECT_EQ(report.failures.size(), 4u) << Failures(report);
    EXPECT_EQ(report.moved, 0);
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
    EXPECT_TRUE(fx->Exists(Java() + "net_rim_vad.cod"));
}

TEST_F(Installation, AnySequenceOfRunsKeepsEveryModuleExactlyOnce) {
    const std::vector<std::string> systems = {kOs, "4.5.0.52"};
    for (const auto& os : systems) {
        AddPackage(os, kAllModules);
    }
    AddVendorFile();
    std::mt19937 random(20240611);
    const auto expectEverythingOnce = [&](int step) {
        for (const auto& os : systems) {
            for (const auto& name : kAllModules) {
                const auto inJava = fx->ReadFile(Java(os) + name);
                const auto inRemoved = fx->ReadFile(Removed(os) + name);
                ASSERT_NE(inJava.has_value(), inRemoved.has_value())
                    << "step " << step << ": " << os << " " << name;
                EXPECT_EQ(inJava ? *inJava : *inRemoved, ContentOf(name, os))
                    << "step " << step << ": " << name;
            }
        }
        const auto vendor = fx->ReadFile(Vendor());
        const auto removedVendor = fx->ReadFile(RemovedVendor());
        ASSERT_NE(vendor.has_value(), removedVendor.has_value()) << "step " << step;
        EXPECT_EQ(vendor ? *vendor : *removedVendor, "vendor") << "step " << step;
    };
    for (int step = 0; step < 30; ++step) {
        const std::string& os = systems[random() % systems.size()];
        MoveReport report;
        if (random() % 3 == 0) {
            report = Restore(os);
        } else {
            std::set<std::string> ticked;
            for (const auto& row : removal::ModuleCatalogue()) {
                if (random() % 3 == 0) {
                    ticked.insert(row.checkBox);
                }
            }
            report = Remove(ticked, os);
        }
        EXPECT_EQ(Failures(report), "Action completed.") << "step " << step;
        expectEverythingOnce(step);
        if (HasFatalFailure()) {
            return;
        }
    }
    for (const auto& os : systems) {
        EXPECT_EQ(Failures(Restore(os)), "Action completed.");
        EXPECT_EQ(Listed(Java(os)), SortedNames(kAllModules));
    }
    EXPECT_EQ(fx->ReadFile(Vendor()), "vendor");
}

} // namespace
