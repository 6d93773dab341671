// The file-system contract, run against the simulation natively and against Win32 under Wine.
//
// Where Wine differs from Windows (checked against Wine 8), so no test here relies on either:
// - Failure texts come from Wine's own message table: only codes are compared, not texts.
// - Wine lists a folder sorted by name: enumeration order is tested on the simulation only (sim_test.cpp).
// - A rename that changes only the letter case succeeds but keeps the old spelling.
// - A folder holding a file that another program has open can be moved; Windows refuses.
// - Replacing a read-only file succeeds; Windows refuses with access denied.
// - Names starting with "." are hidden unless the prefix sets ShowDotFiles (scripts/wine-env.sh does).
// - Names holding unpaired surrogates cannot be created (the Unix name has no form for them), and a Unix name
//   that is not UTF-8 is listed with U+FFFD in its place, which Wine's own lookup then matches loosely.
// - Security descriptors set on files are not kept: Wine derives owner and access list from the Unix owner
//   and mode, so only a user's own folder can be tested there.
#include "platform/file_system.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using platform::attr::kArchive;
using platform::attr::kDirectory;
using platform::attr::kHidden;
using platform::attr::kReadOnly;
using platform::attr::kSystem;
using Names = std::vector<std::string>;

class FileContract : public ::testing::Test {
protected:
    // Every name the enumeration yields, in its order; empty when it could not start.
    Names Enumerated(const std::string& folderAndPattern, std::uint32_t mask) {
        Names names;
        auto found = files.Enumerate(folderAndPattern, mask);
        if (found) {
            do {
                names.push_back(found->Current().name);
            } while (found->Next());
        }
        return names;
    }

    Names SortedEnumerated(const std::string& folderAndPattern, std::uint32_t mask) {
        Names names = Enumerated(folderAndPattern, mask);
        std::sort(names.begin(), names.end());
        return names;
    }

    std::uint32_t AttributesOf(const std::string& folderAndPattern, const std::string& name) {
        auto found = files.Enumerate(folderAndPattern, platform::kAllAttributesMask);
        for (bool more = found != nullptr; more; more = found->Next()) {
            if (found->Current().name == name) {
                return found->Current().attributes;
            }
        }
        ADD_FAILURE() << name << " not listed";
        return 0;
    }

    std::unique_ptr<testsupport::FileFixture> fixture = testsupport::MakeFileFixture();
    platform::FileSystem& files = fixture->Files();
    const std::string root = fixture->Root();
};

TEST_F(FileContract, MasksAdmitHiddenSystemAndFoldersAsDescribed) {
    const std::string dir = root + "Loader Files\\";
    fixture->MakeFolders(dir + "4.5.0.44");
    fixture->MakeFolders(dir + "secret");
    fixture->WriteFile(dir + "plain.cod", "p");
    fixture->WriteFile(dir + "readonly.cod", "r");
    fixture->WriteFile(dir + "hidden.cod", "h");
    fixture->WriteFile(dir + "system.cod", "s");
    fixture->SetAttributes(dir + "readonly.cod", kReadOnly);
    fixture->SetAttributes(dir + "hidden.cod", kHidden);
    fixture->SetAttributes(dir + "system.cod", kSystem);
    fixture->SetAttributes(dir + "secret", kHidden);

    EXPECT_EQ(SortedEnumerated(dir + "*", platform::kDirectoryMask),
              (Names{".", "..", "4.5.0.44", "plain.cod", "readonly.cod"}));
    EXPECT_EQ(
        SortedEnumerated(dir + "*", platform::kAllAttributesMask),
        (Names{".", "..", "4.5.0.44", "hidden.cod", "plain.cod", "readonly.cod", "secret", "system.cod"}));
    EXPECT_EQ(SortedEnumerated(dir + "*", 0), (Names{"plain.cod", "readonly.cod"}));
    EXPECT_EQ(SortedEnumerated(dir + "*.cod", kHidden), (Names{"hidden.cod", "plain.cod", "readonly.cod"}));

    EXPECT_NE(AttributesOf(dir + "*", "4.5.0.44") & kDirectory, 0u);
    EXPECT_NE(AttributesOf(dir + "*", "secret") & kHidden, 0u);
    EXPECT_NE(AttributesOf(dir + "*", "readonly.cod") & kReadOnly, 0u);
    EXPECT_EQ(AttributesOf(dir + "*", "plain.cod") & (kDirectory | kHidden | kSystem | kReadOnly), 0u);
    EXPECT_NE(AttributesOf(dir + "*", ".") & kDirectory, 0u);
    EXPECT_NE(AttributesOf(dir + "*", "..") & kDirectory, 0u);
}

