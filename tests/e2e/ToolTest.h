// The fixture of the end-to-end tests: a fresh sandbox with the program installed in its program
// folder, the program's registry keys cleared, and helpers that start the program and follow
// its windows and message boxes. Every process a test starts is ended when the test ends.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "driver/MainWindow.h"
#include "driver/MessageBoxes.h"
#include "driver/Process.h"
#include "driver/Sandbox.h"

namespace e2e {

// The registry keys that the program reads, below HKEY_LOCAL_MACHINE (32-bit view).
namespace keys {
inline constexpr char kFs2002[] = "Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0";
inline constexpr char kFs2002Value[] = "EXE Path";
inline constexpr char kAddon[] = "Software\\Tenvari\\Velport5";
inline constexpr char kAddonValue[] = "Path";
inline constexpr char kVolume6[] = "Software\\Tenvari\\Velport6";
inline constexpr char kVolume8[] = "Software\\Tenvari\\Velport8";
}  // namespace keys

// Message texts of the program that the tests expect to the letter.
namespace texts {
inline constexpr char kAddonMissing[] =
    "Installation place of the add-on software dose not found.\nThe process will be stopped.";
inline constexpr char kSecondInstance[] = "It cannot run plural programs on same time.";
inline constexpr char kBusy[] = "You can't finish the program because under processing.";
inline constexpr char kRegisterQuestion[] = "May I register the scenery library?";
inline constexpr char kRegisterDone[] = "Registering the scerery library was completed.";
inline constexpr char kDeleteQuestion[] = "May I delete the scenery from your scenery library?";
inline constexpr char kDeleteDone[] = "Deletion from the scenery library was completed.";
inline constexpr char kKeepQuestion[] =
    "Do you save the scenery area \"Tenvari - Kansai Coast for FS2002\"?\n(If you keep using "
    "\"Velport vol.6 or vol.8\",you have to choose \"Yes\".)";
inline constexpr char kReadOnlyQuestionHead[] = "This is read only file.May I update?\n";
inline constexpr char kStopped[] = "The process will be stopped.";
}  // namespace texts

// The file exists and holds exactly `expected`; a failure shows where the bytes first differ.
::testing::AssertionResult FileHolds(const std::string& path, const std::string& expected);
// No file of that name exists.
::testing::AssertionResult NoFile(const std::string& path);

class ToolTest : public ::testing::Test {
  protected:
    ToolTest();
    void SetUp() override;
    void TearDown() override;

    // "EXE Path" of the FS2002 key and "Path" of the add-on key, as REG_SZ values.
    void RegisterFs2002(const std::string& folder);
    void RegisterAddon(const std::string& folder);

    // Starts the installed program with `workingFolder` as its working directory (the program
    // folder when empty). The process lives until the test ends.
    Process& StartTool(const std::string& workingFolder = "");

    // Waits for the visible main window of the process and finds its controls.
    ::testing::AssertionResult WaitForMainWindow(const Process& process, MainWindow& main);

    // Waits for a message box with this caption and exact text, then presses `button` in it.
    ::testing::AssertionResult AnswerBox(const Process& process, const std::string& caption,
                                         const std::string& text, int button);

    // Waits until the eight controls show the idle state for the edit box's current text.
    ::testing::AssertionResult WaitIdle(const MainWindow& main);
    // Waits until the eight controls show `expected`.
    ::testing::AssertionResult WaitStates(const MainWindow& main, const ControlStates& expected);

    // No message box of the process is open.
    ::testing::AssertionResult NoMessageBox(const Process& process);

    Sandbox sandbox_;
    std::string programFolder_;
    std::string exe_;

  private:
    std::deque<Process> processes_;
};

// The program with FS2002 registered at C:\FS2002 and the add-on in the sandbox: every window
// opens, and commands find no scenery.cfg until a test makes one.
class InstalledToolTest : public ToolTest {
  protected:
    void SetUp() override {
        ToolTest::SetUp();
        RegisterFs2002("C:\\FS2002");
        RegisterAddon(sandbox_.Path("Velport5"));
    }
};

}  // namespace e2e
