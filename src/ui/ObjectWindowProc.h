// The window procedure of a class whose objects stand behind their windows: the object, passed
// to CreateWindowExA as its last parameter, is kept in GWLP_USERDATA from WM_NCCREATE on, its
// handle member (`handle`) is set then and cleared at WM_NCDESTROY, and every message between
// goes to its member function `receive`. Messages before WM_NCCREATE go to DefWindowProcA.
#pragma once

#include "win/WinApi.h"

namespace ui {

template <class T, auto handle, auto receive>
LRESULT CALLBACK ObjectWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    T* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<T*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->*handle = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<T*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->*handle = nullptr;
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    return (self->*receive)(message, wParam, lParam);
}

}  // namespace ui
