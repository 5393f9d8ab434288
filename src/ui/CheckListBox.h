// A list of items, each with a check box in front of its text.
//
// What a user does and what it raises:
//   - a click in an item's check box toggles that item and raises OnClick;
//   - a click on an item's text selects the item and raises OnClick;
//   - moving the selection with the keyboard (arrow keys, Home, End, pages, a letter) raises
//     OnClick;
//   - the space bar toggles the selected item and raises nothing.
// Setting check states or the selected item from code raises nothing.
//
// An item's check state is its item data (1 ticked, 0 not), so that another program can read
// it with LB_GETITEMDATA.
#pragma once

#include <functional>
#include <string>

#include "ui/Control.h"

namespace ui {

class CheckListBox : public Control {
  public:
    // `itemHeight` in pixels, as the caller wants it on this screen.
    CheckListBox(Window& parent, const ControlSpec& spec, int itemHeight);

    void AddItem(const std::string& text);
    int Count() const;

    bool Checked(int index) const;
    void SetChecked(int index, bool checked);

    // The selected item, -1 when none is.
    int ItemIndex() const;
    void SetItemIndex(int index);

    std::function<void()> OnClick;

  protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::optional<LRESULT> HandleReflected(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // The item under a point of the client area, -1 when there is none.
    int ItemAt(POINT point) const;
    // Width of the check box column at the left of every item, where a click toggles.
    int CheckColumnWidth() const;
    void Toggle(int index);
    void RaiseClick();
    void DrawItem(const DRAWITEMSTRUCT& item) const;

    int itemHeight_;
};

}  // namespace ui
