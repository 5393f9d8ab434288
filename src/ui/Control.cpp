#include "ui/Control.h"

#include <stdexcept>
#include <unordered_set>


namespace ui {
namespace {

// The control objects alive now: a window's GWLP_USERDATA is trusted only when it names one.
std::unordered_set<const Control*>& LiveControls() {
    static std::unordered_set<const Control*> live;
    return live;
}

// Control ids start above the dialog manager's IDOK and IDCANCEL, which Enter and Escape send.
int NextControlId() {
    static int next = 1000;
    return next++;
}

}  // namespace

Control::Control(Window& parent) : parent_(parent) {
    LiveControls().insert(this);
}

Control::~Control() {
    if (hwnd_ != nullptr) {
        const HWND hwnd = hwnd_;
        Detach();
        DestroyWindow(hwnd);
    }
    LiveControls().erase(this);
}

void Control::Create(const char* className, const ControlSpec& spec, DWORD style, DWORD exStyle) {
    const HWND hwnd =
        CreateWindowExA(exStyle, className, spec.text, style | WS_CHILD | WS_VISIBLE, spec.left,
                        spec.top, spec.width, spec.height, parent_.Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(NextControlId())),
                        GetModuleHandleA(nullptr), nullptr);
    if (hwnd == nullptr)
        throw std::runtime_error("A window could not be created");
    hwnd_ = hwnd;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    native_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

int Control::Id() const {
    return GetDlgCtrlID(hwnd_);
}

void Control::SetTabStop(bool tabStop) {
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    style = tabStop ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
    SetWindowLongPtrA(hwnd_, GWL_STYLE, style);
}

Control* Control::FromHandle(HWND hwnd) {
    if (hwnd == nullptr)
        return nullptr;
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (control == nullptr || LiveControls().count(control) == 0)
        return nullptr;
    return control->hwnd_ == hwnd ? control : nullptr;
}

std::optional<LRESULT> Control::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND child = nullptr;
    switch (message) {
        case WM_COMMAND:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
            child = reinterpret_cast<HWND>(lParam);
            break;
        case WM_NOTIFY:
            child = reinterpret_cast<const NMHDR*>(lParam)->hwndFrom;
            break;
        case WM_DRAWITEM: {
            const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (item->CtlType != ODT_MENU)
                child = item->hwndItem;
            break;
        }
        default:
            return std::nullopt;
    }
    Control* control = FromHandle(child);
    if (control == nullptr)
        return std::nullopt;
    return control->HandleReflected(message, wParam, lParam);
}

LRESULT Control::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallNative(message, wParam, lParam);
}

std::optional<LRESULT> Control::HandleReflected(UINT, WPARAM, LPARAM) {
    return std::nullopt;
}

LRESULT Control::CallNative(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(native_, hwnd_, message, wParam, lParam);
}

void Control::Detach() {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(native_));
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* self = FromHandle(hwnd);
    if (self == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        // The window goes with its parent: the object lets go of it first.
        const WNDPROC native = self->native_;
        self->Detach();
        return CallWindowProcA(native, hwnd, message, wParam, lParam);
    }
    return self->DispatchMessageSafely(message, wParam, lParam);
}

}  // namespace ui
