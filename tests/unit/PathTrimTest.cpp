#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "shell/PathTrim.h"

namespace {

struct TrimCase {
    const char* input;
    const char* copy;     // TrimPathCopy
    const char* inPlace;  // TrimPath
};

class PathTrimTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(PathTrimTest, RemovesTrailingBackslashes) {
    fake::FakePlatform platform;
    const TrimCase& c = GetParam();
    EXPECT_EQ(shell::TrimPathCopy(platform, c.input), c.copy);
    EXPECT_EQ(shell::TrimPath(platform, c.input), c.inPlace);
}

INSTANTIATE_TEST_SUITE_P(Table, PathTrimTest,
                         ::testing::Values(TrimCase{"", "", ""}, TrimCase{"C:\\", "C:\\", "C:"},
                                           TrimCase{"C:\\\\", "C:", "C:"},
                                           TrimCase{"C:\\FS2002", "C:\\FS2002", "C:\\FS2002"},
                                           TrimCase{"C:\\FS2002\\", "C:\\FS2002", "C:\\FS2002"},
                                           TrimCase{"C:\\FS2002\\\\\\", "C:\\FS2002", "C:\\FS2002"},
                                           TrimCase{"\\\\\\", "\\\\\\", ""},
                                           TrimCase{"\\\\\\\\", "", ""},
                                           TrimCase{"a\\", "a\\", "a"}));

// In code page 932 the second byte of a double-byte character may be 0x5C, the backslash's
// value; "表" is 0x95 0x5C.
TEST(PathTrimDoubleByte, KeepsTrailByteThatLooksLikeBackslash) {
    fake::FakePlatform platform;
    platform.UseCodePage932();
    const std::string folder = "C:\\FS\x95\x5C";
    EXPECT_EQ(shell::TrimPathCopy(platform, folder), folder);
    EXPECT_EQ(shell::TrimPath(platform, folder), folder);
    EXPECT_EQ(shell::TrimPathCopy(platform, folder + "\\\\"), folder);
    EXPECT_EQ(shell::TrimPath(platform, folder + "\\"), folder);
    // A name of double-byte characters only: each pair is one character.
    EXPECT_EQ(shell::TrimPath(platform, "\x95\x5C\x95\x5C\\"), "\x95\x5C\x95\x5C");
}

TEST(PathTrimDoubleByte, SingleByteCodePageTrimsByBytes) {
    fake::FakePlatform platform;  // no double-byte code page: 0x95 is a character of its own
    EXPECT_EQ(shell::TrimPath(platform, "C:\\FS\x95\x5C"), "C:\\FS\x95");
}

}  // namespace
