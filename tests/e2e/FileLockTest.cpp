// scenery.cfg, or its backup copy, held open by another program (as Flight Simulator holds its
// files while it runs): the command stops with an error that names the file, reports no
// completion and changes nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "SceneryCfgFixture.h"
#include "ToolTest.h"
#include "driver/Files.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

struct LockCase {
    const char* name;
    HWND MainWindow::*button;
    const char* question;
    bool holdBackup;  // hold scenery.TNV_BAK open instead of scenery.cfg
};

void PrintTo(const LockCase& c, std::ostream* out) {
    *out << c.name;
}

const LockCase kCases[] = {
    {"RegisterCfgHeld", &MainWindow::scnAdd, texts::kRegisterQuestion, false},
    {"RegisterBackupHeld", &MainWindow::scnAdd, texts::kRegisterQuestion, true},
    {"DeleteCfgHeld", &MainWindow::scnDel, texts::kDeleteQuestion, false},
    {"DeleteBackupHeld", &MainWindow::scnDel, texts::kDeleteQuestion, true},
};

const std::string kOldBackup = "[General]\r\nTitle=an older copy\r\n\r\n";

// RJBT listed without scenery, RJBB present but not listed: either command has work to do.
class HeldFileTest : public ToolTest, public ::testing::WithParamInterface<LockCase> {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        original_ = Fs2002SceneryCfg() + NewAreaSection(29, l_.Title(5), l_.Local(5), 29);
        WriteBytes(l_.Cfg(), original_);
        WriteBytes(l_.Backup(), kOldBackup);
        MakeAddonScenery(l_.addonFolder, {7});
        RegisterFs2002(l_.fsRegistry);
        RegisterAddon(l_.addonRegistry);
    }
    std::string Held() const { return GetParam().holdBackup ? l_.Backup() : l_.Cfg(); }

    const SceneryLayout l_ = RelativeLayout(sandbox_.Root());
    std::string original_;
};

class FileLockTest : public HeldFileTest {};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST_P(FileLockTest, CommandStopsWithError) {
    const LockCase& c = GetParam();
    const std::string held = Held();

    {
        HeldFile lock(held);
        Process& tool = StartTool();
        MainWindow main;
        ASSERT_TRUE(WaitForMainWindow(tool, main));
        ASSERT_TRUE(Click(main.*c.button));
        ASSERT_TRUE(AnswerBox(tool, "Question", c.question, IDYES));
        std::optional<MessageBoxView> error = WaitForMessageBox(tool.Id());
        ASSERT_TRUE(error) << "no box after the question";
        EXPECT_EQ(error->caption, "Error") << Describe(*error);
        EXPECT_NE(error->text.find(held), std::string::npos)
            << "the error does not name " << held << ": " << Describe(*error);
        EXPECT_TRUE(EndsWith(error->text, texts::kStopped)) << Describe(*error);
        ASSERT_TRUE(Answer(*error, IDOK));
        ASSERT_TRUE(WaitIdle(main));
        EXPECT_TRUE(NoMessageBox(tool)) << "no completion may follow the error";
    }
    EXPECT_TRUE(FileHolds(l_.Cfg(), original_));
    EXPECT_TRUE(FileHolds(l_.Backup(), kOldBackup));
}

// A hold of a moment (a virus scanner looking at a file, say) is waited out: the command goes
// on once the file is free and completes.
class ShortHoldTest : public HeldFileTest {};

TEST_P(ShortHoldTest, CommandWaitsAndCompletes) {
    const LockCase& c = GetParam();
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    HeldFile lock(Held());
    ASSERT_TRUE(Click(main.*c.button));
    ASSERT_TRUE(AnswerBox(tool, "Question", c.question, IDYES));
    Sleep(250);
    lock.Release();
    const bool registering = c.button == &MainWindow::scnAdd;
    ASSERT_TRUE(AnswerBox(tool, "Completed",
                          registering ? texts::kRegisterDone : texts::kDeleteDone, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(FileHolds(l_.Backup(), original_));
    const std::optional<std::string> after = ReadBytes(l_.Cfg());
    ASSERT_TRUE(after);
    EXPECT_NE(*after, original_);
}

INSTANTIATE_TEST_SUITE_P(Held, ShortHoldTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Held, FileLockTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
