// The AFCAD register and restore commands against the in-memory platform.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "facility/AfdCommand.h"

namespace {

using facility::AfdCommand;
using facility::AfdWork;
namespace mb = platform::mb;
namespace error = platform::error;

constexpr const char* kFs = "C:\\FS2002";
constexpr const char* kBgl = "C:\\FS2002\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl";
constexpr const char* kOrg = "C:\\FS2002\\Scenedb\\AFDFILES\\scenery\\japanafd.TNV_ORG";
constexpr const char* kBak = "C:\\FS2002\\Scenedb\\AFDFILES\\scenery\\japanafd.TNV_BAK";
constexpr const char* kTmp = "C:\\FS2002\\Scenedb\\AFDFILES\\scenery\\japanafd.TNV_TMP";
constexpr const char* kInstaller = "C:\\Velport5\\AFInstaller.exe";

// Answers the airport dialog with a modal result and ticks, and notes what it was shown.
class ScriptedDialog : public facility::AirportDialog {
  public:
    ScriptedDialog(std::vector<std::string>& log) : log_(log) {}
    int ShowModal(AfdWork& work) override {
        log_.push_back("dialog");
        ++showings;
        verbShown = work.verb;
        selectedShown = work.selected;
        if (throws)
            throw std::runtime_error("dialog failed");
        if (result == 1)
            work.selected = ticks;
        return result;
    }
    int result = 1;
    std::array<uint8_t, facility::kAirportCount> ticks{};
    bool throws = false;
    int showings = 0;
    std::string verbShown;
    std::array<uint8_t, facility::kAirportCount> selectedShown{};

  private:
    std::vector<std::string>& log_;
};

class AfdCommandTest : public ::testing::Test {
  protected:
    AfdCommandTest() {
        fs.AddFile(kInstaller, "MZ");
        fs.AddFile(kBgl, "stock bgl");
        fs.onMessage = [this](const fake::MessageBox& box) { log.push_back("box " + box.caption); };
    }

    void Run(AfdCommand command, const std::string& folder = kFs) {
        facility::RunAfdCommand(fs, dialog, command, folder, work);
    }

    static std::array<uint8_t, 5> Ticks(std::initializer_list<int> indexes) {
        std::array<uint8_t, 5> ticks{};
        for (int i : indexes)
            ticks[i] = 1;
        return ticks;
    }

    void ExpectOnlyBox(const std::string& text, const std::string& caption, unsigned style) const {
        ASSERT_FALSE(fs.transcript().empty());
        const fake::MessageBox& last = fs.transcript().back();
        EXPECT_EQ(last.text, text);
        EXPECT_EQ(last.caption, caption);
        EXPECT_EQ(last.style, style);
    }

