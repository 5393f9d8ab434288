// The running tool as the demo sees it from outside: its main window found by caption, and
// the steps the demo takes on it. Every step waits with a deadline and throws
// std::runtime_error saying what did not happen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace demo {

// How long a step waits for the tool; the first window of a fresh prefix can take a while.
inline constexpr int kStartTimeoutMs = 60000;
inline constexpr int kStepTimeoutMs = 15000;

class ToolSession {
  public:
    // Finds the tool's visible main window, waiting up to `timeoutMs` for it.
    static ToolSession Attach(int timeoutMs = kStepTimeoutMs);

    HWND MainWindow() const { return main_; }
    uint32_t ProcessId() const { return processId_; }

    // A visible top-level window of the tool with this caption; the main window when empty.
    HWND Window(const std::string& caption, int timeoutMs = kStepTimeoutMs) const;
    // Waits until no visible window of the tool has this caption.
    void WaitClosed(const std::string& caption) const;

    // Waits until the main window's controls are usable again after a command.
    void WaitIdle() const;

    // Clicks the button with this text in the window with this caption (the main window when
    // empty), as a user would: it must be visible and enabled.
    void Click(const std::string& buttonText, const std::string& caption = "") const;

    // Waits for the next message box (with this caption unless empty), presses `buttonId` in
    // it and returns "[caption] text" of the box.
    std::string AnswerBox(int buttonId, const std::string& caption = "") const;

    // Ticks the items of the airport list whose text starts with one of `prefixes`.
    void TickAirports(const std::vector<std::string>& prefixes) const;

  private:
    ToolSession(HWND main, uint32_t processId) : main_(main), processId_(processId) {}
    HWND main_;
    uint32_t processId_;
};

// Has the window draw its frame and contents again and waits until its thread has done so:
// the title bar of a window that was just activated or uncovered is otherwise drawn late.
void Repaint(HWND window);

// The window's frame on the screen, as ImageMagick's geometry: WIDTHxHEIGHT+LEFT+TOP.
std::string Geometry(HWND window);

}  // namespace demo
