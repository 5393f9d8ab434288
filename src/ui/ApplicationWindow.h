// The application window: present but never seen, titled with the application's title. It owns
// the main form (and through it the dialogs), so it is the program's one entry in the taskbar
// and in Alt+Tab. Activated from there, it hands the activation on to the program's form.
#pragma once

#include <functional>
#include <string>

#include "win/WinApi.h"

namespace ui {

class ApplicationWindow {
  public:
    ApplicationWindow() = default;
    ApplicationWindow(const ApplicationWindow&) = delete;
    ApplicationWindow& operator=(const ApplicationWindow&) = delete;
    ~ApplicationWindow();

    // Creates the window, hidden and of no size, centred on the screen. Throws
    // std::runtime_error when it cannot be created.
    void Create(const std::string& title);
    void Destroy();
    HWND Handle() const { return hwnd_; }

    void SetTitle(const std::string& title);
    // Makes it present (visible, of no size), without activating it: the taskbar shows it.
    void Show();

    // The form that an activation of this window is handed to; null when there is none.
    std::function<HWND()> FormToActivate;
    // Runs for a close request from the taskbar or Alt+F4: the main form's close query decides.
    std::function<void()> OnClose;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
};

}  // namespace ui
