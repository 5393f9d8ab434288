#include "ui/Form.h"

#include <set>
#include <stdexcept>
#include <string>

#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/Font.h"
#include "ui/ObjectWindowProc.h"

namespace ui {
namespace {

constexpr int kFontHeight = 12;  // character height in pixels

}  // namespace

void Form::RegisterClassOnce(const char* className) {
    static std::set<std::string> registered;
    if (registered.count(className) != 0)
        return;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &ObjectWindowProc<Form, &Form::hwnd_, &Form::DispatchMessageSafely>;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));         // the program's icon
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    if (RegisterClassExA(&wc) == 0)
        throw std::runtime_error("A window class could not be registered");
    registered.insert(className);
}

Form::Form(const FormSpec& spec, Form* owner)
    : owner_(owner ? owner->Handle() : Application::Instance().Handle()) {
    RegisterClassOnce(spec.className);
    DWORD style = WS_CAPTION | WS_SYSMENU;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (spec.border == BorderStyle::Dialog) {
        style |= WS_POPUP;
        exStyle |= WS_EX_DLGMODALFRAME;
    }
    RECT frame{0, 0, spec.clientWidth, spec.clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    font_ = CreateProgramFont(kFontHeight);
    // The window procedure sets hwnd_ at WM_NCCREATE, so that the messages of creation reach
    // the object.
    CreateWindowExA(exStyle, spec.className, spec.caption, style, 0, 0, frame.right - frame.left,
                    frame.bottom - frame.top, owner_, nullptr, GetModuleHandleA(nullptr), this);
    if (hwnd_ == nullptr) {
        if (font_ != nullptr)
            DeleteObject(font_);
        throw std::runtime_error("A window could not be created");
    }
    Application::Instance().AddForm(this);
}

Form::~Form() {
    Application::Instance().RemoveForm(this);
    if (hwnd_ != nullptr) {
        const HWND hwnd = hwnd_;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        hwnd_ = nullptr;
        DestroyWindow(hwnd);
    }
    if (font_ != nullptr)
        DeleteObject(font_);
}

void Form::Show() {
    if (Visible())
        return;
    CenterOnScreen();
    if (OnShow)
        OnShow();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    UpdateWindow(hwnd_);
}

void Form::Hide() {
    ShowWindow(hwnd_, SW_HIDE);
}

int Form::ShowModal() {
    Application& application = Application::Instance();
    const bool disableOwner = owner_ != nullptr && IsWindowEnabled(owner_);
    if (disableOwner)
        EnableWindow(owner_, FALSE);
    modalResult_ = 0;
    modal_ = true;
    Show();
    while (modalResult_ == 0) {
        application.HandleMessage();
        if (application.Terminated()) {
            modalResult_ = kModalCancel;
        } else if (modalResult_ != 0 && !CloseQuery()) {
            modalResult_ = 0;
        }
    }
    modal_ = false;
    // The owner is enabled before the form hides, so that Windows activates it and not some
    // other program.
    if (disableOwner)
        EnableWindow(owner_, TRUE);
    Hide();
    return modalResult_;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = kModalCancel;
        return;
    }
    if (!CloseQuery())
        return;
    Application& application = Application::Instance();
    if (application.MainForm() == this) {
        application.Terminate();
    } else {
        Hide();
    }
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(canClose);
    return canClose;
}

void Form::CenterOnScreen() {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::RestoreFocus() {
    if (lastFocus_ != nullptr && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) &&
        IsWindowEnabled(lastFocus_) && IsWindowVisible(lastFocus_)) {
        SetFocus(lastFocus_);
        return;
    }
    const HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    SetFocus(first != nullptr ? first : hwnd_);
}

void Form::FocusControl(HWND control) {
    if (control == nullptr || !IsChild(hwnd_, control))
        return;
    lastFocus_ = control;
    if (GetActiveWindow() == hwnd_)
        RestoreFocus();
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (const auto result = Control::ReflectToChild(message, wParam, lParam))
        return *result;
    switch (message) {
        case WM_CLOSE:
            Close();
            return 0;
        case WM_QUERYENDSESSION:
            return CloseQuery() ? TRUE : FALSE;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                const HWND focus = GetFocus();
                if (focus != nullptr && IsChild(hwnd_, focus))
                    lastFocus_ = focus;
            } else {
                Application::Instance().FormActivated(this);
                if (HIWORD(wParam) == 0)  // not minimized
                    RestoreFocus();
            }
            return 0;
        default:
            return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
}

}  // namespace ui
