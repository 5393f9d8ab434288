#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>
#include <string>

#include "FakePlatform.h"
#include "shell/Registry.h"

namespace {

using platform::reg::kDword;
using platform::reg::kExpandString;
using platform::reg::kString;

const std::string kFS2002Key = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
const std::string kAddonKey = "Software\\Tenvari\\Velport5";

struct FolderCase {
    const char* what;
    uint32_t type;
    std::string data;  // the value's bytes as stored
    std::string folder;
};

class RegistryFolderTest : public ::testing::TestWithParam<FolderCase> {};

// The same value under both keys comes back the same from both lookups.
TEST_P(RegistryFolderTest, ReadsFolderFromValue) {
    const FolderCase& c = GetParam();
    fake::FakePlatform platform;
    platform.SetValue(kFS2002Key, "EXE Path", c.type, c.data);
    platform.SetValue(kAddonKey, "Path", c.type, c.data);

    std::string fs = "previous";
    ASSERT_TRUE(shell::ReadFSPath(platform, fs, 1));
    EXPECT_EQ(fs, c.folder);
    std::string addon = "previous";
    ASSERT_TRUE(shell::ReadAddonPath(platform, addon));
    EXPECT_EQ(addon, c.folder);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RegistryFolderTest,
    ::testing::Values(
        FolderCase{"trailing backslash kept", kString, std::string("C:\\FS2002\\\0", 11),
                   "C:\\FS2002\\"},
        FolderCase{"up to the first NUL", kString, std::string("C:\\A\0junk\0", 10), "C:\\A"},
        FolderCase{"no terminator stored", kString, "D:\\Games", "D:\\Games"},
        FolderCase{"expandable string not expanded", kExpandString,
                   std::string("%ProgramFiles%\\FS2002\0", 22), "%ProgramFiles%\\FS2002"},
        FolderCase{"only a terminator", kString, std::string("\0", 1), ""},
        FolderCase{"no data at all", kString, "", ""},
        FolderCase{"no data, any type", kDword, "", ""},
        FolderCase{"longer than 259 characters kept whole", kString,
                   "C:\\" + std::string(300, 'x') + std::string(1, '\0'),
                   "C:\\" + std::string(300, 'x')},
        FolderCase{"double-byte name", kString, std::string("C:\\\x95\x5C\\\0", 6),
                   "C:\\\x95\x5C\\"}),
    [](const ::testing::TestParamInfo<FolderCase>& info) {
        std::string name;
        for (const char ch : std::string(info.param.what)) {
            name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

TEST(RegistryTest, MissingKeyLeavesPathUnchanged) {
    fake::FakePlatform platform;
    platform.SetString(kFS2002Key + "x", "EXE Path", "C:\\Elsewhere");
    std::string path = "unchanged";
    EXPECT_FALSE(shell::ReadFSPath(platform, path, 1));
    EXPECT_FALSE(shell::ReadAddonPath(platform, path));
    EXPECT_EQ(path, "unchanged");
}

TEST(RegistryTest, KeyWithoutValueGivesEmptyFolder) {
    fake::FakePlatform platform;
    platform.AddKey(kFS2002Key);
    platform.SetString(kAddonKey, "Other", "C:\\Other");  // a value of another name
    std::string fs = "old";
    std::string addon = "old";
    EXPECT_TRUE(shell::ReadFSPath(platform, fs, 1));
    EXPECT_TRUE(shell::ReadAddonPath(platform, addon));
    EXPECT_EQ(fs, "");
    EXPECT_EQ(addon, "");
}

// The message names the value, and the lookup leaves `path` alone.
TEST(RegistryTest, NonStringValueRaisesNamingTheValue) {
    fake::FakePlatform platform;
    platform.SetValue(kAddonKey, "Path", kDword, std::string("\x01\x00\x00\x00", 4));
    platform.SetValue(kFS2002Key, "EXE Path", 3 /* REG_BINARY */, "C:\\");
    std::string path = "unchanged";
    try {
        shell::ReadAddonPath(platform, path);
        FAIL() << "no exception";
    } catch (const shell::RegistryError& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid data type for 'Path'");
    }
    try {
        shell::ReadFSPath(platform, path, 1);
        FAIL() << "no exception";
    } catch (const shell::RegistryError& e) {
        EXPECT_EQ(std::string(e.what()), "Invalid data type for 'EXE Path'");
    }
    EXPECT_EQ(path, "unchanged");
}

TEST(RegistryTest, FailedDataReadRaisesNamingTheValue) {
    fake::FakePlatform platform;
    platform.SetString(kAddonKey, "Path", "C:\\Addon");
    platform.FailValueRead(kAddonKey, "Path", platform::error::kAccessDenied);
    std::string path;
    try {
        shell::ReadAddonPath(platform, path);
        FAIL() << "no exception";
    } catch (const shell::RegistryError& e) {
        EXPECT_EQ(std::string(e.what()), "Failed to get data for 'Path'");
    }
}

TEST(RegistryTest, RowSelectsFlightSimulatorKey) {
    fake::FakePlatform platform;
    platform.SetString("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0", "EXE Path",
                       "C:\\Nine");
    platform.SetString(kFS2002Key, "EXE Path", "C:\\Eight");
    std::string path;
    ASSERT_TRUE(shell::ReadFSPath(platform, path, 0));
    EXPECT_EQ(path, "C:\\Nine");
    ASSERT_TRUE(shell::ReadFSPath(platform, path, 1));
    EXPECT_EQ(path, "C:\\Eight");
    EXPECT_THROW(shell::ReadFSPath(platform, path, 2), std::out_of_range);
}

TEST(RegistryTest, VolumesArePresentWhenTheirKeysOpen) {
    fake::FakePlatform platform;
    EXPECT_FALSE(shell::IsVolume6Installed(platform));
    EXPECT_FALSE(shell::IsVolume8Installed(platform));

    platform.AddKey("Software\\Tenvari\\Velport6");  // a key without any value counts
    EXPECT_TRUE(shell::IsVolume6Installed(platform));
    EXPECT_FALSE(shell::IsVolume8Installed(platform));

    platform.AddKey("Software\\Tenvari\\Velport8");
    EXPECT_TRUE(shell::IsVolume8Installed(platform));
}

}  // namespace
