#include "e2e/driver/fixture.h"

#include "demo/module_list.h"
#include "demo/seed.h"
#include "e2e/driver/environment.h"
#include "install/paths.h"
#include "platform/name_match.h"
#include "platform/win32/disk.h"
#include "removal/module_catalogue.h"
#include "ui/texts.h"

#include <algorithm>
#include <stdexcept>

namespace e2e {
namespace {

const removal::RemovalOption& OptionOf(const std::string& checkBox) {
    for (const auto& option : removal::ModuleCatalogue()) {
        if (option.checkBox == checkBox)
            return option;
    }
    throw std::invalid_argument("no catalogue row for " + checkBox);
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

const std::string& FirstOs() {
    return demo::DemoModules().operatingSystems.front();
}
const std::string& LastOs() {
    return demo::DemoModules().operatingSystems.back();
}

void TrimlodeTest::SetUp() {
    ASSERT_TRUE(Env().problem.empty()) << Env().problem;
    const auto result =
        demo::SeedInstallation(Env().programFilesDir, demo::StandInsBeside(Env().driverFolder));
    ASSERT_TRUE(result.missingStandIns.empty()) << "stand-in not built: " << result.missingStandIns.front();
    ClearStandInLog();
}

Trimlode TrimlodeTest::Start() const {
    return Trimlode(Env().trimlodeExe, Env().workFolder);
}

std::string TrimlodeTest::Rim() const {
    return demo::RimCommonPathBelow(Env().programFilesDir);
}

std::vector<std::string> TrimlodeTest::JavaNames(const std::string& os) const {
    return platform::win32::disk::List(install::JavaDir(Rim(), os));
}

std::vector<std::string> TrimlodeTest::RemovedNames(const std::string& os) const {
    return platform::win32::disk::List(install::RemovedDir(Rim(), os));
}

bool TrimlodeTest::VendorFileHome() const {
    return platform::win32::disk::Exists(install::VendorFile(Rim()));
}

bool TrimlodeTest::VendorFileRemoved() const {
    return platform::win32::disk::Exists(install::RemovedVendorFile(Rim()));
}

std::vector<std::string> TrimlodeTest::SeededNames(const std::string& os) {
    return Sorted(demo::DemoModules().modules.at(os));
}

std::vector<std::string> TrimlodeTest::ModulesOfOption(const std::string& os, const std::string& checkBox) {
    std::vector<std::string> names;
    for (const auto& name : SeededNames(os)) {
        const auto& patterns = OptionOf(checkBox).patterns;
        if (std::any_of(patterns.begin(), patterns.end(),
                        [&](const std::string& pattern) { return platform::MatchesPattern(name, pattern); }))
            names.push_back(name);
    }
    return names;
}

std::string TrimlodeTest::CaptionOf(const std::string& checkBox) {
    return ui::texts::Caption(OptionOf(checkBox).checkBox);
}

void TrimlodeTest::ExpectUnchanged(const std::string& folder, const std::string& os,
                                   const std::vector<std::string>& names) const {
    for (const auto& name : names)
        EXPECT_EQ(platform::win32::disk::ReadFile(folder + name), demo::ModuleContent(os, name))
            << folder + name;
}

std::vector<std::string> Without(std::vector<std::string> all, const std::vector<std::string>& removed) {
    all.erase(std::remove_if(all.begin(), all.end(),
                             [&](const std::string& name) {
                                 return std::find(removed.begin(), removed.end(), name) != removed.end();
                             }),
              all.end());
    return all;
}

} // namespace e2e
