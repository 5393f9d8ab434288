// Start-up: what the registry holds decides what the main window shows, or which error ends the
// program; a second instance is refused.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ToolTest.h"
#include "driver/Registry.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

constexpr char kFs2002Folder[] = "C:\\Program Files\\Microsoft Games\\FS2002";
constexpr char kAddonFolder[] = "C:\\Program Files\\Tenvari\\Velport5";

// A box the program must show: its caption, and its exact text or fragments of it.
struct ExpectedBox {
    std::string caption;
    std::string text;                    // exact, when not empty
    std::vector<std::string> fragments;  // each must occur, when `text` is empty
};

struct StartupCase {
    const char* name;
    std::function<void()> arrangeRegistry;
    // The window opens idle with this edit text, or (when `boxes` is not empty) these boxes are
    // shown in turn, no main window is visible while they are, and the program ends.
    std::string editText;
    std::vector<ExpectedBox> boxes;
};

void PrintTo(const StartupCase& c, std::ostream* out) {
    *out << c.name;
}

void Fs2002(const std::string& text, uint32_t type = REG_SZ) {
    SetString(keys::kFs2002, keys::kFs2002Value, text, type);
}
void Addon(const std::string& text = kAddonFolder) {
    SetString(keys::kAddon, keys::kAddonValue, text);
}

const ExpectedBox kAddonError{"Error", texts::kAddonMissing, {}};

const StartupCase kCases[] = {
    {"Fs2002Folder",
     [] {
         Fs2002(kFs2002Folder);
         Addon();
     },
     kFs2002Folder,
     {}},
    {"TrailingBackslashKept",
     [] {
         Fs2002("C:\\FS2002\\");
         Addon();
     },
     "C:\\FS2002\\",
     {}},
    {"ExpandStringNotExpanded",
     [] {
         Fs2002("%ProgramFiles%\\FS2002", REG_EXPAND_SZ);
         Addon();
     },
     "%ProgramFiles%\\FS2002",
     {}},
    {"ValueUpToEmbeddedNul",
     [] {
         Fs2002(std::string("C:\\FS2002\0C:\\Other", 19));
         Addon();
     },
     "C:\\FS2002",
     {}},
    {"Fs2002ValueEmpty",
     [] {
         Fs2002("");
         Addon();
     },
     "",
     {}},
    {"Fs2002ValueAbsent",
     [] {
         CreateKey(keys::kFs2002);
         Addon();
     },
     "",
     {}},
    {"Fs2002KeyMissing", [] { Addon(); }, "", {}},
    {"AddonValueEmpty",
     [] {
         Fs2002(kFs2002Folder);
         Addon("");
     },
     kFs2002Folder,
     {}},
    {"AddonKeyMissing", [] { Fs2002(kFs2002Folder); }, "", {kAddonError}},
    {"AddonKeyMissingFs2002Missing", [] {}, "", {kAddonError}},
    // A value of a type other than a string stops the start-up with the application's error
    // box, which names the value.
    {"AddonValueNotString",
     [] {
         Fs2002(kFs2002Folder);
         SetDword(keys::kAddon, keys::kAddonValue, 5);
     },
     "",
     {{"Setup Tool", "", {"Path"}}}},
    {"Fs2002ValueNotString",
     [] {
         SetDword(keys::kFs2002, keys::kFs2002Value, 5);
         Addon();
     },
     "",
     {{"Setup Tool", "", {"EXE Path"}}}},
};

class StartupTest : public ToolTest, public ::testing::WithParamInterface<StartupCase> {};

::testing::AssertionResult Matches(const MessageBoxView& box, const ExpectedBox& expected) {
    bool ok = box.caption == expected.caption && box.hasOk && !box.hasYes && !box.hasNo;
    if (!expected.text.empty()) {
        ok = ok && box.text == expected.text;
    }
    for (const std::string& fragment : expected.fragments) {
        ok = ok && box.text.find(fragment) != std::string::npos;
    }
    if (!ok) {
        return ::testing::AssertionFailure() << "unexpected box " << Describe(box);
    }
    return ::testing::AssertionSuccess();
}

