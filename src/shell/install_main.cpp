// The program entry: creates the three windows, hidden, and runs the message loop.

#include "win/WinApi.h"

#include <objbase.h>

#include <memory>

#include "facility/Unit2.h"
#include "platform/Win32Platform.h"
#include "shell/Unit1.h"
#include "shell/Unit3.h"
#include "ui/Application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // No DLL is to be loaded from the working directory.
    SetDllDirectoryA("");
    // The folder browser needs COM on the user-interface thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

    platform::Win32Platform platform;
    ui::Application& application = ui::Application::Instance();
    try {
        application.Initialize();
        application.SetTitle("Setup Tool");

        // The main window first: it becomes the application's main form.
        auto mainF = std::make_unique<TMainF>(platform);
        MainF = mainF.get();

        // The airport selection dialog, between the main window and the support window.
        auto form2 = std::make_unique<TForm2>(*mainF);
        Form2 = form2.get();

        // Last: the support window copies MainF's AddonPath.
        auto form3 = std::make_unique<TForm3>(*mainF);
        Form3 = form3.get();

        application.Run();

        Form3 = nullptr;
        Form2 = nullptr;
        MainF = nullptr;
    } catch (...) {
        Form3 = nullptr;
        Form2 = nullptr;
        MainF = nullptr;
        application.HandleException();
    }

    if (SUCCEEDED(com))
        CoUninitialize();
    return 0;
}