    fake::FakePlatform fs;
    std::vector<std::string> log;
    ScriptedDialog dialog{log};
    AfdWork work;
};

// --- The argument string and the installer start ---

struct ArgumentCase {
    AfdCommand command;
    std::vector<int> ticked;
    const char* arguments;
};

void PrintTo(const ArgumentCase& c, std::ostream* os) {
    *os << c.arguments;
}

class AfdArgumentTest : public AfdCommandTest,
                        public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(AfdArgumentTest, StartsInstallerFromProgramFolderWithTickedFiles) {
    const ArgumentCase& c = GetParam();
    for (int i : c.ticked)
        dialog.ticks[i] = 1;
    fs.AnswerYes();
    Run(c.command);

    ASSERT_EQ(fs.started().size(), 1u);
    EXPECT_EQ(fs.started()[0].file, kInstaller);
    EXPECT_EQ(fs.started()[0].parameters, c.arguments);
    EXPECT_EQ(fs.started()[0].directory, "C:\\Velport5");
    const bool reg = c.command == AfdCommand::Register;
    ExpectOnlyBox(reg ? "Registration of the AFCAD file was completed."
                      : "Restoring the AFCAD file was completed.",
                  "Completed", mb::kOk | mb::kIconInformation);
    ASSERT_EQ(fs.transcript().size(), 2u);
    EXPECT_EQ(fs.transcript()[0].text,
              reg ? "May I register the AFCAD file?" : "May I restore the AFCAD file?");
    EXPECT_EQ(fs.transcript()[0].caption, "Question");
    EXPECT_EQ(fs.transcript()[0].style, mb::kYesNo | mb::kIconQuestion);
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AfdArgumentTest,
    ::testing::Values(
        ArgumentCase{AfdCommand::Register, {0}, "New\\AFCAD1_RJBB.TXT"},
        ArgumentCase{AfdCommand::Register, {1}, "New\\AFCAD1_RJBD.TXT"},
        ArgumentCase{AfdCommand::Register, {2}, "New\\AFCAD1_RJBT.TXT"},
        ArgumentCase{AfdCommand::Register, {3}, "New\\AFCAD1_RJOK.TXT"},
        ArgumentCase{AfdCommand::Register, {4}, "New\\AFCAD1_RJBH.TXT"},
        ArgumentCase{AfdCommand::Restore, {0}, "Org\\RJBB.TXT"},
        ArgumentCase{AfdCommand::Restore, {1}, "Org\\RJBD.TXT"},
        ArgumentCase{AfdCommand::Restore, {2}, "Org\\RJBT.TXT"},
        ArgumentCase{AfdCommand::Restore, {3}, "Org\\RJOK.TXT"},
        ArgumentCase{AfdCommand::Restore, {4}, "Org\\RJBH.TXT"},
        ArgumentCase{AfdCommand::Register, {0, 3}, "New\\AFCAD1_RJBB.TXT New\\AFCAD1_RJOK.TXT"},
        ArgumentCase{AfdCommand::Register, {3, 4}, "New\\AFCAD1_RJOK.TXT New\\AFCAD1_RJBH.TXT"},
        ArgumentCase{AfdCommand::Restore, {1, 2}, "Org\\RJBD.TXT Org\\RJBT.TXT"},
        ArgumentCase{AfdCommand::Restore, {0, 4}, "Org\\RJBB.TXT Org\\RJBH.TXT"},
        ArgumentCase{AfdCommand::Register,
                     {0, 1, 2, 3, 4},
                     "New\\AFCAD1_RJBB.TXT New\\AFCAD1_RJBD.TXT New\\AFCAD1_RJBT.TXT "
                     "New\\AFCAD1_RJOK.TXT New\\AFCAD1_RJBH.TXT"},
        ArgumentCase{AfdCommand::Restore,
                     {0, 1, 2, 3, 4},
                     "Org\\RJBB.TXT Org\\RJBD.TXT Org\\RJBT.TXT Org\\RJOK.TXT Org\\RJBH.TXT"}),
    [](const auto& info) {
        std::string name = info.param.command == AfdCommand::Register ? "Register" : "Restore";
        for (int i : info.param.ticked)
            name += "_" + std::to_string(i);
        return name;
    });

TEST_F(AfdCommandTest, DialogSeesVerbAndClearedTicks) {
    work.selected = Ticks({0, 1, 2, 3, 4});  // left over from an earlier command
    dialog.result = 2;
    Run(AfdCommand::Register);
    EXPECT_EQ(dialog.verbShown, "registers");
    EXPECT_EQ(dialog.selectedShown, Ticks({}));

    dialog.result = 2;
    Run(AfdCommand::Restore);
    EXPECT_EQ(dialog.verbShown, "restores");
}

TEST_F(AfdCommandTest, InstallerIsTheOneInTheProgramFolder) {
    fs.SetProgramFolder("D:\\Tools\\Velport 5");
    fs.AddFile("D:\\Tools\\Velport 5\\AFInstaller.exe", "MZ");
    dialog.ticks = Ticks({2});
    fs.AnswerYes();
    Run(AfdCommand::Register);
    ASSERT_EQ(fs.started().size(), 1u);
    EXPECT_EQ(fs.started()[0].file, "D:\\Tools\\Velport 5\\AFInstaller.exe");
    EXPECT_EQ(fs.started()[0].directory, "D:\\Tools\\Velport 5");
    EXPECT_EQ(fs.started()[0].parameters, "New\\AFCAD1_RJBT.TXT");
}

// --- Paths that end without a change ---

struct StopCase {
    const char* name;
    int dialogResult;
    std::vector<int> ticked;
    std::vector<int> answers;  // to the question
    bool warnsNothingChosen;
};

void PrintTo(const StopCase& c, std::ostream* os) {
    *os << c.name;
}

class AfdStopTest : public AfdCommandTest,
                    public ::testing::WithParamInterface<std::tuple<StopCase, AfdCommand>> {};

TEST_P(AfdStopTest, ChangesNothingAndStartsNothing) {
    const auto& [c, command] = GetParam();
    dialog.result = c.dialogResult;
    for (int i : c.ticked)
        dialog.ticks[i] = 1;
    for (int a : c.answers)
        fs.Answer({a});
    const auto filesBefore = fs.Files();
    Run(command);

    EXPECT_EQ(fs.Files(), filesBefore);
    EXPECT_TRUE(fs.calls().empty());
    EXPECT_TRUE(fs.started().empty());
    EXPECT_EQ(fs.unansweredQuestions(), 0u);
    EXPECT_EQ(fs.transcript().size(), c.answers.size() + (c.warnsNothingChosen ? 1 : 0));
    if (c.warnsNothingChosen) {
        const std::string text = command == AfdCommand::Register
                                     ? "There are no registered AFCAD file."
                                     : "There was no restored AFCAD file.";
        ExpectOnlyBox(text, "Warning", mb::kOk | mb::kIconWarning);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AfdStopTest,
    ::testing::Combine(::testing::Values(StopCase{"Cancel", 2, {0}, {}, false},
                                         StopCase{"OtherResult", 0, {0}, {}, false},
                                         StopCase{"QuestionNo", 1, {0, 1}, {mb::kIdNo}, false},
                                         StopCase{"NothingTicked", 1, {}, {mb::kIdYes}, true}),
                       ::testing::Values(AfdCommand::Register, AfdCommand::Restore)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == AfdCommand::Register ? "Register" : "Restore");
    });

TEST_F(AfdCommandTest, CancelLeavesTicksAsTheCommandSetThem) {
    dialog.result = 2;
    dialog.ticks = Ticks({0, 1});
    Run(AfdCommand::Register);
    EXPECT_EQ(work.selected, Ticks({}));
}

// --- japanafd.bgl missing ---

TEST_F(AfdCommandTest, MissingBglStopsWithNotFoundError) {
    struct Case {
        AfdCommand command;
        bool folderInstead;  // a folder of that name is no file
        const char* text;
    };
    const Case cases[] = {
        {AfdCommand::Register, false,
         "\"Japanafd.bgl\"dose not found.\nRegistration of the AFCAD file is stopped."},
        {AfdCommand::Restore, true,
         "\"Japanafd.bgl\"dose not found.\nRestoring the AFCAD file is stopped."},
    };
    for (const Case& c : cases) {
        fake::FakePlatform platform;
        platform.AddFile(kInstaller, "MZ");
        if (c.folderInstead)
            platform.AddFolder(kBgl);
        std::vector<std::string> calls;
        ScriptedDialog dlg(calls);
        dlg.ticks = Ticks({0});
        platform.AnswerYes();
        facility::RunAfdCommand(platform, dlg, c.command, kFs, work);
        ASSERT_EQ(platform.transcript().size(), 2u);
        EXPECT_EQ(platform.transcript()[1].text, c.text);
        EXPECT_EQ(platform.transcript()[1].caption, "Error");
        EXPECT_EQ(platform.transcript()[1].style, mb::kOk | mb::kIconError);
        EXPECT_TRUE(platform.calls().empty());
        EXPECT_TRUE(platform.started().empty());
    }
}

// --- Backups ---

TEST_F(AfdCommandTest, FirstCommandMakesBothBackupsLaterOnesOnlyTheLatest) {
    dialog.ticks = Ticks({0});
    fs.AnswerYes();
    Run(AfdCommand::Register);
    EXPECT_EQ(work.bgl, kBgl);
    EXPECT_EQ(work.org, kOrg);
    EXPECT_EQ(work.bak, kBak);
    EXPECT_EQ(fs.Bytes(kOrg), "stock bgl");
    EXPECT_EQ(fs.Bytes(kBak), "stock bgl");

    // The installer changed the file; a restore keeps the first backup and replaces the latest.
    fs.AddFile(kBgl, "after register");
    fs.AnswerYes();
    Run(AfdCommand::Restore);
    EXPECT_EQ(fs.Bytes(kOrg), "stock bgl");
    EXPECT_EQ(fs.Bytes(kBak), "after register");
    EXPECT_EQ(fs.Bytes(kBgl), "after register");
    EXPECT_EQ(fs.started().size(), 2u);

    fs.AddFile(kBgl, "after restore");
    fs.AnswerYes();
    Run(AfdCommand::Register);
    EXPECT_EQ(fs.Bytes(kOrg), "stock bgl");
    EXPECT_EQ(fs.Bytes(kBak), "after restore");
}

TEST_F(AfdCommandTest, ExistingFirstBackupIsNeverCopiedOver) {
    fs.AddFile(kOrg, "older original");
    dialog.ticks = Ticks({4});
    fs.AnswerYes();
    Run(AfdCommand::Restore);
    EXPECT_EQ(fs.Bytes(kOrg), "older original");
    EXPECT_EQ(fs.Bytes(kBak), "stock bgl");
    for (const auto& call : fs.calls())
        EXPECT_NE(call.path, kOrg) << fake::ToString(call.op);
}

struct CopyFailure {
    const char* name;
    const char* target;  // kOrg or kBak
    uint32_t code;
    bool orgBefore;  // japanafd.TNV_ORG exists before the command
    bool bakBefore;
};

void PrintTo(const CopyFailure& c, std::ostream* os) {
    *os << c.name;
}

class AfdCopyFailureTest
    : public AfdCommandTest,
      public ::testing::WithParamInterface<std::tuple<CopyFailure, AfdCommand>> {};

TEST_P(AfdCopyFailureTest, ShowsCopyErrorAndStartsNothing) {
    const auto& [c, command] = GetParam();
    const bool failsOrg = std::string(c.target) == kOrg;
    if (c.orgBefore)
        fs.AddFile(kOrg, "older original");
    if (c.bakBefore)
        fs.AddFile(kBak, "older latest");
    // Each backup is copied to japanafd.TNV_TMP first; the failure stays for good.
    fs.FailNext(fake::FileOp::Copy, "TNV_TMP", c.code, failsOrg || c.orgBefore ? 0 : 1, -1);
    dialog.ticks = Ticks({1});
    fs.AnswerYes();
    Run(command);

    ASSERT_EQ(fs.transcript().size(), 2u);
    ExpectOnlyBox(command == AfdCommand::Register
                      ? "An error occured during copying \"japanafd.bgl\" file.\n"
                        "Registration of the AFCAD file is stopped."
                      : "An error occured during copying \"japanafd.bgl\" file.\n"
                        "Restoring the AFCAD file is stopped.",
                  "Error", mb::kOk | mb::kIconError);
    EXPECT_TRUE(fs.started().empty());
    EXPECT_EQ(fs.Bytes(kBgl), "stock bgl");

    // A first backup that could not be made leaves no remnant that would later pass for one,
    // and an older backup stays whole.
    if (c.orgBefore) {
        EXPECT_EQ(fs.Bytes(kOrg), "older original");
    } else if (failsOrg) {
        EXPECT_FALSE(fs.HasFile(kOrg));
    } else {
        EXPECT_EQ(fs.Bytes(kOrg), "stock bgl");
    }
    if (c.bakBefore) {
        EXPECT_EQ(fs.Bytes(kBak), "older latest");
    } else {
        EXPECT_FALSE(fs.HasFile(kBak));
    }
    EXPECT_FALSE(fs.HasFile(kTmp));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, AfdCopyFailureTest,
    ::testing::Combine(
        ::testing::Values(CopyFailure{"OrgAccessDenied", kOrg, error::kAccessDenied, false, false},
                          CopyFailure{"OrgDiskFull", kOrg, error::kDiskFull, false, true},
                          CopyFailure{"BakSharing", kBak, error::kSharingViolation, false, false},
                          CopyFailure{"BakDiskFullNew", kBak, error::kDiskFull, true, false},
                          CopyFailure{"BakDiskFullOld", kBak, error::kDiskFull, true, true}),
        ::testing::Values(AfdCommand::Register, AfdCommand::Restore)),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) +
               (std::get<1>(info.param) == AfdCommand::Register ? "Register" : "Restore");
    });

