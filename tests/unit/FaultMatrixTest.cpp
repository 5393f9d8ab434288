// Every file call of the register and delete commands, failed in turn in every way it can fail,
// in a plain folder and in one that Windows virtualizes (FS2002 below Program Files).
//
// A clean run of each scenario records the calls and what scenery.cfg held after each save.
// Each faulty run starts from scratch with one call failing:
// - held briefly by another program: the command waits it out and ends as the clean run did;
// - failing for good: the command ends with an error box naming the reason and no completion
//   message, within about three seconds; scenery.cfg holds exactly what the clean run had saved
//   before that call, an older backup is kept or replaced by a complete copy, and no temporary
//   file is left. A failed clean-up, and a replace that Windows refuses or half-finishes, are
//   not errors of the command: it ends as the clean run did.
// In a virtualized folder the real files are never changed.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "SceneryCommandFixture.h"
#include "scenery/EditorMessages.h"

namespace scenery_test {
namespace {

using fake::FileOp;
namespace error = platform::error;
namespace attr = platform::attr;

constexpr uint32_t kIoDevice = 1117;  // ERROR_IO_DEVICE
const std::string kOld = "C:\\FS2002\\scenery.TNV_OLD";

// Notes what scenery.cfg holds after each completed save: a replace or a rename that put a new
// file in its place, or the flush that ends an in-place write.
class SaveRecordingFake : public fake::FakePlatform {
  public:
    struct Save {
        std::size_t call;  // index in calls()
        std::string bytes;
    };
    platform::OsResult ReplaceFile(const std::string& target, const std::string& replacement,
                                   const std::string& backup) override {
        return Note(FakePlatform::ReplaceFile(target, replacement, backup), target);
    }
    platform::OsResult MoveFile(const std::string& from, const std::string& to,
                                bool replaceExisting) override {
        return Note(FakePlatform::MoveFile(from, to, replaceExisting), to);
    }
    platform::OsResult OpenForWriting(const std::string& path,
                                      std::unique_ptr<platform::WritableFile>& file) override {
        const platform::OsResult opened = FakePlatform::OpenForWriting(path, file);
        if (opened.ok() && path == kCfg)
            file = std::make_unique<Recorder>(*this, std::move(file));
        return opened;
    }

    std::vector<Save> saves;

  private:
    class Recorder : public platform::WritableFile {
      public:
        Recorder(SaveRecordingFake& fs, std::unique_ptr<platform::WritableFile> inner)
            : fs_(fs), inner_(std::move(inner)) {}
        platform::OsResult SetSize(uint64_t size) override { return inner_->SetSize(size); }
        platform::OsResult WriteFromStart(const std::string& bytes) override {
            return inner_->WriteFromStart(bytes);
        }
        platform::OsResult Flush() override { return fs_.Note(inner_->Flush(), kCfg); }

      private:
        SaveRecordingFake& fs_;
        std::unique_ptr<platform::WritableFile> inner_;
    };

