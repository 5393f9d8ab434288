// The register and delete commands, from the button's question to the completion message.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "SceneryCommandFixture.h"

namespace scenery_test {
namespace {

namespace attr = platform::attr;

bool Lists(const std::string& cfg, const std::string& local) {
    return cfg.find("\r\nLocal=" + local + "\r\n") != std::string::npos;
}

TEST_F(SceneryCommandTest, RegisterAddsNewAreasRemovesGoneOnesAndLeavesListedOnes) {
    // Row 0 listed and present (inactive), row 1 listed but gone, row 2 new, row 3 neither.
    const std::string before = StockConfig() + Area(4, RowLocal(0), 4, "FALSE") +
                               Area(5, "ADDON SCENERY\\tenvari\\Velport3_Akashi", 5);
    fs_.AddFile(kCfg, before);
    AddScenery(0);
    AddScenery(2);

    Register();

    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kRegisterQuestion, kRegisterCompleted}));
    // Area.005 is gone, so the new area takes its number again.
    EXPECT_EQ(Cfg(),
              StockConfig() + Area(4, RowLocal(0), 4, "FALSE") + RowArea(5, 2, RowLocal(2), 5));
    EXPECT_EQ(fs_.Bytes(kBak), before);
    EXPECT_FALSE(fs_.HasFile(kTemp));

    struct Flags {
        bool install, remove, registered;
        bool operator==(const Flags&) const = default;
    };
    const Flags expected[] = {
        {false, false, true}, {false, true, true}, {true, false, false}, {false, false, false}};
    for (int row = 0; row < 4; ++row) {
        const scenery::A_DATA& area = state_.AreaTable[row];
        EXPECT_EQ((Flags{area.install, area.remove, area.registered}), expected[row]) << row;
        EXPECT_EQ(area.title, scenery::SceneryTable[row].title);
        EXPECT_EQ(area.active, "TRUE");
    }
    EXPECT_EQ(state_.SceneryJob.file, kCfg);
    EXPECT_EQ(state_.SceneryJob.count, 8);
    EXPECT_EQ(state_.SceneryJob.areas, state_.AreaTable.data());
}

TEST_F(SceneryCommandTest, RegisterOfAllEightAppendsThemInCatalogueOrder) {
    fs_.AddFile(kCfg, StockConfig());
    AddAllScenery();

    Register();

    std::string expected = StockConfig();
    for (int row = 0; row < 8; ++row)
        expected += RowArea(4 + row, row, RowLocal(row), 4 + row);
    EXPECT_EQ(Cfg(), expected);
    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kRegisterQuestion, kRegisterCompleted}));
}

TEST_F(SceneryCommandTest, RegisterWithoutSceneryWarnsAndTouchesNothing) {
    const std::string before = StockConfig() + Area(4, RowLocal(3), 4);  // listed, but gone
    fs_.AddFile(kCfg, before);

    Register();

    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kRegisterQuestion, kNoScenery, kRegisterCompleted}));
    EXPECT_EQ(Cfg(), before);
    EXPECT_TRUE(fs_.calls().empty());
}

// --- What stops both commands before anything is read ---

struct StopCase {
    const char* name;
    bool deleteCommand;
    std::string fsFolder;
    std::string addon;
    bool withConfig;
    std::optional<Box> box;  // shown after the command's question; none when answered No
};

class CommandStopTest : public SceneryCommandTest,
                        public ::testing::WithParamInterface<StopCase> {};

const std::string kLongFs = "C:\\" + std::string(241, 'f');     // 244 bytes: the backup gets 260
const std::string kLongAddon = "C:\\" + std::string(203, 'a');  // 206: the longest pattern 260

