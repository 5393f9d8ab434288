// The airport selection dialog and the two AFCAD commands: the dialog's layout and state at
// every showing, its list and " All Check" following each other, and the commands' backups of
// japanafd.bgl and start of the stand-in AFInstaller.exe, which logs what it was given.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "ToolTest.h"
#include "driver/Files.h"
#include "driver/Text.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

constexpr int kAirports = 5;
constexpr const char* kItems[kAirports] = {"RJBB - Kansai Intl", "RJBD - Nanki-Shirahama",
                                           "RJBT - Tajima", "RJOK - Kochi",
                                           "RJBH - Hiroshimanishi"};
constexpr char kAllCheck[] = " All Check";
constexpr char kRegisterPrompt[] = "Please choose the airport which registers AFCAD file.";
constexpr char kRestorePrompt[] = "Please choose the airport which restores AFCAD file.";
constexpr char kRegisterQuestion[] = "May I register the AFCAD file?";
constexpr char kRestoreQuestion[] = "May I restore the AFCAD file?";
constexpr char kRegisterDone[] = "Registration of the AFCAD file was completed.";
constexpr char kRestoreDone[] = "Restoring the AFCAD file was completed.";
constexpr char kRegisterNothing[] = "There are no registered AFCAD file.";
constexpr char kRegisterStartError[] = "An error occured during registering the AFCAD file.";

constexpr char kOriginalBgl[] = "stock japanafd.bgl\r\n\x01\x02\x00\xFF";

// The stand-in installer, from the environment variable VELPORT_AFINSTALLER_EXE.
std::string StandInInstaller() {
    const char* configured = std::getenv("VELPORT_AFINSTALLER_EXE");
    if (configured == nullptr || *configured == '\0') {
        throw std::runtime_error(
            "VELPORT_AFINSTALLER_EXE is not set: it names the stand-in "
            "AFInstaller.exe");
    }
    return UnixToWindowsPath(configured);
}

// One block of the stand-in installer's log.
struct InstallerRun {
    std::string commandLine;
    std::string parameters;
    std::string workingDirectory;
};

std::vector<InstallerRun> ParseInstallerLog(const std::string& log) {
    std::vector<InstallerRun> runs;
    size_t at = 0;
    while (at < log.size()) {
        size_t end = log.find("\r\n", at);
        if (end == std::string::npos) {
            end = log.size();
        }
        const std::string line = log.substr(at, end - at);
        at = end + 2;
        const auto value = [&](const std::string& key) { return line.substr(key.size()); };
        if (line.rfind("command line: ", 0) == 0) {
            runs.push_back({value("command line: "), "", ""});
        } else if (runs.empty()) {
            continue;
        } else if (line.rfind("parameters: ", 0) == 0) {
            runs.back().parameters = value("parameters: ");
        } else if (line.rfind("working directory: ", 0) == 0) {
            runs.back().workingDirectory = value("working directory: ");
        }
    }
    return runs;
}

// The client rectangle of a control, in its parent's client coordinates.
RECT PlaceIn(HWND control, HWND parent) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

::testing::AssertionResult IsPlaced(HWND control, HWND parent, int left, int top, int width,
                                    int height) {
    const RECT r = PlaceIn(control, parent);
    if (r.left == left && r.top == top && r.right - r.left == width && r.bottom - r.top == height) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "\"" << TextOf(control) << "\" lies at " << r.left << "," << r.top << " size "
           << r.right - r.left << "x" << r.bottom - r.top << ", not " << left << "," << top
           << " size " << width << "x" << height;
}

// The airport dialog of the program under test, seen from outside.
struct AirportDialog {
    HWND window = nullptr;
    HWND ok = nullptr;
    HWND cancel = nullptr;
    HWND all = nullptr;
    HWND list = nullptr;
    HWND prompt = nullptr;

