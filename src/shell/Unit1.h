// The main window: the FS2002 folder, the four commands, "For support" and "Exit", and the busy
// state in which every command runs.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Platform.h"
#include "shell/BusyBracket.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"

class TForm2;
class TForm3;

class TMainF : public ui::Form, private shell::BusyState {
  public:
    // Makes the program's folder the working directory and reads the two folders from the
    // registry. When the add-on folder is not found it tells the user and requests the end of
    // the program; the constructor still returns normally. A registry value of the wrong type
    // throws shell::RegistryError.
    explicit TMainF(platform::Platform& platform);
    ~TMainF() override;

    // Controls, in tab order within their parent. The command buttons are Button_ScnAdd2,
    // Button_ScnDel2, Button_AfdAdd2 and Button_AfdRes2; the others are the shell controls.
    ui::Button Button_End;
    ui::GroupBox GroupBox2;
    ui::Edit Edit_FS2002;  // the FS2002 folder: commands read it from here when they run
    ui::Button Button_Browse2;
    ui::Button Button_ScnAdd2;
    ui::Button Button_ScnDel2;
    ui::Button Button_AfdAdd2;
    ui::Button Button_AfdRes2;
    ui::Button Button_Support;

    // The add-on folder as the registry holds it (a trailing backslash kept), read once at
    // start-up; empty when it was not found.
    std::string AddonPath;
    // The single-instance mutex, held until the program ends; null until FormShow creates it.
    HANDLE MutexHandle = nullptr;
    // True between the two ToggleProcessing calls of a command.
    bool Processing = false;

    // Inverts Processing and the enabled state of the shell controls, and of the command
    // buttons when the edit box is not empty; then lets pending messages be processed so the
    // controls repaint. Called in pairs: the first makes the program busy, the second idle.
    void ToggleProcessing() override;

    platform::Platform& Platform() { return platform_; }

    void FormShow();
    void FormCloseQuery(bool& CanClose);
    void Button_EndClick();
    void Button_SupportClick();
    void Button_Browse2Click();
    void Edit_FS2002Change();
    void Button_ScnAdd2Click();
    void Button_ScnDel2Click();
    void Button_AfdAdd2Click();
    void Button_AfdRes2Click();

  private:
    // Runs `command` in the busy bracket; an exception that leaves it is shown in the
    // application's error box before the program becomes idle again. Afterwards the keyboard
    // focus is back on `starter`, the button that started the command.
    void RunBusy(ui::Button& starter, const std::function<void()>& command);
    void EnableCommandButtons(bool enabled);

    // The two dialogs, created when first shown; they set Form2 and Form3.
    TForm2& AirportDialog();
    TForm3& SupportWindow();

    platform::Platform& platform_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
};

// The main window, set by the program entry.
extern TMainF* MainF;