TEST_F(FileContract, PatternsMatchLongNamesIgnoringLetterCase) {
    const std::string dir = root + "java\\";
    fixture->MakeFolders(dir + "net_rim_vad_extra.cod"); // a folder whose name matches
    for (const char* name : {"net_rim_vad.cod", "NET_RIM_VAD-1.COD", "net_rim_vad.cod.bak", "notes.code",
                             "Net_Rim_Theme_10.cod", "net_rim_theme_2.cod", "readme"}) {
        fixture->WriteFile(dir + name, name);
    }
    struct Case {
        const char* pattern;
        Names expected;
    };
    const Case cases[] = {
        {"net_rim_vad*.cod", {"NET_RIM_VAD-1.COD", "net_rim_vad.cod", "net_rim_vad_extra.cod"}},
        {"NET_RIM_THEME_1*.COD", {"Net_Rim_Theme_10.cod"}},
        {"*.cod",
         {"NET_RIM_VAD-1.COD", "Net_Rim_Theme_10.cod", "net_rim_theme_2.cod", "net_rim_vad.cod",
          "net_rim_vad_extra.cod"}}, // never "notes.code" through its short name
        {"README", {"readme"}},
        {"*.code", {"notes.code"}},
        {"nothing*.cod", {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SortedEnumerated(dir + c.pattern, platform::kAllAttributesMask), c.expected) << c.pattern;
    }
}

TEST_F(FileContract, DotEntriesComeFirstAndOnlyForPatternsThatMatchThem) {
    const std::string dir = root + "Loader Files\\";
    fixture->MakeFolders(dir);
    EXPECT_EQ(Enumerated(dir + "*", platform::kDirectoryMask), (Names{".", ".."}));

    fixture->MakeFolders(dir + "4.5.0.52");
    fixture->MakeFolders(dir + "4.5.0.44");
    const Names listed = Enumerated(dir + "*", platform::kDirectoryMask);
    ASSERT_EQ(listed.size(), 4u);
    EXPECT_EQ(listed[0], ".");
    EXPECT_EQ(listed[1], "..");
    EXPECT_EQ(SortedEnumerated(dir + "4*", platform::kDirectoryMask), (Names{"4.5.0.44", "4.5.0.52"}));

    // Names that merely start with a dot are ordinary entries, not dot entries and not hidden.
    fixture->MakeFolders(dir + "..4.5");
    fixture->WriteFile(dir + ".profile", "");
    EXPECT_EQ(SortedEnumerated(dir + ".*", platform::kDirectoryMask),
              (Names{".", "..", "..4.5", ".profile"}));
}

TEST_F(FileContract, EnumerationThatFindsNothingDoesNotStart) {
    fixture->MakeFolders(root + "empty");
    EXPECT_EQ(files.Enumerate(root + "missing\\*", platform::kAllAttributesMask), nullptr);
    EXPECT_EQ(files.Enumerate(root + "empty\\*.cod", platform::kAllAttributesMask), nullptr);
    fixture->WriteFile(root + "empty\\hidden.cod", "");
    fixture->SetAttributes(root + "empty\\hidden.cod", kHidden);
    EXPECT_EQ(files.Enumerate(root + "empty\\*.cod", platform::kDirectoryMask), nullptr);
}

TEST_F(FileContract, StepPastTheEndKeepsTheLastEntry) {
    fixture->WriteFile(root + "only.cod", "x");
    auto found = files.Enumerate(root + "*.cod", platform::kAllAttributesMask);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Current().name, "only.cod");
    EXPECT_FALSE(found->Next());
    EXPECT_FALSE(found->Next());
    EXPECT_EQ(found->Current().name, "only.cod");
    EXPECT_TRUE(found->StopReason().ok()) << "the end of a folder is no error";
}

