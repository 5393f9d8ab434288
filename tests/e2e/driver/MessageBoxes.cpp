#include "driver/MessageBoxes.h"

#include <algorithm>

#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

constexpr int kMessageTextId = 0xFFFF;

bool Contains(const std::vector<HWND>& windows, HWND window) {
    return std::find(windows.begin(), windows.end(), window) != windows.end();
}

}  // namespace

std::vector<MessageBoxView> OpenMessageBoxes(uint32_t processId) {
    std::vector<MessageBoxView> boxes;
    for (HWND window : TopWindows(processId)) {
        if (ClassOf(window) != "#32770") {
            continue;
        }
        HWND textControl = GetDlgItem(window, kMessageTextId);
        if (textControl == nullptr) {
            continue;  // a dialog, not a message box
        }
        MessageBoxView box;
        box.window = window;
        box.caption = TextOf(window);
        box.text = TextOf(textControl);
        box.hasOk = GetDlgItem(window, IDOK) != nullptr;
        box.hasYes = GetDlgItem(window, IDYES) != nullptr;
        box.hasNo = GetDlgItem(window, IDNO) != nullptr;
        boxes.push_back(box);
    }
    return boxes;
}

std::optional<MessageBoxView> WaitForMessageBox(uint32_t processId, const std::string& caption,
                                                const std::vector<HWND>& ignore) {
    std::optional<MessageBoxView> found;
    WaitUntil([&] {
        for (const MessageBoxView& box : OpenMessageBoxes(processId)) {
            if ((caption.empty() || box.caption == caption) && !Contains(ignore, box.window)) {
                found = box;
                return true;
            }
        }
        return false;
    });
    return found;
}

::testing::AssertionResult Answer(const MessageBoxView& box, int buttonId) {
    HWND button = GetDlgItem(box.window, buttonId);
    if (button == nullptr || !IsWindowVisible(button)) {
        return ::testing::AssertionFailure()
               << "the box " << Describe(box) << " has no button with id " << buttonId;
    }
    PostMessageA(box.window, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
    if (!WaitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); })) {
        return ::testing::AssertionFailure() << "the box " << Describe(box) << " did not close";
    }
    return ::testing::AssertionSuccess();
}

std::string Describe(const MessageBoxView& box) {
    return "[" + box.caption + "] \"" + box.text + "\"";
}

std::string Describe(const std::vector<MessageBoxView>& boxes) {
    if (boxes.empty()) {
        return "no message box";
    }
    std::string all;
    for (const MessageBoxView& box : boxes) {
        all += (all.empty() ? "" : ", ") + Describe(box);
    }
    return all;
}

}  // namespace e2e
