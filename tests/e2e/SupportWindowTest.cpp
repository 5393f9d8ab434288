// The support window: the add-on folder found at start-up, in a disabled edit box, the same at
// every showing; OK and the close box end a showing alike.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolTest.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

class SupportWindowTest : public ToolTest {
  protected:
    // Shows the support window, checks what it shows and ends it with OK or the close box.
    void ShowAndClose(const Process& tool, const MainWindow& main, const std::string& addon,
                      bool closeBox) {
        ASSERT_TRUE(Click(main.support));
        HWND support = WaitForTopWindow(tool.Id(), ui::kSupportCaption);
        ASSERT_NE(support, nullptr) << "the support window did not open";
        EXPECT_EQ(main.States(), ControlStates::Busy());
        EXPECT_FALSE(IsEnabled(main.window)) << "the support window is modal";

        std::vector<HWND> edits = Descendants(support, "Edit");
        ASSERT_EQ(edits.size(), 1u);
        EXPECT_EQ(TextOf(edits[0]), addon);
        EXPECT_FALSE(IsEnabled(edits[0])) << "the folder is shown read only, greyed";
        EXPECT_NE(FindDescendant(support, "Button", ui::kGroupAddon), nullptr);

        if (closeBox) {
            PressCloseBox(support);
        } else {
            ASSERT_TRUE(Click(FindDescendant(support, "Button", ui::kOk)));
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsVisible(support); }));
        ASSERT_TRUE(WaitIdle(main));
        EXPECT_TRUE(IsEnabled(main.window));
    }
};

TEST_F(SupportWindowTest, SameFolderAtEveryShowing) {
    // Kept exactly as the registry holds it, trailing backslash included.
    const std::string addon = "C:\\Program Files\\Tenvari\\Velport5\\";
    RegisterFs2002("C:\\FS2002");
    RegisterAddon(addon);
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));

    ASSERT_NO_FATAL_FAILURE(ShowAndClose(tool, main, addon, false));
    ASSERT_TRUE(TypeText(main.edit, "\\Other"));
    ASSERT_NO_FATAL_FAILURE(ShowAndClose(tool, main, addon, true));
    EXPECT_TRUE(NoMessageBox(tool));
}

// A registry value longer than the 259 characters of a Windows path is shown whole.
TEST_F(SupportWindowTest, LongFolderShownWhole) {
    std::string addon = "C:\\Program Files\\Tenvari";
    while (addon.size() < 300) {
        addon += "\\Velport5";
    }
    RegisterFs2002("C:\\FS2002");
    RegisterAddon(addon);
    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_NO_FATAL_FAILURE(ShowAndClose(tool, main, addon, false));
}

}  // namespace
}  // namespace e2e
