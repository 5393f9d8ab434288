// The scenery area editor: CheckAreas, AddAreas, DeleteAreas and BackupConfig on the fake.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "scenery/Inifile.h"

namespace {

using fake::FileOp;
using scenery::A_DATA;
using scenery::S_DATA;
namespace mb = platform::mb;
namespace error = platform::error;
namespace attr = platform::attr;

const std::string kCfg = "C:\\FS2002\\scenery.cfg";
const std::string kBak = "C:\\FS2002\\scenery.TNV_BAK";

// A section as a save writes it: header, lines, one blank line.
std::string Section(const std::string& name, std::initializer_list<std::string> lines) {
    std::string text = "[" + name + "]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text + "\r\n";
}

std::string Area(const std::string& name, const std::string& local, int layer) {
    return Section(
        name, {"Title=" + name, "Local=" + local, "Active=TRUE", "Layer=" + std::to_string(layer)});
}

// The section AddAreas appends for a record made by Record().
std::string NewArea(const std::string& name, const std::string& local, int layer) {
    return Section(name, {"Title=T " + local, "Local=" + local, "Active=TRUE",
                          "Layer=" + std::to_string(layer), "Required=FALSE", "Remote="});
}

std::size_t Count(const fake::FakePlatform& fs, FileOp op) {
    return std::count_if(fs.calls().begin(), fs.calls().end(),
                         [op](const fake::FileCall& call) { return call.op == op; });
}

class EditorTest : public ::testing::Test {
  protected:
    // The job's records, one per local value, none marked.
    void Records(std::initializer_list<std::string> locals) {
        areas_.assign(locals.size(), A_DATA{});
        std::size_t i = 0;
        for (const std::string& local : locals) {
            areas_[i].local = local;
            areas_[i].title = "T " + local;
            areas_[i].active = "TRUE";
            ++i;
        }
        job_ = S_DATA{kCfg, static_cast<int32_t>(areas_.size()), areas_.data()};
    }
    A_DATA& record(std::size_t i) { return areas_[i]; }
    std::string Cfg() const { return fs_.Bytes(kCfg); }
    // The one box shown, which must be an error box; its text.
    std::string ErrorText() const {
        EXPECT_EQ(fs_.transcript().size(), 1u);
        if (fs_.transcript().empty())
            return {};
        const fake::MessageBox& box = fs_.transcript().back();
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.icon(), mb::kIconError);
        EXPECT_EQ(box.buttons(), mb::kOk);
        return box.text;
    }

    fake::FakePlatform fs_;
    std::vector<A_DATA> areas_;
    S_DATA job_;
};

