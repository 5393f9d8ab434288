#include "ToolTest.h"

#include "driver/Files.h"
#include "driver/Registry.h"
#include "driver/Wait.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

// A few bytes around `at`, with line ends made visible.
std::string Excerpt(const std::string& bytes, size_t at) {
    size_t from = at < 40 ? 0 : at - 40;
    std::string shown;
    for (char c : bytes.substr(from, 80)) {
        shown += c == '\r'   ? std::string("\\r")
                 : c == '\n' ? std::string("\\n")
                             : std::string(1, c);
    }
    return "\"" + shown + "\"";
}

}  // namespace

::testing::AssertionResult FileHolds(const std::string& path, const std::string& expected) {
    std::optional<std::string> actual = ReadBytes(path);
    if (!actual) {
        return ::testing::AssertionFailure() << path << " does not exist";
    }
    if (*actual == expected) {
        return ::testing::AssertionSuccess();
    }
    size_t at = 0;
    while (at < actual->size() && at < expected.size() && (*actual)[at] == expected[at]) {
        ++at;
    }
    return ::testing::AssertionFailure()
           << path << " differs at byte " << at << " (" << actual->size() << " bytes, expected "
           << expected.size() << ")\n  found:    " << Excerpt(*actual, at)
           << "\n  expected: " << Excerpt(expected, at);
}

::testing::AssertionResult NoFile(const std::string& path) {
    if (Attributes(path)) {
        return ::testing::AssertionFailure() << path << " exists";
    }
    return ::testing::AssertionSuccess();
}

ToolTest::ToolTest() : programFolder_(sandbox_.Path("Program")) {}

void ToolTest::SetUp() {
    // Rows of a parameterised test share one prefix: start each from no keys at all.
    for (const char* key : {keys::kFs2002, keys::kAddon, keys::kVolume6, keys::kVolume8}) {
        DeleteKeyTree(key);
    }
    exe_ = InstallTool(programFolder_);
}

void ToolTest::TearDown() {
    for (Process& process : processes_) {
        process.Terminate();
    }
}

void ToolTest::RegisterFs2002(const std::string& folder) {
    SetString(keys::kFs2002, keys::kFs2002Value, folder);
}

void ToolTest::RegisterAddon(const std::string& folder) {
    SetString(keys::kAddon, keys::kAddonValue, folder);
}

Process& ToolTest::StartTool(const std::string& workingFolder) {
    processes_.push_back(
        Process::Start(exe_, workingFolder.empty() ? programFolder_ : workingFolder));
    return processes_.back();
}

::testing::AssertionResult ToolTest::WaitForMainWindow(const Process& process, MainWindow& main) {
    HWND window = WaitForTopWindow(process.Id(), ui::kMainCaption);
    if (window == nullptr) {
        return ::testing::AssertionFailure()
               << "no main window appeared; open boxes: "
               << Describe(OpenMessageBoxes(process.Id()))
               << (process.Running() ? "" : "; the process has ended");
    }
    std::string error;
    if (!MainWindow::Find(window, main, error)) {
        return ::testing::AssertionFailure() << error;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ToolTest::AnswerBox(const Process& process, const std::string& caption,
                                               const std::string& text, int button) {
    std::optional<MessageBoxView> box = WaitForMessageBox(process.Id(), caption);
    if (!box) {
        return ::testing::AssertionFailure()
               << "no box [" << caption << "] \"" << text
               << "\" appeared; open: " << Describe(OpenMessageBoxes(process.Id()));
    }
    if (box->text != text) {
        return ::testing::AssertionFailure() << "expected the box [" << caption << "] \"" << text
                                             << "\", found " << Describe(*box);
    }
    return Answer(*box, button);
}

::testing::AssertionResult ToolTest::WaitIdle(const MainWindow& main) {
    return WaitStates(main, ControlStates::Idle(!main.EditText().empty()));
}

::testing::AssertionResult ToolTest::WaitStates(const MainWindow& main,
                                                const ControlStates& expected) {
    if (!WaitUntil([&] { return main.States() == expected; })) {
        return ::testing::AssertionFailure()
               << "the controls show " << main.States() << ", not " << expected;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ToolTest::NoMessageBox(const Process& process) {
    std::vector<MessageBoxView> boxes = OpenMessageBoxes(process.Id());
    if (!boxes.empty()) {
        return ::testing::AssertionFailure() << "unexpected: " << Describe(boxes);
    }
    return ::testing::AssertionSuccess();
}

}  // namespace e2e
