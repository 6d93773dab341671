#include "install/paths.h"
#include "removal/inventory.h"
#include "removal/module_catalogue.h"
#include "removal/move_log.h"
#include "removal/runs.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

const std::string kOs = "4.5.0.44";

class InventoryTest : public ::testing::Test {
protected:
    std::unique_ptr<testsupport::FileFixture> fx = testsupport::MakeFileFixture();
    std::string rim = fx->Root() + "Research In Motion\\";

    std::string Java() const { return install::JavaDir(rim, kOs); }
    std::string Removed() const { return install::RemovedDir(rim, kOs); }

    // Each module's size is its name's length times ten, so sums are easy to check.
    void Write(const std::string& folder, const std::vector<std::string>& names) {
        fx->MakeFolders(folder);
        for (const auto& name : names) {
            fx->WriteFile(folder + name, std::string(name.size() * 10, 'm'));
        }
    }
    removal::Inventory Take() { return removal::TakeInventory(fx->Files(), rim, kOs); }

    static const removal::FeatureInventory& Feature(const removal::Inventory& inventory,
                                                    const std::string& box) {
        for (const auto& feature : inventory.features) {
            if (feature.checkBox == box) {
                return feature;
            }
        }
        throw std::invalid_argument(box);
    }
};

std::vector<std::string> NamesOf(const removal::ModuleSet& set) {
    std::vector<std::string> names;
    for (const auto& module : set.modules) {
        names.push_back(module.name);
    }
    return names;
}

std::uint64_t Bytes(const std::vector<std::string>& names) {
    std::uint64_t total = 0;
    for (const auto& name : names) {
        total += name.size() * 10;
    }
    return total;
}

TEST_F(InventoryTest, SortsModulesByFeatureWithTheirBytes) {
    Write(Java(), {"net_rim_vad.cod", "net_rim_bb_medialoader_240x260_b.cod", "net_rim_bb_browser.cod",
                   "net_rim_bb_media_88xx.cod"});
    fx->MakeFolders(Java() + "net_rim_vad_folder.cod");
    Write(Removed(), {"net_rim_bb_qm_msn.cod", "stray.cod", "notes.txt"});

    const removal::Inventory inventory = Take();
    std::vector<std::string> boxes;
    for (const auto& feature : inventory.features) {
        boxes.push_back(feature.checkBox);
    }
    EXPECT_EQ(boxes, (std::vector<std::string>{"bsv", "vad", "themes", "wallpaper", "ptt", "myfaves", "yahoo",
                                               "msn", "aim", "tty"}));
    // A module two rows name counts for each of them, and once for all of them together.
    const std::vector<std::string> bsv = {"net_rim_bb_medialoader_240x260_b.cod"};
    const std::vector<std::string> wallpaper = {"net_rim_bb_media_88xx.cod",
                                                "net_rim_bb_medialoader_240x260_b.cod"};
    EXPECT_EQ(NamesOf(Feature(inventory, "bsv").inPackage), bsv);
    EXPECT_EQ(NamesOf(Feature(inventory, "wallpaper").inPackage), wallpaper);
    EXPECT_EQ(Feature(inventory, "wallpaper").inPackage.bytes, Bytes(wallpaper));
    EXPECT_EQ(NamesOf(Feature(inventory, "vad").inPackage), std::vector<std::string>{"net_rim_vad.cod"});
    EXPECT_EQ(NamesOf(Feature(inventory, "msn").setAside), std::vector<std::string>{"net_rim_bb_qm_msn.cod"});
    EXPECT_TRUE(Feature(inventory, "tty").inPackage.modules.empty());
    const std::vector<std::string> all = {"net_rim_bb_media_88xx.cod", "net_rim_bb_medialoader_240x260_b.cod",
                                          "net_rim_vad.cod"};
    EXPECT_EQ(NamesOf(inventory.namedInPackage), all);
    EXPECT_EQ(inventory.namedInPackage.bytes, Bytes(all));
    EXPECT_EQ(NamesOf(inventory.unnamedSetAside), std::vector<std::string>{"stray.cod"});
    EXPECT_EQ(inventory.unnamedSetAside.bytes, Bytes({"stray.cod"}));
    EXPECT_TRUE(inventory.unreadable.empty());
}

TEST_F(InventoryTest, WhatAllWouldMoveIsWhatTheRunMoves) {
    Write(Java(),
          {"net_rim_vad.cod", "net_rim_vad-1.cod", "net_rim_bb_medialoader_240x260_b.cod",
           "net_rim_theme_10.cod", "KNJCDE.cod", "net_rim_bb_browser.cod", "net_rim_bb_qm_aim_x.cod"});
    fx->MakeFolders(install::AppLoaderDir(rim));
    fx->WriteFile(install::VendorFile(rim), "<vendor/>");
    const removal::Inventory before = Take();
    EXPECT_TRUE(before.vendorInAppLoader);
    EXPECT_FALSE(before.vendorSetAside);

    removal::MoveLog log(fx->Files());
    removal::RunRemoval(log, rim, kOs, [](const std::string&) { return true; });
    std::vector<std::string> moved;
    std::uint64_t bytes = 0;
    for (const auto& move : log.Moves()) {
        if (move.name != "Vendor.xml") {
            moved.push_back(move.name);
            bytes += move.bytes;
        }
    }
    std::sort(moved.begin(), moved.end());
    EXPECT_EQ(moved, NamesOf(before.namedInPackage));
    EXPECT_EQ(bytes, before.namedInPackage.bytes);

    const removal::Inventory after = Take();
    EXPECT_TRUE(after.namedInPackage.modules.empty());
    EXPECT_EQ(NamesOf(after.namedSetAside), NamesOf(before.namedInPackage));
    EXPECT_FALSE(after.vendorInAppLoader);
    EXPECT_TRUE(after.vendorSetAside);
}

TEST_F(InventoryTest, MissingFoldersAreEmptyAndUnreadableOnesAreNoted) {
    removal::Inventory inventory = Take();
    EXPECT_TRUE(inventory.namedInPackage.modules.empty());
    EXPECT_TRUE(inventory.unreadable.empty());
    if (!fx->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection needs the simulation";
    }
    Write(Java(), {"net_rim_vad.cod"});
    fx->InjectFault("list", Java(), platform::error::kAccessDenied);
    inventory = Take();
    ASSERT_EQ(inventory.unreadable.size(), 1u);
    EXPECT_EQ(inventory.unreadable[0].name, Java());
    EXPECT_EQ(inventory.unreadable[0].detail, "Access is denied.");
}

} // namespace
