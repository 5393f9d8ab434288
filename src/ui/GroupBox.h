// A group box: a captioned frame that holds controls of its own.
//
// Its controls are its child windows, placed relative to it. Windows sends their notifications
// to the group box, which hands them on to the controls' objects.
#pragma once

#include "ui/Control.h"

namespace ui {

class GroupBox : public Control {
  public:
    GroupBox(Window& parent, const ControlSpec& spec);

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace ui