TEST(AreaSections, NameRuleAndNumber) {
    struct Case {
        const char* name;
        bool area;
        std::optional<int> number;
    };
    const Case cases[] = {
        {"Area.001", true, 1},   {"AREA.012", true, 12},  {"area.1x3", true, 1},
        {"Area.12a", true, 12},  {"Area.abc", true, {}},  {"Area. 12", true, 12},
        {"Area.-12", true, -12}, {"Area.+5x", true, 5},   {"Area.0012", false, 12},
        {"Area.12", false, 12},  {"Area_012", false, {}}, {"", false, {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(scenery::IsAreaSection(c.name), c.area) << c.name;
        if (c.area) {
            EXPECT_EQ(scenery::AreaNumber(c.name), c.number) << c.name;
        }
    }
}

TEST(BackupPath, ReplacesTheLastFourCharacters) {
    EXPECT_EQ(scenery::BackupPathFor(kCfg), kBak);
}

// --- CheckAreas ---

TEST_F(EditorTest, CheckMarksEveryRecordWhoseLocalIsListed) {
    fs_.AddFile(kCfg, Section("General", {"Local=general"}) + Area("Area.001", "x\\A", 1) +
                          Section("Area.002", {"Title=no local", "Layer=2"}) +
                          Area("Area.003", "x\\a", 3) + Area("Area.0004", "other", 4));
    Records({"X\\A", "x\\a", "", "general", "other", "missing"});
    record(5).registered = true;  // cleared anew

    ASSERT_TRUE(scenery::CheckAreas(fs_, &job_));

    const bool expected[] = {true, true, true, false, false, false};
    for (std::size_t i = 0; i < areas_.size(); ++i) {
        EXPECT_EQ(record(i).registered, expected[i]) << record(i).local;
    }
    EXPECT_EQ(Count(fs_, FileOp::Write), 0u);
    EXPECT_TRUE(fs_.transcript().empty());
}

TEST_F(EditorTest, CheckOnAFileHeldOpenStopsAndKeepsTheMarks) {
    fs_.AddFile(kCfg, Area("Area.001", "a", 1));
    fs_.HoldOpen(kCfg);
    Records({"a", "b"});
    record(1).registered = true;

    EXPECT_FALSE(scenery::CheckAreas(fs_, &job_));

    EXPECT_FALSE(record(0).registered);
    EXPECT_TRUE(record(1).registered);
    EXPECT_EQ(ErrorText(), "\"scenery.cfg\" could not be read.\n" + kCfg +
                               "\nAnother program is using the file.\n"
                               "Please close Flight Simulator and try again.\n"
                               "The process will be stopped.");
}

// --- AddAreas ---

TEST_F(EditorTest, AddAppendsAfterTheHighestNumberAndLayerAndSavesPerRecord) {
    std::string before;
    for (int n = 1; n <= 10; ++n) {
        before += Area("Area." + std::string(n < 10 ? "00" : "0") + std::to_string(n),
                       "old" + std::to_string(n), n);
    }
    before += Section("General", {"Title=FS"});
    fs_.AddFile(kCfg, before);
    Records({"new1", "new2"});
    record(0).install = record(1).install = true;

    ASSERT_TRUE(scenery::AddAreas(fs_, &job_));

    EXPECT_EQ(Cfg(), before + NewArea("Area.011", "new1", 11) + NewArea("Area.012", "new2", 12));
    EXPECT_EQ(Count(fs_, FileOp::Replace), 2u);
    EXPECT_EQ(Count(fs_, FileOp::Read), 1u);
    EXPECT_TRUE(fs_.transcript().empty());
}

struct AddCase {
    const char* name;
    std::string before;
    std::string after;  // the file after adding one record with local "new"
};

class AddCaseTest : public EditorTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(AddCaseTest, AddsOrReactivates) {
    fs_.AddFile(kCfg, GetParam().before);
    Records({"new"});
    record(0).install = true;
    ASSERT_TRUE(scenery::AddAreas(fs_, &job_));
    EXPECT_EQ(Cfg(), GetParam().after);
    EXPECT_EQ(Count(fs_, FileOp::Replace), 1u);
    EXPECT_TRUE(fs_.transcript().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, AddCaseTest,
    ::testing::Values(
        AddCase{
            "GapsAreNotFilled", Area("Area.001", "a", 7) + Area("Area.003", "b", 2),
            Area("Area.001", "a", 7) + Area("Area.003", "b", 2) + NewArea("Area.004", "new", 8)},
        AddCase{"UpperCaseAreaCountsOthersDoNot",
                Area("AREA.005", "a", 3) + Area("Area.5", "b", 40) + Area("Area.0009", "c", 50),
                Area("AREA.005", "a", 3) + Area("Area.5", "b", 40) + Area("Area.0009", "c", 50) +
                    NewArea("Area.006", "new", 4)},
        AddCase{"EmptyFile", "", NewArea("Area.001", "new", 1)},
        AddCase{"ReactivatesInPlace",
                Section("Area.002", {"Title=x", "Local=NEW", "active=FALSE", "Layer=4", "z"}),
                Section("Area.002", {"Title=x", "Local=NEW", "Active=TRUE", "Layer=4", "z"})},
        AddCase{"ReactivationAppendsAMissingActiveLine",
                Section("Area.002", {"Local=new", "Layer=4"}),
                Section("Area.002", {"Local=new", "Layer=4", "Active=TRUE"})},
        AddCase{"LayersBelowZeroStartAtOne", Area("Area.001", "a", -5),
                Area("Area.001", "a", -5) + NewArea("Area.002", "new", 1)}),
    [](const auto& info) { return info.param.name; });

TEST_F(EditorTest, AddCreatesAMissingFile) {
    fs_.AddFolder("C:\\FS2002");
    Records({"new"});
    record(0).install = true;
    ASSERT_TRUE(scenery::AddAreas(fs_, &job_));
    EXPECT_EQ(Cfg(), NewArea("Area.001", "new", 1));
}

// --- DeleteAreas ---

TEST_F(EditorTest, DeleteMovesTheLayersAboveTheRemovedOneDown) {
    fs_.AddFile(kCfg, Section("General", {"Title=FS"}) + Area("Area.001", "a", 1) +
                          Area("Area.002", "b", 2) + Area("Area.003", "gone", 3) +
                          Area("Area.004", "d", 4) + Area("Area.005", "e", 5) +
                          Area("Area.006", "same", 3));
    Records({"x", "GONE"});
    record(1).remove = true;

    ASSERT_TRUE(scenery::DeleteAreas(fs_, &job_, true));

    EXPECT_EQ(Cfg(), Section("General", {"Title=FS"}) + Area("Area.001", "a", 1) +
                         Area("Area.002", "b", 2) + Area("Area.004", "d", 3) +
                         Area("Area.005", "e", 4) + Area("Area.006", "same", 3));
    EXPECT_TRUE(job_.backupMade);
    EXPECT_TRUE(fs_.transcript().empty());
}

TEST_F(EditorTest, DeleteLoadsAndSavesOncePerRemovedRecord) {
    const std::string before =
        Area("Area.001", "a", 1) + Area("Area.002", "b", 2) + Area("Area.003", "c", 3);
    fs_.AddFile(kCfg, before);
    Records({"c", "nowhere", "a"});
    record(0).remove = record(1).remove = record(2).remove = true;

    ASSERT_TRUE(scenery::DeleteAreas(fs_, &job_, true));

    EXPECT_EQ(Cfg(), Area("Area.002", "b", 1));
    EXPECT_EQ(fs_.Bytes(kBak), before);
    // The record that matches nothing loads the file but does not write it.
    EXPECT_EQ(Count(fs_, FileOp::Read), 3u);
    EXPECT_EQ(Count(fs_, FileOp::Write), 2u);
    EXPECT_EQ(Count(fs_, FileOp::Replace), 2u);
}

TEST_F(EditorTest, DeleteWithNothingToRemoveStillMakesTheBackup) {
    const std::string before = Area("Area.001", "a", 1);
    fs_.AddFile(kCfg, before);
    fs_.AddFile(kBak, "old backup");
    Records({"a"});

    ASSERT_TRUE(scenery::DeleteAreas(fs_, &job_, true));

    EXPECT_EQ(fs_.Bytes(kBak), before);
    EXPECT_EQ(Count(fs_, FileOp::Write), 0u);
}

// --- BackupConfig ---

TEST_F(EditorTest, BackupOfAReadOnlyFileAsksFirst) {
    const std::string question = "This is read only file.May I update?\n" + kCfg;
    for (const int answer : {mb::kIdNo, mb::kIdYes}) {
        SCOPED_TRACE(answer);
        fake::FakePlatform fs;
        fs.AddFile(kCfg, "[A]\r\n", attr::kReadOnly | attr::kHidden);
        fs.Answer({answer});

        const bool made = scenery::BackupConfig(fs, kCfg);

        ASSERT_EQ(fs.transcript().size(), 1u);
        EXPECT_EQ(fs.transcript()[0].text, question);
        EXPECT_EQ(fs.transcript()[0].caption, "Question");
        EXPECT_EQ(fs.transcript()[0].style, mb::kIconQuestion | mb::kYesNo);
        EXPECT_EQ(made, answer == mb::kIdYes);
        EXPECT_EQ(fs.HasFile(kBak), made);
        EXPECT_EQ(fs.Attributes(kCfg), made ? attr::kArchive : (attr::kReadOnly | attr::kHidden));
    }
}

// The commands test for scenery.cfg first; when it is gone by the time of the backup, the stop
// is explained all the same.
TEST_F(EditorTest, BackupStopsWithErrorWhenThereIsNoFile) {
    fs_.AddFolder(kCfg);  // a folder of that name is no file
    EXPECT_FALSE(scenery::BackupConfig(fs_, kCfg));
    EXPECT_FALSE(scenery::BackupConfig(fs_, "C:\\Nowhere\\scenery.cfg"));
    ASSERT_EQ(fs_.transcript().size(), 2u);
    for (const fake::MessageBox& box : fs_.transcript()) {
        EXPECT_EQ(box.text, "There are no \"scenery.cfg\".\nThe process will be stopped.");
        EXPECT_EQ(box.caption, "Error");
        EXPECT_EQ(box.style, mb::kIconError | mb::kOk);
    }
    EXPECT_TRUE(fs_.calls().empty());
}

TEST_F(EditorTest, BackupOverwritesAnOldCopy) {
    fs_.AddFile(kCfg, "new");
    fs_.AddFile(kBak, "old");
    ASSERT_TRUE(scenery::BackupConfig(fs_, kCfg));
    EXPECT_EQ(fs_.Bytes(kBak), "new");
}

// --- Failures: each stops with an error box, and the file holds the last completed save ---

struct FailureCase {
    const char* name;
    std::string before;
    // Marks the records (locals "a", "b", "new") and injects the fault.
    std::function<void(fake::FakePlatform&, std::vector<A_DATA>&)> setUp;
    std::function<bool(fake::FakePlatform&, S_DATA&)> run;
    std::string after;  // scenery.cfg afterwards
    std::string text;   // the error box
};

const std::string kTwoAreas = Area("Area.001", "a", 1) + Area("Area.002", "b", 2);
const std::string kBackupNote =
    "\"scenery.TNV_BAK\" holds the file as it was before this process.\n";
const std::string kKeeps = "\"scenery.cfg\" keeps its content from before this save.\n";

bool RunAdd(fake::FakePlatform& fs, S_DATA& job) {
    return scenery::AddAreas(fs, &job);
}
bool RunDelete(fake::FakePlatform& fs, S_DATA& job) {
    return scenery::DeleteAreas(fs, &job, true);
}

class EditorFailureTest : public EditorTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(EditorFailureTest, StopsWithAnErrorBox) {
    const FailureCase& c = GetParam();
    fs_.AddFile(kCfg, c.before);
    Records({"a", "b", "new"});
    c.setUp(fs_, areas_);

    EXPECT_FALSE(c.run(fs_, job_));

    EXPECT_EQ(ErrorText(), c.text);
    EXPECT_EQ(Cfg(), c.after);
    EXPECT_FALSE(fs_.HasFile("C:\\FS2002\\scenery.TNV_TMP"));
}

INSTANTIATE_TEST_SUITE_P(Cases, EditorFailureTest,
                         ::
                             testing::
                                 Values(
                                     FailureCase{"AddReachesASectionWithoutLayer",
                                                 Area("Area.001", "a", 1) +
                                                     Section("Area.002", {"Local=b"}),
                                                 [](auto&, auto& r) { r[2].install = true; },
                                                 RunAdd,
                                                 Area("Area.001", "a", 1) +
                                                     Section("Area.002", {"Local=b"}),
                                                 "The scenery area [Area.002] in \"scenery.cfg\" "
                                                 "has no \"Layer\".\n" +
                                                     kCfg + "\nThe process will be stopped."},
                                     FailureCase{"DeleteReadsAnEmptyLayer",
                                                 Area("Area.001", "a", 1) +
                                                     Section("Area.002", {"Local=b", "Layer="}),
                                                 [](auto&, auto& r) { r[0].remove = true; },
                                                 RunDelete,
                                                 Area("Area.001", "a", 1) +
                                                     Section("Area.002", {"Local=b", "Layer="}),
                                                 "The \"Layer\" of the scenery area [Area.002] in "
                                                 "\"scenery.cfg\" is not a "
                                                 "whole number.\n" +
                                                     kCfg + "\n" + kBackupNote +
                                                     "The process will be stopped."},
                                     FailureCase{"DeleteKeepsTheFirstRecordsSave", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[0].remove = r[1].remove = true;
                                                     fs.FailNext(FileOp::Write, "TNV_TMP",
                                                                 error::kAccessDenied, 1);
                                                 },
                                                 RunDelete, Area("Area.002", "b", 1),
                                                 "\"scenery.cfg\" could not be saved.\n" + kCfg +
                                                     "\nAccess to the file was denied.\n" +
                                                     kKeeps + kBackupNote +
                                                     "The process will be stopped."},
                                     FailureCase{
                                         "NoAreaNumberLeftAfterAnEarlierSave",
                                         Section("Area.001",
                                                 {"Local=a", "Active=FALSE", "Layer=1"}) +
                                             Area("Area.999", "z", 2),
                                         [](auto&, auto& r) { r[0].install = r[2].install = true; },
                                         RunAdd,
                                         Section("Area.001",
                                                 {"Local=a", "Active=TRUE", "Layer=1"}) +
                                             Area("Area.999", "z", 2),
                                         "There is no area number left in \"scenery.cfg\" for the "
                                         "scenery area \"T "
                                         "new\".\n" +
                                             kCfg + "\nThe process will be stopped."},
                                     FailureCase{"NoLayerLeft", Area("Area.001", "a", 2147483647),
                                                 [](auto&, auto& r) { r[2].install = true; },
                                                 RunAdd, Area("Area.001", "a", 2147483647),
                                                 "There is no layer number left in \"scenery.cfg\" "
                                                 "for the scenery area \"T "
                                                 "new\".\n" +
                                                     kCfg + "\nThe process will be stopped."},
                                     FailureCase{"SaveOfAReadOnlyFile", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[2].install = true;
                                                     fs.AddFile(kCfg, kTwoAreas, attr::kReadOnly);
                                                 },
                                                 RunAdd, kTwoAreas,
                                                 "\"scenery.cfg\" could not be saved.\n" + kCfg +
                                                     "\nAccess to the file was denied.\n" +
                                                     kKeeps + "The process will be stopped."},
                                     FailureCase{"SaveOnAFullDisk", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[1].remove = true;
                                                     fs.FailNext(FileOp::Write, "TNV_TMP",
                                                                 error::kDiskFull);
                                                 },
                                                 RunDelete, kTwoAreas,
                                                 "\"scenery.cfg\" could not be saved.\n" + kCfg +
                                                     "\nThe disk is full.\n" + kKeeps +
                                                     kBackupNote + "The process will be stopped."},
                                     FailureCase{"SaveWhileFlightSimulatorHoldsTheFile", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[1].remove = true;
                                                     fs.FailNext(FileOp::Replace, "scenery.cfg",
                                                                 error::kSharingViolation);
                                                 },
                                                 RunDelete, kTwoAreas,
                                                 "\"scenery.cfg\" could not be saved.\n" + kCfg +
                                                     "\nAnother program is using the file.\n"
                                                     "Please close Flight Simulator and try "
                                                     "again.\n" +
                                                     kKeeps + kBackupNote +
                                                     "The process will be stopped."},
                                     FailureCase{"ReadFailsAfterTheBackup", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[1].remove = true;
                                                     fs.FailNext(FileOp::Read, "scenery.cfg",
                                                                 error::kLockViolation);
                                                 },
                                                 RunDelete, kTwoAreas,
                                                 "\"scenery.cfg\" could not be read.\n" + kCfg +
                                                     "\nAnother program is using the file.\n"
                                                     "Please close Flight Simulator and try "
                                                     "again.\n" +
                                                     kBackupNote + "The process will be stopped."},
                                     FailureCase{"BackupDestinationIsReadOnly", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[1].remove = true;
                                                     fs.AddFile(kBak, "old", attr::kReadOnly);
                                                 },
                                                 RunDelete, kTwoAreas,
                                                 "\"scenery.cfg\" could not be copied to "
                                                 "\"scenery.TNV_BAK\".\n" +
                                                     kBak +
                                                     "\nAccess to the file was denied.\n"
                                                     "\"scenery.cfg\" was not changed.\nThe "
                                                     "process will be stopped."},
                                     FailureCase{"BackupOnAFullDisk", kTwoAreas,
                                                 [](auto& fs, auto& r) {
                                                     r[1].remove = true;
                                                     fs.FailNext(FileOp::Copy, "TNV_TMP",
                                                                 error::kDiskFull);
                                                 },
                                                 RunDelete, kTwoAreas,
                                                 "\"scenery.cfg\" could not be copied to "
                                                 "\"scenery.TNV_BAK\".\n" +
                                                     kBak +
                                                     "\nThe disk is full.\n"
                                                     "\"scenery.cfg\" was not changed.\nThe "
                                                     "process will be stopped."}),
                         [](const auto& info) { return info.param.name; });

