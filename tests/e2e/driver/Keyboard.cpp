#include "driver/Keyboard.h"

#include <vector>

#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

INPUT Key(WORD virtualKey, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

}  // namespace

ThreadFocus FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (thread == 0 || !GetGUIThreadInfo(thread, &info)) {
        return {};
    }
    return {info.hwndFocus, info.hwndActive};
}

::testing::AssertionResult BringToFront(HWND window) {
    if (!WaitUntil([&] {
            if (GetForegroundWindow() != window) {
                SetForegroundWindow(window);
            }
            return GetForegroundWindow() == window && FocusOf(window).active == window;
        })) {
        return ::testing::AssertionFailure()
               << DescribeWindow(window) << " did not come to the front; the foreground is "
               << DescribeWindow(GetForegroundWindow());
    }
    return ::testing::AssertionSuccess();
}

void PressKey(WORD virtualKey, bool shift) {
    std::vector<INPUT> inputs;
    if (shift) {
        inputs.push_back(Key(VK_SHIFT, false));
    }
    inputs.push_back(Key(virtualKey, false));
    inputs.push_back(Key(virtualKey, true));
    if (shift) {
        inputs.push_back(Key(VK_SHIFT, true));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

::testing::AssertionResult WaitForFocus(HWND window, HWND expected) {
    if (WaitUntil([&] { return FocusOf(window).focus == expected; })) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "the focus is on " << DescribeWindow(FocusOf(window).focus) << ", not on "
           << DescribeWindow(expected);
}

std::string DescribeWindow(HWND window) {
    if (window == nullptr) {
        return "nothing";
    }
    return ClassOf(window) + " \"" + TextOf(window) + "\"";
}

}  // namespace e2e