// The command line reports what a run frees from these sizes.
TEST_F(FileContract, EnumerationGivesEachFilesSizeAndNoneForFolders) {
    fixture->MakeFolders(root + "sub");
    fixture->WriteFile(root + "empty.cod", "");
    fixture->WriteFile(root + "some.cod", std::string(70000, 'x'));
    auto found = files.Enumerate(root + "*", platform::kAllAttributesMask);
    std::vector<std::pair<std::string, std::uint64_t>> sizes;
    for (bool more = found != nullptr; more; more = found->Next()) {
        if (found->Current().name != "." && found->Current().name != "..") {
            sizes.emplace_back(found->Current().name, found->Current().size);
        }
    }
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::pair<std::string, std::uint64_t>>{
                         {"empty.cod", 0}, {"some.cod", 70000}, {"sub", 0}}));
}

TEST_F(FileContract, UnicodeNamesSurviveEnumerationAndMoves) {
    const std::string names[] = {"Größe.cod", "система.cod", "名前.cod", "Ærø ñ.cod"};
    fixture->MakeFolders(root + "from");
    fixture->MakeFolders(root + "Ziel-Ö");
    for (const auto& name : names) {
        fixture->WriteFile(root + "from\\" + name, name);
    }
    Names expected(std::begin(names), std::end(names));
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(SortedEnumerated(root + "from\\*.cod", platform::kAllAttributesMask), expected);
    EXPECT_EQ(Enumerated(root + "from\\GRÖ*", platform::kAllAttributesMask), Names{"Größe.cod"});
    EXPECT_EQ(Enumerated(root + "from\\СИСТЕМА.COD", platform::kAllAttributesMask), Names{"система.cod"});

    for (const auto& name : names) {
        EXPECT_TRUE(files.FileExists(root + "from\\" + name)) << name;
        EXPECT_TRUE(files.MoveEntry(root + "from\\" + name, root + "Ziel-Ö\\" + name).ok()) << name;
        EXPECT_EQ(fixture->ReadFile(root + "Ziel-Ö\\" + name), name);
    }
    EXPECT_EQ(fixture->List(root + "Ziel-Ö"), expected);
    EXPECT_TRUE(fixture->List(root + "from").empty());
}

TEST_F(FileContract, MoveNeverReplacesAnExistingEntry) {
    fixture->MakeFolders(root + "java");
    fixture->MakeFolders(root + "removed\\sub");
    fixture->WriteFile(root + "java\\net_rim_vad.cod", "new");
    fixture->WriteFile(root + "removed\\net_rim_vad.cod", "old");

    const platform::Status onFile =
        files.MoveEntry(root + "java\\net_rim_vad.cod", root + "removed\\NET_RIM_VAD.cod");
    EXPECT_EQ(onFile.code, platform::error::kAlreadyExists);
    EXPECT_FALSE(onFile.message.empty());
    const platform::Status onFolder = files.MoveEntry(root + "java\\net_rim_vad.cod", root + "removed\\sub");
    EXPECT_EQ(onFolder.code, platform::error::kAlreadyExists);

    EXPECT_EQ(fixture->ReadFile(root + "java\\net_rim_vad.cod"), "new");
    EXPECT_EQ(fixture->ReadFile(root + "removed\\net_rim_vad.cod"), "old");
    EXPECT_TRUE(fixture->Exists(root + "removed\\sub"));
}

