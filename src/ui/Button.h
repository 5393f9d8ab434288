// A push button. It is never the form's default or cancel button: Enter and the space bar press
// it while it has the keyboard focus, as in any Windows dialog, and Enter elsewhere does not.
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
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> HandleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
