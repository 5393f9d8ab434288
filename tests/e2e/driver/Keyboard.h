// The keyboard and the keyboard focus of the program under test, as a user meets them: keys are
// pressed through the system's input (SendInput), so they reach whatever window has the focus,
// with the Shift state the program reads; the focus is read from the program's thread.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace e2e {

// The keyboard focus and the active window of the thread that owns `window`.
struct ThreadFocus {
    HWND focus = nullptr;
    HWND active = nullptr;
};
ThreadFocus FocusOf(HWND window);

// Makes `window` the foreground window, as a click on it or its taskbar entry would, and waits
// until it is.
::testing::AssertionResult BringToFront(HWND window);

// Presses and releases the key, with Shift held when asked. The keys go to the foreground
// window's focus: the caller makes sure that is the program's.
void PressKey(WORD virtualKey, bool shift = false);

// Waits until the keyboard focus of the thread that owns `window` is `expected`; the failure
// names where it is instead.
::testing::AssertionResult WaitForFocus(HWND window, HWND expected);

// For failure messages: the class and text of a window, or "nothing".
std::string DescribeWindow(HWND window);

}  // namespace e2e