    // Ticks as a text of five '1'/'0', in list order.
    std::string Ticks() const {
        std::string ticks;
        for (int i = 0; i < kAirports; ++i) {
            ticks += SendMessageA(list, LB_GETITEMDATA, i, 0) == 1 ? '1' : '0';
        }
        return ticks;
    }
    bool AllChecked() const { return SendMessageA(all, BM_GETCHECK, 0, 0) == BST_CHECKED; }
    int Selected() const { return static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)); }
    std::string Item(int index) const { return ListItemText(list, index).value_or("<no item>"); }

    // A mouse click in an item's check box, or on its text.
    void ClickItem(int index, bool inCheckBox) const {
        const int height = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
        const int x = inCheckBox ? height / 2 + 1 : 80;
        const int y = index * height + height / 2;
        PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    // The space bar pressed while the list has the focus.
    void PressSpace() const { PressKey(VK_SPACE); }
    // A key pressed while the list has the focus: the program's message loop translates it into
    // its WM_CHAR, as for a keyboard.
    void PressKey(WORD virtualKey) const {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
        PostMessageA(list, WM_KEYDOWN, virtualKey, scan | 1);
        PostMessageA(list, WM_KEYUP, virtualKey, scan | 0xC0000001);
    }
};

class FacilityTest : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        fsFolder_ = sandbox_.Path("FS2002");
        const std::string afd = JoinPath(fsFolder_, "Scenedb\\AFDFILES\\scenery");
        bgl_ = JoinPath(afd, "japanafd.bgl");
        org_ = JoinPath(afd, "japanafd.TNV_ORG");
        bak_ = JoinPath(afd, "japanafd.TNV_BAK");
        log_ = JoinPath(programFolder_, "AFInstaller.log");
        WriteBytes(bgl_, std::string(kOriginalBgl, sizeof kOriginalBgl - 1));
        RegisterFs2002(fsFolder_);
        RegisterAddon(sandbox_.Path("Velport5"));
    }

    void InstallStandIn() {
        CopyFileOver(StandInInstaller(), JoinPath(programFolder_, "AFInstaller.exe"));
    }

    // Starts the program and waits for its idle main window.
    void Start(MainWindow& main, const std::string& workingFolder = "") {
        tool_ = &StartTool(workingFolder);
        ASSERT_TRUE(WaitForMainWindow(*tool_, main));
        ASSERT_TRUE(WaitIdle(main));
    }

    // Presses a command button and waits for the dialog; checks what every showing starts with.
    void OpenDialog(const MainWindow& main, HWND button, const char* prompt, AirportDialog& d) {
        ASSERT_TRUE(Click(button));
        d.window = WaitForTopWindow(tool_->Id(), ui::kAirportCaption);
        ASSERT_NE(d.window, nullptr) << "the airport dialog did not open; open boxes: "
                                     << Describe(OpenMessageBoxes(tool_->Id()));
        d.ok = FindDescendant(d.window, "Button", ui::kOk);
        d.cancel = FindDescendant(d.window, "Button", ui::kCancel);
        d.all = FindDescendant(d.window, "Button", kAllCheck);
        const std::vector<HWND> lists = Descendants(d.window, "ListBox");
        const std::vector<HWND> statics = Descendants(d.window, "Static");
        ASSERT_NE(d.ok, nullptr);
        ASSERT_NE(d.cancel, nullptr);
        ASSERT_NE(d.all, nullptr);
        ASSERT_EQ(lists.size(), 1u);
        ASSERT_EQ(statics.size(), 1u);
        d.list = lists[0];
        d.prompt = statics[0];

        EXPECT_EQ(TextOf(d.prompt), prompt);
        EXPECT_EQ(d.Ticks(), "00000");
        EXPECT_FALSE(d.AllChecked());
        EXPECT_EQ(d.Selected(), -1) << "no item is highlighted";
        EXPECT_FALSE(IsEnabled(main.window)) << "the dialog is modal";
        EXPECT_EQ(main.States(), ControlStates::Busy());
    }

    // Clicks " All Check" and waits for the list to follow.
    void ClickAll(const AirportDialog& d, bool expectChecked) {
        ASSERT_TRUE(Click(d.all));
        ASSERT_TRUE(WaitUntil([&] { return d.AllChecked() == expectChecked; }));
        EXPECT_EQ(d.Ticks(), expectChecked ? "11111" : "00000");
    }

    // Clicks items' check boxes until the ticks are `ticks`.
    void Tick(const AirportDialog& d, const std::string& ticks) {
        for (int i = 0; i < kAirports; ++i) {
            if (d.Ticks()[i] != ticks[i]) {
                d.ClickItem(i, true);
                ASSERT_TRUE(WaitUntil([&] { return d.Ticks()[i] == ticks[i]; }))
                    << "item " << i << " did not toggle; ticks " << d.Ticks();
            }
        }
    }

    // Ends the showing with OK, Cancel or the close box and waits for the dialog to go.
    void End(const AirportDialog& d, HWND button) {
        if (button == nullptr) {
            PressCloseBox(d.window);
        } else {
            ASSERT_TRUE(Click(button));
        }
        ASSERT_TRUE(WaitUntil([&] { return !IsVisible(d.window); }));
    }

    std::vector<InstallerRun> InstallerRuns() const {
        const std::optional<std::string> log = ReadBytes(log_);
        return log ? ParseInstallerLog(*log) : std::vector<InstallerRun>{};
    }

    // Waits for the stand-in installer to have logged `count` runs.
    ::testing::AssertionResult WaitForInstallerRuns(size_t count) const {
        if (WaitUntil([&] { return InstallerRuns().size() >= count; })) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure()
               << "the installer logged " << InstallerRuns().size() << " runs, not " << count;
    }

    Process* tool_ = nullptr;
    std::string fsFolder_;
    std::string bgl_;
    std::string org_;
    std::string bak_;
    std::string log_;
};

