#include "ui/CheckBox.h"

namespace ui {

CheckBox::CheckBox(Window& parent, const ControlSpec& spec) : Control(parent) {
    // BS_CHECKBOX, not BS_AUTOCHECKBOX: the state changes here, so that a click and a change
    // from code take the same road.
    Create("BUTTON", spec, BS_CHECKBOX | WS_TABSTOP);
}

bool CheckBox::Checked() const {
    return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::SetChecked(bool checked) {
    if (checked == Checked())
        return;
    SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick)
        OnClick();
}

std::optional<LRESULT> CheckBox::HandleReflected(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return std::nullopt;
    // BM_CLICK from another program reaches a disabled check box too; a user could not click it.
    if (Enabled())
        SetChecked(!Checked());
    return 0;
}

}  // namespace ui
