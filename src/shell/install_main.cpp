// The program entry: creates the main window, hidden, and runs the message loop. The airport
// selection dialog and the support window are created when first shown.

#include "win/WinApi.h"

#include <memory>

#include "facility/Unit2.h"
#include "platform/Win32Platform.h"
#include "shell/Unit1.h"
#include "shell/Unit3.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // No DLL is to be loaded from the working directory.
    SetDllDirectoryA("");

    platform::Win32Platform platform;
    ui::Application& application = ui::Application::Instance();
    try {
        application.Initialize();
        application.SetTitle("Setup Tool");

        // The main window first: it becomes the application's main form.
        auto mainF = std::make_unique<TMainF>(platform);
        MainF = mainF.get();

        application.Run();

        MainF = nullptr;
    } catch (...) {
        MainF = nullptr;
        application.HandleException();
    }
    application.Finish();
    return 0;
}
