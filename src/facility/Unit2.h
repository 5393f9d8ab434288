// The airport selection dialog: the user ticks the airports whose facility data the running
// AFCAD command is to register or restore.
#pragma once

#include "facility/AfdCommand.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/CheckListBox.h"
#include "ui/Form.h"
#include "ui/Label.h"

class TForm2 : public ui::Form, public facility::AirportDialog {
  private:
    // This dialog alone follows the screen's dots per inch: its layout, drawn for 96, and its
    // font are scaled. Declared before the controls, which are built with it.
    class Scaling {
      public:
        Scaling();
        ~Scaling();
        Scaling(const Scaling&) = delete;
        Scaling& operator=(const Scaling&) = delete;
        int operator()(int pixels) const;
        ui::ControlSpec operator()(const ui::ControlSpec& spec) const;
        HFONT Font() const { return font_; }

      private:
        int dpi_;
        HFONT font_;
    } scale_;

  public:
    // Hidden until a command shows it; `owner` is disabled while it is shown.
    explicit TForm2(ui::Form& owner);

    HFONT Font() const override { return scale_.Font(); }

    // Controls, in tab order.
    ui::Button Button_OK;
    ui::Button Button_Cancel;
    ui::CheckBox Check_All;
    ui::CheckListBox Check_Airport;  // the five airports, in the order of AfdWork::selected
    ui::Label Label_Msg;

    // Shows the dialog for the command whose verb `work` holds; OK writes work.selected.
    // Returns ui::kModalOk, or ui::kModalCancel for Cancel and the close box.
    int ShowModal(facility::AfdWork& work) override;
    using ui::Form::ShowModal;

    void FormOnShow();
    void Button_OKClick();
    void Button_CancelClick();
    void Check_AllClick();
    void Check_AirportClick();

  private:
    facility::AfdWork* work_ = nullptr;  // the running command's record while shown
};

// The airport selection dialog, set by the program entry.
extern TForm2* Form2;