TEST_F(FileContract, MoveReportsMissingSourceAndMissingTargetFolder) {
    fixture->MakeFolders(root + "java");
    fixture->WriteFile(root + "java\\a.cod", "a");
    struct Case {
        std::string from, to;
        std::uint32_t code;
    };
    const Case cases[] = {
        {root + "java\\gone.cod", root + "gone.cod", platform::error::kFileNotFound},
        {root + "nowhere\\a.cod", root + "a.cod", platform::error::kPathNotFound},
        {root + "java\\a.cod", root + "removed\\a.cod", platform::error::kPathNotFound},
    };
    for (const auto& c : cases) {
        const platform::Status status = files.MoveEntry(c.from, c.to);
        EXPECT_EQ(status.code, c.code) << c.from << " -> " << c.to;
        EXPECT_FALSE(status.message.empty());
    }
    EXPECT_EQ(fixture->ReadFile(root + "java\\a.cod"), "a");
}

TEST_F(FileContract, MoveKeepsContentAndAttributes) {
    fixture->MakeFolders(root + "java");
    fixture->MakeFolders(root + "removed");
    fixture->WriteFile(root + "java\\hidden.cod", "h");
    fixture->WriteFile(root + "java\\readonly.cod", "r");
    fixture->SetAttributes(root + "java\\hidden.cod", kHidden | kArchive);
    fixture->SetAttributes(root + "java\\readonly.cod", kReadOnly);

    EXPECT_TRUE(files.MoveEntry(root + "java\\hidden.cod", root + "removed\\hidden.cod").ok());
    EXPECT_TRUE(files.MoveEntry(root + "java\\readonly.cod", root + "removed\\readonly.cod").ok());
    EXPECT_TRUE(fixture->List(root + "java").empty());
    EXPECT_EQ(fixture->ReadFile(root + "removed\\hidden.cod"), "h");
    EXPECT_EQ(fixture->ReadFile(root + "removed\\readonly.cod"), "r");
    EXPECT_NE(AttributesOf(root + "removed\\*", "hidden.cod") & kHidden, 0u);
    EXPECT_NE(AttributesOf(root + "removed\\*", "readonly.cod") & kReadOnly, 0u);
}

TEST_F(FileContract, FolderMovesWhole) {
    fixture->MakeFolders(root + "java\\net_rim_bundle\\inner");
    fixture->MakeFolders(root + "removed");
    fixture->WriteFile(root + "java\\net_rim_bundle\\one.cod", "1");
    fixture->WriteFile(root + "java\\net_rim_bundle\\inner\\two.cod", "2");

    EXPECT_TRUE(files.MoveEntry(root + "java\\net_rim_bundle", root + "removed\\net_rim_bundle").ok());
    EXPECT_FALSE(fixture->Exists(root + "java\\net_rim_bundle"));
    EXPECT_EQ(fixture->List(root + "removed\\net_rim_bundle"), (Names{"inner", "one.cod"}));
    EXPECT_EQ(fixture->ReadFile(root + "removed\\net_rim_bundle\\inner\\two.cod"), "2");

    // Into itself is refused and changes nothing.
    const std::string inside = root + "removed\\net_rim_bundle\\inner\\x";
    EXPECT_EQ(files.MoveEntry(root + "removed\\net_rim_bundle", inside).code, 87u); // ERROR_INVALID_PARAMETER
    EXPECT_EQ(fixture->List(root + "removed\\net_rim_bundle"), (Names{"inner", "one.cod"}));
}

