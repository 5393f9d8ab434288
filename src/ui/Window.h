// The base of every window object of the form layer: a window handle with its text and state.
#pragma once

#include <string>

#include "win/WinApi.h"

namespace ui {

// Where a control lies in its parent's client area, in pixels at 96 dots per inch, and its text.
struct ControlSpec {
    int left;
    int top;
    int width;
    int height;
    const char* text;
};

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND Handle() const { return hwnd_; }

    // The window's text in the ANSI code page.
    std::string Text() const;
    virtual void SetText(const std::string& text);

    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;

    // The font of the window's text; controls use their parent's.
    virtual HFONT Font() const = 0;

  protected:
    Window() = default;

    // Every message of the window's own procedure.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
    // HandleMessage for a window procedure: nothing may leave one, as Windows' own frames lie
    // between it and the message loop, so an error goes to the application's error box.
    LRESULT DispatchMessageSafely(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace ui
