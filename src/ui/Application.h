// The application object: the message loop, processing of pending messages, the quit request
// and the error box in which an exception's message is shown.
#pragma once

#include <string>
#include <vector>

#include "win/WinApi.h"

namespace ui {

class Form;

class Application {
  public:
    static Application& Instance();

    // Registers the common controls (visual styles come from the manifest).
    void Initialize();

    // Caption of the error box.
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }

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

    // Kept by Form: the live forms, in order of creation.
    void AddForm(Form* form);
    void RemoveForm(Form* form);

  private:
    Application() = default;
    bool ProcessMessage();
    bool IsForm(HWND hwnd) const;

    std::string title_;
    std::vector<Form*> forms_;
    bool terminated_ = false;
};

}  // namespace ui
