#include <gtest/gtest.h>

#include <functional>

#include "FakePlatform.h"
#include "scenery/IniDocument.h"

namespace {

using platform::error::kAccessDenied;
using platform::error::kDiskFull;
using platform::error::kSharingViolation;
using scenery::IniDocument;

const std::string kCfg = "C:\\FS2002\\scenery.cfg";
const std::string kTemp = "C:\\FS2002\\scenery.TNV_TMP";

std::string RoundTrip(const std::string& bytes) {
    fake::FakePlatform platform;
    IniDocument document(platform, kCfg);
    document.Parse(bytes);
    return document.Serialize();
}

// A file's bytes in, the bytes a load and a save write out.
struct GoldenCase {
    const char* name;
    std::string input;
    std::string saved;
};

class IniGoldenTest : public ::testing::TestWithParam<GoldenCase> {};

TEST_P(IniGoldenTest, SavesWhatItKept) {
    EXPECT_EQ(RoundTrip(GetParam().input), GetParam().saved);
}

INSTANTIATE_TEST_SUITE_P(
    Files, IniGoldenTest,
    ::testing::Values(
        GoldenCase{"LfOnly", "[A]\nx=1\n[B]\ny=2", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n\r\n"},
        GoldenCase{"CrOnlyAndMixed", "[A]\rx=1\r\n\n[B]\r\r", "[A]\r\nx=1\r\n\r\n[B]\r\n\r\n"},
        GoldenCase{"CommentsBlanksAndStrayLinesGo",
                   "stray=1\r\n; top\r\n\r\n[A]\r\n;Layer=5\r\nLayer=3\r\n\r\n",
                   "[A]\r\nLayer=3\r\n\r\n"},
        GoldenCase{"SpacesOnlyLineIsKept", "[A]\r\n   \r\n", "[A]\r\n   \r\n\r\n"},
        GoldenCase{"HeaderWithSpaceIsALineOfTheSectionAbove", "[A]\r\n[B] \r\nk=v\r\n",
                   "[A]\r\n[B] \r\nk=v\r\n\r\n"},
        GoldenCase{"EmptyAndOddNames", "[]\r\n[ a [b] ]\r\n", "[]\r\n\r\n[ a [b] ]\r\n\r\n"},
        GoldenCase{"NoSectionsGivesNothing", "; only a comment\r\nx=1\r\n", ""},
        GoldenCase{"NulByteSurvives", std::string("[A]\r\nTitle=a\0b\r\n", 16),
                   std::string("[A]\r\nTitle=a\0b\r\n\r\n", 18)},
        GoldenCase{"Utf8MarkIsKeptAndHidesNoHeader", "\xEF\xBB\xBF[General]\r\nTitle=FS\r\n",
                   "\xEF\xBB\xBF[General]\r\nTitle=FS\r\n\r\n"}),
    [](const auto& info) { return info.param.name; });

TEST(IniDocumentRoundTrip, SaveOfALoadedSaveChangesNothing) {
    const std::string once = RoundTrip("x\r\n[A]\n;c\nk = v\n\n[A]\r\nk=w\r[B]");
    EXPECT_EQ(RoundTrip(once), once);
}

class IniQueryTest : public ::testing::Test {
  protected:
    IniQueryTest() : document_(platform_, kCfg) {
        document_.Parse(
            "[Area.001]\r\n"
            "Local=a=b\r\n"
            "Title = spaced\r\n"
            "Remote=\r\n"
            "no equals sign\r\n"
            "active=FALSE\r\n"
            "Layer=1\r\n"
            "[area.001]\r\n"
            "Local=second\r\n"
            "[General]\r\n"
            "Title=FS\r\n");
    }
    fake::FakePlatform platform_;
    IniDocument document_;
};

TEST_F(IniQueryTest, ReadsTheFirstKeyLineOfTheFirstSection) {
    struct {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"Area.001", "Local", "a=b"},        // the value is everything after the first "="
        {"AREA.001", "LOCAL", "a=b"},        // names ignore case
        {"Area.001", "Title", "(default)"},  // "Title " is not "Title"
        {"Area.001", "Title ", " spaced"},
        {"Area.001", "Remote", ""},  // empty value, not the default
        {"Area.001", "no equals sign", "(default)"},
        {"Area.002", "Local", "(default)"},
        {"General", "Title", "FS"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(document_.ReadValue(c.section, c.key, "(default)"), c.expected)
            << c.section << " / " << c.key;
    }
}

TEST_F(IniQueryTest, SectionNamesListDuplicatesInOrder) {
    std::vector<std::string> names{"stale"};
    document_.SectionNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"Area.001", "area.001", "General"}));
}

TEST_F(IniQueryTest, WriteReplacesTheLineInPlaceWithTheCallersSpelling) {
    document_.WriteValue("area.001", "Active", "TRUE");
    EXPECT_EQ(document_.Serialize(),
              "[Area.001]\r\nLocal=a=b\r\nTitle = spaced\r\nRemote=\r\nno equals sign\r\n"
              "Active=TRUE\r\nLayer=1\r\n\r\n[area.001]\r\nLocal=second\r\n\r\n"
              "[General]\r\nTitle=FS\r\n\r\n");
}

TEST_F(IniQueryTest, WriteAppendsKeysAndSections) {
    document_.WriteValue("General", "New", "1");
    document_.WriteValue("Area.002", "Title", "T");
    document_.WriteValue("Area.002", "Layer", "2");
    const std::string saved = document_.Serialize();
    EXPECT_NE(saved.find("[General]\r\nTitle=FS\r\nNew=1\r\n\r\n[Area.002]\r\nTitle=T\r\nLayer=2"
                         "\r\n\r\n"),
              std::string::npos)
        << saved;
    EXPECT_EQ(document_.ReadValue("area.002", "layer", ""), "2");
}

