// A check box with a text beside it.
//
// A user's click (mouse, or the space bar while it has the focus) toggles it and then raises
// OnClick. Setting Checked from code to the other state raises OnClick too, exactly as a click
// does; setting it to the state it has raises nothing.
#pragma once

#include <functional>

#include "ui/Control.h"

namespace ui {

class CheckBox : public Control {
  public:
    CheckBox(Window& parent, const ControlSpec& spec);

    bool Checked() const;
    void SetChecked(bool checked);

    std::function<void()> OnClick;

  protected:
    std::optional<LRESULT> HandleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
