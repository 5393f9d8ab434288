#include "ui/Button.h"

namespace ui {

Button::Button(Window& parent, const ControlSpec& spec) : Control(parent) {
    Create("BUTTON", spec, BS_PUSHBUTTON | WS_TABSTOP);
}

LRESULT Button::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE: {
            // The dialog keyboard handling would turn Enter into the form's default-button
            // command, and the form has none: the button takes the key itself.
            LRESULT code = CallNative(message, wParam, lParam);
            const auto* msg = reinterpret_cast<const MSG*>(lParam);
            if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN)
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                // The same road as a click: the parent is told, and hands it back below.
                SendMessageA(GetParent(hwnd_), WM_COMMAND, MAKEWPARAM(Id(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(hwnd_));
                return 0;
            }
            break;
        default:
            break;
    }
    return CallNative(message, wParam, lParam);
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
