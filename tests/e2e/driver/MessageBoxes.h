// Message boxes of another process: a window of class "#32770" whose text is the static
// control 0xFFFF, answered with WM_COMMAND and the button's id.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct MessageBoxView {
    HWND window = nullptr;
    std::string caption;
    std::string text;  // line breaks as "\n"
    bool hasOk = false;
    bool hasYes = false;
    bool hasNo = false;
};

// Every visible message box of the process, the newest first.
std::vector<MessageBoxView> OpenMessageBoxes(uint32_t processId);

// Waits for a visible message box with this caption (any caption when empty) that is not one of
// `ignore`; nothing when none appeared in time.
std::optional<MessageBoxView> WaitForMessageBox(uint32_t processId, const std::string& caption = "",
                                                const std::vector<HWND>& ignore = {});

// Presses the button with this id (IDOK, IDYES, IDNO) and waits for the box to go. Fails when
// the box has no such button or does not close.
::testing::AssertionResult Answer(const MessageBoxView& box, int buttonId);

// For failure messages: caption and text of the box.
std::string Describe(const MessageBoxView& box);
std::string Describe(const std::vector<MessageBoxView>& boxes);

}  // namespace e2e
