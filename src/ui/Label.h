// A line of static text.
#pragma once

#include "ui/Control.h"

namespace ui {

class Label : public Control {
  public:
    Label(Window& parent, const ControlSpec& spec);
};

}  // namespace ui
