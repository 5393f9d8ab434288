// A panel with a lowered outer bevel and no inner bevel; its text, if any, is centred.
#pragma once

#include "ui/Control.h"

namespace ui {

class Panel : public Control {
  public:
    Panel(Window& parent, const ControlSpec& spec);
};

}  // namespace ui
