// The Local rule of the scenery commands, the relative path and the folder comparison.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "FakePlatform.h"
#include "scenery/LocalPath.h"

namespace {

const std::string kRjbh = "Addon Scenery\\Tenvari\\RJBH";

struct LocalCase {
    const char* name;
    std::string fsFolder;   // as the command has it: trimmed by TrimPathCopy
    std::string addonPath;  // as read from the registry
    std::string local;      // of the RJBH row
};

class LocalRuleTest : public ::testing::TestWithParam<LocalCase> {};

TEST_P(LocalRuleTest, GivesTheLocalOfARow) {
    fake::FakePlatform fs;
    EXPECT_EQ(scenery::LocalPath(fs, GetParam().fsFolder, GetParam().addonPath, kRjbh),
              GetParam().local);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, LocalRuleTest,
    ::testing::Values(
        LocalCase{"SameFolder", "C:\\FS2002", "C:\\FS2002", kRjbh},
        LocalCase{"SameFolderOtherCaseAndBackslashes", "C:\\Games\\FS2002", "c:\\GAMES\\fs2002\\\\",
                  kRjbh},
        LocalCase{"OtherDrive", "C:\\FS2002", "D:\\Addons\\", "D:\\Addons\\" + kRjbh},
        LocalCase{"TwoLevelsUp", "C:\\Games\\FS2002", "C:\\Addons", "..\\..\\Addons\\" + kRjbh},
        LocalCase{"OneLevelUp", "C:\\Games\\FS2002", "C:\\Games", "..\\" + kRjbh},
        LocalCase{"Inside", "C:\\Games\\FS2002", "C:\\Games\\FS2002\\Addons",
                  ".\\Addons\\" + kRjbh},
        LocalCase{"DriveLetterCaseIgnored", "c:\\Games\\FS2002", "C:\\Addons\\",
                  "..\\..\\Addons\\" + kRjbh},
        LocalCase{"LevelsCompareWithoutCaseAndSpellingOfTheAddonKept", "C:\\GAMES\\FS2002",
                  "C:\\games\\Addons", "..\\Addons\\" + kRjbh},
        LocalCase{"PrefixOfANameIsNoSharedLevel", "C:\\Games\\FS2002", "C:\\GamesX",
                  "..\\..\\GamesX\\" + kRjbh},
        LocalCase{"DriveRoot", "C:\\", "C:\\Addons", ".\\Addons\\" + kRjbh},
        LocalCase{"SameShare", "\\\\srv\\games\\FS2002", "\\\\SRV\\Games\\Addons",
                  "..\\Addons\\" + kRjbh},
        // The first two characters agree, but there is no relative path between two shares.
        LocalCase{"TwoServers", "\\\\a\\x\\FS2002", "\\\\b\\y", "\\\\b\\y\\" + kRjbh},
        LocalCase{"TwoSharesOfOneServer", "\\\\a\\x", "\\\\a\\y", "\\\\a\\y\\" + kRjbh}),
    [](const auto& info) { return info.param.name; });

TEST(RelativePath, TooLongOrNothingInCommonGivesNothing) {
    fake::FakePlatform fs;
    std::string deep = "C:";
    for (int i = 0; i < 100; ++i)
        deep += "\\a";  // 100 levels: 100 ".." make 299 bytes
    EXPECT_EQ(scenery::RelativePathTo(fs, deep, "C:\\b"), std::nullopt);
    EXPECT_EQ(scenery::RelativePathTo(fs, "Games", "Addons\\x"), std::nullopt);
    EXPECT_EQ(scenery::RelativePathTo(fs, "C:\\a", "C:\\a"), ".");

    // The too long relative path falls back to the absolute folder.
    EXPECT_EQ(scenery::LocalPath(fs, deep, "C:\\b", "x"), "C:\\b\\x");
}

TEST(SameText, FoldsAsciiLettersOnly) {
    fake::FakePlatform fs;
    struct Case {
        std::string a, b;
        bool same;
    };
    const Case cases[] = {
        {"Addon Scenery\\RJBH", "ADDON scenery\\rjbh", true},
        {"", "", true},
        {"a", "a ", false},
        {"\xC4", "\xE4", false},  // Latin-1 letters are not folded
        {"[", "{", false},        // nor bytes 0x20 apart outside the letters
        {"@", "`", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scenery::SameTextIgnoringCase(fs, c.a, c.b), c.same) << c.a << " / " << c.b;
    }
}

TEST(SameText, NeverFoldsATrailByteInCodePage932) {
    fake::FakePlatform fs;
    // 0x83 0x41 and 0x83 0x61 are two different katakana; 0x95 0x5C is a kanji whose second
    // byte has the backslash's value.
    const std::string a = "C:\\\x83\x41";
    const std::string b = "c:\\\x83\x61";
    EXPECT_TRUE(scenery::SameTextIgnoringCase(fs, a, b));  // single-byte code page: letters
    fs.UseCodePage932();
    EXPECT_FALSE(scenery::SameTextIgnoringCase(fs, a, b));
    EXPECT_TRUE(scenery::SameTextIgnoringCase(fs, "c:\\\x83\x41", a));
}

TEST(LocalRule, SameFolderTestIsByCharactersInCodePage932) {
    fake::FakePlatform fs;
    fs.UseCodePage932();
    const std::string table = "C:\\\x95\x5C";  // the folder "C:\表"
    // The add-on folder's trailing 0x5C is the kanji's second byte, not a backslash.
    EXPECT_TRUE(scenery::IsSameFolder(fs, table, table));
    EXPECT_EQ(scenery::LocalPath(fs, table, table, kRjbh), kRjbh);
    EXPECT_EQ(scenery::LocalPath(fs, table, table + "\\", kRjbh), kRjbh);
    // The folder "C:\表\ア" and the add-on in "C:\表\ｱ" (0x83 0x41 vs 0x83 0x61 would fold).
    EXPECT_EQ(scenery::LocalPath(fs, table + "\\\x83\x41", table + "\\\x83\x61", kRjbh),
              "..\\\x83\x61\\" + kRjbh);
    // A trail byte 0x5C is no separator between levels.
    EXPECT_EQ(scenery::RelativePathTo(fs,
                                      "C:\\\x95\x5C"
                                      "a",
                                      "C:\\\x95\x5C"
                                      "b"),
              "..\\\x95\x5C"
              "b");
}

}  // namespace
