// "Register the scenery library" and "Delete the scenery library" on a real scenery.cfg, with
// the three rules by which the Local value of an area is formed.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

#include "SceneryCfgFixture.h"
#include "ToolTest.h"
#include "driver/Files.h"
#include "driver/Registry.h"
#include "driver/Text.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

struct LayoutCase {
    const char* name;
    std::function<SceneryLayout(const std::string& root)> make;
};

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

const LayoutCase kLayouts[] = {
    {"RelativeOutside", RelativeLayout},
    // The add-on inside the FS2002 folder; the FS2002 value ends in a backslash.
    {"RelativeInside",
     [](const std::string& root) {
         SceneryLayout l;
         l.fsFolder = JoinPath(root, "FS2002");
         l.fsRegistry = l.fsFolder + "\\";
         l.addonFolder = JoinPath(l.fsFolder, "Addons");
         l.addonRegistry = l.addonFolder;
         l.localPrefix = ".\\Addons\\";
         return l;
     }},
    // The add-on on another drive: absolute Local values.
    {"AbsoluteOtherDrive",
     [](const std::string& root) {
         SceneryLayout l;
         l.fsFolder = JoinPath(root, "FS2002");
         l.fsRegistry = l.fsFolder;
         l.addonFolder = "D:" + root.substr(2) + "\\Velport5";
         l.addonRegistry = l.addonFolder;
         l.localPrefix = l.addonFolder + "\\";
         return l;
     }},
    // The add-on installed into the FS2002 folder itself, its value in other letter case and
    // with a trailing backslash: Local values are the catalogue folders.
    {"SameFolder",
     [](const std::string& root) {
         SceneryLayout l;
         l.fsFolder = JoinPath(root, "FS2002");
         l.fsRegistry = l.fsFolder;
         l.addonFolder = l.fsFolder;
         l.addonRegistry = Upper(l.fsFolder) + "\\";
         l.localPrefix = "";
         return l;
     }},
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.name;
}

class SceneryCommandTest : public ToolTest, public ::testing::WithParamInterface<LayoutCase> {
  protected:
    // Runs one scenery command in a new run of the program: question Yes, completion OK.
    void RunCommand(HWND MainWindow::*button, const char* question, const char* done) {
        Process& tool = StartTool();
        MainWindow main;
        ASSERT_TRUE(WaitForMainWindow(tool, main));
        ASSERT_TRUE(Click(main.*button));
        ASSERT_TRUE(AnswerBox(tool, "Question", question, IDYES));
        ASSERT_TRUE(AnswerBox(tool, "Completed", done, IDOK));
        ASSERT_TRUE(WaitIdle(main));
        EXPECT_TRUE(NoMessageBox(tool));
        ASSERT_TRUE(Click(main.exit));
        ASSERT_TRUE(tool.WaitExit(kWaitMs));
    }
};

// An earlier installation listed RJOK, whose scenery is gone now, and RJBH, inactive, whose
// scenery is present. Register removes RJOK (closing its layer), leaves RJBH as it is and adds
// the other areas with scenery; delete, in a fresh run, removes every area of the add-on.
TEST_P(SceneryCommandTest, RegisterThenDeleteInNewRun) {
    const SceneryLayout l = GetParam().make(sandbox_.Root());
    const std::string base = Fs2002SceneryCfg();  // Area.001 to Area.028, layers 1 to 28
    const std::string original = base +
                                 ExistingAreaSection(29, l.Title(4), l.Local(4), 29, "TRUE") +
                                 ExistingAreaSection(30, l.Title(3), l.Local(3), 30, "FALSE");
    WriteBytes(l.Cfg(), original);
    MakeAddonScenery(l.addonFolder, {1, 2, 3, 7, 8});
    RegisterFs2002(l.fsRegistry);
    RegisterAddon(l.addonRegistry);

    ASSERT_NO_FATAL_FAILURE(
        RunCommand(&MainWindow::scnAdd, texts::kRegisterQuestion, texts::kRegisterDone));
    const std::string registered = base +
                                   ExistingAreaSection(30, l.Title(3), l.Local(3), 29, "FALSE") +
                                   NewAreaSection(31, l.Title(1), l.Local(1), 30) +
                                   NewAreaSection(32, l.Title(2), l.Local(2), 31) +
                                   NewAreaSection(33, l.Title(7), l.Local(7), 32) +
                                   NewAreaSection(34, l.Title(8), l.Local(8), 33);
    EXPECT_TRUE(FileHolds(l.Cfg(), registered));
    EXPECT_TRUE(FileHolds(l.Backup(), original));

    ASSERT_NO_FATAL_FAILURE(
        RunCommand(&MainWindow::scnDel, texts::kDeleteQuestion, texts::kDeleteDone));
    EXPECT_TRUE(FileHolds(l.Cfg(), base));
    EXPECT_TRUE(FileHolds(l.Backup(), registered));
}

INSTANTIATE_TEST_SUITE_P(LocalRule, SceneryCommandTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

// The delete command asks whether to keep the coastal area when a sibling volume is installed.
struct KeepCase {
    const char* name;
    const char* siblingKey;  // nullptr: no sibling volume installed
    int answer;              // to the keep question, when it is asked
    bool keepsCoast;         // rows 1 and 2 stay listed
};

void PrintTo(const KeepCase& c, std::ostream* out) {
    *out << c.name;
}

const KeepCase kKeepCases[] = {
    {"Volume6Yes", keys::kVolume6, IDYES, true},
    {"Volume8No", keys::kVolume8, IDNO, false},
    {"NoSibling", nullptr, 0, false},
};

class KeepCoastTest : public ToolTest, public ::testing::WithParamInterface<KeepCase> {};

TEST_P(KeepCoastTest, DeleteAsksOnlyWithSibling) {
    const KeepCase& c = GetParam();
    const SceneryLayout l = RelativeLayout(sandbox_.Root());
    const std::string base = Fs2002SceneryCfg();
    const std::string coast = NewAreaSection(29, l.Title(1), l.Local(1), 29) +
                              NewAreaSection(30, l.Title(2), l.Local(2), 30);
    WriteBytes(l.Cfg(), base + coast + NewAreaSection(31, l.Title(7), l.Local(7), 31));
    MakeAddonScenery(l.addonFolder, {1, 2, 7});
    RegisterFs2002(l.fsRegistry);
    RegisterAddon(l.addonRegistry);
    if (c.siblingKey != nullptr) {
        CreateKey(c.siblingKey);
    }

    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_TRUE(Click(main.scnDel));
    ASSERT_TRUE(AnswerBox(tool, "Question", texts::kDeleteQuestion, IDYES));
    if (c.siblingKey != nullptr) {
        ASSERT_TRUE(AnswerBox(tool, "Question", texts::kKeepQuestion, c.answer));
    }
    ASSERT_TRUE(AnswerBox(tool, "Completed", texts::kDeleteDone, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(FileHolds(l.Cfg(), c.keepsCoast ? base + coast : base));
}

INSTANTIATE_TEST_SUITE_P(Sibling, KeepCoastTest, ::testing::ValuesIn(kKeepCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