TEST_P(CommandStopTest, ShowsWhyAndTouchesNothing) {
    const StopCase& c = GetParam();
    if (c.withConfig)
        fs_.AddFile(kCfg, StockConfig());
    AddAllScenery(c.addon);
    if (c.box) {
        fs_.AnswerYes();
    } else {
        fs_.AnswerNo();
    }

    if (c.deleteCommand) {
        scenery::RunDeleteScenery(fs_, state_, c.fsFolder, c.addon);
    } else {
        scenery::RunRegisterScenery(fs_, state_, c.fsFolder, c.addon);
    }

    const Box question = c.deleteCommand ? kDeleteQuestion : kRegisterQuestion;
    if (c.box) {
        EXPECT_EQ(Boxes(fs_), (std::vector<Box>{question, *c.box}));
    } else {
        EXPECT_EQ(Boxes(fs_), (std::vector<Box>{question}));
    }
    EXPECT_TRUE(fs_.calls().empty());
    EXPECT_TRUE(state_.AreaTable[0].local.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandStopTest,
    ::testing::Values(
        StopCase{"RegisterAnsweredNo", false, kFs, kAddon, true, std::nullopt},
        StopCase{"DeleteAnsweredNo", true, kFs, kAddon, true, std::nullopt},
        StopCase{"RegisterWithoutSceneryCfg", false, kFs, kAddon, false, kNoSceneryCfg},
        StopCase{"DeleteWithoutSceneryCfg", true, kFs, kAddon, false, kNoSceneryCfg},
        StopCase{"EmptyFs2002Folder", false, "", kAddon, true, kNoSceneryCfg},
        StopCase{"RegisterFs2002FolderTooLong", false, kLongFs + "\\\\", kAddon, false,
                 ErrorBox("The name of the FS2002 folder is too long.\n" + kLongFs +
                          "\nThe process will be stopped.")},
        StopCase{"DeleteFs2002FolderTooLong", true, kLongFs, kAddon, false,
                 ErrorBox("The name of the FS2002 folder is too long.\n" + kLongFs +
                          "\nThe process will be stopped.")},
        StopCase{"RegisterAddonFolderTooLong", false, kFs, kLongAddon, true,
                 ErrorBox("The name of the Velport vol.5 folder is too long.\n" + kLongAddon +
                          "\nThe process will be stopped.")},
        StopCase{"DeleteAddonFolderTooLong", true, kFs, kLongAddon, true,
                 ErrorBox("The name of the Velport vol.5 folder is too long.\n" + kLongAddon +
                          "\nThe process will be stopped.")}),
    [](const auto& info) { return info.param.name; });

TEST_F(SceneryCommandTest, FoldersJustShortEnoughAreWorkedOn) {
    const std::string fsFolder = kLongFs.substr(0, kLongFs.size() - 1);
    const std::string addon = kLongAddon.substr(0, kLongAddon.size() - 1);
    fs_.AddFile(fsFolder + "\\scenery.cfg", StockConfig());
    AddScenery(7, addon);  // the row with the longest folder

    Register({}, addon, fsFolder);

    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kRegisterQuestion, kRegisterCompleted}));
    EXPECT_TRUE(fs_.HasFile(fsFolder + "\\scenery.TNV_BAK"));
    EXPECT_TRUE(Lists(fs_.Bytes(fsFolder + "\\scenery.cfg"),
                      "..\\" + addon.substr(3) + "\\" + RowLocal(7)));
}

// --- The read-only question ---

TEST_F(SceneryCommandTest, ReadOnlySceneryCfgIsChangedOnlyAfterYes) {
    const Box readOnly{"Question", mb::kIconQuestion | mb::kYesNo,
                       "This is read only file.May I update?\n" + kCfg};
    for (const bool yes : {false, true}) {
        SCOPED_TRACE(yes);
        fake::FakePlatform fs;
        scenery::SceneryState state;
        fs.AddFile(kCfg, StockConfig(), attr::kReadOnly | attr::kArchive);
        fs.AddFile(kAddon + "\\" + RowLocal(4) + "\\Scenery\\a.bgl", "");
        fs.Answer({mb::kIdYes, yes ? mb::kIdYes : mb::kIdNo});

        scenery::RunRegisterScenery(fs, state, kFs, kAddon);

        if (yes) {
            EXPECT_EQ(Boxes(fs),
                      (std::vector<Box>{kRegisterQuestion, readOnly, kRegisterCompleted}));
            EXPECT_EQ(fs.Bytes(kCfg), StockConfig() + RowArea(4, 4, RowLocal(4), 4));
            EXPECT_EQ(fs.Attributes(kCfg), attr::kArchive);
        } else {
            EXPECT_EQ(Boxes(fs), (std::vector<Box>{kRegisterQuestion, readOnly}));
            EXPECT_EQ(fs.Bytes(kCfg), StockConfig());
            EXPECT_FALSE(fs.HasFile(kBak));
            EXPECT_EQ(fs.Attributes(kCfg), attr::kReadOnly | attr::kArchive);
        }
    }
}

