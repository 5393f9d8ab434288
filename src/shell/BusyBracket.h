// The busy bracket in which every command of the main window runs.
#pragma once

#include <functional>

namespace shell {

// The main window's busy state.
class BusyState {
  public:
    virtual ~BusyState() = default;
    // Inverts the busy state; calls come in pairs around a command.
    virtual void ToggleProcessing() = 0;
};

// Runs `command` between two ToggleProcessing calls, the first before it and the second after
// it on every path. An exception that leaves `command` is handed to `showError`, called inside
// the catch block while the program is still busy (so no second command can start from the
// error box); then the program becomes idle. Nothing leaves this function but what the two
// ToggleProcessing calls throw.
void RunBusy(BusyState& busy, const std::function<void()>& command,
             const std::function<void()>& showError);

}  // namespace shell
