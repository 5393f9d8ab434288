#include "ui/GroupBox.h"

namespace ui {

GroupBox::GroupBox(Window& parent, const ControlSpec& spec) : Control(parent) {
    // WS_EX_CONTROLPARENT lets the Tab key walk into its controls.
    Create("BUTTON", spec, BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

LRESULT GroupBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto result = ReflectToChild(message, wParam, lParam))
        return *result;
    return CallNative(message, wParam, lParam);
}

}  // namespace ui
