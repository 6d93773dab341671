// The registry contract, run against the simulation natively and against Win32 under Wine, on a
// scratch key of HKEY_LOCAL_MACHINE in the 32-bit view.
#include "platform/registry.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

using Outcome = platform::RegistryValue::Outcome;
using Bytes = std::vector<std::uint8_t>;

// UTF-16LE bytes of ASCII text; "\0" inside the text is kept.
Bytes Utf16(const std::string& ascii) {
    Bytes bytes;
    for (char c : ascii) {
        bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

class RegistryContract : public ::testing::Test {
protected:
    platform::RegistryValue Read(const std::string& name) {
        return fixture->Registry().ReadLocalMachineValue(fixture->ScratchKey(), name);
    }

    std::unique_ptr<testsupport::RegistryFixture> fixture = testsupport::MakeRegistryFixture();
};

TEST_F(RegistryContract, StringValuesReadAsStoredUpToTheFirstNul) {
    struct Case {
        const char* name;
        std::uint32_t type;
        Bytes data;
        std::string text;
    };
    const Case cases[] = {
        {"Plain", platform::regtype::kString, Utf16(std::string("C:\\Program Files\0", 17)),
         "C:\\Program Files"},
        {"Expandable", platform::regtype::kExpandString, Utf16(std::string("%SystemDrive%\\Apps\0", 19)),
         "%SystemDrive%\\Apps"},
        {"Empty", platform::regtype::kString, Utf16(std::string("\0", 1)), ""},
        {"NoData", platform::regtype::kString, {}, ""},
        {"EmbeddedNul", platform::regtype::kString, Utf16(std::string("D:\\Apps\0junk\0", 13)), "D:\\Apps"},
        {"Unterminated", platform::regtype::kString, Utf16("D:\\Apps"), "D:\\Apps"},
        {"OddLength", platform::regtype::kString, Bytes{'D', 0, ':', 0, 'X'}, "D:"},
    };
    for (const auto& c : cases) {
        fixture->SetValue(c.name, c.type, c.data);
        const platform::RegistryValue value = Read(c.name);
        EXPECT_EQ(value.outcome, Outcome::Ok) << c.name;
        EXPECT_EQ(value.type, c.type) << c.name;
        EXPECT_EQ(value.text, c.text) << c.name;
    }
}

TEST_F(RegistryContract, UnicodeTextAndValueNamesWithoutLetterCase) {
    fixture->SetString("ProgramFilesDir", "D:\\Programme Größe\\система\\名前", platform::regtype::kString);
    const platform::RegistryValue value = Read("PROGRAMFILESDIR");
    EXPECT_EQ(value.outcome, Outcome::Ok);
    EXPECT_EQ(value.text, "D:\\Programme Größe\\система\\名前");
}

TEST_F(RegistryContract, OtherTypesGiveTheirTypeAndNoText) {
    fixture->SetValue("ProgramFilesDir", platform::regtype::kDWord, Bytes{1, 0, 0, 0});
    fixture->SetValue("Binary", platform::regtype::kBinary, Utf16(std::string("C:\\\0", 4)));
    const platform::RegistryValue dword = Read("ProgramFilesDir");
    EXPECT_EQ(dword.outcome, Outcome::Ok);
    EXPECT_EQ(dword.type, platform::regtype::kDWord);
    EXPECT_EQ(dword.text, "");
    EXPECT_EQ(Read("Binary").type, platform::regtype::kBinary);
    EXPECT_EQ(Read("Binary").text, "");
}

TEST_F(RegistryContract, MissingValueAndMissingKey) {
    fixture->SetString("Other", "x", platform::regtype::kString);
    EXPECT_EQ(Read("ProgramFilesDir").outcome, Outcome::ValueMissing);

    const platform::RegistryValue key =
        fixture->Registry().ReadLocalMachineValue(fixture->ScratchKey() + "\\Missing", "ProgramFilesDir");
    EXPECT_EQ(key.outcome, Outcome::KeyMissing);
    EXPECT_EQ(key.error.code, platform::error::kFileNotFound);
    EXPECT_FALSE(key.error.message.empty());
}

TEST_F(RegistryContract, InjectedReadFailureReportsTheError) {
    if (!fixture->CanInjectFaults()) {
        GTEST_SKIP() << "fault injection exists only in the simulation";
    }
    fixture->SetString("ProgramFilesDir", "C:\\Program Files", platform::regtype::kString);
    fixture->InjectReadFailure("ProgramFilesDir");
    const platform::RegistryValue value = Read("ProgramFilesDir");
    EXPECT_EQ(value.outcome, Outcome::ReadFailed);
    EXPECT_NE(value.error.code, 0u);
    EXPECT_FALSE(value.error.message.empty());
}

} // namespace
