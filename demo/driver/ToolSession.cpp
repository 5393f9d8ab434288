#include "ToolSession.h"

#include <stdexcept>

#include "driver/MainWindow.h"
#include "driver/MessageBoxes.h"
#include "driver/Text.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace demo {
namespace {

struct CaptionSearch {
    const char* caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindVisibleCaption(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<CaptionSearch*>(context);
    if (IsWindowVisible(window) && e2e::TextOf(window) == search->caption) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

e2e::MainWindow Controls(HWND window) {
    e2e::MainWindow main;
    std::string error;
    if (!e2e::MainWindow::Find(window, main, error)) {
        throw std::runtime_error(error);
    }
    return main;
}

// The airport list's items, in list order, with their ticks.
struct AirportList {
    HWND list;

    int Count() const { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }
    std::string Item(int index) const { return e2e::ListItemText(list, index).value_or(""); }
    // The check list box keeps an item's tick as its item data.
    bool Ticked(int index) const { return SendMessageW(list, LB_GETITEMDATA, index, 0) == 1; }
    // A mouse click in the item's check box, which toggles it as a user's click does.
    void ClickCheckBox(int index) const {
        const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        const LPARAM at = MAKELPARAM(height / 2 + 1, index * height + height / 2);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
    }
};

constexpr char kAirportCaption[] = "Select the airport";

}  // namespace

ToolSession ToolSession::Attach(int timeoutMs) {
    CaptionSearch search{e2e::ui::kMainCaption};
    e2e::WaitUntil(
        [&] {
            EnumWindows(FindVisibleCaption, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeoutMs);
    if (search.found == nullptr) {
        throw std::runtime_error(std::string("no window \"") + e2e::ui::kMainCaption +
                                 "\" appeared: is the tool running?");
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(search.found, &processId);
    return ToolSession(search.found, processId);
}

HWND ToolSession::Window(const std::string& caption, int timeoutMs) const {
    if (caption.empty()) {
        return main_;
    }
    HWND found = nullptr;
    e2e::WaitUntil([&] { return (found = e2e::FindTopWindow(processId_, caption)) != nullptr; },
                   timeoutMs);
    if (found == nullptr) {
        throw std::runtime_error("the window \"" + caption + "\" did not appear; open boxes: " +
                                 e2e::Describe(e2e::OpenMessageBoxes(processId_)));
    }
    return found;
}

void ToolSession::WaitClosed(const std::string& caption) const {
    if (!e2e::WaitUntil([&] { return e2e::FindTopWindow(processId_, caption) == nullptr; },
                        kStepTimeoutMs)) {
        throw std::runtime_error("the window \"" + caption + "\" did not close");
    }
}

void ToolSession::WaitIdle() const {
    const e2e::MainWindow main = Controls(main_);
    const auto idle = [&] {
        return main.States() == e2e::ControlStates::Idle(!main.EditText().empty());
    };
    if (!e2e::WaitUntil(idle, kStepTimeoutMs)) {
        std::string state = "the main window stays busy; open boxes: " +
                            e2e::Describe(e2e::OpenMessageBoxes(processId_));
        throw std::runtime_error(state);
    }
}

void ToolSession::Click(const std::string& buttonText, const std::string& caption) const {
    const HWND window = Window(caption);
    const HWND button = e2e::FindDescendant(window, "Button", buttonText);
    if (button == nullptr) {
        throw std::runtime_error("no button \"" + buttonText + "\" in \"" + e2e::TextOf(window) +
                                 "\"");
    }
    const ::testing::AssertionResult clicked = e2e::Click(button);
    if (!clicked) {
        throw std::runtime_error(clicked.message());
    }
}

std::string ToolSession::AnswerBox(int buttonId, const std::string& caption) const {
    const std::optional<e2e::MessageBoxView> box = e2e::WaitForMessageBox(processId_);
    if (!box) {
        throw std::runtime_error("no message box appeared");
    }
    if (!caption.empty() && box->caption != caption) {
        throw std::runtime_error("expected a box [" + caption + "], found " + e2e::Describe(*box));
    }
    const ::testing::AssertionResult answered = e2e::Answer(*box, buttonId);
    if (!answered) {
        throw std::runtime_error(answered.message());
    }
    return e2e::Describe(*box);
}

void ToolSession::TickAirports(const std::vector<std::string>& prefixes) const {
    const HWND dialog = Window(kAirportCaption);
    const std::vector<HWND> lists = e2e::Descendants(dialog, "ListBox");
    if (lists.size() != 1) {
        throw std::runtime_error("the airport dialog has " + std::to_string(lists.size()) +
                                 " lists, not 1");
    }
    const AirportList airports{lists.front()};
    for (const std::string& prefix : prefixes) {
        int index = 0;
        while (index < airports.Count() && airports.Item(index).rfind(prefix, 0) != 0) {
            ++index;
        }
        if (index == airports.Count()) {
            throw std::runtime_error("no airport \"" + prefix + "\" in the list");
        }
        if (airports.Ticked(index)) {
            continue;
        }
        airports.ClickCheckBox(index);
        if (!e2e::WaitUntil([&] { return airports.Ticked(index); }, kStepTimeoutMs)) {
            throw std::runtime_error("the item \"" + airports.Item(index) + "\" did not tick");
        }
    }
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // A sent message returns once the window's thread has handled what came before it.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kStepTimeoutMs, &ignored);
}

std::string Geometry(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    return std::to_string(frame.right - frame.left) + "x" +
           std::to_string(frame.bottom - frame.top) + "+" + std::to_string(frame.left) + "+" +
           std::to_string(frame.top);
}

}  // namespace demo
