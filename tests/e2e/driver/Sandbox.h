// Where a test case puts the program and its data: a fresh folder below C:\e2e named after the
// running test, and a copy of the program under test in a program folder of the case's choice.
#pragma once

#include <string>

namespace e2e {

class Sandbox {
  public:
    // Creates C:\e2e\<suite>.<test> (a numbered name when that exists already, as it does for the
    // rows of a parameterised test that share one prefix).
    Sandbox();
    const std::string& Root() const { return root_; }
    // `relative` below the root; "" is the root itself.
    std::string Path(const std::string& relative) const;

  private:
    std::string root_;
};

// The program under test, from the environment variable VELPORT_TOOL_EXE (a Unix path, or a
// Windows one). Throws std::runtime_error when it is not set or names no file.
std::string ToolExecutable();

// Copies the program under test into `folder` as Velport5Tool.exe and returns the copy's path.
std::string InstallTool(const std::string& folder);

}  // namespace e2e