TEST_F(EditorTest, ReadOnlyAttributeThatCannotBeClearedStopsBeforeTheCopy) {
    fs_.AddFile(kCfg, kTwoAreas, attr::kReadOnly);
    fs_.AnswerYes();
    fs_.FailNext(FileOp::SetAttributes, "scenery.cfg", error::kAccessDenied);
    Records({"a"});
    record(0).remove = true;

    EXPECT_FALSE(scenery::DeleteAreas(fs_, &job_, true));

    ASSERT_EQ(fs_.transcript().size(), 2u);
    EXPECT_EQ(fs_.transcript()[1].caption, "Error");
    EXPECT_EQ(fs_.transcript()[1].text,
              "The read only attribute of \"scenery.cfg\" could not be cleared.\n" + kCfg +
                  "\nAccess to the file was denied.\n\"scenery.cfg\" was not changed.\n"
                  "The process will be stopped.");
    EXPECT_FALSE(fs_.HasFile(kBak));
    EXPECT_EQ(Cfg(), kTwoAreas);
    EXPECT_FALSE(job_.backupMade);
}

// After Yes to the read-only question the attribute is cleared: a failed copy then must not
// claim that nothing changed.
TEST_F(EditorTest, BackupFailureAfterClearingTheAttributeSaysSo) {
    fs_.AddFile(kCfg, kTwoAreas, attr::kReadOnly);
    fs_.AnswerYes();
    fs_.FailNext(FileOp::Copy, "TNV_TMP", error::kDiskFull);
    Records({"a"});
    record(0).remove = true;

    EXPECT_FALSE(scenery::DeleteAreas(fs_, &job_, true));

    ASSERT_EQ(fs_.transcript().size(), 2u);
    EXPECT_EQ(fs_.transcript()[1].caption, "Error");
    EXPECT_EQ(fs_.transcript()[1].text,
              "\"scenery.cfg\" could not be copied to \"scenery.TNV_BAK\".\n" + kBak +
                  "\nThe disk is full.\nThe read only attribute of \"scenery.cfg\" was "
                  "cleared; its content was not changed.\nThe process will be stopped.");
    EXPECT_EQ(fs_.Attributes(kCfg) & attr::kReadOnly, 0u);
    EXPECT_EQ(Cfg(), kTwoAreas);
    EXPECT_FALSE(fs_.HasFile(kBak));
}

}  // namespace
