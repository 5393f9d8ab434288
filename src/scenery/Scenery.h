// The two scenery commands: "Register the scenery library" and "Delete the scenery library".
#pragma once

#include <string>

#include "platform/Platform.h"
#include "scenery/SceneryData.h"

namespace scenery {

// The command bodies. `fsFolderText` is the FS2002 folder as the edit box holds it, `addonPath`
// the add-on folder as read from the registry. True when the command ran through (the caller
// then shows the completion message); false when it stopped after telling the user why.
bool RegisterScenery(platform::Platform& platform, SceneryState& state,
                     const std::string& fsFolderText, const std::string& addonPath);
bool DeleteScenery(platform::Platform& platform, SceneryState& state,
                   const std::string& fsFolderText, const std::string& addonPath);

// What the buttons' click handlers do between their two ToggleProcessing calls: ask the
// command's question, run the body on Yes and show the completion message when it ran through.
void RunRegisterScenery(platform::Platform& platform, SceneryState& state,
                        const std::string& fsFolderText, const std::string& addonPath);
void RunDeleteScenery(platform::Platform& platform, SceneryState& state,
                      const std::string& fsFolderText, const std::string& addonPath);

}  // namespace scenery
