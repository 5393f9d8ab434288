// A FS2002 folder with scenery.cfg and an add-on folder on the fake, for the tests of the
// register and delete commands.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

#include "FakePlatform.h"
#include "scenery/Scenery.h"
#include "scenery/SceneryData.h"

namespace scenery_test {

inline const std::string kFs = "C:\\FS2002";
inline const std::string kCfg = "C:\\FS2002\\scenery.cfg";
inline const std::string kBak = "C:\\FS2002\\scenery.TNV_BAK";
inline const std::string kTemp = "C:\\FS2002\\scenery.TNV_TMP";
inline const std::string kAddon = "C:\\FS2002";  // the add-on installed into FS2002's folder

// A section as a save writes it: header, lines, one blank line.
inline std::string Section(const std::string& name, std::initializer_list<std::string> lines) {
    std::string text = "[" + name + "]\r\n";
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text + "\r\n";
}

inline std::string AreaName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Area.%03d", number);
    return name;
}

// An area section of someone else's scenery.
inline std::string Area(int number, const std::string& local, int layer,
                        const std::string& active = "TRUE") {
    return Section(AreaName(number), {"Title=Other " + std::to_string(number), "Local=" + local,
                                      "Active=" + active, "Layer=" + std::to_string(layer)});
}

// The section that the register command writes for a catalogue row (0 to 7).
inline std::string RowArea(int number, int row, const std::string& local, int layer) {
    return Section(AreaName(number),
                   {std::string("Title=") + scenery::SceneryTable[row].title, "Local=" + local,
                    "Active=TRUE", "Layer=" + std::to_string(layer), "Required=FALSE", "Remote="});
}

// The Local of a row when the add-on lies in the FS2002 folder.
inline std::string RowLocal(int row) {
    return scenery::SceneryTable[row].folder;
}

// The file FS2002 ships, more or less: a General section and a few areas.
inline std::string StockConfig() {
    return Section("General", {"Title=FS2002 World Scenery", "Description=FS2002 Scenery Data",
                               "Clean_on_Exit=TRUE"}) +
           Area(1, "Scenery\\World", 1) + Area(2, "Scenery\\Propsets", 2) +
           Area(3, "Scenery\\Cities\\Tokyo", 3);
}

// What a message box showed, for comparing transcripts.
struct Box {
    std::string caption;
    unsigned style;
    std::string text;
    bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& box, std::ostream* os) {
    *os << "{" << box.caption << ", 0x" << std::hex << box.style << std::dec << ", \"" << box.text
        << "\"}";
}

inline std::vector<Box> Boxes(const fake::FakePlatform& fs) {
    std::vector<Box> boxes;
    for (const fake::MessageBox& box : fs.transcript()) {
        boxes.push_back(Box{box.caption, box.style, box.text});
    }
    return boxes;
}

namespace mb = platform::mb;
inline const Box kRegisterQuestion{"Question", mb::kIconQuestion | mb::kYesNo,
                                   "May I register the scenery library?"};
inline const Box kRegisterCompleted{"Completed", mb::kIconInformation | mb::kOk,
                                    "Registering the scerery library was completed."};
inline const Box kDeleteQuestion{"Question", mb::kIconQuestion | mb::kYesNo,
                                 "May I delete the scenery from your scenery library?"};
inline const Box kDeleteCompleted{"Completed", mb::kIconInformation | mb::kOk,
                                  "Deletion from the scenery library was completed."};
inline const Box kNoSceneryCfg{"Error", mb::kIconError | mb::kOk,
                               "There are no \"scenery.cfg\".\nThe process will be stopped."};
inline const Box kNoScenery{"Warning", mb::kIconWarning | mb::kOk,
                            "There are no scerery to register the scenery library."};
inline const Box kKeepQuestion{
    "Question", mb::kIconQuestion | mb::kYesNo,
    "Do you save the scenery area \"Tenvari - Kansai Coast for FS2002\"?\n(If you keep using "
    "\"Velport vol.6 or vol.8\",you have to choose \"Yes\".)"};
inline Box ErrorBox(const std::string& text) {
    return Box{"Error", mb::kIconError | mb::kOk, text};
}

class SceneryCommandTest : public ::testing::Test {
  protected:
    // Scenery files for a catalogue row (0 to 7) below an add-on folder.
    void AddScenery(int row, const std::string& addon = kAddon) {
        fs_.AddFile(addon + "\\" + scenery::SceneryTable[row].folder + "\\Scenery\\area.bgl", "");
    }
    void AddAllScenery(const std::string& addon = kAddon) {
        for (int row = 0; row < scenery::kAreaCount; ++row)
            AddScenery(row, addon);
    }
    // Presses the button and answers the first question Yes, then `answers`.
    void Register(std::initializer_list<int> answers = {}, const std::string& addon = kAddon,
                  const std::string& fs = kFs) {
        fs_.AnswerYes();
        fs_.Answer(answers);
        scenery::RunRegisterScenery(fs_, state_, fs, addon);
    }
    void Delete(std::initializer_list<int> answers = {}, const std::string& addon = kAddon,
                const std::string& fs = kFs) {
        fs_.AnswerYes();
        fs_.Answer(answers);
        scenery::RunDeleteScenery(fs_, state_, fs, addon);
    }
    std::string Cfg() const { return fs_.Bytes(kCfg); }

    fake::FakePlatform fs_;
    scenery::SceneryState state_;
};

}  // namespace scenery_test
