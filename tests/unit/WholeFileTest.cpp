// Writing and copying whole files when Windows refuses or half-finishes the replace.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "files/WholeFile.h"
#include "scenery/EditorMessages.h"

namespace {

using fake::FileOp;
using files::Placement;
namespace error = platform::error;
namespace attr = platform::attr;

const std::string kCfg = "C:\\FS2002\\scenery.cfg";
const std::string kTemp = "C:\\FS2002\\scenery.TNV_TMP";
const std::string kOld = "C:\\FS2002\\scenery.TNV_OLD";
const std::string kBak = "C:\\FS2002\\scenery.TNV_BAK";
const std::string kOldBytes = "[A]\r\nk=old\r\n\r\n";
const std::string kNewBytes = "[A]\r\nk=new, and a good deal longer than before\r\n\r\n";
constexpr uint32_t kIoDevice = 1117;
// scenery.cfg holds what a write that could not be undone left there.
const std::string kDamaged = "(damaged)";

struct WriteCase {
    const char* name;
    std::function<void(fake::FakePlatform&)> arrange;
    uint32_t code;
    Placement placement;
    const std::string* cfg;  // what scenery.cfg holds afterwards; nullptr: no file; &kDamaged
    std::vector<std::string> others;  // the other files left, in name order
};

void PrintTo(const WriteCase& c, std::ostream* os) {
    *os << c.name;
}

class WriteWholeFileTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteWholeFileTest, LeavesTheFileWholeAndSaysWhere) {
    const WriteCase& c = GetParam();
    fake::FakePlatform fs;
    fs.AddFile(kCfg, kOldBytes);
    c.arrange(fs);

    const files::WriteResult result = files::WriteWholeFile(fs, kCfg, kNewBytes);

    EXPECT_EQ(result.result.code, c.code);
    EXPECT_EQ(result.placement, c.placement);
    if (c.cfg == &kDamaged) {
        EXPECT_TRUE(fs.HasFile(kCfg));
    } else if (c.cfg != nullptr) {
        EXPECT_EQ(fs.Bytes(kCfg), *c.cfg);
    } else {
        EXPECT_FALSE(fs.HasFile(kCfg));
    }
    std::vector<std::string> others;
    for (const std::string& file : fs.Files()) {
        if (file != kCfg)
            others.push_back(file);
    }
    EXPECT_EQ(others, c.others);
    // A full disk is found while reserving the space, before any byte of the file changes.
    if (c.code == error::kDiskFull && c.placement == Placement::Old) {
        for (const fake::FileCall& call : fs.calls())
            EXPECT_NE(call.op, FileOp::WriteInPlace);
    }
    if (c.placement == Placement::Moved) {
        // Nothing is lost: the message names the files that hold both versions.
        EXPECT_EQ(result.oldCopy, kOld);
        EXPECT_EQ(fs.Bytes(kOld), kOldBytes);
        EXPECT_EQ(result.newCopy, kTemp);
        EXPECT_EQ(fs.Bytes(kTemp), kNewBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteWholeFileTest,
    ::testing::Values(
        // The replace half-finished (ERROR_UNABLE_TO_MOVE_REPLACEMENT and _2).
        WriteCase{"Replace1176KeepsBothNames",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement);
                  },
                  0,
                  Placement::New,
                  &kNewBytes,
                  {}},
        WriteCase{"Replace1176WithoutBackupNameLosesTheTarget",
                  [](auto& fs) {
                      fs.IgnoreReplaceBackupName();
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement);
                  },
                  0,
                  Placement::New,
                  &kNewBytes,
                  {}},
        WriteCase{"Replace1177LeavesTheTargetUnderTheBackupName",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement2);
                  },
                  0,
                  Placement::New,
                  &kNewBytes,
                  {}},
        WriteCase{"Replace1177WithoutBackupNameUnderANameOfTheSystems",
                  [](auto& fs) {
                      fs.IgnoreReplaceBackupName();
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement2);
                  },
                  0,
                  Placement::New,
                  &kNewBytes,
                  {"C:\\FS2002\\~replaced.tmp"}},
        WriteCase{"Replace1177NewFileNeitherMovedNorWrittenOldOneMovedBack",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement2);
                      fs.FailNext(FileOp::Move, "scenery.cfg", error::kAccessDenied);
                      fs.FailNext(FileOp::Write, "scenery.cfg", error::kDiskFull);
                  },
                  error::kUnableToMoveReplacement2,
                  Placement::Old,
                  &kOldBytes,
                  {}},
        WriteCase{"Replace1177NothingCanBePutInPlace",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement2);
                      fs.FailNext(FileOp::Move, "scenery.cfg", error::kAccessDenied, 0, -1);
                      fs.FailNext(FileOp::Write, "scenery.cfg", error::kDiskFull);
                  },
                  error::kUnableToMoveReplacement2,
                  Placement::Moved,
                  nullptr,
                  {kOld, kTemp}},
        // The replace refused (a protected folder): written in place, guarded.
        WriteCase{
            "RefusedReplaceWrittenInPlace",
            [](auto& fs) { fs.FailNext(FileOp::Replace, "scenery.cfg", error::kAccessDenied); },
            0,
            Placement::New,
            &kNewBytes,
            {}},
        WriteCase{"InPlaceDiskFullWhileReserving",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kAccessDenied);
                      fs.SetDiskCapacity(kOldBytes.size() + kNewBytes.size() + 5);
                  },
                  error::kDiskFull,
                  Placement::Old,
                  &kOldBytes,
                  {}},
        WriteCase{"InPlaceWriteFailsPartWay",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kAccessDenied);
                      fs.FailNext(FileOp::WriteInPlace, "scenery.cfg", kIoDevice);
                  },
                  kIoDevice,
                  Placement::Old,
                  &kOldBytes,
                  {}},
        WriteCase{"InPlaceFlushFails",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kAccessDenied);
                      fs.FailNext(FileOp::Flush, "scenery.cfg", kIoDevice);
                  },
                  kIoDevice,
                  Placement::Old,
                  &kOldBytes,
                  {}},
        WriteCase{"InPlaceCannotEvenWriteTheOldBytesBack",
                  [](auto& fs) {
                      fs.FailNext(FileOp::Replace, "scenery.cfg", error::kAccessDenied);
                      fs.FailNext(FileOp::WriteInPlace, "scenery.cfg", kIoDevice, 0, 2);
                  },
                  kIoDevice,
                  Placement::Moved,
                  &kDamaged,
                  {kOld, kTemp}},
        WriteCase{"ReadOnlyTargetIsNotWrittenInPlace",
                  [](auto& fs) { fs.AddFile(kCfg, kOldBytes, attr::kReadOnly); },
                  error::kAccessDenied,
                  Placement::Old,
                  &kOldBytes,
                  {}},
        WriteCase{"HeldTargetIsNotWrittenInPlace",
                  [](auto& fs) { fs.HoldOpen(kCfg); },
                  error::kSharingViolation,
                  Placement::Old,
                  &kOldBytes,
                  {}}),
    [](const auto& info) { return info.param.name; });

