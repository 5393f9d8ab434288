// Ending the program: "Exit" at once; the close box and the end-session query refused with a
// warning while a command runs, and the command going on afterwards; the close box while idle.
#include <windows.h>

#include <gtest/gtest.h>

#include <future>
#include <string>

#include "ToolTest.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

const char kNoCfg[] = "There are no \"scenery.cfg\".\nThe process will be stopped.";

class CloseTest : public InstalledToolTest {};

TEST_F(CloseTest, ExitEndsAtOnce) {
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_TRUE(Click(main.exit));
    ASSERT_TRUE(tool.WaitExit(kWaitMs)) << "open: " << Describe(OpenMessageBoxes(tool.Id()));
    EXPECT_EQ(tool.ExitCode(), 0u);
}

TEST_F(CloseTest, CloseBoxWhileIdleEnds) {
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    PressCloseBox(main.window);
    ASSERT_TRUE(tool.WaitExit(kWaitMs)) << "open: " << Describe(OpenMessageBoxes(tool.Id()));
    EXPECT_EQ(tool.ExitCode(), 0u);
}

// How the test asks the main window to close while the register question is open.
enum class CloseRequest { CloseBox, EndSession };

class BusyCloseTest : public CloseTest, public ::testing::WithParamInterface<CloseRequest> {};

TEST_P(BusyCloseTest, RefusedWhileQuestionOpen) {
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_TRUE(Click(main.scnAdd));
    std::optional<MessageBoxView> question = WaitForMessageBox(tool.Id(), "Question");
    ASSERT_TRUE(question);

    // The end-session query waits for the answer, which comes only after the warning is
    // answered: ask it from another thread.
    std::future<LRESULT> endSession;
    if (GetParam() == CloseRequest::CloseBox) {
        PressCloseBox(main.window);
    } else {
        endSession = std::async(std::launch::async, [window = main.window] {
            DWORD_PTR result = 1;
            SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 20000, &result);
            return static_cast<LRESULT>(result);
        });
    }
    ASSERT_TRUE(AnswerBox(tool, "Warning", texts::kBusy, IDOK));
    if (endSession.valid()) {
        EXPECT_EQ(endSession.get(), 0) << "the end of the session was not refused";
    }
    EXPECT_TRUE(IsVisible(main.window));
    EXPECT_TRUE(IsVisible(question->window)) << "the question must stay open";
    EXPECT_EQ(main.States(), ControlStates::Busy());

    // The command goes on: Yes runs it (and it finds no scenery.cfg there).
    ASSERT_TRUE(Answer(*question, IDYES));
    ASSERT_TRUE(AnswerBox(tool, "Error", kNoCfg, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(NoMessageBox(tool));
    EXPECT_TRUE(tool.Running());

    // Idle again, the close box ends the program.
    PressCloseBox(main.window);
    ASSERT_TRUE(tool.WaitExit(kWaitMs)) << "open: " << Describe(OpenMessageBoxes(tool.Id()));
    EXPECT_EQ(tool.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Request, BusyCloseTest,
                         ::testing::Values(CloseRequest::CloseBox, CloseRequest::EndSession),
                         [](const auto& info) {
                             return info.param == CloseRequest::CloseBox ? "CloseBox"
                                                                         : "EndSession";
                         });

}  // namespace
}  // namespace e2e