// --- Delete ---

TEST_F(SceneryCommandTest, DeleteRemovesEveryListedAreaAndClosesTheLayerGaps) {
    const std::string before = StockConfig() + Area(4, RowLocal(0), 4) + Area(5, "Other", 5) +
                               RowArea(6, 2, RowLocal(2), 6) + Area(7, RowLocal(5), 7) +
                               Area(8, "Other 8", 8);
    fs_.AddFile(kCfg, before);
    AddAllScenery();

    Delete();

    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kDeleteQuestion, kDeleteCompleted}));
    EXPECT_EQ(Cfg(), StockConfig() + Area(5, "Other", 4) +
                         Section(AreaName(8), {
                                                  "Title=Other 8",
                                                  "Local=Other 8",
                                                  "Active=TRUE",
                                                  "Layer=5",
                                              }));
    EXPECT_EQ(fs_.Bytes(kBak), before);
}

TEST_F(SceneryCommandTest, DeleteWithNothingListedStillMakesTheBackup) {
    fs_.AddFile(kCfg, StockConfig());

    Delete();

    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kDeleteQuestion, kDeleteCompleted}));
    EXPECT_EQ(fs_.Bytes(kBak), StockConfig());
    EXPECT_EQ(Cfg(), StockConfig());
    for (const fake::FileCall& call : fs_.calls()) {
        EXPECT_NE(call.op, fake::FileOp::Write) << call.path;
    }
}

struct KeepCase {
    const char* name;
    bool coastListed;
    bool volume6, volume8;
    bool coastScenery, bridgeScenery;
    std::optional<int> answer;  // the keep question is asked when set
    bool coastStays, bridgeStays;
};

class KeepCoastTest : public SceneryCommandTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepCoastTest, AsksOnlyWhenASiblingVolumeUsesTheCoast) {
    const KeepCase& c = GetParam();
    fs_.AddFile(kCfg, StockConfig() + (c.coastListed ? Area(4, RowLocal(0), 4) : "") +
                          Area(5, RowLocal(1), 5) + Area(6, RowLocal(6), 6));
    if (c.volume6)
        fs_.AddKey("Software\\Tenvari\\Velport6");
    if (c.volume8)
        fs_.AddKey("Software\\Tenvari\\Velport8");
    if (c.coastScenery)
        AddScenery(0);
    if (c.bridgeScenery)
        AddScenery(1);

    if (c.answer) {
        Delete({*c.answer});
        EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kDeleteQuestion, kKeepQuestion, kDeleteCompleted}));
    } else {
        Delete();
        EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kDeleteQuestion, kDeleteCompleted}));
    }
    EXPECT_EQ(Lists(Cfg(), RowLocal(0)), c.coastStays);
    EXPECT_EQ(Lists(Cfg(), RowLocal(1)), c.bridgeStays);
    EXPECT_FALSE(Lists(Cfg(), RowLocal(6)));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, KeepCoastTest,
    ::testing::Values(
        KeepCase{"NoSiblingVolume", true, false, false, true, true, std::nullopt, false, false},
        KeepCase{"Volume6KeepsBoth", true, true, false, true, true, mb::kIdYes, true, true},
        KeepCase{"Volume8KeepsBoth", true, false, true, true, true, mb::kIdYes, true, true},
        KeepCase{"BridgeWithoutSceneryGoes", true, true, true, true, false, mb::kIdYes, true,
                 false},
        KeepCase{"AnsweredNo", true, true, false, true, true, mb::kIdNo, false, false},
        KeepCase{"CoastWithoutScenery", true, true, true, false, true, std::nullopt, false, false},
        KeepCase{"CoastNotListed", false, true, true, true, true, std::nullopt, false, false}),
    [](const auto& info) { return info.param.name; });

// --- What the records carry from one command to the next ---

