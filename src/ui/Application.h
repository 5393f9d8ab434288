// The application object: the application window, the message loop, processing of pending
// messages, the quit request and the error box in which an exception's message is shown.
#pragma once

#include <string>
#include <vector>

#include "ui/ApplicationWindow.h"
#include "win/WinApi.h"

namespace ui {

class Form;

class Application {
  public:
    static Application& Instance();

    // Registers the common controls (visual styles come from the manifest) and creates the
    // application window.
    void Initialize();
    // Destroys the application window; call after the forms are gone.
    void Finish();

    // The title of the application window, and so of the program's taskbar entry, and the
    // caption of the error box.
    void SetTitle(const std::string& title);
    const std::string& Title() const { return title_; }
    // The application window, owner of the main form; null before Initialize.
    HWND Handle() const { return window_.Handle(); }

    // The first form created; closing it ends the program.
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }

    // Shows the main form and dispatches messages until the application is terminated.
    void Run();
    // Processes one message, or waits for one when none is pending.
    void HandleMessage();
    // Processes every pending message and returns. A quit message among them marks the
    // application as terminated.
    void ProcessMessages();
    // Posts a quit message; the loop ends when it is processed.
    void Terminate();
    // Posts a quit message and processes it at once: the application is terminated when this
    // returns, and the caller goes on to its normal end.
    void RequestQuit();
    bool Terminated() const { return terminated_; }

    // The error box: the message, with "." appended as ExceptionBoxText says, captioned with
    // the title, with the error icon.
    void ShowException(const std::string& message);
    // Shows the exception being handled. Call only inside a catch block.
    void HandleException();

    // Kept by Form: the live forms, in order of creation, and the one last activated.
    void AddForm(Form* form);
    void RemoveForm(Form* form);
    void FormActivated(Form* form);

  private:
    Application() = default;
    bool ProcessMessage();
    bool IsForm(HWND hwnd) const;
    // The form an activation of the application window goes to: the last activated one while it
    // can take it, else the newest visible and enabled one (an open dialog before the main form).
    HWND FormToActivate() const;

    std::string title_;
    ApplicationWindow window_;
    std::vector<Form*> forms_;
    Form* activeForm_ = nullptr;
    bool terminated_ = false;
};

}  // namespace ui
