#include "ui/ApplicationWindow.h"

#include <stdexcept>

#include "ui/ObjectWindowProc.h"

namespace ui {
namespace {

constexpr char kClassName[] = "TApplication";
// Posted to itself when activated: the activation is handed on once Windows has finished it.
constexpr UINT kActivateForm = WM_APP + 1;

}  // namespace

ApplicationWindow::~ApplicationWindow() {
    Destroy();
}

void ApplicationWindow::Create(const std::string& title) {
    if (hwnd_ != nullptr)
        return;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    // Nothing may leave a window procedure; what HandleMessage runs catches its own errors.
    wc.lpfnWndProc = &ObjectWindowProc<ApplicationWindow, &ApplicationWindow::hwnd_,
                                       &ApplicationWindow::HandleMessage>;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));  // the taskbar shows the program's icon
    wc.lpszClassName = kClassName;
    if (RegisterClassExA(&wc) == 0)
        throw std::runtime_error("A window class could not be registered");
    // A pop-up of no size, so that it is never seen; the caption and system menu give the
    // taskbar entry its title and its menu, the minimize box lets the taskbar minimize the
    // program (Windows hides owned windows while their owner is minimized).
    const DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX;
    CreateWindowExA(0, kClassName, title.c_str(), style, GetSystemMetrics(SM_CXSCREEN) / 2,
                    GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0, nullptr, nullptr, instance, this);
    if (hwnd_ == nullptr)
        throw std::runtime_error("A window could not be created");
}

void ApplicationWindow::Destroy() {
    if (hwnd_ == nullptr)
        return;
    const HWND hwnd = hwnd_;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
}

void ApplicationWindow::SetTitle(const std::string& title) {
    if (hwnd_ != nullptr)
        SetWindowTextA(hwnd_, title.c_str());
}

void ApplicationWindow::Show() {
    if (hwnd_ != nullptr && !IsWindowVisible(hwnd_))
        ShowWindow(hwnd_, SW_SHOWNA);
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            // Chosen in the taskbar or with Alt+Tab: the program's form takes over.
            if (LOWORD(wParam) != WA_INACTIVE)
                PostMessageA(hwnd_, kActivateForm, 0, 0);
            return 0;
        case kActivateForm: {
            if (GetActiveWindow() != hwnd_ || IsIconic(hwnd_))
                return 0;
            const HWND form = FormToActivate ? FormToActivate() : nullptr;
            if (form != nullptr)
                SetForegroundWindow(form);
            return 0;
        }
        case WM_CLOSE:
            if (OnClose)
                OnClose();
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

}  // namespace ui
