// Windows of another process, seen and driven from outside as a user would: found by process,
// class and text, read with messages (cross-process GetWindowText does not read an edit box),
// clicked only when visible and enabled (Wine's BM_CLICK would click a disabled button).
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// Top-level windows of the process, in z-order. Hidden ones are left out unless asked for: a
// dismissed dialog stays findable, hidden, until it is destroyed.
std::vector<HWND> TopWindows(uint32_t processId, bool includeHidden = false);

// The first visible top-level window of the process with this caption (and class, when given).
HWND FindTopWindow(uint32_t processId, const std::string& caption,
                   const std::string& className = "");

// Waits for such a window; nullptr when none appeared in time.
HWND WaitForTopWindow(uint32_t processId, const std::string& caption,
                      const std::string& className = "");

// For failure messages: class, caption and visibility of each top-level window of the process.
std::string DescribeTopWindows(uint32_t processId);

// All descendants of `parent` of this class (any class when empty), in creation order.
std::vector<HWND> Descendants(HWND parent, const std::string& className = "");

// The first descendant of `parent` with this class and text; nullptr when there is none.
HWND FindDescendant(HWND parent, const std::string& className, const std::string& text);

std::string ClassOf(HWND window);

// The window's text through WM_GETTEXT, converted to the driver's ANSI code page.
std::string TextOf(HWND window);
// The text of a list box's item, converted to the driver's ANSI code page; nothing when there is
// no such item. Asked in UTF-16: across processes a list fills ANSI text unreliably.
std::optional<std::string> ListItemText(HWND list, int index);

bool IsVisible(HWND window);
bool IsEnabled(HWND window);

// Clicks a button the way a user can: fails, without clicking, when it is hidden or disabled,
// or its window is disabled (as a modal dialog's owner is).
// The click is posted, so a click that opens a modal box does not block the driver.
::testing::AssertionResult Click(HWND button);

// Types the text into an edit box, one character at a time (WM_CHAR, UTF-16, as a keyboard or
// an input method delivers it), and waits until the box shows it. Fails when the box is
// disabled or hidden.
::testing::AssertionResult TypeText(HWND edit, const std::string& ansiText);

// Pastes the text into an edit box at the end of its text (clipboard and WM_PASTE, as Ctrl+V
// does) and waits until the box shows it. Under Wine, typing double-byte characters one WM_CHAR
// at a time into an ANSI edit box does not arrive whole (see the notes), so Japanese names are
// pasted.
::testing::AssertionResult PasteText(HWND edit, const std::string& ansiText);

// Presses Backspace `count` times at the end of the edit box's text and waits for the result.
::testing::AssertionResult PressBackspace(HWND edit, int count);

// Presses the close box of the window's title bar (posts SC_CLOSE).
void PressCloseBox(HWND window);

}  // namespace e2e
