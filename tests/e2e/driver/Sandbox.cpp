#include "driver/Sandbox.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

#include "driver/Files.h"
#include "driver/Text.h"

namespace e2e {
namespace {

std::string RunningTestName() {
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info == nullptr ? std::string("outside-test")
                                       : std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/' || c == '\\' || c == ':') {
            c = '_';
        }
    }
    return name;
}

}  // namespace

Sandbox::Sandbox() {
    const std::string base = "C:\\e2e\\" + RunningTestName();
    root_ = base;
    for (int n = 2; Attributes(root_).has_value(); ++n) {
        root_ = base + "." + std::to_string(n);
    }
    MakeFolders(root_);
}

std::string Sandbox::Path(const std::string& relative) const {
    return relative.empty() ? root_ : JoinPath(root_, relative);
}

std::string ToolExecutable() {
    const char* configured = std::getenv("VELPORT_TOOL_EXE");
    if (configured == nullptr || *configured == '\0') {
        throw std::runtime_error(
            "VELPORT_TOOL_EXE is not set: it names the Velport5Tool.exe to test");
    }
    std::string exe = UnixToWindowsPath(configured);
    if (!FileExists(exe)) {
        throw std::runtime_error("VELPORT_TOOL_EXE names no file: " + exe);
    }
    return exe;
}

std::string InstallTool(const std::string& folder) {
    std::string target = JoinPath(folder, "Velport5Tool.exe");
    CopyFileOver(ToolExecutable(), target);
    return target;
}

}  // namespace e2e