TEST_P(StartupTest, OutcomeFollowsRegistry) {
    const StartupCase& c = GetParam();
    c.arrangeRegistry();
    Process& tool = StartTool();

    if (c.boxes.empty()) {
        MainWindow main;
        ASSERT_TRUE(WaitForMainWindow(tool, main));
        EXPECT_EQ(main.EditText(), c.editText);
        EXPECT_TRUE(WaitIdle(main));
        EXPECT_EQ(main.States(), ControlStates::Idle(!c.editText.empty()));
        EXPECT_TRUE(NoMessageBox(tool));
        EXPECT_TRUE(tool.Running());
        return;
    }

    std::vector<HWND> answered;
    for (const ExpectedBox& expected : c.boxes) {
        std::optional<MessageBoxView> box = WaitForMessageBox(tool.Id(), "", answered);
        ASSERT_TRUE(box) << "no box [" << expected.caption << "] appeared";
        EXPECT_TRUE(Matches(*box, expected));
        EXPECT_EQ(FindTopWindow(tool.Id(), ui::kMainCaption), nullptr)
            << "the main window is visible while the start-up error is shown";
        ASSERT_TRUE(Answer(*box, IDOK));
        answered.push_back(box->window);
    }
    ASSERT_TRUE(tool.WaitExit(kWaitMs))
        << "the program did not end; open: " << Describe(OpenMessageBoxes(tool.Id()));
    EXPECT_EQ(tool.ExitCode(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Registry, StartupTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class InstanceTest : public ToolTest {};

// A second start while one instance runs: only the second shows the error and ends.
TEST_F(InstanceTest, SecondInstanceIsRefused) {
    RegisterFs2002(kFs2002Folder);
    RegisterAddon(kAddonFolder);
    Process& first = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(first, main));

    Process& second = StartTool();
    ASSERT_TRUE(AnswerBox(second, "Error", texts::kSecondInstance, IDOK));
    ASSERT_TRUE(second.WaitExit(kWaitMs));
    EXPECT_EQ(second.ExitCode(), 0u);

    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(NoMessageBox(first));
    EXPECT_TRUE(IsVisible(main.window));
    EXPECT_TRUE(WaitIdle(main));
}

// With the add-on key missing and another instance running, the add-on error comes first and
// the instance error follows it.
TEST_F(InstanceTest, AddonMissingThenSecondInstance) {
    RegisterFs2002(kFs2002Folder);
    RegisterAddon(kAddonFolder);
    Process& first = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(first, main));
    DeleteKeyTree(keys::kAddon);

    Process& second = StartTool();
    ASSERT_TRUE(AnswerBox(second, "Error", texts::kAddonMissing, IDOK));
    ASSERT_TRUE(AnswerBox(second, "Error", texts::kSecondInstance, IDOK));
    ASSERT_TRUE(second.WaitExit(kWaitMs));
    EXPECT_EQ(second.ExitCode(), 0u);
    EXPECT_TRUE(first.Running());
    EXPECT_TRUE(NoMessageBox(first));
}

class ReleaseTest : public ToolTest {};

// The tests run the release that users get: a 32-bit program, which the 64-bit driver sees
// running under WoW64.
TEST_F(ReleaseTest, ProgramIs32Bit) {
    RegisterFs2002(kFs2002Folder);
    RegisterAddon(kAddonFolder);
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    HANDLE handle = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, tool.Id());
    ASSERT_NE(handle, nullptr) << "OpenProcess failed: " << GetLastError();
    BOOL wow64 = FALSE;
    const BOOL queried = IsWow64Process(handle, &wow64);
    CloseHandle(handle);
    ASSERT_TRUE(queried) << "IsWow64Process failed";
    EXPECT_TRUE(wow64) << exe_ << " runs as a 64-bit program, not the 32-bit release";
}

}  // namespace
}  // namespace e2e
