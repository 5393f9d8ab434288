// The support window: shows the add-on folder found at start-up, for the user to read out when
// asking for support.
#pragma once

#include "shell/Unit1.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Panel.h"

class TForm3 : public ui::Form {
  public:
    // Copies the owner's AddonPath, which must be filled already; it is not read again.
    explicit TForm3(TMainF& owner);

    // Controls, in tab order within their parent.
    ui::Button Button_OK;
    ui::GroupBox GroupBox1;
    ui::Edit Edit_Addons;  // greyed out: the folder can be read, not edited or focused
    ui::Panel Panel1;

    void Button_OKClick();
};

// The support window, set by the program entry.
extern TForm3* Form3;
