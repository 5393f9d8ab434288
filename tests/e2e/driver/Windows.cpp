#include "driver/Windows.h"

#include <algorithm>
#include <stdexcept>

#include "driver/Text.h"
#include "driver/Wait.h"

namespace e2e {
namespace {

constexpr UINT kSendTimeoutMs = 5000;

struct TopWindowSearch {
    DWORD processId;
    bool includeHidden;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<TopWindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && (search->includeHidden || IsWindowVisible(window))) {
        search->found.push_back(window);
    }
    return TRUE;
}

struct DescendantSearch {
    std::string className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectDescendant(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<DescendantSearch*>(context);
    if (search->className.empty() || ClassOf(window) == search->className) {
        search->found.push_back(window);
    }
    return TRUE;
}

LRESULT SendOrThrow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result)) {
        throw std::runtime_error("window " + std::to_string(reinterpret_cast<uintptr_t>(window)) +
                                 " did not answer message " + std::to_string(message));
    }
    return static_cast<LRESULT>(result);
}

::testing::AssertionResult Usable(HWND window, const char* what) {
    if (window == nullptr || !IsWindow(window)) {
        return ::testing::AssertionFailure() << what << " does not exist";
    }
    if (!IsWindowVisible(window)) {
        return ::testing::AssertionFailure() << what << " \"" << TextOf(window) << "\" is hidden";
    }
    // A user reaches a control only when it and every window around it are enabled: a modal
    // dialog disables its owner, not the owner's controls.
    for (HWND w = window; w != nullptr; w = GetAncestor(w, GA_PARENT)) {
        if (!IsWindowEnabled(w)) {
            return ::testing::AssertionFailure()
                   << what << " \"" << TextOf(window) << "\" is disabled"
                   << (w == window ? "" : " by its window \"" + TextOf(w) + "\"");
        }
        if (!(GetWindowLongPtrA(w, GWL_STYLE) & WS_CHILD)) {
            break;
        }
    }
    return ::testing::AssertionSuccess();
}

// Puts the caret at the end of the edit box's text.
void CaretToEnd(HWND edit) {
    LRESULT length = SendOrThrow(edit, WM_GETTEXTLENGTH, 0, 0);
    SendOrThrow(edit, EM_SETSEL, static_cast<WPARAM>(length), length);
}

}  // namespace

std::vector<HWND> TopWindows(uint32_t processId, bool includeHidden) {
    TopWindowSearch search{processId, includeHidden, {}};
    EnumWindows(CollectTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopWindow(uint32_t processId, const std::string& caption, const std::string& className) {
    for (HWND window : TopWindows(processId)) {
        if ((className.empty() || ClassOf(window) == className) && TextOf(window) == caption) {
            return window;
        }
    }
    return nullptr;
}

HWND WaitForTopWindow(uint32_t processId, const std::string& caption,
                      const std::string& className) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopWindow(processId, caption, className)) != nullptr; });
    return found;
}

std::string DescribeTopWindows(uint32_t processId) {
    std::string all;
    for (HWND window : TopWindows(processId, true)) {
        all += (all.empty() ? "" : ", ") + ClassOf(window) + " \"" + TextOf(window) + "\"" +
               (IsWindowVisible(window) ? "" : " (hidden)");
    }
    return all.empty() ? "no windows" : all;
}

std::vector<HWND> Descendants(HWND parent, const std::string& className) {
    DescendantSearch search{className, {}};
    EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindDescendant(HWND parent, const std::string& className, const std::string& text) {
    for (HWND window : Descendants(parent, className)) {
        if (TextOf(window) == text) {
            return window;
        }
    }
    return nullptr;
}

std::string ClassOf(HWND window) {
    char name[256] = {};
    int n = GetClassNameA(window, name, sizeof name);
    return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

std::optional<std::string> ListItemText(HWND list, int index) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, index, 0);
    if (length < 0)
        return std::nullopt;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return Narrow(text);
}

