// The program's taskbar and Alt+Tab entry: one window, titled "Setup Tool", present but never
// seen, owns the main window and through it the dialogs. Chosen there, it brings the program's
// active window to the front; closed there, it asks the main window.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ToolTest.h"
#include "driver/Keyboard.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

constexpr char kTitle[] = "Setup Tool";

// The windows of the process that the taskbar and Alt+Tab list: visible top-level windows
// without an owner, other than message boxes (which have no owner on purpose), and every window
// marked as an application window.
std::vector<HWND> TaskbarWindows(uint32_t processId) {
    std::vector<HWND> entries;
    for (HWND window : TopWindows(processId)) {
        const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
        const bool unowned = GetWindow(window, GW_OWNER) == nullptr &&
                             !(exStyle & WS_EX_TOOLWINDOW) && ClassOf(window) != "#32770";
        if (unowned || (exStyle & WS_EX_APPWINDOW)) {
            entries.push_back(window);
        }
    }
    return entries;
}

// The end of the window's chain of owners.
HWND RootOwner(HWND window) {
    while (HWND owner = GetWindow(window, GW_OWNER)) {
        window = owner;
    }
    return window;
}

// The one taskbar window of the process and what it owns.
::testing::AssertionResult OneEntryOwning(uint32_t processId, const std::vector<HWND>& owned) {
    const std::vector<HWND> entries = TaskbarWindows(processId);
    if (entries.size() != 1) {
        return ::testing::AssertionFailure()
               << entries.size() << " taskbar windows; the program has "
               << DescribeTopWindows(processId);
    }
    HWND entry = entries[0];
    if (TextOf(entry) != kTitle) {
        return ::testing::AssertionFailure()
               << "the taskbar entry reads \"" << TextOf(entry) << "\"";
    }
    RECT rect;
    GetWindowRect(entry, &rect);
    if (rect.right > rect.left && rect.bottom > rect.top) {
        return ::testing::AssertionFailure()
               << "the application window can be seen: " << rect.right - rect.left << "x"
               << rect.bottom - rect.top;
    }
    for (HWND window : owned) {
        if (RootOwner(window) != entry) {
            return ::testing::AssertionFailure()
                   << DescribeWindow(window) << " is not owned by the application window";
        }
    }
    return ::testing::AssertionSuccess();
}

class TaskbarTest : public InstalledToolTest {
  protected:
    void SetUp() override {
        InstalledToolTest::SetUp();
        // A window of the driver's own, to take the activation away from the program as another
        // program would.
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "E2eOtherProgram";
        RegisterClassA(&wc);
        other_ = CreateWindowExA(0, wc.lpszClassName, "Other program", WS_OVERLAPPEDWINDOW, 10, 10,
                                 200, 100, nullptr, nullptr, wc.hInstance, nullptr);
        ShowWindow(other_, SW_SHOWNORMAL);
    }
    void TearDown() override {
        DestroyWindow(other_);
        ToolTest::TearDown();
    }

    // Makes the driver's window the foreground, then chooses the program's entry as the taskbar
    // does, and waits for `expected` to be the program's active window in front.
    ::testing::AssertionResult ChooseEntryBrings(HWND expected) {
        ::testing::AssertionResult away = BringToFront(other_);
        if (!away) {
            return away;
        }
        const std::vector<HWND> entries = TaskbarWindows(tool_->Id());
        if (entries.size() != 1) {
            return ::testing::AssertionFailure() << "no single taskbar entry";
        }
        SetForegroundWindow(entries[0]);
        if (!WaitUntil([&] {
                return GetForegroundWindow() == expected && FocusOf(expected).active == expected;
            })) {
            return ::testing::AssertionFailure()
                   << "the foreground is " << DescribeWindow(GetForegroundWindow()) << ", not "
                   << DescribeWindow(expected);
        }
        return ::testing::AssertionSuccess();
    }

    Process* tool_ = nullptr;
    HWND other_ = nullptr;
};

TEST_F(TaskbarTest, OneEntryTitledSetupToolBringsTheActiveWindow) {
    tool_ = &StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(*tool_, main));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_EQ(TextOf(main.window), ui::kMainCaption) << "the main window keeps its caption";
    EXPECT_TRUE(OneEntryOwning(tool_->Id(), {main.window}));
    EXPECT_TRUE(ChooseEntryBrings(main.window));

    // While a dialog is open, it is what the entry brings, in front of the main window.
    struct Dialog {
        HWND button;
        const char* caption;
        const char* close;
    };
    const Dialog dialogs[] = {{main.support, ui::kSupportCaption, ui::kOk},
                              {main.afdAdd, ui::kAirportCaption, ui::kCancel}};
    for (const Dialog& d : dialogs) {
        SCOPED_TRACE(d.caption);
        ASSERT_TRUE(Click(d.button));
        HWND dialog = WaitForTopWindow(tool_->Id(), d.caption);
        ASSERT_NE(dialog, nullptr) << DescribeTopWindows(tool_->Id());
        EXPECT_TRUE(OneEntryOwning(tool_->Id(), {main.window, dialog}));
        EXPECT_TRUE(ChooseEntryBrings(dialog));
        const std::vector<HWND> order = TopWindows(tool_->Id());
        EXPECT_LT(std::find(order.begin(), order.end(), dialog) - order.begin(),
                  std::find(order.begin(), order.end(), main.window) - order.begin())
            << "the dialog lies behind the main window";
        ASSERT_TRUE(Click(FindDescendant(dialog, "Button", d.close)));
        ASSERT_TRUE(WaitUntil([&] { return !IsVisible(dialog); }));
        ASSERT_TRUE(WaitIdle(main));
    }

    // A question box has no owner: it has an entry of its own, and the program's stays one.
    ASSERT_TRUE(Click(main.scnAdd));
    std::optional<MessageBoxView> question = WaitForMessageBox(tool_->Id(), "Question");
    ASSERT_TRUE(question);
    EXPECT_EQ(GetWindow(question->window, GW_OWNER), nullptr);
    EXPECT_TRUE(OneEntryOwning(tool_->Id(), {main.window}));
    ASSERT_TRUE(Answer(*question, IDNO));
    ASSERT_TRUE(WaitIdle(main));
}

// "Close" on the taskbar entry asks the main window, as its close box does.
TEST_F(TaskbarTest, CloseOnTheEntryClosesTheMainWindow) {
    tool_ = &StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(*tool_, main));
    ASSERT_TRUE(WaitIdle(main));
    const std::vector<HWND> entries = TaskbarWindows(tool_->Id());
    ASSERT_EQ(entries.size(), 1u) << DescribeTopWindows(tool_->Id());

    // Busy, the close is refused with the warning; idle, it ends the program.
    ASSERT_TRUE(Click(main.scnAdd));
    std::optional<MessageBoxView> question = WaitForMessageBox(tool_->Id(), "Question");
    ASSERT_TRUE(question);
    PostMessageA(entries[0], WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(AnswerBox(*tool_, "Warning", texts::kBusy, IDOK));
    ASSERT_TRUE(Answer(*question, IDNO));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(tool_->Running());

    PostMessageA(entries[0], WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(tool_->WaitExit(kWaitMs)) << "open: " << Describe(OpenMessageBoxes(tool_->Id()));
    EXPECT_EQ(tool_->ExitCode(), 0u);
}

}  // namespace
}  // namespace e2e
