// The keyboard as in any Windows dialog: Tab and Shift+Tab follow each window's tab order, Enter
// and the space bar press the push button that has the focus, and with no default or cancel
// button, Enter elsewhere and Escape do nothing. Keys go through the system's input, to
// whatever has the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolTest.h"
#include "driver/Keyboard.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

class KeyboardTest : public InstalledToolTest {
  protected:
    // Starts the program and waits for its main window in front, with the focus on "Exit",
    // which comes first in the tab order.
    void Start(MainWindow& main) {
        tool_ = &StartTool();
        ASSERT_TRUE(WaitForMainWindow(*tool_, main));
        ASSERT_TRUE(WaitIdle(main));
        ASSERT_TRUE(BringToFront(main.window));
        ASSERT_TRUE(WaitForFocus(main.window, main.exit));
    }

    // Tab walks `order` round from its first control, and Shift+Tab back again.
    void ExpectTabCycle(const std::vector<HWND>& order) {
        ASSERT_TRUE(WaitForFocus(order[0], order[0]));
        const size_t n = order.size();
        for (size_t i = 1; i <= n; ++i) {
            PressKey(VK_TAB);
            ASSERT_TRUE(WaitForFocus(order[0], order[i % n])) << "after " << i << " Tab";
        }
        for (size_t i = 1; i <= n; ++i) {
            PressKey(VK_TAB, true);
            ASSERT_TRUE(WaitForFocus(order[0], order[(n - i) % n]))
                << "after " << i << " Shift+Tab";
        }
    }

    Process* tool_ = nullptr;
};

TEST_F(KeyboardTest, EnterOnTheFocusedExitEnds) {
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    PressKey(VK_RETURN);
    ASSERT_TRUE(tool_->WaitExit(kWaitMs)) << "open: " << Describe(OpenMessageBoxes(tool_->Id()));
    EXPECT_EQ(tool_->ExitCode(), 0u);
}

// The main window, the airport dialog and the support window, each in its layout's tab order.
TEST_F(KeyboardTest, TabFollowsEachWindowsLayout) {
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    ASSERT_NO_FATAL_FAILURE(ExpectTabCycle({main.exit, main.edit, main.browse, main.scnAdd,
                                            main.scnDel, main.afdAdd, main.afdRes, main.support}));

    // Opened with Enter; the dialog starts with the focus on its first control, "OK".
    PressKey(VK_TAB, true);
    PressKey(VK_TAB, true);
    ASSERT_TRUE(WaitForFocus(main.window, main.afdRes));
    PressKey(VK_RETURN);
    HWND airports = WaitForTopWindow(tool_->Id(), ui::kAirportCaption);
    ASSERT_NE(airports, nullptr) << DescribeTopWindows(tool_->Id());
    const std::vector<HWND> lists = Descendants(airports, "ListBox");
    ASSERT_EQ(lists.size(), 1u);
    HWND cancel = FindDescendant(airports, "Button", ui::kCancel);
    ASSERT_NO_FATAL_FAILURE(
        ExpectTabCycle({FindDescendant(airports, "Button", ui::kOk), cancel,
                        FindDescendant(airports, "Button", " All Check"), lists[0]}));
    // Escape is nobody's: the dialog stays. Enter on "Cancel" ends it.
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(airports, cancel));
    EXPECT_TRUE(IsVisible(airports));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(airports); }));
    ASSERT_TRUE(WaitIdle(main));
    ASSERT_TRUE(WaitForFocus(main.window, main.afdRes));

    // The support window has one control to stop at.
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(main.window, main.support));
    PressKey(VK_SPACE);
    HWND support = WaitForTopWindow(tool_->Id(), ui::kSupportCaption);
    ASSERT_NE(support, nullptr) << DescribeTopWindows(tool_->Id());
    ASSERT_NO_FATAL_FAILURE(ExpectTabCycle({FindDescendant(support, "Button", ui::kOk)}));
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitUntil([&] { return !IsVisible(support); }));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(WaitForFocus(main.window, main.support));
    EXPECT_TRUE(NoMessageBox(*tool_));
}

TEST_F(KeyboardTest, EnterAndSpacePressOnlyTheFocusedButton) {
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    const std::string folder = main.EditText();

    // In the edit box, Enter and Escape do nothing. The Tab after them is handled after them,
    // so once the focus has moved on they have been handled too.
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(main.window, main.edit));
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitForFocus(main.window, main.browse));
    EXPECT_TRUE(NoMessageBox(*tool_));
    EXPECT_EQ(main.EditText(), folder);
    EXPECT_EQ(main.States(), ControlStates::Idle(true));

    // Enter on "Register the scenery library", the space bar on "Delete the scenery library".
    struct Press {
        const char* key;
        WORD virtualKey;
        HWND button;
        const char* question;
    };
    const Press presses[] = {{"Enter", VK_RETURN, main.scnAdd, texts::kRegisterQuestion},
                             {"Space", VK_SPACE, main.scnDel, texts::kDeleteQuestion}};
    for (const Press& press : presses) {
        SCOPED_TRACE(press.key);
        PressKey(VK_TAB);
        ASSERT_TRUE(WaitForFocus(main.window, press.button));
        PressKey(press.virtualKey);
        ASSERT_TRUE(AnswerBox(*tool_, "Question", press.question, IDNO));
        ASSERT_TRUE(WaitIdle(main));
        ASSERT_TRUE(WaitForFocus(main.window, press.button));
    }
    EXPECT_TRUE(NoMessageBox(*tool_));
    EXPECT_TRUE(tool_->Running());
}

}  // namespace
}  // namespace e2e