// Caption, layout, prompt and the state every showing starts with, for both commands, after
// showings that ended with OK, Cancel and the close box and left items ticked and selected.
TEST_F(FacilityTest, DialogStartsTheSameAtEveryShowing) {
    InstallStandIn();
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));

    AirportDialog d;
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));
    EXPECT_EQ(ClassOf(d.window), "TForm2");
    for (int i = 0; i < kAirports; ++i) {
        EXPECT_EQ(d.Item(i), kItems[i]);
    }
    EXPECT_EQ(SendMessageA(d.list, LB_GETCOUNT, 0, 0), kAirports);
    EXPECT_FALSE(GetWindowLongPtrA(d.window, GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // The layout is drawn for 96 dots per inch and follows the screen's.
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    const auto s = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    RECT client;
    GetClientRect(d.window, &client);
    EXPECT_EQ(client.right, s(313));
    EXPECT_EQ(client.bottom, s(214));
    EXPECT_TRUE(IsPlaced(d.list, d.window, s(16), s(16), s(185), s(137)));
    EXPECT_TRUE(IsPlaced(d.ok, d.window, s(216), s(16), s(81), s(33)));
    EXPECT_TRUE(IsPlaced(d.cancel, d.window, s(216), s(64), s(81), s(33)));
    EXPECT_TRUE(IsPlaced(d.all, d.window, s(216), s(120), s(81), s(17)));
    EXPECT_TRUE(IsPlaced(d.prompt, d.window, s(16), s(168), s(281), s(33)));
    EXPECT_EQ(SendMessageA(d.list, LB_GETITEMHEIGHT, 0, 0), s(12));
    // Centred on the screen.
    RECT frame;
    GetWindowRect(d.window, &frame);
    EXPECT_NEAR((frame.left + frame.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((frame.top + frame.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);

    // All ticked, an item selected, OK, and No to the question.
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));
    d.ClickItem(2, false);
    ASSERT_TRUE(WaitUntil([&] { return d.Selected() == 2; }));
    ASSERT_NO_FATAL_FAILURE(End(d, d.ok));
    ASSERT_TRUE(AnswerBox(*tool_, "Question", kRegisterQuestion, IDNO));
    ASSERT_TRUE(WaitIdle(main));

    // Restore: the same dialog starts cleared; two ticked, then Cancel.
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdRes, kRestorePrompt, d));
    ASSERT_NO_FATAL_FAILURE(Tick(d, "01010"));
    ASSERT_NO_FATAL_FAILURE(End(d, d.cancel));
    ASSERT_TRUE(WaitIdle(main));

    // Register again: cleared again; all ticked, then the close box.
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));
    ASSERT_NO_FATAL_FAILURE(End(d, nullptr));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(IsEnabled(main.window));

    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdRes, kRestorePrompt, d));
    ASSERT_NO_FATAL_FAILURE(End(d, d.cancel));
    ASSERT_TRUE(WaitIdle(main));

    // Nothing of it changed a file or started the installer.
    EXPECT_TRUE(NoMessageBox(*tool_));
    EXPECT_TRUE(NoFile(org_));
    EXPECT_TRUE(NoFile(bak_));
    EXPECT_TRUE(NoFile(log_));
}

