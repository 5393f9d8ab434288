// The scenery-file probe.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FakePlatform.h"
#include "scenery/SceneryData.h"

namespace {

const std::string kFolder = "C:\\Addons\\Area\\Scenery";

TEST(HasBglFiles, FindsScenery) {
    struct Case {
        const char* name;
        std::function<void(fake::FakePlatform&)> setUp;
        bool found;
    };
    const Case cases[] = {
        {"missing folder", [](auto&) {}, false},
        {"empty folder", [](auto& fs) { fs.AddFolder(kFolder); }, false},
        {"other files", [](auto& fs) { fs.AddFile(kFolder + "\\a.bglx.txt", ""); }, false},
        {"lower case", [](auto& fs) { fs.AddFile(kFolder + "\\a.bgl", ""); }, true},
        {"upper case", [](auto& fs) { fs.AddFile(kFolder + "\\RJBB.BGL", ""); }, true},
        {"only in a subfolder", [](auto& fs) { fs.AddFile(kFolder + "\\sub\\a.bgl", ""); }, false},
        {"a folder named *.bgl", [](auto& fs) { fs.AddFolder(kFolder + "\\x.bgl"); }, true},
        {"in the parent only", [](auto& fs) { fs.AddFile("C:\\Addons\\Area\\a.bgl", ""); }, false},
    };
    for (const Case& c : cases) {
        fake::FakePlatform fs;
        c.setUp(fs);
        EXPECT_EQ(scenery::HasBglFiles(fs, kFolder), c.found) << c.name;
        EXPECT_TRUE(fs.transcript().empty());
    }
}

TEST(HasBglFiles, FolderTooLongForThePatternFindsNothing) {
    fake::FakePlatform fs;
    const std::string fits = "C:\\" + std::string(250, 'a');  // 253 + "\*.bgl" = 259
    const std::string tooLong = fits + "b";
    fs.AddFile(fits + "\\a.bgl", "");
    fs.AddFile(tooLong + "\\a.bgl", "");
    EXPECT_TRUE(scenery::HasBglFiles(fs, fits));
    EXPECT_FALSE(scenery::HasBglFiles(fs, tooLong));
}

}  // namespace
