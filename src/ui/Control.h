// The base of the controls: a native Windows control inside a form or a group box.
//
// Each control object subclasses its native window: `this` is kept in GWLP_USERDATA and every
// message passes through the object's HandleMessage, which a control class overrides for what
// it handles and leaves the rest to the native window procedure. Notifications that Windows
// sends to the parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*) are handed back by the
// parent to the child's HandleReflected, so a control handles its own events wherever it lies.
#pragma once

#include <optional>

#include "ui/Window.h"

namespace ui {

class Control : public Window {
  public:
    ~Control() override;

    HFONT Font() const override { return parent_.Font(); }
    int Id() const;
    // Whether the Tab key stops at the control.
    void SetTabStop(bool tabStop);

    // The control object of a window created by this layer, or null for any other window.
    static Control* FromHandle(HWND hwnd);

    // For containers: passes a notification about a child control to that child's object.
    // Nothing when the message is not a notification or the child is not one of ours; the
    // container then handles it as usual.
    static std::optional<LRESULT> ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam);

  protected:
    // The parent is the form or group box the control lies in; it must outlive the control.
    explicit Control(Window& parent);

    // Creates the native window of `className` at the place and with the text that `spec` gives, in
    // the parent's font. The style gets WS_CHILD and WS_VISIBLE. Controls are created in their tab
    // order.
    void Create(const char* className, const ControlSpec& spec, DWORD style, DWORD exStyle = 0);

    // Every message of the control's window. The default passes it on to the native procedure.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    // A notification the parent got from this control; nothing to let the parent handle it.
    virtual std::optional<LRESULT> HandleReflected(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT CallNative(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the window back its native procedure and forgets it.
    void Detach();

    Window& parent_;
    WNDPROC native_ = nullptr;
};

}  // namespace ui
