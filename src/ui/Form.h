// A top-level window with controls: the main window and the dialogs.
//
// A form is created hidden, in the font all windows of the program use ("ＭＳ Ｐゴシック",
// 12 pixels, Shift-JIS), on the button-face colour, with a fixed border, and is centred on the
// screen each time it is shown. Its window class is named after the form class ("TMainF").
#pragma once

#include <functional>

#include "ui/Window.h"

namespace ui {

enum class BorderStyle {
    Single,  // a single fixed border, system menu and close box, no minimize or maximize box
    Dialog,  // a dialog frame with a close box
};

struct FormSpec {
    const char* className;
    const char* caption;
    int clientWidth;  // pixels at 96 dots per inch
    int clientHeight;
    BorderStyle border;
};

// Modal results: what ended a modal showing.
inline constexpr int kModalOk = 1;
inline constexpr int kModalCancel = 2;  // also the close box

class Form : public Window {
  public:
    // `owner` is the window the form stays in front of, and which a modal showing disables;
    // null for the main window, which the application window owns instead. The first form
    // created becomes the application's main form.
    Form(const FormSpec& spec, Form* owner);
    ~Form() override;

    HFONT Font() const override { return font_; }

    // Centres the form, runs OnShow and then makes the form visible.
    void Show();
    void Hide();

    // Shows the form with its owner disabled until ModalResult becomes non-zero (or the
    // application ends, which gives kModalCancel); hides it again and returns the result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    // Gives the keyboard focus to `control`, a control of this form: now when the form is the
    // active window, else when it is next activated.
    void FocusControl(HWND control);

    // Asks to close the form, as the close box does: ends a modal showing with kModalCancel;
    // otherwise, if OnCloseQuery allows it, ends the application (main form) or hides the form.
    void Close();

    // Runs before the form becomes visible.
    std::function<void()> OnShow;
    // Runs when the form is asked to close, also when Windows asks to end the session;
    // `canClose` is true on entry, and false keeps the form open.
    std::function<void(bool& canClose)> OnCloseQuery;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    static void RegisterClassOnce(const char* className);
    bool CloseQuery();
    void CenterOnScreen();
    // Gives the keyboard focus back to the control that had it, or to the first in tab order.
    void RestoreFocus();

    HFONT font_ = nullptr;
    HWND owner_ = nullptr;
    HWND lastFocus_ = nullptr;
    int modalResult_ = 0;
    bool modal_ = false;
};

}  // namespace ui
