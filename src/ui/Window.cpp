#include "ui/Window.h"

#include "ui/Application.h"

namespace ui {

LRESULT Window::DispatchMessageSafely(UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return HandleMessage(message, wParam, lParam);
    } catch (...) {
        Application::Instance().HandleException();
        return 0;
    }
}

std::string Window::Text() const {
    // WM_GETTEXTLENGTH may count more than the text has (double-byte conversions): trim to what
    // was copied.
    const int length = GetWindowTextLengthA(hwnd_);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void Window::SetText(const std::string& text) {
    SetWindowTextA(hwnd_, text.c_str());
}

bool Window::Enabled() const {
    return IsWindowEnabled(hwnd_) != FALSE;
}

void Window::SetEnabled(bool enabled) {
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Window::Visible() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

}  // namespace ui