// " All Check" and the list follow each other through their click events; the space bar
// toggles an item without one, and a click on an item's text only selects it.
TEST_F(FacilityTest, AllCheckAndListFollowEachOther) {
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    AirportDialog d;
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));

    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, false));
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));

    // Unticking one item unchecks " All Check" and leaves the other four ticked.
    d.ClickItem(2, true);
    ASSERT_TRUE(WaitUntil([&] { return !d.AllChecked(); }));
    EXPECT_EQ(d.Ticks(), "11011");
    EXPECT_EQ(d.Selected(), 2);

    // Ticking the last unticked item checks it and changes no item.
    d.ClickItem(2, true);
    ASSERT_TRUE(WaitUntil([&] { return d.AllChecked(); }));
    EXPECT_EQ(d.Ticks(), "11111");

    // A click on the text selects the item and toggles nothing.
    d.ClickItem(4, false);
    ASSERT_TRUE(WaitUntil([&] { return d.Selected() == 4; }));
    EXPECT_EQ(d.Ticks(), "11111");
    EXPECT_TRUE(d.AllChecked());

    // The space bar unticks the selected item without the click event: " All Check" stays
    // until the next click in the list.
    d.PressSpace();
    ASSERT_TRUE(WaitUntil([&] { return d.Ticks() == "11110"; }));
    EXPECT_TRUE(d.AllChecked());
    d.ClickItem(0, false);
    ASSERT_TRUE(WaitUntil([&] { return !d.AllChecked(); }));
    EXPECT_EQ(d.Ticks(), "11110");

    // Unticking " All Check" from a partial state unticks all; ticking items one by one checks
    // it with the fifth.
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, false));
    for (int i = 0; i < kAirports; ++i) {
        d.ClickItem(i, true);
        ASSERT_TRUE(WaitUntil([&] { return d.Ticks()[i] == '1'; }));
        EXPECT_EQ(d.AllChecked(), i == kAirports - 1) << "after item " << i;
    }

    ASSERT_NO_FATAL_FAILURE(End(d, d.cancel));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(NoMessageBox(*tool_));
}

// Every change of the selection by the keyboard raises the list's click event, by a letter key
// as by an arrow key; the space bar toggles without it. The event shows in " All Check", which
// the click brings up to date.
TEST_F(FacilityTest, KeyboardSelectionRaisesTheClickEvent) {
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    AirportDialog d;
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));
    d.ClickItem(0, false);
    ASSERT_TRUE(WaitUntil([&] { return d.Selected() == 0; }));

    struct Move {
        const char* key;
        WORD virtualKey;
        int selected;  // the item the key selects
    };
    // "R" moves to the next item that starts with it, "RJBD - Nanki-Shirahama".
    const Move moves[] = {{"R", 'R', 1}, {"Down", VK_DOWN, 2}, {"End", VK_END, 4}};
    for (const Move& move : moves) {
        SCOPED_TRACE(move.key);
        // The space bar unticks the selected item and leaves " All Check" checked.
        const int before = d.Selected();
        d.PressSpace();
        ASSERT_TRUE(WaitUntil([&] { return d.Ticks()[before] == '0'; }));
        EXPECT_TRUE(d.AllChecked());

        d.PressKey(move.virtualKey);
        ASSERT_TRUE(WaitUntil([&] { return d.Selected() == move.selected; }));
        EXPECT_TRUE(WaitUntil([&] { return !d.AllChecked(); }))
            << "the selection moved without the click event";

        // Ticked again by its check box (a click), all five are ticked and " All Check" follows.
        d.ClickItem(before, true);
        ASSERT_TRUE(WaitUntil([&] { return d.AllChecked(); }));
        EXPECT_EQ(d.Ticks(), "11111");
        d.ClickItem(move.selected, false);
        ASSERT_TRUE(WaitUntil([&] { return d.Selected() == move.selected; }));
    }

    ASSERT_NO_FATAL_FAILURE(End(d, d.cancel));
    ASSERT_TRUE(WaitIdle(main));
}