std::string TextOf(HWND window) {
    LRESULT length = SendOrThrow(window, WM_GETTEXTLENGTH, 0, 0);
    // The length is in characters of the window's own kind; twice that covers the ANSI bytes.
    std::string text(static_cast<size_t>(length) * 2 + 1, '\0');
    LRESULT copied =
        SendOrThrow(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(copied));
    return text;
}

bool IsVisible(HWND window) {
    return IsWindowVisible(window) != FALSE;
}

bool IsEnabled(HWND window) {
    return IsWindowEnabled(window) != FALSE;
}

::testing::AssertionResult Click(HWND button) {
    ::testing::AssertionResult usable = Usable(button, "button");
    if (!usable) {
        return usable;
    }
    PostMessageA(button, BM_CLICK, 0, 0);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TypeText(HWND edit, const std::string& ansiText) {
    ::testing::AssertionResult usable = Usable(edit, "edit box");
    if (!usable) {
        return usable;
    }
    std::string expected = TextOf(edit) + ansiText;
    CaretToEnd(edit);
    for (wchar_t c : Widen(ansiText)) {
        PostMessageW(edit, WM_CHAR, c, 1);
    }
    if (!WaitUntil([&] { return TextOf(edit) == expected; })) {
        return ::testing::AssertionFailure() << "the edit box shows \"" << TextOf(edit)
                                             << "\" after typing, not \"" << expected << "\"";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PasteText(HWND edit, const std::string& ansiText) {
    ::testing::AssertionResult usable = Usable(edit, "edit box");
    if (!usable) {
        return usable;
    }
    // The clipboard needs an owner window for SetClipboardData; a message-only one will do.
    static HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                        GetModuleHandleA(nullptr), nullptr);
    std::wstring wide = Widen(ansiText);
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    if (data == nullptr) {
        return ::testing::AssertionFailure() << "out of memory for the clipboard";
    }
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1,
              static_cast<wchar_t*>(GlobalLock(data)));
    GlobalUnlock(data);
    if (!WaitUntil([&] { return OpenClipboard(owner) != FALSE; })) {
        GlobalFree(data);
        return ::testing::AssertionFailure() << "the clipboard stays busy";
    }
    EmptyClipboard();
    bool set = SetClipboardData(CF_UNICODETEXT, data) != nullptr;
    CloseClipboard();
    if (!set) {
        GlobalFree(data);
        return ::testing::AssertionFailure()
               << "cannot fill the clipboard: " << ErrorText(GetLastError());
    }

    std::string expected = TextOf(edit) + ansiText;
    CaretToEnd(edit);
    PostMessageW(edit, WM_PASTE, 0, 0);
    if (!WaitUntil([&] { return TextOf(edit) == expected; })) {
        return ::testing::AssertionFailure() << "the edit box shows \"" << TextOf(edit)
                                             << "\" after pasting, not \"" << expected << "\"";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult PressBackspace(HWND edit, int count) {
    ::testing::AssertionResult usable = Usable(edit, "edit box");
    if (!usable) {
        return usable;
    }
    std::wstring before = Widen(TextOf(edit));
    std::wstring after = before.substr(0, before.size() > static_cast<size_t>(count)
                                              ? before.size() - static_cast<size_t>(count)
                                              : 0);
    std::string expected = Narrow(after);
    CaretToEnd(edit);
    for (int i = 0; i < count; ++i) {
        PostMessageW(edit, WM_CHAR, VK_BACK, 1);
    }
    if (!WaitUntil([&] { return TextOf(edit) == expected; })) {
        return ::testing::AssertionFailure() << "the edit box shows \"" << TextOf(edit)
                                             << "\" after Backspace, not \"" << expected << "\"";
    }
    return ::testing::AssertionSuccess();
}

void PressCloseBox(HWND window) {
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

}  // namespace e2e
