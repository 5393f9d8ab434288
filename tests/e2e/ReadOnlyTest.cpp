// A read-only scenery.cfg: the program asks before it makes the file writable; No leaves
// everything as it was.
//
// Under Wine the tests run as root, and then the read-only attribute does not stop a program
// from writing the file (only ReplaceFileA still refuses). So what these cases can show is the
// question, the answers' outcomes and the attributes afterwards; that a read-only file really
// resists writing is Windows' part and is not shown here.
#include <windows.h>

#include <gtest/gtest.h>

#include "SceneryCfgFixture.h"
#include "ToolTest.h"
#include "driver/Files.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

struct ReadOnlyCase {
    const char* name;
    HWND MainWindow::*button;
    const char* question;
    const char* done;
    int answer;  // to the read-only question
};

void PrintTo(const ReadOnlyCase& c, std::ostream* out) {
    *out << c.name;
}

const ReadOnlyCase kCases[] = {
    {"RegisterYes", &MainWindow::scnAdd, texts::kRegisterQuestion, texts::kRegisterDone, IDYES},
    {"RegisterNo", &MainWindow::scnAdd, texts::kRegisterQuestion, texts::kRegisterDone, IDNO},
    {"DeleteYes", &MainWindow::scnDel, texts::kDeleteQuestion, texts::kDeleteDone, IDYES},
    {"DeleteNo", &MainWindow::scnDel, texts::kDeleteQuestion, texts::kDeleteDone, IDNO},
};

class ReadOnlyTest : public ToolTest, public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(ReadOnlyTest, QuestionDecides) {
    const ReadOnlyCase& c = GetParam();
    const SceneryLayout l = RelativeLayout(sandbox_.Root());
    const std::string base = Fs2002SceneryCfg();
    const std::string listed = NewAreaSection(29, l.Title(7), l.Local(7), 29);
    // Register adds RJBB to the stock file; delete removes it again.
    const bool registering = c.button == &MainWindow::scnAdd;
    const std::string before = registering ? base : base + listed;
    const std::string after = registering ? base + listed : base;
    WriteBytes(l.Cfg(), before);
    SetAttributes(l.Cfg(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    MakeAddonScenery(l.addonFolder, {7});
    RegisterFs2002(l.fsRegistry);
    RegisterAddon(l.addonRegistry);

    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_TRUE(Click(main.*c.button));
    ASSERT_TRUE(AnswerBox(tool, "Question", c.question, IDYES));
    std::optional<MessageBoxView> readOnly = WaitForMessageBox(tool.Id(), "Question");
    ASSERT_TRUE(readOnly) << "no read-only question; open: "
                          << Describe(OpenMessageBoxes(tool.Id()));
    EXPECT_EQ(readOnly->text, texts::kReadOnlyQuestionHead + l.Cfg());
    EXPECT_TRUE(readOnly->hasYes && readOnly->hasNo);
    EXPECT_EQ(main.States(), ControlStates::Busy());
    ASSERT_TRUE(Answer(*readOnly, c.answer));

    if (c.answer == IDYES) {
        ASSERT_TRUE(AnswerBox(tool, "Completed", c.done, IDOK));
        ASSERT_TRUE(WaitIdle(main));
        EXPECT_EQ(Attributes(l.Cfg()), FILE_ATTRIBUTE_ARCHIVE);
        EXPECT_TRUE(FileHolds(l.Cfg(), after));
        EXPECT_TRUE(FileHolds(l.Backup(), before));
    } else {
        // The command stops without a further word.
        ASSERT_TRUE(WaitIdle(main));
        EXPECT_TRUE(NoMessageBox(tool));
        EXPECT_EQ(Attributes(l.Cfg()), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
        EXPECT_TRUE(FileHolds(l.Cfg(), before));
        EXPECT_TRUE(NoFile(l.Backup()));
    }
}

INSTANTIATE_TEST_SUITE_P(Answer, ReadOnlyTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
