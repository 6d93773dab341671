#pragma once
#include "e2e/driver/trimlode_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace e2e {

// What a person reads and clicks, typed out as they see it.
inline constexpr char kConfirm[] = "Confirm Operating System Selection";
inline constexpr char kExecute[] = "Execute Selections";
inline constexpr char kPutBack[] = "Put It Back";
inline constexpr char kCompleted[] = "Action completed.";

// The demo installation's first and last operating systems, in the list's order.
const std::string& FirstOs();
const std::string& LastOs();

// Every scenario starts from a freshly seeded demo installation and an empty stand-in log.
class TrimlodeTest : public testing::Test {
protected:
    void SetUp() override;

    // trimlode.exe, started in the scratch folder so nothing can be found relative to the current folder.
    Trimlode Start() const;

    std::string Rim() const; // the maker's common-files folder of the demo installation
    std::vector<std::string> JavaNames(const std::string& os) const;    // sorted
    std::vector<std::string> RemovedNames(const std::string& os) const; // sorted
    bool VendorFileHome() const;
    bool VendorFileRemoved() const;

    static std::vector<std::string> SeededNames(const std::string& os); // sorted
    // The seeded modules that the patterns of one check box's catalogue row match, sorted.
    static std::vector<std::string> ModulesOfOption(const std::string& os, const std::string& checkBox);
    static std::string CaptionOf(const std::string& checkBox);
    // Each file in `folder` still holds what the seeder wrote for it.
    void ExpectUnchanged(const std::string& folder, const std::string& os,
                         const std::vector<std::string>& names) const;
};

std::vector<std::string> Without(std::vector<std::string> all, const std::vector<std::string>& removed);

} // namespace e2e