TEST_F(SceneryCommandTest, DeleteAfterRegisterSeesWhatTheRegisterLeft) {
    fs_.AddFile(kCfg, StockConfig());
    AddAllScenery();
    Register();
    const std::array<scenery::A_DATA, 8> afterRegister = state_.AreaTable;

    Delete();  // no sibling volume: no keep question

    EXPECT_EQ(Cfg(), StockConfig());
    for (int row = 0; row < 8; ++row) {
        const scenery::A_DATA& area = state_.AreaTable[row];
        EXPECT_EQ(area.install, afterRegister[row].install) << row;
        EXPECT_EQ(area.title, afterRegister[row].title) << row;
        EXPECT_EQ(area.active, "TRUE") << row;
        EXPECT_EQ(area.local, afterRegister[row].local) << row;
        EXPECT_TRUE(area.registered && area.remove) << row;
    }
}

TEST_F(SceneryCommandTest, DeleteInAFreshRunRemovesWhatAnEarlierRunRegistered) {
    const std::string fsFolder = "C:\\Games\\FS2002";
    const std::string addon = "c:\\Addons\\Velport5\\";
    const std::string cfg = fsFolder + "\\scenery.cfg";
    fs_.AddFile(cfg, StockConfig());
    AddAllScenery("C:\\Addons\\Velport5");
    Register({}, addon, fsFolder);
    ASSERT_TRUE(Lists(fs_.Bytes(cfg), "..\\..\\Addons\\Velport5\\" + RowLocal(3)));

    scenery::SceneryState fresh;
    fs_.AnswerYes();
    scenery::RunDeleteScenery(fs_, fresh, fsFolder + "\\", addon);

    EXPECT_EQ(fs_.Bytes(cfg), StockConfig());
    for (const scenery::A_DATA& area : fresh.AreaTable) {
        EXPECT_FALSE(area.install);
        EXPECT_TRUE(area.title.empty());
        EXPECT_TRUE(area.active.empty());
    }
}

TEST_F(SceneryCommandTest, AddonOnAnotherDriveIsListedByItsAbsoluteFolder) {
    fs_.AddFile(kCfg, StockConfig());
    AddScenery(6, "D:\\Velport5");

    Register({}, "D:\\Velport5\\");

    EXPECT_EQ(Cfg(), StockConfig() + RowArea(4, 6, "D:\\Velport5\\" + RowLocal(6), 4));
}

// --- Editor failures stop the command without the completion message ---

TEST_F(SceneryCommandTest, EditorFailureEndsWithTheErrorInsteadOfCompletion) {
    const std::string stockWithoutLayer =
        StockConfig() + Section(AreaName(4), {"Title=Broken", "Local=Scenery\\Broken"});
    const std::string note =
        "\"scenery.TNV_BAK\" holds the file as it was before this process.\n"
        "The process will be stopped.";
    const std::string text =
        "The scenery area [Area.004] in \"scenery.cfg\" has no \"Layer\".\n" + kCfg + "\n" + note;
    {
        SCOPED_TRACE("register");
        fs_.AddFile(kCfg, stockWithoutLayer);
        AddScenery(0);
        Register();
        EXPECT_EQ(Boxes(fs_), (std::vector<Box>{kRegisterQuestion, ErrorBox(text)}));
        EXPECT_EQ(Cfg(), stockWithoutLayer);
    }
    {
        SCOPED_TRACE("delete");
        fake::FakePlatform fs;
        scenery::SceneryState state;
        fs.AddFile(kCfg, stockWithoutLayer + Area(5, RowLocal(0), 5));
        fs.AnswerYes();
        scenery::RunDeleteScenery(fs, state, kFs, kAddon);
        EXPECT_EQ(Boxes(fs), (std::vector<Box>{kDeleteQuestion, ErrorBox(text)}));
        EXPECT_EQ(fs.Bytes(kCfg), stockWithoutLayer + Area(5, RowLocal(0), 5));
    }
}

TEST_F(SceneryCommandTest, RegisterStopsWhenNoAreaNumberIsLeft) {
    fs_.AddFile(kCfg, StockConfig() + Area(999, "Last", 4));
    AddScenery(1);

    Register();

    EXPECT_EQ(Boxes(fs_), (std::vector<Box>{
                              kRegisterQuestion,
                              ErrorBox("There is no area number left in \"scenery.cfg\" for the "
                                       "scenery area \"Tenvari - Akashi Bridge\".\n" +
                                       kCfg +
                                       "\n\"scenery.TNV_BAK\" holds the file as it was before this "
                                       "process.\nThe process will be stopped.")}));
    EXPECT_EQ(Cfg(), StockConfig() + Area(999, "Last", 4));
}

}  // namespace
}  // namespace scenery_test
