#include "shell/BusyBracket.h"

namespace shell {

void RunBusy(BusyState& busy, const std::function<void()>& command,
             const std::function<void()>& showError) {
    busy.ToggleProcessing();
    try {
        command();
    } catch (...) {
        // A failing error box must not keep the program busy for good.
        try {
            if (showError)
                showError();
        } catch (...) {
        }
    }
    busy.ToggleProcessing();
}

}  // namespace shell
