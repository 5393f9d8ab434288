// The Japanese code page 932: folder names that end in a double-byte character whose second
// byte has the backslash's value (0x5C), as "表" (0x95 0x5C) has. ctest runs this driver, and
// with it the program, with LANG=ja_JP.UTF-8.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "SceneryCfgFixture.h"
#include "ToolTest.h"
#include "driver/Files.h"
#include "driver/Text.h"
#include "driver/Windows.h"

namespace e2e {
namespace {

// "フライト表" and "アドオン表" in code page 932; each ends in the bytes 0x95 0x5C.
constexpr char kFs2002Name[] = "\x83\x74\x83\x89\x83\x43\x83\x67\x95\x5C";
constexpr char kAddonName[] = "\x83\x41\x83\x68\x83\x49\x83\x93\x95\x5C";

class CodePage932Test : public ToolTest {};

// The FS2002 folder typed with a trailing backslash, the add-on folder registered with one: the
// program trims the backslash and keeps the "表", finds scenery.cfg and writes Local values
// relative to the FS2002 folder.
TEST_F(CodePage932Test, TrailingDoubleByteCharacterIsNotABackslash) {
    ASSERT_EQ(GetACP(), 932u) << "the driver must run with LANG=ja_JP.UTF-8 and that locale "
                                 "generated (locale-gen); scripts/e2e.sh does both";
    ASSERT_TRUE(IsDBCSLeadByte(0x95));

    SceneryLayout l;
    l.fsFolder = JoinPath(sandbox_.Root(), kFs2002Name);
    l.addonFolder = JoinPath(sandbox_.Root(), kAddonName);
    l.addonRegistry = l.addonFolder + "\\";
    l.localPrefix = std::string("..\\") + kAddonName + "\\";
    const std::string base = Fs2002SceneryCfg();
    WriteBytes(l.Cfg(), base);
    MakeAddonScenery(l.addonFolder, {7});
    RegisterAddon(l.addonRegistry);  // no FS2002 key: the user types the folder

    Process& tool = StartTool();
    MainWindow main;
    ASSERT_TRUE(WaitForMainWindow(tool, main));
    ASSERT_EQ(main.States(), ControlStates::Idle(false));
    // The folder name pasted, the backslash typed.
    ASSERT_TRUE(PasteText(main.edit, l.fsFolder));
    ASSERT_TRUE(TypeText(main.edit, "\\"));
    EXPECT_EQ(main.EditText(), l.fsFolder + "\\");
    EXPECT_EQ(main.States(), ControlStates::Idle(true));

    ASSERT_TRUE(Click(main.scnAdd));
    ASSERT_TRUE(AnswerBox(tool, "Question", texts::kRegisterQuestion, IDYES));
    ASSERT_TRUE(AnswerBox(tool, "Completed", texts::kRegisterDone, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    const std::string registered = base + NewAreaSection(29, l.Title(7), l.Local(7), 29);
    EXPECT_TRUE(FileHolds(l.Cfg(), registered));
    EXPECT_TRUE(FileHolds(l.Backup(), base));

    ASSERT_TRUE(Click(main.scnDel));
    ASSERT_TRUE(AnswerBox(tool, "Question", texts::kDeleteQuestion, IDYES));
    ASSERT_TRUE(AnswerBox(tool, "Completed", texts::kDeleteDone, IDOK));
    ASSERT_TRUE(WaitIdle(main));
    EXPECT_TRUE(FileHolds(l.Cfg(), base));
    EXPECT_TRUE(NoMessageBox(tool));
}

}  // namespace
}  // namespace e2e
