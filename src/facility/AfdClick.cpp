#include "facility/AfdClick.h"

#include "facility/Unit2.h"
#include "shell/Unit1.h"
#include "ui/Application.h"

namespace {

class MainWindowBusy : public facility::BusyState {
  public:
    explicit MainWindowBusy(TMainF& mainF) : mainF_(mainF) {}
    void ToggleProcessing() override { mainF_.ToggleProcessing(); }

  private:
    TMainF& mainF_;
};

}  // namespace

void RunAfdClick(TMainF& mainF, facility::AfdCommand command) {
    MainWindowBusy busy(mainF);
    try {
        facility::RunAfdCommand(mainF.Platform(), *Form2, busy, command, mainF.Edit_FS2002.Text(),
                                facility::ProcessAfdWork());
    } catch (...) {
        ui::Application::Instance().HandleException();
    }
}
