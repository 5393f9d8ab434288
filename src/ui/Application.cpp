#include "ui/Application.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

#include "ui/ExceptionMessage.h"
#include "ui/Form.h"

namespace ui {

Application& Application::Instance() {
    static Application application;
    return application;
}

void Application::Initialize() {
    // Only the classes the forms use: button, edit, static and list box.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    window_.FormToActivate = [this] { return FormToActivate(); };
    // As the close box of the main form does, so that its close query decides.
    window_.OnClose = [this] {
        if (Form* main = MainForm())
            PostMessageA(main->Handle(), WM_CLOSE, 0, 0);
    };
    window_.Create(title_);
}

void Application::Finish() {
    window_.Destroy();
}

void Application::SetTitle(const std::string& title) {
    title_ = title;
    window_.SetTitle(title);
}

void Application::Run() {
    if (Form* main = MainForm()) {
        main->Show();
        window_.Show();
    }
    while (!terminated_)
        HandleMessage();
}

void Application::HandleMessage() {
    if (!ProcessMessage())
        WaitMessage();
}

void Application::ProcessMessages() {
    while (ProcessMessage()) {
    }
}

void Application::Terminate() {
    PostQuitMessage(0);
}

void Application::RequestQuit() {
    Terminate();
    ProcessMessages();
}

bool Application::ProcessMessage() {
    MSG msg;
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    // Keyboard navigation between the controls of a form (Tab, arrow keys), as in a dialog.
    const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root != nullptr && IsForm(root) && IsDialogMessageA(root, &msg))
        return true;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

void Application::ShowException(const std::string& message) {
    // Owned by this thread's active window, if any, which stays disabled while it is shown.
    MessageBoxA(GetActiveWindow(), ExceptionBoxText(message).c_str(), title_.c_str(),
                MB_OK | MB_ICONERROR);
}

void Application::HandleException() {
    try {
        throw;
    } catch (const std::exception& e) {
        ShowException(e.what());
    } catch (...) {
        ShowException("An unexpected error occurred");
    }
}

void Application::AddForm(Form* form) {
    forms_.push_back(form);
}

void Application::RemoveForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form)
        activeForm_ = nullptr;
}

void Application::FormActivated(Form* form) {
    activeForm_ = form;
}

HWND Application::FormToActivate() const {
    const auto canTake = [](const Form* form) { return form->Visible() && form->Enabled(); };
    if (activeForm_ != nullptr && canTake(activeForm_))
        return activeForm_->Handle();
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        if (canTake(*it))
            return (*it)->Handle();
    }
    return nullptr;
}

bool Application::IsForm(HWND hwnd) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [hwnd](const Form* form) { return form->Handle() == hwnd; });
}

}  // namespace ui
