// Scenery files for the end-to-end tests: an FS2002-style scenery.cfg, the add-on's eight
// scenery areas on disk, and the area sections that the program is expected to write.
#pragma once

#include <string>
#include <vector>

namespace e2e {

// The add-on's catalogue as the tests expect it: row 1 to 8 (index 0 to 7).
struct CatalogueRow {
    const char* title;
    const char* folder;  // below the add-on folder
};
extern const CatalogueRow kCatalogue[8];

// A scenery.cfg in the style of FS2002's own: a [General] section and 28 area sections
// Area.001 to Area.028 with layers 1 to 28, in the form in which the program saves it (CR LF,
// one blank line after every section), so that a save of it changes nothing.
std::string Fs2002SceneryCfg();

// One area section as the program writes a new one: Title, Local, Active, Layer, Required,
// Remote, then a blank line.
std::string NewAreaSection(int number, const std::string& title, const std::string& local,
                           int layer, const std::string& active = "TRUE");

// An area section in the key order of FS2002's own sections (Title, Local, Remote, Active,
// Required, Layer), as an earlier installation might have left it.
std::string ExistingAreaSection(int number, const std::string& title, const std::string& local,
                                int layer, const std::string& active);

// Where a case puts FS2002 and the add-on, what the registry says, and the Local values that
// the program is expected to write for them.
struct SceneryLayout {
    std::string fsFolder;       // holds scenery.cfg
    std::string fsRegistry;     // "EXE Path"
    std::string addonFolder;    // holds the areas
    std::string addonRegistry;  // "Path"
    std::string localPrefix;    // Local of a row is this followed by the row's folder

    std::string Cfg() const;     // <fsFolder>\scenery.cfg
    std::string Backup() const;  // <fsFolder>\scenery.TNV_BAK
    std::string Local(int row) const;
    std::string Title(int row) const;
};

// FS2002 in <root>\Games\FS2002 and the add-on in <root>\Addons\Velport5: relative Local values.
SceneryLayout RelativeLayout(const std::string& root);

// Creates `<addonFolder>\<row folder>\Scenery\<name>.bgl` for each row (1 to 8) listed, and the
// Scenery folder without any .bgl file (a texture only) for the other rows.
void MakeAddonScenery(const std::string& addonFolder, const std::vector<int>& rowsWithScenery);

}  // namespace e2e
