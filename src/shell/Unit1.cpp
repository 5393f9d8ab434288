#include "shell/Unit1.h"

#include <initializer_list>

#include "facility/AfdCommand.h"
#include "facility/AfdWork.h"
#include "facility/Unit2.h"
#include "scenery/Scenery.h"
#include "scenery/SceneryData.h"
#include "shell/Registry.h"
#include "shell/Selectfolder.h"
#include "shell/Unit3.h"
#include "ui/Application.h"
#include "ui/MessageBoxFront.h"

TMainF* MainF = nullptr;

namespace {

namespace mb = platform::mb;

// The main window's layout, at 96 dots per inch. Controls are listed in tab order within their
// parent; Edit_FS2002 to Button_AfdRes2 lie inside GroupBox2 and are placed relative to it.
constexpr ui::FormSpec kMainF{"TMainF", "Tenvari - Velport vol.5 Setup Tool for FS2002", 520, 222,
                              ui::BorderStyle::Single};
// clang-format off
//                                           left  top width height text
constexpr ui::ControlSpec kButton_End     = {408, 176,  97,  33, "Exit"};
constexpr ui::ControlSpec kGroupBox2      = { 16,  16, 489, 145, " Microsoft Flight Simulator 2002 "};
constexpr ui::ControlSpec kEdit_FS2002    = { 16,  24, 385,  20, ""};
constexpr ui::ControlSpec kButton_Browse2 = {416,  24,  57,  25, "Change"};
constexpr ui::ControlSpec kButton_ScnAdd2 = { 16,  56, 209,  25, "Register the scenery library"};
constexpr ui::ControlSpec kButton_ScnDel2 = {240,  56, 209,  25, "Delete the scenery library"};
constexpr ui::ControlSpec kButton_AfdAdd2 = { 16,  96, 209,  25, "Register the AFCAD file"};
constexpr ui::ControlSpec kButton_AfdRes2 = {240,  96, 209,  25, "Restore the AFCAD file"};
constexpr ui::ControlSpec kButton_Support = { 16, 176,  97,  33, "For support"};
// clang-format on

constexpr const char* kMutexName = "Velport5-FS2002";

constexpr const char* kAddonNotFound =
    "Installation place of the add-on software dose not found.\nThe process will be stopped.";
constexpr const char* kOtherInstance = "It cannot run plural programs on same time.";
constexpr const char* kBusy = "You can't finish the program because under processing.";
constexpr const char* kBrowsePrompt = "Please set up an installation place of FS2002.";

// The row of FS2002 among the Flight Simulator keys.
constexpr std::size_t kFS2002Row = 1;

}  // namespace

