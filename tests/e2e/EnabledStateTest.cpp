// The enabled state of the main window's eight controls: the command buttons follow the edit
// box's text while idle; every command disables all eight while it runs and restores them, and
// gives the keyboard focus back to the button that started it.
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

constexpr char kFs2002Folder[] = "C:\\FS2002";
constexpr char kBrowsePrompt[] = "Please set up an installation place of FS2002.";

class EnabledStateTest : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        RegisterAddon(sandbox_.Path("Velport5"));
    }
};

TEST_F(EnabledStateTest, CommandButtonsFollowTyping) {
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_EQ(main.EditText(), "");
    EXPECT_EQ(main.States(), ControlStates::Idle(false));

    const std::string typed = "C:\\FS";
    for (char c : typed) {
        ASSERT_TRUE(TypeText(main.edit, std::string(1, c)));
        EXPECT_TRUE(WaitStates(main, ControlStates::Idle(true))) << "after typing '" << c << "'";
    }
    for (size_t left = typed.size(); left-- > 0;) {
        ASSERT_TRUE(PressBackspace(main.edit, 1));
        EXPECT_TRUE(WaitStates(main, ControlStates::Idle(left > 0)))
            << "with " << left << " characters left";
    }
}

// What a command opens, how the test ends it, and what the eight controls show meanwhile.
struct Step {
    const char* caption;  // of the message box or window that the command shows
    const char* text;     // the message box's text; nullptr for a window
    int answer;           // button id for a message box
    const char* button;   // button text for a window
};

struct CommandCase {
    const char* name;
    bool fs2002Registered;
    HWND MainWindow::*button;
    bool busy;  // the command uses the busy state (the folder picker does not)
    std::vector<Step> steps;
};

void PrintTo(const CommandCase& c, std::ostream* out) {
    *out << c.name;
}

const char kNoCfg[] = "There are no \"scenery.cfg\".\nThe process will be stopped.";

const CommandCase kCommands[] = {
    {"RegisterNo",
     true,
     &MainWindow::scnAdd,
     true,
     {{"Question", texts::kRegisterQuestion, IDNO, nullptr}}},
    {"RegisterYesWithoutCfg",
     true,
     &MainWindow::scnAdd,
     true,
     {{"Question", texts::kRegisterQuestion, IDYES, nullptr}, {"Error", kNoCfg, IDOK, nullptr}}},
    {"DeleteNo",
     true,
     &MainWindow::scnDel,
     true,
     {{"Question", texts::kDeleteQuestion, IDNO, nullptr}}},
    {"DeleteYesWithoutCfg",
     true,
     &MainWindow::scnDel,
     true,
     {{"Question", texts::kDeleteQuestion, IDYES, nullptr}, {"Error", kNoCfg, IDOK, nullptr}}},
    {"AfcadRegisterCancel",
     true,
     &MainWindow::afdAdd,
     true,
     {{ui::kAirportCaption, nullptr, 0, ui::kCancel}}},
    {"AfcadRestoreCancel",
     true,
     &MainWindow::afdRes,
     true,
     {{ui::kAirportCaption, nullptr, 0, ui::kCancel}}},
    {"Support", true, &MainWindow::support, true, {{ui::kSupportCaption, nullptr, 0, ui::kOk}}},
    {"SupportWithEmptyFolder",
     false,
     &MainWindow::support,
     true,
     {{ui::kSupportCaption, nullptr, 0, ui::kOk}}},
    {"ChangeCancelled",
     true,
     &MainWindow::browse,
     false,
     {{"Browse for Folder", nullptr, 0, ui::kCancel}}},
};

class CommandStateTest : public EnabledStateTest,
                         public ::testing::WithParamInterface<CommandCase> {};

// Ends what a step opened: the message box's button, or the window's button by its text.
::testing::AssertionResult EndStep(const Process& tool, HWND opened, const Step& step) {
    if (step.text != nullptr) {
        std::optional<MessageBoxView> box = WaitForMessageBox(tool.Id(), step.caption);
        if (!box || box->window != opened) {
            return ::testing::AssertionFailure() << "the box [" << step.caption << "] is gone";
        }
        if (box->text != step.text) {
            return ::testing::AssertionFailure() << "unexpected box " << Describe(*box);
        }
        return Answer(*box, step.answer);
    }
    HWND button = FindDescendant(opened, "Button", step.button);
    ::testing::AssertionResult clicked = Click(button);
    if (!clicked) {
        return clicked;
    }
    if (!WaitUntil([&] { return !IsVisible(opened); })) {
        return ::testing::AssertionFailure() << "the window [" << step.caption << "] stays open";
    }
    return ::testing::AssertionSuccess();
}

TEST_P(CommandStateTest, RestoredAfterCommand) {
    const CommandCase& c = GetParam();
    if (c.fs2002Registered) {
        RegisterFs2002(kFs2002Folder);
    }
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    const ControlStates before = main.States();
    ASSERT_EQ(before, ControlStates::Idle(c.fs2002Registered));
    const std::string text = main.EditText();

    ASSERT_TRUE(Click(main.*c.button));
    for (const Step& step : c.steps) {
        HWND opened = WaitForTopWindow(tool.Id(), step.caption);
        ASSERT_NE(opened, nullptr) << "[" << step.caption << "] did not open; the program has "
                                   << DescribeTopWindows(tool.Id());
        EXPECT_EQ(main.States(), c.busy ? ControlStates::Busy() : before)
            << "while [" << step.caption << "] is open";
        if (!c.busy) {
            EXPECT_FALSE(IsEnabled(main.window)) << "the folder picker is modal to the main window";
            EXPECT_NE(FindDescendant(opened, "Static", kBrowsePrompt), nullptr)
                << "the folder picker does not show the prompt";
        }
        ASSERT_TRUE(EndStep(tool, opened, step));
    }
    EXPECT_TRUE(WaitStates(main, before));
    EXPECT_TRUE(IsEnabled(main.window));
    // A keyboard user goes on from the button that started the command.
    EXPECT_TRUE(WaitForFocus(main.window, main.*c.button));
    EXPECT_EQ(main.EditText(), text);
    EXPECT_TRUE(NoMessageBox(tool));
    EXPECT_TRUE(tool.Running());
}

INSTANTIATE_TEST_SUITE_P(Command, CommandStateTest, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
