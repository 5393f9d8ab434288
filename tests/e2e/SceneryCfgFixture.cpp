#include "SceneryCfgFixture.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

#include "driver/Files.h"
#include "driver/Text.h"

namespace e2e {

const CatalogueRow kCatalogue[8] = {
    {"Tenvari - Kansai Coast for FS2002", "Addon Scenery\\Tenvari\\Velport3_Coast2"},
    {"Tenvari - Akashi Bridge", "Addon Scenery\\Tenvari\\Velport3_Akashi"},
    {"Tenvari - RJBH", "Addon Scenery\\Tenvari\\RJBH"},
    {"Tenvari - RJOK", "Addon Scenery\\Tenvari\\RJOK"},
    {"Tenvari - RJBT", "Addon Scenery\\Tenvari\\RJBT"},
    {"Tenvari - RJBD", "Addon Scenery\\Tenvari\\RJBD"},
    {"Tenvari - RJBB", "Addon Scenery\\Tenvari\\RJBB"},
    {"Tenvari - Airport Vehicles(Vol.5)", "Addon Scenery\\Tenvari\\Velport5_Vehicles"},
};

namespace {

std::string AreaName(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "Area.%03d", number);
    return name;
}

struct StockArea {
    const char* title;
    const char* local;
};

// Titles and folders in the manner of FS2002's stock library.
const StockArea kStockAreas[] = {
    {"Default Terrain", "Scenery\\World"},
    {"Default Scenery", "Scenery\\BASE"},
    {"Propeller Objects", "Scenery\\Cities\\Propeller"},
    {"Global Landclass", "Scenery\\Global\\Landclass"},
    {"Global Elevation", "Scenery\\Global\\Elevation"},
    {"Africa", "Scenery\\AFRI"},
    {"Asia", "Scenery\\ASIA"},
    {"Australia", "Scenery\\AUST"},
    {"Europe East", "Scenery\\EURE"},
    {"Europe West", "Scenery\\EURW"},
    {"North America Central East", "Scenery\\NAMC"},
    {"North America East", "Scenery\\NAME"},
    {"North America West", "Scenery\\NAMW"},
    {"Ocean", "Scenery\\OCEN"},
    {"Pacific", "Scenery\\PACI"},
    {"South America", "Scenery\\SAME"},
    {"Chicago", "Scenery\\Cities\\Chicago"},
    {"London", "Scenery\\Cities\\London"},
    {"Los Angeles", "Scenery\\Cities\\LosAngeles"},
    {"New York", "Scenery\\Cities\\NewYork"},
    {"Paris", "Scenery\\Cities\\Paris"},
    {"San Francisco", "Scenery\\Cities\\SanFrancisco"},
    {"Tokyo", "Scenery\\Cities\\Tokyo"},
    {"Seattle", "Scenery\\Cities\\Seattle"},
    {"Rio de Janeiro", "Scenery\\Cities\\Rio"},
    {"Hong Kong", "Scenery\\Cities\\HongKong"},
    {"Generic Airports", "Scenery\\Generic"},
    {"Add-on Scenery", "Addon Scenery"},
};

}  // namespace

std::string Fs2002SceneryCfg() {
    std::string cfg =
        "[General]\r\nTitle=FS2002 World Scenery\r\nDescription=FS2002 Scenery Data\r\n"
        "Clean_on_Exit=TRUE\r\n\r\n";
    int number = 1;
    for (const StockArea& area : kStockAreas) {
        cfg += ExistingAreaSection(number, area.title, area.local, number, "TRUE");
        ++number;
    }
    return cfg;
}

namespace {

// A section from its key lines, in the given order, each ended by CR LF, then a blank line.
std::string Section(int number, std::initializer_list<std::pair<const char*, std::string>> keys) {
    std::string text = "[";
    text.append(AreaName(number)).append("]\r\n");
    for (const auto& [key, value] : keys) {
        text.append(key).append("=").append(value).append("\r\n");
    }
    return text.append("\r\n");
}

}  // namespace

std::string NewAreaSection(int number, const std::string& title, const std::string& local,
                           int layer, const std::string& active) {
    return Section(number, {{"Title", title},
                            {"Local", local},
                            {"Active", active},
                            {"Layer", std::to_string(layer)},
                            {"Required", "FALSE"},
                            {"Remote", ""}});
}

std::string ExistingAreaSection(int number, const std::string& title, const std::string& local,
                                int layer, const std::string& active) {
    return Section(number, {{"Title", title},
                            {"Local", local},
                            {"Remote", ""},
                            {"Active", active},
                            {"Required", "FALSE"},
                            {"Layer", std::to_string(layer)}});
}

std::string SceneryLayout::Cfg() const {
    return JoinPath(fsFolder, "scenery.cfg");
}
std::string SceneryLayout::Backup() const {
    return JoinPath(fsFolder, "scenery.TNV_BAK");
}
std::string SceneryLayout::Local(int row) const {
    return localPrefix + kCatalogue[row - 1].folder;
}
std::string SceneryLayout::Title(int row) const {
    return kCatalogue[row - 1].title;
}

SceneryLayout RelativeLayout(const std::string& root) {
    SceneryLayout layout;
    layout.fsFolder = JoinPath(root, "Games\\FS2002");
    layout.fsRegistry = layout.fsFolder;
    layout.addonFolder = JoinPath(root, "Addons\\Velport5");
    layout.addonRegistry = layout.addonFolder;
    layout.localPrefix = "..\\..\\Addons\\Velport5\\";
    return layout;
}

void MakeAddonScenery(const std::string& addonFolder, const std::vector<int>& rowsWithScenery) {
    for (int row = 1; row <= 8; ++row) {
        std::string scenery =
            JoinPath(JoinPath(addonFolder, kCatalogue[row - 1].folder), "Scenery");
        bool present =
            std::find(rowsWithScenery.begin(), rowsWithScenery.end(), row) != rowsWithScenery.end();
        if (present) {
            WriteBytes(JoinPath(scenery, "area" + std::to_string(row) + ".bgl"), "BGL");
        } else {
            WriteBytes(
                JoinPath(JoinPath(addonFolder, kCatalogue[row - 1].folder), "texture\\t.bmp"),
                "BMP");
            MakeFolders(scenery);
        }
    }
}

}  // namespace e2e