TEST_F(IniQueryTest, RemovingTheFirstOfTwoSectionsUncoversTheSecond) {
    document_.RemoveSection("AREA.001");
    EXPECT_EQ(document_.ReadValue("Area.001", "Local", ""), "second");
    document_.WriteValue("Area.001", "Layer", "9");
    EXPECT_EQ(document_.Serialize(),
              "[area.001]\r\nLocal=second\r\nLayer=9\r\n\r\n[General]\r\nTitle=FS\r\n\r\n");
    document_.RemoveSection("Area.001");
    document_.RemoveSection("Area.001");  // none left: no effect
    EXPECT_EQ(document_.Serialize(), "[General]\r\nTitle=FS\r\n\r\n");
}

TEST(IniNames, TrailBytesAreNotFoldedInCodePage932) {
    fake::FakePlatform platform;
    platform.UseCodePage932();
    IniDocument document(platform, kCfg);
    // 0x82 0x61 and 0x82 0x41 are two different double-byte characters; folding the trail byte
    // would make them equal.
    document.Parse("[\x82\x61]\r\nk=lower\r\n[\x82\x41]\r\nk=upper\r\n");
    EXPECT_EQ(document.ReadValue("\x82\x41", "K", ""), "upper");
}

TEST(ParseLayer, AcceptsWholeNumbersOnly) {
    struct {
        const char* text;
        std::optional<int32_t> value;
    } cases[] = {
        {"12", 12},
        {" 12", 12},
        {"   +12", 12},
        {"-7", -7},
        {"$C", 12},
        {"xC", 12},
        {"X1f", 31},
        {"0x10", 16},
        {"0X7FFFFFFF", 2147483647},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"007", 7},
        {"12 ", std::nullopt},
        {"1 2", std::nullopt},
        {"12a", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"+", std::nullopt},
        {"$", std::nullopt},
        {"0x", std::nullopt},
        {"-$C", std::nullopt},
        {"\t12", std::nullopt},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"$80000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scenery::ParseLayer(c.text), c.value) << c.text;
}

const std::string kOld = "[A]\r\nk=old\r\n\r\n";
const std::string kNew = "[A]\r\nk=new\r\n\r\n";

TEST(IniSave, ReplacesTheFileAndLeavesNoTemporaryFile) {
    fake::FakePlatform platform;
    platform.AddFile(kCfg, kOld);
    IniDocument document(platform, kCfg);
    ASSERT_TRUE(document.Load().ok());
    document.WriteValue("A", "k", "new");
    EXPECT_TRUE(document.Save().ok());
    EXPECT_EQ(platform.Bytes(kCfg), kNew);
    EXPECT_EQ(platform.Files(), std::vector<std::string>{kCfg});
}

// Whatever goes wrong while saving, scenery.cfg keeps its old bytes and no temporary file stays.
TEST(IniSave, FailureKeepsTheOldBytes) {
    using Arrange = std::function<void(fake::FakePlatform&)>;
    struct {
        const char* name;
        Arrange arrange;
        uint32_t code;
    } cases[] = {
        {"disk full half way",
         [](auto& p) { p.FailNext(fake::FileOp::Write, "TNV_TMP", kDiskFull); }, kDiskFull},
        {"disk capacity reached", [](auto& p) { p.SetDiskCapacity(kOld.size() + 5); }, kDiskFull},
        {"temporary file not creatable",
         [](auto& p) { p.FailNext(fake::FileOp::Write, "TNV_TMP", kAccessDenied); }, kAccessDenied},
        {"held open by another program", [](auto& p) { p.HoldOpen(kCfg); }, kSharingViolation},
        {"read-only", [](auto& p) { p.SetAttributes(kCfg, 0x21); }, kAccessDenied},
        {"replace refused",
         [](auto& p) { p.FailNext(fake::FileOp::Replace, "scenery.cfg", kSharingViolation); },
         kSharingViolation},
    };
    for (auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake::FakePlatform platform;
        platform.AddFile(kCfg, kOld);
        IniDocument document(platform, kCfg);
        ASSERT_TRUE(document.Load().ok());
        document.WriteValue("A", "k", "new");
        c.arrange(platform);
        EXPECT_EQ(document.Save().result.code, c.code);
        EXPECT_EQ(platform.Bytes(kCfg), kOld);
        EXPECT_FALSE(platform.HasFile(kTemp));
        EXPECT_EQ(document.Serialize(), kNew) << "the document keeps its edits";
    }
}

TEST(IniLoad, MissingFileOrFolderGivesAnEmptyDocument) {
    fake::FakePlatform platform;
    platform.AddFolder("C:\\FS2002\\folder.cfg");
    for (const std::string& path : {std::string(), kCfg, std::string("C:\\FS2002\\folder.cfg")}) {
        IniDocument document(platform, path);
        EXPECT_TRUE(document.Load().ok()) << path;
        EXPECT_EQ(document.Serialize(), "");
    }
    IniDocument created(platform, kCfg);
    ASSERT_TRUE(created.Load().ok());
    ASSERT_TRUE(created.Save().ok());
    EXPECT_EQ(platform.Bytes(kCfg), "") << "saving an empty document creates an empty file";
}

TEST(IniLoad, UnreadableFileFails) {
    fake::FakePlatform platform;
    platform.AddFile(kCfg, "[A]\r\n");
    platform.HoldOpen(kCfg);
    IniDocument document(platform, kCfg);
    EXPECT_EQ(document.Load().code, kSharingViolation);
    EXPECT_EQ(document.Serialize(), "");
}

}  // namespace