    platform::OsResult Note(platform::OsResult result, const std::string& path) {
        if (result.ok() && path == kCfg)
            saves.push_back({calls().size() - 1, Bytes(kCfg)});
        return result;
    }
};

struct Scenario {
    std::string name;
    std::string cfg;
    uint32_t cfgAttributes;
    std::vector<int> sceneryRows;
    std::vector<int> answers;  // after the command's own question
    bool deleteCommand;
    std::string oldBackup;  // scenery.TNV_BAK of an earlier run; none when empty
    bool virtualized;
};

void PrintTo(const Scenario& s, std::ostream* os) {
    *os << s.name;
}

const std::string kRegisterCfg = StockConfig() + Area(4, RowLocal(0), 4) + Area(5, RowLocal(1), 5);
const std::string kDeleteCfg = StockConfig() + Area(4, RowLocal(0), 4) + Area(5, "Other", 5) +
                               Area(6, RowLocal(2), 6) + Area(7, RowLocal(5), 7);
const std::string kEarlierBackup = StockConfig();

std::vector<Scenario> Scenarios() {
    const std::vector<Scenario> plain = {
        // Removes row 1 (its scenery is gone) and adds rows 2 and 3: three saves.
        {"Register", kRegisterCfg, attr::kArchive, {0, 2, 3}, {}, false, {}, false},
        {"RegisterOverAnEarlierBackup",
         kRegisterCfg,
         attr::kArchive,
         {0, 2, 3},
         {},
         false,
         kEarlierBackup,
         false},
        {"RegisterReadOnly",
         StockConfig() + Area(4, RowLocal(1), 4),
         attr::kReadOnly,
         {5},
         {mb::kIdYes},
         false,
         {},
         false},
        // Removes rows 0, 2 and 5: three saves.
        {"Delete", kDeleteCfg, attr::kArchive, {0, 2, 5}, {}, true, {}, false},
        {"DeleteReadOnly",
         StockConfig() + Area(4, RowLocal(7), 4),
         attr::kReadOnly,
         {},
         {mb::kIdYes},
         true,
         kEarlierBackup,
         false},
    };
    std::vector<Scenario> all = plain;
    for (Scenario s : plain) {
        s.name += "Virtualized";
        s.virtualized = true;
        all.push_back(s);
    }
    return all;
}

void RunScenario(const Scenario& s, fake::FakePlatform& fs) {
    scenery::SceneryState state;
    fs.AddFile(kCfg, s.cfg, s.cfgAttributes);
    if (!s.oldBackup.empty())
        fs.AddFile(kBak, s.oldBackup);
    for (const int row : s.sceneryRows) {
        fs.AddFile(kAddon + "\\" + RowLocal(row) + "\\Scenery\\a.bgl", "");
    }
    if (s.virtualized)
        fs.Virtualize(kFs);
    fs.AnswerYes();
    for (const int answer : s.answers)
        fs.Answer({answer});
    if (s.deleteCommand) {
        scenery::RunDeleteScenery(fs, state, kFs, kAddon);
    } else {
        scenery::RunRegisterScenery(fs, state, kFs, kAddon);
    }
}

// The ways a call of each kind fails for good: held by another program, access denied, disk
// full (part-way through a write or a copy), an I/O error, and the replace's own failures.
std::vector<uint32_t> WaysToFail(FileOp op) {
    switch (op) {
        case FileOp::Write:
        case FileOp::Copy:
            return {error::kSharingViolation, error::kAccessDenied, error::kDiskFull};
        case FileOp::Read:
        case FileOp::Delete:
        case FileOp::Move:
        case FileOp::Open:
            return {error::kSharingViolation, error::kAccessDenied};
        case FileOp::Replace:
            return {error::kSharingViolation, error::kAccessDenied, error::kUnableToRemoveReplaced,
                    error::kUnableToMoveReplacement, error::kUnableToMoveReplacement2};
        case FileOp::SetAttributes:
            return {error::kAccessDenied};
        case FileOp::Resize:
        case FileOp::WriteInPlace:
            return {error::kDiskFull};
        case FileOp::Flush:
            return {kIoDevice};
    }
    return {};
}

// Failures that the command gets round: a clean-up that fails leaves a stray file, a refused
// replace is done in place, a half-finished one is finished.
bool CommandGetsRound(FileOp op, uint32_t code) {
    return op == FileOp::Delete || (op == FileOp::Replace && code != error::kSharingViolation);
}

// A short hold is waited out on every call but those on a file the program holds itself.
bool CanBeHeldByOthers(FileOp op) {
    return op != FileOp::Resize && op != FileOp::WriteInPlace && op != FileOp::Flush;
}

bool IsOurs(const std::string& path) {
    return path.find(".TNV_TMP") != std::string::npos || path.find(".TNV_OLD") != std::string::npos;
}

bool HasTemporaryFile(const fake::FakePlatform& fs) {
    for (const std::string& file : fs.Files()) {
        if (IsOurs(file))
            return true;
    }
    return false;
}

std::string Describe(const fake::FileCall& call, std::size_t k, uint32_t code, const char* how) {
    return std::string(fake::ToString(call.op)) + " " + call.path + " (call " + std::to_string(k) +
           ") fails " + how + " with " + std::to_string(code);
}

class FaultMatrixTest : public ::testing::TestWithParam<Scenario> {
  protected:
    void SetUp() override {
        const Scenario& s = GetParam();
        RunScenario(s, clean_);
        ASSERT_EQ(clean_.transcript().back().caption, "Completed");
        ASSERT_GE(clean_.saves.size(), 1u);
        ASSERT_NE(clean_.Bytes(kCfg), s.cfg);
        ASSERT_FALSE(HasTemporaryFile(clean_));
        if (s.virtualized) {
            ASSERT_TRUE(clean_.HasVirtualCopy(kCfg));
        }
    }

    // What the clean run had saved before call k.
    std::string SavedBefore(std::size_t k) const {
        std::string expected = GetParam().cfg;
        for (const SaveRecordingFake::Save& save : clean_.saves) {
            if (save.call < k)
                expected = save.bytes;
        }
        return expected;
    }

    // The command ended as the clean run did.
    void ExpectSameEnd(const fake::FakePlatform& fs) const {
        EXPECT_EQ(Boxes(fs), Boxes(clean_));
        EXPECT_EQ(fs.Bytes(kCfg), clean_.Bytes(kCfg));
        EXPECT_EQ(fs.Bytes(kBak), clean_.Bytes(kBak));
    }

    // Whatever happened, the real files of a virtualized folder are as they were.
    void ExpectRealFilesUntouched(const fake::FakePlatform& fs) const {
        const Scenario& s = GetParam();
        if (!s.virtualized)
            return;
        EXPECT_EQ(fs.RealBytes(kCfg), s.cfg);
        if (!s.oldBackup.empty()) {
            EXPECT_EQ(fs.RealBytes(kBak), s.oldBackup);
        }
    }

