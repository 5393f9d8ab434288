// The add-on's eight scenery areas, the work records that carry them through a command, and the
// probe for scenery files.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Platform.h"

namespace scenery {

inline constexpr int kAreaCount = 8;

// One catalogue row.
struct SCENERY_DEF {
    const char* title;   // the Title of the area's section in scenery.cfg
    const char* folder;  // below the add-on folder; its scenery files lie in "Scenery"
};

// The catalogue, in its fixed order: index 0 is the shared coastal area, index 1 the Akashi
// Bridge that stays with it.
extern const std::array<SCENERY_DEF, kAreaCount> SceneryTable;

// The work record of one area.
struct A_DATA {
    bool install = false;     // to be added to scenery.cfg
    bool remove = false;      // to be removed from scenery.cfg
    bool registered = false;  // scenery.cfg lists an area section whose Local equals `local`
    std::string title;
    std::string local;
    std::string active;
};

// The job handed to the area editor.
struct S_DATA {
    std::string file;         // full path of scenery.cfg
    int32_t count = 0;        // number of records in `areas`
    A_DATA* areas = nullptr;  // not owned
    // The editor made the backup copy during this command: the backup holds scenery.cfg as it
    // was before the command's first change. The command clears it when it sets up the job.
    bool backupMade = false;
};

// The process-wide records. A command fills them and they keep their contents between
// commands: a delete after a register sees what the register left.
struct SceneryState {
    std::array<A_DATA, kAreaCount> AreaTable{};
    S_DATA SceneryJob;
};

// The one instance of the running program.
SceneryState& ProcessSceneryState();

// The search pattern that HasBglFiles composes for a folder: "<folder>\*.bgl".
std::string BglPattern(const std::string& folder);

// True when the folder (no trailing backslash) holds an entry matching *.bgl. Not recursive;
// names match without regard to case. A folder that is missing, unreadable or so long that the
// pattern exceeds platform::kMaxPathLength gives false.
bool HasBglFiles(platform::Platform& platform, const std::string& folder);

}  // namespace scenery