TMainF::TMainF(platform::Platform& platform)
    : ui::Form(kMainF, nullptr),
      Button_End(*this, kButton_End),
      GroupBox2(*this, kGroupBox2),
      Edit_FS2002(GroupBox2, kEdit_FS2002),
      Button_Browse2(GroupBox2, kButton_Browse2),
      Button_ScnAdd2(GroupBox2, kButton_ScnAdd2),
      Button_ScnDel2(GroupBox2, kButton_ScnDel2),
      Button_AfdAdd2(GroupBox2, kButton_AfdAdd2),
      Button_AfdRes2(GroupBox2, kButton_AfdRes2),
      Button_Support(*this, kButton_Support),
      platform_(platform) {
    OnShow = [this] { FormShow(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    Button_End.OnClick = [this] { Button_EndClick(); };
    Button_Browse2.OnClick = [this] { Button_Browse2Click(); };
    Button_ScnAdd2.OnClick = [this] { Button_ScnAdd2Click(); };
    Button_ScnDel2.OnClick = [this] { Button_ScnDel2Click(); };
    Button_AfdAdd2.OnClick = [this] { Button_AfdAdd2Click(); };
    Button_AfdRes2.OnClick = [this] { Button_AfdRes2Click(); };
    Button_Support.OnClick = [this] { Button_SupportClick(); };
    Edit_FS2002.OnChange = [this] { Edit_FS2002Change(); };

    // Relative names resolve against the program's own folder, wherever it was started from.
    std::string folder = platform_.ProgramFolder();
    // "C:" alone would name the drive's current folder, not its root.
    if (folder.size() == 2 && folder[1] == ':')
        folder += '\\';
    SetCurrentDirectoryA(folder.c_str());

    std::string fsFolder;
    if (shell::ReadFSPath(platform_, fsFolder, kFS2002Row))
        Edit_FS2002.SetText(fsFolder);
    // An edit box left empty raised no change event: the command buttons follow it here.
    Edit_FS2002Change();

    if (!shell::ReadAddonPath(platform_, AddonPath)) {
        AddonPath.clear();
        platform_.ShowMessage(kAddonNotFound, "Error", mb::kOk | mb::kIconError);
        ui::Application::Instance().RequestQuit();
    }
}

TMainF::~TMainF() {
    // The dialogs go before the window that owns them.
    Form3 = nullptr;
    Form2 = nullptr;
    form3_.reset();
    form2_.reset();
    if (MutexHandle != nullptr)
        CloseHandle(MutexHandle);
}

void TMainF::FormShow() {
    // Creating the mutex and testing whether it existed is one step, so that two programs
    // started together cannot both pass.
    SetLastError(ERROR_SUCCESS);
    const HANDLE mutex = CreateMutexA(nullptr, FALSE, kMutexName);
    const DWORD error = GetLastError();
    // Access denied: the mutex exists, made by a program running with other rights.
    if (error == ERROR_ALREADY_EXISTS || (mutex == nullptr && error == ERROR_ACCESS_DENIED)) {
        if (mutex != nullptr)
            CloseHandle(mutex);
        platform_.ShowMessage(kOtherInstance, "Error", mb::kOk | mb::kIconError);
        ui::Application::Instance().RequestQuit();
        return;
    }
    MutexHandle = mutex;
}

void TMainF::FormCloseQuery(bool& CanClose) {
    if (Processing) {
        platform_.ShowMessage(kBusy, "Warning", mb::kOk | mb::kIconWarning);
        CanClose = false;
        // The close box brought this window in front: the box that the running command waits
        // on must not stay hidden behind it.
        ui::BringMessageBoxToFront();
    }
}

void TMainF::Button_EndClick() {
    ui::Application::Instance().RequestQuit();
}

void TMainF::Button_SupportClick() {
    RunBusy(Button_Support, [this] { SupportWindow().ShowModal(); });
}

void TMainF::Button_Browse2Click() {
    // No busy state: the browser is modal to this window, which is disabled while it is open.
    const std::string folder = shell::SelectFolder(Handle(), kBrowsePrompt);
    if (!folder.empty())
        Edit_FS2002.SetText(folder);
    FocusControl(Button_Browse2.Handle());
}

void TMainF::Edit_FS2002Change() {
    EnableCommandButtons(!Edit_FS2002.Text().empty());
}

void TMainF::Button_ScnAdd2Click() {
    RunBusy(Button_ScnAdd2, [this] {
        scenery::RunRegisterScenery(platform_, scenery::ProcessSceneryState(), Edit_FS2002.Text(),
                                    AddonPath);
    });
}

void TMainF::Button_ScnDel2Click() {
    RunBusy(Button_ScnDel2, [this] {
        scenery::RunDeleteScenery(platform_, scenery::ProcessSceneryState(), Edit_FS2002.Text(),
                                  AddonPath);
    });
}

void TMainF::Button_AfdAdd2Click() {
    RunBusy(Button_AfdAdd2, [this] {
        facility::RunAfdCommand(platform_, AirportDialog(), facility::AfdCommand::Register,
                                Edit_FS2002.Text(), facility::ProcessAfdWork());
    });
}

void TMainF::Button_AfdRes2Click() {
    RunBusy(Button_AfdRes2, [this] {
        facility::RunAfdCommand(platform_, AirportDialog(), facility::AfdCommand::Restore,
                                Edit_FS2002.Text(), facility::ProcessAfdWork());
    });
}

void TMainF::ToggleProcessing() {
    Processing = !Processing;
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &Button_Support, &Button_End, &Edit_FS2002, &Button_Browse2}) {
        control->SetEnabled(!control->Enabled());
    }
    // The box is disabled while busy, so its text, and this decision, are the same both times.
    if (!Edit_FS2002.Text().empty()) {
        for (ui::Control* control : std::initializer_list<ui::Control*>{
                 &Button_ScnAdd2, &Button_ScnDel2, &Button_AfdAdd2, &Button_AfdRes2}) {
            control->SetEnabled(!control->Enabled());
        }
    }
    ui::Application::Instance().ProcessMessages();
}

void TMainF::RunBusy(ui::Button& starter, const std::function<void()>& command) {
    // Disabling the focused button took the focus away from it.
    shell::RunBusy(*this, command, [] { ui::Application::Instance().HandleException(); });
    FocusControl(starter.Handle());
}

TForm2& TMainF::AirportDialog() {
    if (!form2_) {
        form2_ = std::make_unique<TForm2>(*this);
        Form2 = form2_.get();
    }
    return *form2_;
}

TForm3& TMainF::SupportWindow() {
    // AddonPath was read at start-up and never changes, so the window shows what it would have
    // shown had it been created then.
    if (!form3_) {
        form3_ = std::make_unique<TForm3>(*this, AddonPath);
        Form3 = form3_.get();
    }
    return *form3_;
}

void TMainF::EnableCommandButtons(bool enabled) {
    for (ui::Control* control : std::initializer_list<ui::Control*>{
             &Button_ScnAdd2, &Button_ScnDel2, &Button_AfdAdd2, &Button_AfdRes2}) {
        control->SetEnabled(enabled);
    }
}
