// The support window: shows the add-on folder found at start-up, for the user to read out when
// asking for support.
#pragma once

#include <string>

#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Panel.h"

class TForm3 : public ui::Form {
  public:
    // Shows `addonPath`, the main window's AddonPath, copied once; `owner` is disabled while
    // the window is shown.
    TForm3(ui::Form& owner, const std::string& addonPath);

    // Controls, in tab order within their parent.
    ui::Button Button_OK;
    ui::GroupBox GroupBox1;
    ui::Edit Edit_Addons;  // greyed out: the folder can be read, not edited or focused
    ui::Panel Panel1;

    void Button_OKClick();
};

// The support window, set by the program entry.
extern TForm3* Form3;
