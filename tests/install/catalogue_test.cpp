#include "install/catalogue.h"
#include "platform/file_system.h"
#include "platform/sim/sim_file_system.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ListOperatingSystems : public ::testing::Test {
protected:
    std::unique_ptr<testsupport::FileFixture> fx = testsupport::MakeFileFixture();
    std::string rim = fx->Root() + "Research In Motion\\";
    std::string loaderFiles = rim + "Shared\\Loader Files\\";

    std::optional<std::vector<std::string>> Sorted() {
        auto list = install::ListOperatingSystems(fx->Files(), rim);
        if (list) {
            std::sort(list->begin(), list->end());
        }
        return list;
    }
};

TEST_F(ListOperatingSystems, ListsEveryVisibleFolder) {
    fx->MakeFolders(loaderFiles + "4.5.0.44\\java");
    fx->MakeFolders(loaderFiles + "4.5.0.52\\java");
    const auto list = Sorted();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"4.5.0.44", "4.5.0.52"}));
}

TEST_F(ListOperatingSystems, LeavesOutPlainFilesAndHiddenOrSystemFolders) {
    fx->MakeFolders(loaderFiles + "4.5.0.44");
    fx->MakeFolders(loaderFiles + "hidden");
    fx->MakeFolders(loaderFiles + "system");
    fx->SetAttributes(loaderFiles + "hidden", platform::attr::kDirectory | platform::attr::kHidden);
    fx->SetAttributes(loaderFiles + "system", platform::attr::kDirectory | platform::attr::kSystem);
    fx->WriteFile(loaderFiles + "readme.txt", "not an operating system");
    fx->WriteFile(loaderFiles + "4.6.0.1", "a file named like a version");
    const auto list = Sorted();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, std::vector<std::string>{"4.5.0.44"});
}

TEST_F(ListOperatingSystems, KeepsNamesThatLookLikeDotEntriesAndUnicodeNames) {
    // Skipping "." and ".." by position would drop real entries on a file system that does not list them
    // first; by name, every other folder is kept.
    fx->MakeFolders(loaderFiles + "..4.5");
    fx->MakeFolders(loaderFiles + ".hidden-looking");
    fx->MakeFolders(loaderFiles + "4.5 Ωмега 名前");
    const auto list = Sorted();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"..4.5", ".hidden-looking", "4.5 Ωмега 名前"}));
}

TEST_F(ListOperatingSystems, KeepsNamesEndingInDotsOrBlanksAsTheyAre) {
    fx->MakeFolders(loaderFiles + "4.5.0.44");
    fx->MakeFolders(loaderFiles + "4.5.0.44.");
    fx->MakeFolders(loaderFiles + "4.5.0.44 ");
    const auto list = Sorted();
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"4.5.0.44", "4.5.0.44 ", "4.5.0.44."}));
}

// Wine and network file systems may list names Windows never gives; joined to a path, they would lead the
// runs out of the loader-files folder.
TEST(ListOperatingSystemsOnForeignNames, LeavesOutNamesThatLeaveTheFolder) {
    platform::sim::SimFileSystem files;
    const std::string rim = "C:\\Program Files\\Common Files\\Research In Motion\\";
    const std::string loaderFiles = rim + "Shared\\Loader Files\\";
    files.AddFolder(loaderFiles + "4.5.0.44\\java");
    for (const char* name : {"..\\..\\..\\outside", "4.5/../../x", "..\\", "4.5:stream", "\\"}) {
        files.AddEntryNamed(loaderFiles, name, true);
    }
    EXPECT_EQ(install::ListOperatingSystems(files, rim), std::vector<std::string>{"4.5.0.44"});
}

TEST_F(ListOperatingSystems, EmptyFolderGivesAnEmptyListAndMissingFolderNone) {
    EXPECT_EQ(install::ListOperatingSystems(fx->Files(), rim), std::nullopt);
    fx->MakeFolders(loaderFiles);
    const auto list = install::ListOperatingSystems(fx->Files(), rim);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->empty());
}

} // namespace
