#include "install/catalogue.h"
#include "platform/sim/sim_file_system.h"

#include <gtest/gtest.h>

namespace {

// Wine lists folders sorted by name, so only the simulation, which keeps creation order, shows that the
// list follows the file system's order and is not sorted.
TEST(ListOperatingSystemsOrder, FollowsTheFileSystemOrder) {
    platform::sim::SimFileSystem files;
    const std::string rim = "C:\\RIM\\";
    files.AddFolder(rim + "Shared\\Loader Files\\4.5.0.52");
    files.AddFolder(rim + "Shared\\Loader Files\\4.2.1.100");
    files.AddFolder(rim + "Shared\\Loader Files\\4.5.0.44");
    const auto list = install::ListOperatingSystems(files, rim);
    ASSERT_TRUE(list);
    EXPECT_EQ(*list, (std::vector<std::string>{"4.5.0.52", "4.2.1.100", "4.5.0.44"}));
}

} // namespace
