#include "scenery/Scenery.h"

#include <algorithm>
#include <optional>

#include "files/RetryingPlatform.h"
#include "files/SiblingFiles.h"
#include "scenery/EditorMessages.h"
#include "scenery/IniDocument.h"
#include "scenery/Inifile.h"
#include "scenery/LocalPath.h"
#include "shell/PathTrim.h"
#include "shell/Registry.h"

namespace scenery {

namespace {

namespace mb = platform::mb;

constexpr unsigned kQuestionBox = mb::kIconQuestion | mb::kYesNo;
constexpr unsigned kWarningBox = mb::kIconWarning | mb::kOk;
constexpr unsigned kCompletedBox = mb::kIconInformation | mb::kOk;

constexpr const char* kRegisterQuestion = "May I register the scenery library?";
constexpr const char* kRegisterCompleted = "Registering the scerery library was completed.";
constexpr const char* kDeleteQuestion = "May I delete the scenery from your scenery library?";
constexpr const char* kDeleteCompleted = "Deletion from the scenery library was completed.";
constexpr const char* kNoScenery = "There are no scerery to register the scenery library.";
constexpr const char* kKeepQuestion =
    "Do you save the scenery area \"Tenvari - Kansai Coast for FS2002\"?\n"
    "(If you keep using \"Velport vol.6 or vol.8\",you have to choose \"Yes\".)";

std::string ProbeFolder(platform::Platform& platform, const std::string& addonPath, int row) {
    return AreaFolder(platform, addonPath, SceneryTable[row].folder) + "\\Scenery";
}

// What both commands work out before they touch anything.
struct Prepared {
    std::string fsFolder;  // the FS2002 folder without trailing backslashes
    std::string config;    // the path of scenery.cfg
};

// Trims the FS2002 folder, forms the path of scenery.cfg and checks that every path the
// command may compose fits the system's file calls and that scenery.cfg exists. Nothing, after
// an error box, when the command cannot go on; nothing has been read or written then.
std::optional<Prepared> Prepare(platform::Platform& platform, const std::string& fsFolderText,
                                const std::string& addonPath) {
    Prepared prepared;
    prepared.fsFolder = shell::TrimPathCopy(platform, fsFolderText);
    prepared.config = prepared.fsFolder + "\\scenery.cfg";
    // The backup copy and the temporary and old files of a save or a copy have the longest
    // names beside scenery.cfg.
    const std::size_t longestConfig =
        std::max({BackupPathFor(prepared.config).size(), files::TempPathFor(prepared.config).size(),
                  files::OldPathFor(prepared.config).size()});
    if (longestConfig > platform::kMaxPathLength) {
        ShowPathTooLong(platform, LongFolder::FS2002, prepared.fsFolder);
        return std::nullopt;
    }
    // The probe patterns are the longest paths below the add-on folder.
    for (int row = 0; row < kAreaCount; ++row) {
        if (BglPattern(ProbeFolder(platform, addonPath, row)).size() > platform::kMaxPathLength) {
            ShowPathTooLong(platform, LongFolder::Addon, addonPath);
            return std::nullopt;
        }
    }
    if (!platform::FileExists(platform, prepared.config)) {
        ShowNoSceneryCfg(platform);
        return std::nullopt;
    }
    return prepared;
}

void SetJob(SceneryState& state, const std::string& config) {
    state.SceneryJob.file = config;
    state.SceneryJob.count = kAreaCount;
    state.SceneryJob.areas = state.AreaTable.data();
    state.SceneryJob.backupMade = false;
}

}  // namespace

bool RegisterScenery(platform::Platform& system, SceneryState& state,
                     const std::string& fsFolderText, const std::string& addonPath) {
    // Every file call waits out a short hold by another program.
    files::RetryingPlatform platform(system);
    const std::optional<Prepared> prepared = Prepare(platform, fsFolderText, addonPath);
    if (!prepared)
        return false;

    bool anyScenery = false;
    for (int row = 0; row < kAreaCount; ++row) {
        A_DATA& area = state.AreaTable[row];
        area.install = HasBglFiles(platform, ProbeFolder(platform, addonPath, row));
        anyScenery = anyScenery || area.install;
        area.title = SceneryTable[row].title;
        area.active = "TRUE";
        area.local = LocalPath(platform, prepared->fsFolder, addonPath, SceneryTable[row].folder);
    }
    if (!anyScenery) {
        // Nothing to do, and scenery.cfg is left as it is, also where it lists areas whose
        // scenery is gone.
        platform.ShowMessage(kNoScenery, "Warning", kWarningBox);
        return true;
    }

    SetJob(state, prepared->config);
    if (!CheckAreas(platform, &state.SceneryJob))
        return false;
    for (A_DATA& area : state.AreaTable) {
        const bool sceneryFound = area.install;
        area.install = sceneryFound && !area.registered;  // listed areas are left as they are
        area.remove = !sceneryFound && area.registered;   // listed, but the scenery is gone
    }
    if (!DeleteAreas(platform, &state.SceneryJob, true))
        return false;
    return AddAreas(platform, &state.SceneryJob);
}

bool DeleteScenery(platform::Platform& system, SceneryState& state, const std::string& fsFolderText,
                   const std::string& addonPath) {
    files::RetryingPlatform platform(system);
    const std::optional<Prepared> prepared = Prepare(platform, fsFolderText, addonPath);
    if (!prepared)
        return false;

    // The same rule as the register command, so that its sections (also those of earlier runs)
    // are found.
    for (int row = 0; row < kAreaCount; ++row) {
        state.AreaTable[row].local =
            LocalPath(platform, prepared->fsFolder, addonPath, SceneryTable[row].folder);
    }
    SetJob(state, prepared->config);
    if (!CheckAreas(platform, &state.SceneryJob))
        return false;
    for (A_DATA& area : state.AreaTable)
        area.remove = area.registered;

    // The coastal area (and the bridge with it) may stay for the sibling volumes that use it.
    A_DATA& coast = state.AreaTable[0];
    if (coast.remove && HasBglFiles(platform, ProbeFolder(platform, addonPath, 0)) &&
        (shell::IsVolume6Installed(platform) || shell::IsVolume8Installed(platform))) {
        if (platform.ShowMessage(kKeepQuestion, "Question", kQuestionBox) == mb::kIdYes) {
            coast.remove = false;
            if (HasBglFiles(platform, ProbeFolder(platform, addonPath, 1))) {
                state.AreaTable[1].remove = false;
            }
        }
    }
    return DeleteAreas(platform, &state.SceneryJob, true);
}

void RunRegisterScenery(platform::Platform& platform, SceneryState& state,
                        const std::string& fsFolderText, const std::string& addonPath) {
    if (platform.ShowMessage(kRegisterQuestion, "Question", kQuestionBox) != mb::kIdYes)
        return;
    if (RegisterScenery(platform, state, fsFolderText, addonPath)) {
        platform.ShowMessage(kRegisterCompleted, "Completed", kCompletedBox);
    }
}

void RunDeleteScenery(platform::Platform& platform, SceneryState& state,
                      const std::string& fsFolderText, const std::string& addonPath) {
    if (platform.ShowMessage(kDeleteQuestion, "Question", kQuestionBox) != mb::kIdYes)
        return;
    if (DeleteScenery(platform, state, fsFolderText, addonPath)) {
        platform.ShowMessage(kDeleteCompleted, "Completed", kCompletedBox);
    }
}

}  // namespace scenery