// Register with all five airports, then restore with two: the installer is started from the
// program's folder with the ticked airports' files, japanafd.TNV_ORG is made once and
// japanafd.TNV_BAK every time. The program is started from another folder.
TEST_F(FacilityTest, RegisterAllFiveThenRestoreTwo) {
    InstallStandIn();
    const std::string elsewhere = sandbox_.Path("Elsewhere");
    MakeFolders(elsewhere);
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main, elsewhere));

    AirportDialog d;
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));
    ASSERT_NO_FATAL_FAILURE(ClickAll(d, true));
    ASSERT_NO_FATAL_FAILURE(End(d, d.ok));
    ASSERT_TRUE(AnswerBox(*tool_, "Question", kRegisterQuestion, IDYES));
    ASSERT_TRUE(AnswerBox(*tool_, "Completed", kRegisterDone, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    ASSERT_TRUE(WaitForInstallerRuns(1));

    const std::string installer = JoinPath(programFolder_, "AFInstaller.exe");
    std::vector<InstallerRun> runs = InstallerRuns();
    EXPECT_EQ(runs[0].parameters,
              "New\\AFCAD1_RJBB.TXT New\\AFCAD1_RJBD.TXT New\\AFCAD1_RJBT.TXT "
              "New\\AFCAD1_RJOK.TXT New\\AFCAD1_RJBH.TXT");
    EXPECT_EQ(runs[0].workingDirectory, programFolder_);
    EXPECT_TRUE(runs[0].commandLine == "\"" + installer + "\" " + runs[0].parameters ||
                runs[0].commandLine == installer + " " + runs[0].parameters)
        << runs[0].commandLine;
    const std::string original(kOriginalBgl, sizeof kOriginalBgl - 1);
    EXPECT_TRUE(FileHolds(org_, original));
    EXPECT_TRUE(FileHolds(bak_, original));
    EXPECT_TRUE(FileHolds(bgl_, original)) << "the program itself never writes japanafd.bgl";

    // What the real installer would have done.
    const std::string registered = "japanafd.bgl with the add-on's airports";
    WriteBytes(bgl_, registered);

    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdRes, kRestorePrompt, d));
    ASSERT_NO_FATAL_FAILURE(Tick(d, "01010"));
    EXPECT_FALSE(d.AllChecked());
    ASSERT_NO_FATAL_FAILURE(End(d, d.ok));
    ASSERT_TRUE(AnswerBox(*tool_, "Question", kRestoreQuestion, IDYES));
    ASSERT_TRUE(AnswerBox(*tool_, "Completed", kRestoreDone, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    ASSERT_TRUE(WaitForInstallerRuns(2));

    runs = InstallerRuns();
    EXPECT_EQ(runs[1].parameters, "Org\\RJBD.TXT Org\\RJOK.TXT");
    EXPECT_EQ(runs[1].workingDirectory, programFolder_);
    EXPECT_TRUE(FileHolds(org_, original)) << "the first backup is never replaced";
    EXPECT_TRUE(FileHolds(bak_, registered)) << "the latest backup is the file before restore";
    EXPECT_TRUE(NoMessageBox(*tool_));
}

// OK with nothing ticked still asks; after Yes the warning, and nothing is touched.
TEST_F(FacilityTest, NothingTickedWarnsAndTouchesNothing) {
    InstallStandIn();
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    AirportDialog d;
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));
    ASSERT_NO_FATAL_FAILURE(End(d, d.ok));
    ASSERT_TRUE(AnswerBox(*tool_, "Question", kRegisterQuestion, IDYES));
    ASSERT_TRUE(AnswerBox(*tool_, "Warning", kRegisterNothing, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(NoFile(org_));
    EXPECT_TRUE(NoFile(bak_));
    EXPECT_TRUE(NoFile(log_));
}

// Without AFInstaller.exe in the program's folder the command reports the start error: an
// AFInstaller.exe elsewhere on the search path is not run.
TEST_F(FacilityTest, InstallerOnlyFromTheProgramFolder) {
    const std::string decoyFolder = "C:\\windows";
    CopyFileOver(StandInInstaller(), JoinPath(decoyFolder, "AFInstaller.exe"));
    MainWindow main;
    ASSERT_NO_FATAL_FAILURE(Start(main));
    AirportDialog d;
    ASSERT_NO_FATAL_FAILURE(OpenDialog(main, main.afdAdd, kRegisterPrompt, d));
    ASSERT_NO_FATAL_FAILURE(Tick(d, "10000"));
    ASSERT_NO_FATAL_FAILURE(End(d, d.ok));
    ASSERT_TRUE(AnswerBox(*tool_, "Question", kRegisterQuestion, IDYES));
    ASSERT_TRUE(AnswerBox(*tool_, "Error", kRegisterStartError, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    // The backups were made before the start.
    const std::string original(kOriginalBgl, sizeof kOriginalBgl - 1);
    EXPECT_TRUE(FileHolds(org_, original));
    EXPECT_TRUE(FileHolds(bak_, original));
    // A start through the search path would have succeeded and shown the completion instead.
    EXPECT_TRUE(NoFile(JoinPath(decoyFolder, "AFInstaller.log")));
}

}  // namespace
}  // namespace e2e