TEST_F(FileContract, MoveReplacingReplacesFilesButNeverFolders) {
    fixture->MakeFolders(root + "AppLoader");
    fixture->MakeFolders(root + "RemovedFiles\\Vendor.xml.d");
    fixture->WriteFile(root + "AppLoader\\Vendor.xml", "current");
    fixture->WriteFile(root + "RemovedFiles\\Vendor.xml", "stale");

    EXPECT_TRUE(
        files.MoveEntryReplacing(root + "AppLoader\\Vendor.xml", root + "RemovedFiles\\Vendor.xml").ok());
    EXPECT_FALSE(fixture->Exists(root + "AppLoader\\Vendor.xml"));
    EXPECT_EQ(fixture->ReadFile(root + "RemovedFiles\\Vendor.xml"), "current");

    EXPECT_TRUE(
        files.MoveEntryReplacing(root + "RemovedFiles\\Vendor.xml", root + "AppLoader\\Vendor.xml").ok());
    EXPECT_EQ(fixture->ReadFile(root + "AppLoader\\Vendor.xml"), "current");

    EXPECT_FALSE(
        files.MoveEntryReplacing(root + "AppLoader\\Vendor.xml", root + "RemovedFiles\\Vendor.xml.d").ok());
    EXPECT_EQ(fixture->ReadFile(root + "AppLoader\\Vendor.xml"), "current");
    EXPECT_TRUE(fixture->Exists(root + "RemovedFiles\\Vendor.xml.d"));
}

TEST_F(FileContract, MakeFolderCreatesOneLevel) {
    EXPECT_TRUE(files.MakeFolder(root + "RemovedFiles").ok());
    EXPECT_TRUE(files.MakeFolder(root + "RemovedFiles\\4.5.0.44").ok());
    EXPECT_EQ(fixture->List(root + "RemovedFiles"), Names{"4.5.0.44"});

    fixture->WriteFile(root + "file", "");
    struct Case {
        std::string path;
        std::uint32_t code;
    };
    const Case cases[] = {
        {root + "RemovedFiles", platform::error::kAlreadyExists},
        {root + "removedfiles\\4.5.0.44", platform::error::kAlreadyExists},
        {root + "file", platform::error::kAlreadyExists},
        {root + "missing\\4.5.0.44", platform::error::kPathNotFound},
    };
    for (const auto& c : cases) {
        const platform::Status status = files.MakeFolder(c.path);
        EXPECT_EQ(status.code, c.code) << c.path;
        EXPECT_FALSE(status.message.empty());
    }
    EXPECT_FALSE(fixture->Exists(root + "missing"));
}

TEST_F(FileContract, FileExistsIsTrueForFilesOnly) {
    fixture->MakeFolders(root + "AppLoader");
    fixture->WriteFile(root + "AppLoader\\Vendor.xml", "");
    EXPECT_TRUE(files.FileExists(root + "AppLoader\\Vendor.xml"));
    EXPECT_TRUE(files.FileExists(root + "apploader\\VENDOR.XML"));
    EXPECT_FALSE(files.FileExists(root + "AppLoader"));
    EXPECT_FALSE(files.FileExists(root + "AppLoader\\loader.exe"));
    EXPECT_FALSE(files.FileExists(root + "nowhere\\loader.exe"));
}

TEST_F(FileContract, LockedFileRefusesToMoveOrGo) {
    fixture->MakeFolders(root + "java");
    fixture->MakeFolders(root + "removed");
    fixture->WriteFile(root + "java\\busy.cod", "b");
    fixture->WriteFile(root + "removed\\stale.cod", "s");
    fixture->WriteFile(root + "java\\stale.cod", "n");
    fixture->Lock(root + "java\\busy.cod");
    fixture->Lock(root + "removed\\stale.cod");

    EXPECT_EQ(files.MoveEntry(root + "java\\busy.cod", root + "removed\\busy.cod").code,
              platform::error::kSharingViolation);
    EXPECT_EQ(files.MoveEntryReplacing(root + "java\\busy.cod", root + "removed\\busy.cod").code,
              platform::error::kSharingViolation);
    EXPECT_EQ(files.MoveEntryReplacing(root + "java\\stale.cod", root + "removed\\stale.cod").code,
              platform::error::kAccessDenied);

    fixture->Unlock(root + "java\\busy.cod");
    fixture->Unlock(root + "removed\\stale.cod");
    EXPECT_EQ(fixture->ReadFile(root + "java\\busy.cod"), "b");
    EXPECT_EQ(fixture->ReadFile(root + "removed\\stale.cod"), "s");
    EXPECT_TRUE(files.MoveEntry(root + "java\\busy.cod", root + "removed\\busy.cod").ok());
    EXPECT_TRUE(files.MoveEntryReplacing(root + "java\\stale.cod", root + "removed\\stale.cod").ok());
    EXPECT_EQ(fixture->ReadFile(root + "removed\\stale.cod"), "n");
}

