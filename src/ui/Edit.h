// A single-line edit box without a length limit.
#pragma once

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class Edit : public Control {
  public:
    Edit(Window& parent, const ControlSpec& spec);

    // Setting the text it already has changes nothing and raises no change event.
    void SetText(const std::string& text) override;

    // Runs when the text changes, by typing or from code, and only then.
    std::function<void()> OnChange;

  protected:
    std::optional<LRESULT> HandleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The text when the change event last ran: Windows reports a change also when the text
    // was replaced by the same text.
    std::string lastText_;
};

}  // namespace ui
