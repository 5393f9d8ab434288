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
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
}

void Application::Run() {
    if (Form* main = MainForm())
        main->Show();
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
}

bool Application::IsForm(HWND hwnd) const {
    return std::any_of(forms_.begin(), forms_.end(),
                       [hwnd](const Form* form) { return form->Handle() == hwnd; });
}

}  // namespace ui