    SaveRecordingFake clean_;
};

TEST_P(FaultMatrixTest, AShortHoldOnAnyCallIsWaitedOut) {
    const std::vector<fake::FileCall> calls = clean_.calls();
    for (std::size_t k = 0; k < calls.size(); ++k) {
        if (!CanBeHeldByOthers(calls[k].op))
            continue;
        std::vector<uint32_t> codes = {error::kSharingViolation, error::kLockViolation};
        // A scanner on a file of ours that was just written can also make it access denied.
        if (IsOurs(calls[k].path) || IsOurs(calls[k].from))
            codes.push_back(error::kAccessDenied);
        for (const uint32_t code : codes) {
            SCOPED_TRACE(Describe(calls[k], k, code, "for 400 ms"));
            fake::FakePlatform fs;
            fs.FailCallAt(k, code, 400);
            RunScenario(GetParam(), fs);
            ExpectSameEnd(fs);
            EXPECT_FALSE(HasTemporaryFile(fs));
            // A refused replace is not waited out: the file is written in place at once.
            if (!(calls[k].op == FileOp::Replace && code == error::kAccessDenied)) {
                EXPECT_GE(fs.now(), 400u);
            }
            ExpectRealFilesUntouched(fs);
        }
    }
}

TEST_P(FaultMatrixTest, ACallThatFailsForGoodStopsWithAnErrorAndWholeFiles) {
    const Scenario& s = GetParam();
    const std::vector<fake::FileCall> calls = clean_.calls();
    for (std::size_t k = 0; k < calls.size(); ++k) {
        for (const uint32_t code : WaysToFail(calls[k].op)) {
            SCOPED_TRACE(Describe(calls[k], k, code, "for good"));
            fake::FakePlatform fs;
            // A call on a file the program holds itself fails once: a disk that fails every
            // write is beyond saving.
            fs.FailCallAt(k, code,
                          CanBeHeldByOthers(calls[k].op) ? fake::FakePlatform::kForever : 0);
            uint64_t errorShownAt = 0;
            fs.onMessage = [&](const fake::MessageBox& box) {
                if (box.caption == "Error")
                    errorShownAt = fs.now();
            };
            RunScenario(s, fs);
            ASSERT_GT(fs.calls().size(), k);
            EXPECT_EQ(fs.calls()[k].op, calls[k].op);
            ExpectRealFilesUntouched(fs);

            if (CommandGetsRound(calls[k].op, code)) {
                if (fs.transcript().back().caption == "Completed" || !s.virtualized ||
                    code != error::kUnableToMoveReplacement2) {
                    ExpectSameEnd(fs);
                    if (calls[k].op != FileOp::Delete) {
                        EXPECT_FALSE(HasTemporaryFile(fs));
                    }
                    continue;
                }
                // In a protected folder, the real folder's read-only copy shows again once the
                // half-finished replace renamed the virtual one away, and it can be neither
                // renamed nor written: the message says where the old and the new bytes are.
                EXPECT_NE(fs.transcript().back().text.find(
                              "\"scenery.cfg\" could not be put back in its place.\n"
                              "Its content before this save is in \"scenery.TNV_OLD\".\n"
                              "The new copy is in \"scenery.TNV_TMP\"."),
                          std::string::npos)
                    << fs.transcript().back().text;
                EXPECT_EQ(fs.Bytes(kOld), SavedBefore(k));
                EXPECT_TRUE(fs.HasFile(kTemp));
                continue;
            }
            ASSERT_FALSE(fs.transcript().empty());
            const fake::MessageBox& last = fs.transcript().back();
            EXPECT_EQ(last.caption, "Error");
            EXPECT_EQ(last.icon(), mb::kIconError);
            EXPECT_NE(last.text.find(scenery::ReasonText(code)), std::string::npos) << last.text;
            for (const fake::MessageBox& box : fs.transcript()) {
                EXPECT_NE(box.caption, "Completed");
            }
            EXPECT_LE(errorShownAt, 3000u) << "the user waits at most about three seconds";
            EXPECT_EQ(fs.Bytes(kCfg), SavedBefore(k));
            // An older backup stays until a complete copy takes its place.
            if (fs.HasFile(kBak)) {
                const std::string backup = fs.Bytes(kBak);
                EXPECT_TRUE(backup == s.cfg || (!s.oldBackup.empty() && backup == s.oldBackup))
                    << backup;
            } else {
                EXPECT_TRUE(s.oldBackup.empty()) << "the older backup is gone";
            }
            EXPECT_FALSE(HasTemporaryFile(fs));
        }
    }
}

// A virus scanner that opens every file the moment it is written only slows the command down.
TEST_P(FaultMatrixTest, AScannerOnEveryNewFileOnlySlowsTheCommand) {
    for (const uint32_t code : {error::kSharingViolation, error::kAccessDenied}) {
        SCOPED_TRACE(code);
        fake::FakePlatform fs;
        fs.ScanNewFiles(300, code);
        RunScenario(GetParam(), fs);
        ExpectSameEnd(fs);
        EXPECT_FALSE(HasTemporaryFile(fs));
        ExpectRealFilesUntouched(fs);
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, FaultMatrixTest, ::testing::ValuesIn(Scenarios()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace scenery_test
