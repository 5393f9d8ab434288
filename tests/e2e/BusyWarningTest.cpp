// The close box pressed while a command waits on a question: after the busy warning the
// question is back in front of the main window, which was brought forward by the click, so the
// user sees what the program waits for. Message boxes keep having no owner.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ToolTest.h"
#include "driver/Keyboard.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

// Where the window lies in the process's z-order, from GetTopWindow downwards; -1 when absent.
int Depth(uint32_t processId, HWND window) {
    const std::vector<HWND> order = TopWindows(processId);
    const auto at = std::find(order.begin(), order.end(), window);
    return at == order.end() ? -1 : static_cast<int>(at - order.begin());
}

class BusyWarningTest : public InstalledToolTest {};

TEST_F(BusyWarningTest, QuestionBackInFrontOfTheMainWindow) {
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_TRUE(Click(main.scnAdd));
    std::optional<MessageBoxView> question = WaitForMessageBox(tool.Id(), "Question");
    ASSERT_TRUE(question);
    EXPECT_EQ(GetWindow(question->window, GW_OWNER), nullptr);

    // A click on the main window's close box first brings the main window to the front.
    ASSERT_TRUE(BringToFront(main.window));
    // Wine may reorder the windows a moment after the call returns.
    ASSERT_TRUE(WaitUntil([&] {
        return Depth(tool.Id(), main.window) < Depth(tool.Id(), question->window);
    })) << "the main window did not come to the front; in z-order: "
        << DescribeTopWindows(tool.Id());
    PressCloseBox(main.window);
    std::optional<MessageBoxView> warning = WaitForMessageBox(tool.Id(), "Warning");
    ASSERT_TRUE(warning);
    EXPECT_EQ(warning->text, texts::kBusy);
    EXPECT_EQ(GetWindow(warning->window, GW_OWNER), nullptr);
    ASSERT_TRUE(Answer(*warning, IDOK));

    EXPECT_TRUE(WaitUntil([&] {
        return Depth(tool.Id(), question->window) >= 0 &&
               Depth(tool.Id(), question->window) < Depth(tool.Id(), main.window);
    })) << "the question lies behind the main window; in z-order: "
        << DescribeTopWindows(tool.Id());
    EXPECT_TRUE(WaitUntil([&] { return FocusOf(main.window).active == question->window; }))
        << "the active window is " << DescribeWindow(FocusOf(main.window).active);
    EXPECT_EQ(GetWindow(question->window, GW_OWNER), nullptr);

    // The command goes on when the question is answered.
    ASSERT_TRUE(Answer(*question, IDNO));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(NoMessageBox(tool));
}

}  // namespace
}  // namespace e2e
