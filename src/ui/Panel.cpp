#include "ui/Panel.h"

namespace ui {

Panel::Panel(Window& parent, const ControlSpec& spec) : Control(parent) {
    // SS_SUNKEN draws the half-sunken edge: one lowered bevel.
    Create("STATIC", spec, SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN);
}

}  // namespace ui