TEST_F(AfdCommandTest, BglHeldOpenFailsBothWays) {
    fs.HoldOpen(kBgl);
    dialog.ticks = Ticks({0});
    fs.AnswerYes();
    Run(AfdCommand::Register);
    EXPECT_EQ(fs.transcript().back().caption, "Error");
    EXPECT_NE(fs.transcript().back().text.find("copying"), std::string::npos);
    EXPECT_FALSE(fs.HasFile(kOrg));
    EXPECT_FALSE(fs.HasFile(kBak));
    EXPECT_TRUE(fs.started().empty());
}

// Windows' ways with files: a program that holds japanafd.bgl for a moment, a scanner that
// opens every new file, FS2002 below Program Files (a virtualized folder). Each ends with both
// backups whole and the installer started; only a hold that lasts stops the command, and soon.
TEST_F(AfdCommandTest, ShortHoldsScannersAndProtectedFoldersOnlySlowItDown) {
    const std::string folder = "C:\\FS2002\\Scenedb\\AFDFILES\\scenery";
    struct Case {
        const char* name;
        std::function<void(fake::FakePlatform&)> arrange;
    } cases[] = {
        {"bgl held for 700 ms", [](auto& p) { p.HoldFor(kBgl, 700); }},
        {"scanner, sharing violation", [](auto& p) { p.ScanNewFiles(400); }},
        {"scanner, access denied", [](auto& p) { p.ScanNewFiles(400, error::kAccessDenied); }},
        {"virtualized folder", [&](auto& p) { p.Virtualize(folder); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake::FakePlatform fresh;
        fresh.AddFile(kInstaller, "MZ");
        fresh.AddFile(kBgl, "stock bgl");
        fresh.AddFile(kBak, "older latest");
        c.arrange(fresh);
        fresh.AnswerYes();
        dialog.ticks = Ticks({0});
        facility::RunAfdCommand(fresh, dialog, AfdCommand::Register, kFs, work);
        EXPECT_EQ(fresh.transcript().back().caption, "Completed");
        EXPECT_EQ(fresh.Bytes(kOrg), "stock bgl");
        EXPECT_EQ(fresh.Bytes(kBak), "stock bgl");
        EXPECT_FALSE(fresh.HasFile(kTmp));
        EXPECT_EQ(fresh.started().size(), 1u);
        if (std::string(c.name) == "virtualized folder") {
            EXPECT_EQ(fresh.RealBytes(kBak), "older latest");
            EXPECT_TRUE(fresh.HasVirtualCopy(kOrg));
        }
    }
}

TEST_F(AfdCommandTest, AHoldThatLastsStopsWithinAboutThreeSeconds) {
    fs.HoldFor(kBgl, 60000);
    uint64_t shownAt = 0;
    fs.onMessage = [&](const fake::MessageBox&) { shownAt = fs.now(); };
    dialog.ticks = Ticks({0});
    fs.AnswerYes();
    Run(AfdCommand::Register);
    EXPECT_EQ(fs.transcript().back().caption, "Error");
    EXPECT_GE(shownAt, 900u) << "waited for the file";
    EXPECT_LE(shownAt, 3000u);
    EXPECT_FALSE(fs.HasFile(kOrg));
    EXPECT_TRUE(fs.started().empty());
}

// --- Starting the installer ---

TEST_F(AfdCommandTest, FailedStartShowsStartErrorAndKeepsBackups) {
    struct Case {
        AfdCommand command;
        bool installerMissing;
        intptr_t result;  // forced shell result when the installer is there
        const char* text;
    };
    const Case cases[] = {
        {AfdCommand::Register, true, 0, "An error occured during registering the AFCAD file."},
        {AfdCommand::Restore, true, 0, "An error occured during restoring the AFCAD file."},
        {AfdCommand::Register, false, 31, "An error occured during registering the AFCAD file."},
        {AfdCommand::Restore, false, 32, "An error occured during restoring the AFCAD file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        fs.RemoveFile(kOrg);
        fs.RemoveFile(kBak);
        if (c.installerMissing) {
            fs.RemoveFile(kInstaller);
            fs.SetStartResult(std::nullopt);
        } else {
            fs.AddFile(kInstaller, "MZ");
            fs.SetStartResult(c.result);
        }
        log.clear();
        dialog.ticks = Ticks({0, 2});
        fs.AnswerYes();
        Run(c.command);
        ExpectOnlyBox(c.text, "Error", mb::kOk | mb::kIconError);
        EXPECT_TRUE(fs.started().empty());
        EXPECT_EQ(fs.Bytes(kOrg), "stock bgl");
        EXPECT_EQ(fs.Bytes(kBak), "stock bgl");
    }
}

TEST_F(AfdCommandTest, UnknownProgramFolderStartsNothing) {
    fs.SetProgramFolder("");
    fs.AddFile("\\AFInstaller.exe", "MZ");
    dialog.ticks = Ticks({0});
    fs.AnswerYes();
    Run(AfdCommand::Register);
    EXPECT_TRUE(fs.started().empty());
    ExpectOnlyBox("An error occured during registering the AFCAD file.", "Error",
                  mb::kOk | mb::kIconError);
}

// --- The FS2002 folder text ---

TEST_F(AfdCommandTest, TrailingBackslashesGiveTheSamePaths) {
    for (const char* folder : {"C:\\FS2002", "C:\\FS2002\\", "C:\\FS2002\\\\\\"}) {
        SCOPED_TRACE(folder);
        dialog.ticks = Ticks({0});
        fs.AnswerYes();
        Run(AfdCommand::Register, folder);
        EXPECT_EQ(work.bgl, kBgl);
        EXPECT_EQ(work.org, kOrg);
        EXPECT_EQ(work.bak, kBak);
        EXPECT_EQ(fs.transcript().back().caption, "Completed");
    }
}

TEST_F(AfdCommandTest, JapaneseFolderKeepsItsLastCharacter) {
    // "C:\FS表" in code page 932: the last character's second byte has the backslash's value.
    const std::string folder = "C:\\FS\x95\x5C";
    fs.UseCodePage932();
    fs.AddFile(folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl", "jp");
    dialog.ticks = Ticks({3});
    fs.AnswerYes();
    Run(AfdCommand::Restore, folder + "\\");
    EXPECT_EQ(work.bgl, folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl");
    EXPECT_EQ(fs.Bytes(folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.TNV_ORG"), "jp");
    EXPECT_EQ(fs.transcript().back().caption, "Completed");
}

TEST_F(AfdCommandTest, FolderTooLongForThePathsStopsBeforeAnyFileCall) {
    struct Case {
        std::size_t length;  // of the folder text before trailing backslashes
        const char* trailing;
        bool fits;
    };
    // 217 characters plus "\Scenedb\AFDFILES\scenery\japanafd.TNV_ORG" (42) is the longest path.
    const Case cases[] = {{217, "", true},
                          {217, "\\\\", true},
                          {218, "", false},
                          {218, "\\", false},
                          {600, "", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        fake::FakePlatform platform;
        platform.AddFile(kInstaller, "MZ");
        const std::string folder = "C:\\" + std::string(c.length - 3, 'f');
        platform.AddFile(folder + "\\Scenedb\\AFDFILES\\scenery\\japanafd.bgl", "long");
        std::vector<std::string> calls;
        ScriptedDialog dlg(calls);
        dlg.ticks = Ticks({0});
        platform.Answer({mb::kIdYes, mb::kIdYes});
        facility::RunAfdCommand(platform, dlg, AfdCommand::Register, folder + c.trailing, work);
        facility::RunAfdCommand(platform, dlg, AfdCommand::Restore, folder + c.trailing, work);
        ASSERT_EQ(platform.transcript().size(), 4u);
        if (c.fits) {
            EXPECT_EQ(platform.transcript()[1].caption, "Completed");
            EXPECT_EQ(platform.started().size(), 2u);
            continue;
        }
        EXPECT_EQ(platform.transcript()[1].text,
                  "The name of the FS2002 folder is too long.\n"
                  "Registration of the AFCAD file is stopped.");
        EXPECT_EQ(platform.transcript()[3].text,
                  "The name of the FS2002 folder is too long.\n"
                  "Restoring the AFCAD file is stopped.");
        EXPECT_EQ(platform.transcript()[3].style, mb::kOk | mb::kIconError);
        EXPECT_EQ(platform.transcript()[3].caption, "Error");
        EXPECT_TRUE(platform.calls().empty());
        EXPECT_TRUE(platform.started().empty());
    }
}

// --- Order, and something unexpected ---

TEST_F(AfdCommandTest, DialogFailureReachesTheCaller) {
    dialog.throws = true;
    EXPECT_THROW(Run(AfdCommand::Register), std::runtime_error);
    EXPECT_TRUE(fs.transcript().empty());
}

TEST_F(AfdCommandTest, DialogThenQuestionThenCompletion) {
    dialog.ticks = Ticks({0});
    fs.AnswerYes();
    Run(AfdCommand::Register);
    EXPECT_EQ(log, (std::vector<std::string>{"dialog", "box Question", "box Completed"}));
}

}  // namespace
