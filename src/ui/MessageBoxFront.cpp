#include "ui/MessageBoxFront.h"

#include <cstring>

#include "win/WinApi.h"

namespace ui {
namespace {

// The window class of Windows' message boxes (and of other system dialogs).
constexpr char kDialogClass[] = "#32770";

bool IsOwnMessageBox(HWND window) {
    if (GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId() ||
        !IsWindowVisible(window)) {
        return false;
    }
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    return std::strcmp(className, kDialogClass) == 0;
}

}  // namespace

void BringMessageBoxToFront() {
    // Top-level windows from the front backwards: the first of ours is the newest box shown.
    for (HWND window = GetTopWindow(nullptr); window != nullptr;
         window = GetWindow(window, GW_HWNDNEXT)) {
        if (IsOwnMessageBox(window)) {
            SetForegroundWindow(window);
            return;
        }
    }
}

}  // namespace ui
