#include "scenery/SceneryData.h"

namespace scenery {

const std::array<SCENERY_DEF, kAreaCount> SceneryTable = {{
    {"Tenvari - Kansai Coast for FS2002", "Addon Scenery\\Tenvari\\Velport3_Coast2"},
    {"Tenvari - Akashi Bridge", "Addon Scenery\\Tenvari\\Velport3_Akashi"},
    {"Tenvari - RJBH", "Addon Scenery\\Tenvari\\RJBH"},
    {"Tenvari - RJOK", "Addon Scenery\\Tenvari\\RJOK"},
    {"Tenvari - RJBT", "Addon Scenery\\Tenvari\\RJBT"},
    {"Tenvari - RJBD", "Addon Scenery\\Tenvari\\RJBD"},
    {"Tenvari - RJBB", "Addon Scenery\\Tenvari\\RJBB"},
    {"Tenvari - Airport Vehicles(Vol.5)", "Addon Scenery\\Tenvari\\Velport5_Vehicles"},
}};

SceneryState& ProcessSceneryState() {
    // Created on first use and kept until the program ends, so that a command sees what the
    // previous one left in the records.
    static SceneryState state;
    return state;
}

std::string BglPattern(const std::string& folder) {
    return folder + "\\*.bgl";
}

bool HasBglFiles(platform::Platform& platform, const std::string& folder) {
    const std::string pattern = BglPattern(folder);
    // The commands refuse too long folders before probing; a pattern that the system could not
    // take finds nothing.
    if (pattern.size() > platform::kMaxPathLength)
        return false;
    return platform.AnyMatch(pattern);
}

}  // namespace scenery