TEST_F(FileContract, PathsLongerThanTheClassicLimitWork) {
    std::string deep = root;
    for (int level = 0; deep.size() < 300; ++level) {
        deep += "level-" + std::to_string(level) + "-" + std::string(40, 'x') + "\\";
    }
    fixture->MakeFolders(deep + "java");
    fixture->WriteFile(deep + "java\\net_rim_vad.cod", "v");
    EXPECT_TRUE(files.MakeFolder(deep + "removed").ok());
    EXPECT_EQ(Enumerated(deep + "java\\*.cod", platform::kAllAttributesMask), Names{"net_rim_vad.cod"});
    EXPECT_TRUE(files.MoveEntry(deep + "java\\net_rim_vad.cod", deep + "removed\\net_rim_vad.cod").ok());
    EXPECT_TRUE(files.FileExists(deep + "removed\\net_rim_vad.cod"));
    EXPECT_TRUE(fixture->List(deep + "java").empty());
}

TEST_F(FileContract, SecurityTellsTheOwnerAndWhetherOthersMayChangeAFolder) {
    // What a signed-in user creates is theirs, as a planted folder would be.
    fixture->MakeFolders(root + "made");
    const auto made = files.SecurityOf(root + "made");
    ASSERT_TRUE(made);
    EXPECT_FALSE(made->ownedByAdministration);
    EXPECT_TRUE(made->othersMayChange);
    EXPECT_EQ(files.SecurityOf(root + "missing"), std::nullopt);

    const platform::FolderSecurity cases[] = {{true, false}, {true, true}, {false, false}, {false, true}};
    int index = 0;
    for (const auto& security : cases) {
        const std::string folder = root + "folder-" + std::to_string(index++);
        fixture->MakeFolders(folder);
        if (!fixture->SetSecurity(folder, security)) {
            GTEST_SKIP() << "this system does not keep the security descriptors it is given";
        }
        const auto read = files.SecurityOf(folder);
        ASSERT_TRUE(read) << folder;
        EXPECT_EQ(read->ownedByAdministration, security.ownedByAdministration) << folder;
        EXPECT_EQ(read->othersMayChange, security.othersMayChange) << folder;
    }
}

TEST_F(FileContract, InjectedFaultsFailOnceWithTheirCode) {
    if (!fixture->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection exists only in the simulation";
    }
    fixture->MakeFolders(root + "java");
    fixture->MakeFolders(root + "removed");
    fixture->WriteFile(root + "java\\a.cod", "a");
    fixture->InjectFault("move", root + "java\\A.COD", platform::error::kAccessDenied);
    fixture->InjectFault("mkdir", root + "RemovedFiles", platform::error::kAccessDenied);

    const platform::Status move = files.MoveEntry(root + "java\\a.cod", root + "removed\\a.cod");
    EXPECT_EQ(move.code, platform::error::kAccessDenied);
    EXPECT_EQ(move.message, "Access is denied.");
    EXPECT_EQ(files.MakeFolder(root + "RemovedFiles").code, platform::error::kAccessDenied);
    EXPECT_EQ(fixture->ReadFile(root + "java\\a.cod"), "a");

    EXPECT_TRUE(files.MakeFolder(root + "RemovedFiles").ok());
    EXPECT_TRUE(files.MoveEntry(root + "java\\a.cod", root + "removed\\a.cod").ok());
}

} // namespace
