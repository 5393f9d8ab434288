// A push button. It is never the form's default or cancel button.
#pragma once

#include <functional>

#include "ui/Control.h"

namespace ui {

class Button : public Control {
  public:
    Button(Window& parent, const ControlSpec& spec);

    // Runs when the button is pressed.
    std::function<void()> OnClick;

  protected:
    std::optional<LRESULT> HandleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
