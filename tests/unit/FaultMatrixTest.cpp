// Every file call of the register and delete commands, failed in turn in every way it can fail.
//
// A clean run of each scenario records the calls and what scenery.cfg held after each save.
// Each faulty run starts from scratch with one call failing. Whatever fails, the command must
// end with an error box and no completion message, scenery.cfg must hold exactly what the clean
// run had saved before that call (its bytes from before the command when nothing was saved
// yet), and no temporary file may be left behind.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SceneryCommandFixture.h"
#include "scenery/EditorMessages.h"

namespace scenery_test {
namespace {

using fake::FileOp;
namespace error = platform::error;
namespace attr = platform::attr;

// Notes what scenery.cfg holds after each save that put a new file in its place.
class SaveRecordingFake : public fake::FakePlatform {
  public:
    struct Save {
        std::size_t call;  // index in calls()
        std::string bytes;
    };
    platform::OsResult ReplaceFile(const std::string& target,
                                   const std::string& replacement) override {
        const platform::OsResult result = FakePlatform::ReplaceFile(target, replacement);
        if (result.ok() && target == kCfg)
            saves.push_back({calls().size() - 1, Bytes(kCfg)});
        return result;
    }
    std::vector<Save> saves;
};

struct Scenario {
    const char* name;
    std::string cfg;
    uint32_t cfgAttributes;
    std::vector<int> sceneryRows;
    std::vector<int> answers;  // after the command's own question
    bool deleteCommand;
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

const Scenario kScenarios[] = {
    // Removes row 1 (its scenery is gone) and adds rows 2 and 3: three saves.
    {"Register",
     StockConfig() + Area(4, RowLocal(0), 4) + Area(5, RowLocal(1), 5),
     attr::kArchive,
     {0, 2, 3},
     {},
     false},
    {"RegisterReadOnly",
     StockConfig() + Area(4, RowLocal(1), 4),
     attr::kReadOnly,
     {5},
     {mb::kIdYes},
     false},
    // Removes rows 0, 2 and 5: three saves.
    {"Delete",
     StockConfig() + Area(4, RowLocal(0), 4) + Area(5, "Other", 5) + Area(6, RowLocal(2), 6) +
         Area(7, RowLocal(5), 7),
     attr::kArchive,
     {0, 2, 5},
     {},
     true},
    {"DeleteReadOnly",
     StockConfig() + Area(4, RowLocal(7), 4),
     attr::kReadOnly,
     {},
     {mb::kIdYes},
     true},
};

void RunScenario(const Scenario& s, fake::FakePlatform& fs) {
    scenery::SceneryState state;
    fs.AddFile(kCfg, s.cfg, s.cfgAttributes);
    for (const int row : s.sceneryRows) {
        fs.AddFile(kAddon + "\\" + RowLocal(row) + "\\Scenery\\a.bgl", "");
    }
    fs.AnswerYes();
    for (const int answer : s.answers)
        fs.Answer({answer});
    if (s.deleteCommand) {
        scenery::RunDeleteScenery(fs, state, kFs, kAddon);
    } else {
        scenery::RunRegisterScenery(fs, state, kFs, kAddon);
    }
}

// The ways a call of each kind fails: held open by another program, access denied (also a copy
// destination that cannot be written), disk full part-way through a write or a copy.
std::vector<uint32_t> WaysToFail(FileOp op) {
    switch (op) {
        case FileOp::Write:
        case FileOp::Copy:
            return {error::kSharingViolation, error::kAccessDenied, error::kDiskFull};
        case FileOp::Read:
        case FileOp::Replace:
            return {error::kSharingViolation, error::kAccessDenied};
        case FileOp::SetAttributes:
            return {error::kAccessDenied};
        case FileOp::Delete:
            break;
    }
    return {};
}

bool HasTemporaryFile(const fake::FakePlatform& fs) {
    for (const std::string& file : fs.Files()) {
        if (file.find(".TNV_TMP") != std::string::npos)
            return true;
    }
    return false;
}

class FaultMatrixTest : public ::testing::TestWithParam<Scenario> {};

TEST_P(FaultMatrixTest, EveryFailedCallStopsWithAnErrorAndAWholeFile) {
    const Scenario& s = GetParam();
    SaveRecordingFake clean;
    RunScenario(s, clean);
    const std::vector<fake::FileCall> calls = clean.calls();
    ASSERT_EQ(clean.transcript().back().caption, "Completed");
    ASSERT_GE(clean.saves.size(), 1u);
    ASSERT_NE(clean.Bytes(kCfg), s.cfg);

    for (std::size_t k = 0; k < calls.size(); ++k) {
        // A save moves its temporary file into place, so a successful run deletes nothing;
        // a failed removal of a temporary file could not be an error of the command.
        ASSERT_NE(calls[k].op, FileOp::Delete) << calls[k].path;
        ASSERT_FALSE(WaysToFail(calls[k].op).empty());

        // What the clean run had saved before call k.
        std::string expected = s.cfg;
        for (const SaveRecordingFake::Save& save : clean.saves) {
            if (save.call < k)
                expected = save.bytes;
        }
        for (const uint32_t code : WaysToFail(calls[k].op)) {
            SCOPED_TRACE(std::string(fake::ToString(calls[k].op)) + " " + calls[k].path +
                         " (call " + std::to_string(k) + ") fails with " + std::to_string(code));
            fake::FakePlatform fs;
            fs.FailCallAt(k, code);
            RunScenario(s, fs);

            ASSERT_GT(fs.calls().size(), k);
            EXPECT_EQ(fs.calls()[k].op, calls[k].op);
            ASSERT_FALSE(fs.transcript().empty());
            const fake::MessageBox& last = fs.transcript().back();
            EXPECT_EQ(last.caption, "Error");
            EXPECT_EQ(last.icon(), mb::kIconError);
            EXPECT_NE(last.text.find(scenery::ReasonText(code)), std::string::npos) << last.text;
            for (const fake::MessageBox& box : fs.transcript()) {
                EXPECT_NE(box.caption, "Completed");
            }
            EXPECT_EQ(fs.Bytes(kCfg), expected);
            EXPECT_FALSE(HasTemporaryFile(fs));
            // Nothing is done after the failure but clearing away a temporary file.
            for (std::size_t after = k + 1; after < fs.calls().size(); ++after) {
                EXPECT_EQ(fs.calls()[after].op, FileOp::Delete) << fs.calls()[after].path;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, FaultMatrixTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace scenery_test