// When neither version can be put in place, each is in a file of its own, and the message says
// which.
TEST(WholeFileMessage, NamesWhereBothVersionsAre) {
    fake::FakePlatform fs;
    fs.AddFile(kCfg, kOldBytes);
    fs.FailNext(FileOp::Replace, "scenery.cfg", error::kUnableToMoveReplacement2);
    fs.FailNext(FileOp::Move, "scenery.cfg", error::kAccessDenied, 0, -1);
    fs.FailNext(FileOp::Write, "scenery.cfg", error::kDiskFull);
    const files::WriteResult result = files::WriteWholeFile(fs, kCfg, kNewBytes);
    ASSERT_EQ(result.placement, Placement::Moved);

    scenery::EditorError saveError{.failure = scenery::EditorFailure::SaveFailed,
                                   .file = kCfg,
                                   .code = result.result.code,
                                   .backup = kBak,
                                   .backupMade = true,
                                   .placement = result.placement,
                                   .oldCopy = result.oldCopy,
                                   .newCopy = result.newCopy};
    EXPECT_EQ(scenery::EditorErrorText(saveError),
              "\"scenery.cfg\" could not be saved.\n" + kCfg +
                  "\nWindows error 1177.\n"
                  "\"scenery.cfg\" could not be put back in its place.\n"
                  "Its content before this save is in \"scenery.TNV_OLD\".\n"
                  "The new copy is in \"scenery.TNV_TMP\".\n"
                  "\"scenery.TNV_BAK\" holds the file as it was before this process.\n"
                  "The process will be stopped.");
}

// A backup is only ever replaced by a complete copy.
TEST(CopyWholeFile, AnOlderBackupStaysUntilACompleteCopyReplacesIt) {
    struct Case {
        const char* name;
        std::function<void(fake::FakePlatform&)> arrange;
        bool ok;
        std::string backup;
    } cases[] = {
        {"copied", [](auto&) {}, true, kOldBytes},
        {"disk full part-way",
         [](auto& fs) { fs.FailNext(FileOp::Copy, "TNV_TMP", error::kDiskFull); }, false,
         "older backup"},
        {"replace refused, copy written in place",
         [](auto& fs) { fs.FailNext(FileOp::Replace, "TNV_BAK", error::kAccessDenied); }, true,
         kOldBytes},
        {"replace half-finished",
         [](auto& fs) {
             fs.FailNext(FileOp::Replace, "TNV_BAK", error::kUnableToMoveReplacement2);
         },
         true, kOldBytes},
        {"replace held", [](auto& fs) { fs.HoldOpen(kBak); }, false, "older backup"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake::FakePlatform fs;
        fs.AddFile(kCfg, kOldBytes);
        fs.AddFile(kBak, "older backup");
        c.arrange(fs);
        EXPECT_EQ(files::CopyWholeFile(fs, kCfg, kBak).ok(), c.ok);
        EXPECT_EQ(fs.Bytes(kBak), c.backup);
        EXPECT_EQ(fs.Files(), (std::vector<std::string>{kCfg, kBak}));
    }
}

TEST(CopyWholeFile, AFirstBackupIsNeverLeftHalfMade) {
    fake::FakePlatform fs;
    fs.AddFile(kCfg, kOldBytes);
    fs.FailNext(FileOp::Copy, "TNV_TMP", error::kDiskFull);
    EXPECT_FALSE(files::CopyWholeFile(fs, kCfg, kBak).ok());
    EXPECT_EQ(fs.Files(), std::vector<std::string>{kCfg});

    fs.FailNext(FileOp::Move, "TNV_BAK", error::kAccessDenied);
    EXPECT_FALSE(files::CopyWholeFile(fs, kCfg, kBak).ok());
    EXPECT_EQ(fs.Files(), std::vector<std::string>{kCfg});
}

}  // namespace
