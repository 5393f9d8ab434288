#include "driver/MainWindow.h"

#include <vector>

#include "driver/Windows.h"

namespace e2e {

ControlStates ControlStates::Idle(bool editHasText) {
    return {true, true, true, true, editHasText, editHasText, editHasText, editHasText};
}

ControlStates ControlStates::Busy() {
    return {};
}

std::ostream& operator<<(std::ostream& out, const ControlStates& s) {
    auto mark = [](bool enabled) { return enabled ? "on " : "off"; };
    return out << "{Support " << mark(s.support) << " Exit " << mark(s.exit) << " Edit "
               << mark(s.edit) << " Change " << mark(s.browse) << " | ScnAdd " << mark(s.scnAdd)
               << " ScnDel " << mark(s.scnDel) << " AfdAdd " << mark(s.afdAdd) << " AfdRes "
               << mark(s.afdRes) << "}";
}

bool MainWindow::Find(HWND window, MainWindow& out, std::string& error) {
    out = MainWindow{};
    out.window = window;
    struct Wanted {
        HWND* slot;
        const char* text;
    };
    const Wanted buttons[] = {
        {&out.browse, ui::kChange}, {&out.scnAdd, ui::kScnAdd}, {&out.scnDel, ui::kScnDel},
        {&out.afdAdd, ui::kAfdAdd}, {&out.afdRes, ui::kAfdRes}, {&out.support, ui::kSupport},
        {&out.exit, ui::kExit},
    };
    for (const Wanted& wanted : buttons) {
        *wanted.slot = FindDescendant(window, "Button", wanted.text);
        if (*wanted.slot == nullptr) {
            error = std::string("no button \"") + wanted.text + "\" in the main window";
            return false;
        }
    }
    std::vector<HWND> edits = Descendants(window, "Edit");
    if (edits.size() != 1) {
        error = "the main window has " + std::to_string(edits.size()) + " edit boxes, not 1";
        return false;
    }
    out.edit = edits.front();
    return true;
}

ControlStates MainWindow::States() const {
    return {IsEnabled(support), IsEnabled(exit),   IsEnabled(edit),   IsEnabled(browse),
            IsEnabled(scnAdd),  IsEnabled(scnDel), IsEnabled(afdAdd), IsEnabled(afdRes)};
}

std::string MainWindow::EditText() const {
    return TextOf(edit);
}

}  // namespace e2e
