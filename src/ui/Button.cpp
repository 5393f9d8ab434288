#include "ui/Button.h"

namespace ui {

Button::Button(Window& parent, const ControlSpec& spec) : Control(parent) {
    Create("BUTTON", spec, BS_PUSHBUTTON | WS_TABSTOP);
}

std::optional<LRESULT> Button::HandleReflected(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return std::nullopt;
    // A click sent by another program (BM_CLICK) reaches a disabled button too; a user could
    // not press it, and a disabled button must not start anything.
    if (OnClick && Enabled())
        OnClick();
    return 0;
}

}  // namespace ui
