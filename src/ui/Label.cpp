#include "ui/Label.h"

namespace ui {

Label::Label(Window& parent, const ControlSpec& spec) : Control(parent) {
    Create("STATIC", spec, SS_LEFT);
}

}  // namespace ui
