#include "ui/Edit.h"

namespace ui {

Edit::Edit(Window& parent, const ControlSpec& spec) : Control(parent) {
    Create("EDIT", spec, ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE);
    // No limit: 0 asks for the largest length Windows allows instead of the 30000 default.
    SendMessageA(hwnd_, EM_SETLIMITTEXT, 0, 0);
    lastText_ = Text();
}

void Edit::SetText(const std::string& text) {
    if (Text() == text)
        return;
    Control::SetText(text);
}

std::optional<LRESULT> Edit::HandleReflected(UINT message, WPARAM wParam, LPARAM) {
    if (message != WM_COMMAND || HIWORD(wParam) != EN_CHANGE)
        return std::nullopt;
    std::string text = Text();
    if (text != lastText_) {
        lastText_ = std::move(text);
        if (OnChange)
            OnChange();
    }
    return 0;
}

}  // namespace ui
