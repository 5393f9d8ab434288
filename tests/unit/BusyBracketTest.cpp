// The one busy bracket of the main window's commands.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "shell/BusyBracket.h"

namespace {

class LoggingBusy : public shell::BusyState {
  public:
    explicit LoggingBusy(std::vector<std::string>& log) : log_(log) {}
    void ToggleProcessing() override { log_.push_back("toggle"); }

  private:
    std::vector<std::string>& log_;
};

// What the command does, and what the error box does when it is shown.
enum class Outcome { Returns, ThrowsStd, ThrowsOther, ThrowsAndBoxFails };

struct BracketCase {
    const char* name;
    Outcome outcome;
    std::vector<std::string> log;
};

class BusyBracketTest : public ::testing::TestWithParam<BracketCase> {};

TEST_P(BusyBracketTest, TogglesFirstAndLastOnEveryPath) {
    const BracketCase& c = GetParam();
    std::vector<std::string> log;
    LoggingBusy busy(log);
    const auto command = [&] {
        log.push_back("command");
        switch (c.outcome) {
            case Outcome::Returns:
                return;
            case Outcome::ThrowsStd:
            case Outcome::ThrowsAndBoxFails:
                throw std::runtime_error("disk gone");
            case Outcome::ThrowsOther:
                throw 42;
        }
    };
    // Shows the exception being handled, as the application's error box does.
    const auto showError = [&] {
        try {
            throw;
        } catch (const std::exception& e) {
            log.push_back(std::string("error box: ") + e.what());
        } catch (...) {
            log.push_back("error box: unknown");
        }
        if (c.outcome == Outcome::ThrowsAndBoxFails)
            throw std::runtime_error("no box");
    };
    EXPECT_NO_THROW(shell::RunBusy(busy, command, showError));
    EXPECT_EQ(log, c.log);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, BusyBracketTest,
    ::testing::Values(BracketCase{"Returns", Outcome::Returns, {"toggle", "command", "toggle"}},
                      // The error box is shown while the program is still busy.
                      BracketCase{"ThrowsStd",
                                  Outcome::ThrowsStd,
                                  {"toggle", "command", "error box: disk gone", "toggle"}},
                      BracketCase{"ThrowsOther",
                                  Outcome::ThrowsOther,
                                  {"toggle", "command", "error box: unknown", "toggle"}},
                      BracketCase{"ErrorBoxFails",
                                  Outcome::ThrowsAndBoxFails,
                                  {"toggle", "command", "error box: disk gone", "toggle"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
