#include "install/paths.h"

#include <gtest/gtest.h>

namespace {

TEST(Paths, PlainConcatenationBelowTheCommonFolder) {
    const std::string rim = "C:\\Program Files\\Common Files\\Research In Motion\\";
    const std::string os = "4.5.0.44";
    EXPECT_EQ(install::LoaderFilesDir(rim), rim + "Shared\\Loader Files\\");
    EXPECT_EQ(install::CataloguePattern(rim), rim + "Shared\\Loader Files\\*");
    EXPECT_EQ(install::JavaDir(rim, os), rim + "Shared\\Loader Files\\4.5.0.44\\java\\");
    EXPECT_EQ(install::RemovedRoot(rim), rim + "RemovedFiles");
    EXPECT_EQ(install::RemovedDir(rim, os), rim + "RemovedFiles\\4.5.0.44\\");
    EXPECT_EQ(install::RemovedDirAsCreated(rim, os), rim + "RemovedFiles\\4.5.0.44");
    EXPECT_EQ(install::VendorFile(rim), rim + "AppLoader\\Vendor.xml");
    EXPECT_EQ(install::RemovedVendorFile(rim), rim + "RemovedFiles\\Vendor.xml");
    EXPECT_EQ(install::LoaderProgram(rim), rim + "AppLoader\\loader.exe");
    EXPECT_EQ(install::DesktopManagerProgram("C:\\Program Files"),
              "C:\\Program Files\\Research In Motion\\BlackBerry\\DesktopMgr.exe");
}

TEST(Paths, NamesAreUsedVerbatim) {
    // Nothing is normalised: an ampersand, blanks or non-ASCII letters in a folder name pass through.
    EXPECT_EQ(install::JavaDir("X:\\", "AT&T 4.5 Größe"), "X:\\Shared\\Loader Files\\AT&T 4.5 Größe\\java\\");
    EXPECT_EQ(install::RemovedDir("", "v"), "RemovedFiles\\v\\");
}

} // namespace
