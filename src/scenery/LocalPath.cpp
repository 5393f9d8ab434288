#include "scenery/LocalPath.h"

#include <vector>

#include "shell/PathTrim.h"

namespace scenery {

namespace {

char FoldAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// The levels of a path: the root as the first level ("C:", "\\server\share", "" for a path
// that starts with a backslash, or the first name of a relative path), then one level per
// name. A trailing backslash adds no empty level.
std::vector<std::string_view> Levels(platform::Platform& platform, std::string_view path) {
    // Separators are found by characters: a trail byte with the backslash's value is no
    // separator.
    std::vector<std::size_t> separators;
    for (std::size_t i = 0; i < path.size();) {
        if (platform.IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
            i += 2;
            continue;
        }
        if (path[i] == '\\')
            separators.push_back(i);
        ++i;
    }
    // The root ends at the first separator, or for a network path at the fourth one
    // (\\server\share\...).
    const bool network = path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
    std::size_t s = network ? 3 : 0;
    const std::size_t rootEnd = s < separators.size() ? separators[s] : path.size();
    std::vector<std::string_view> levels{path.substr(0, rootEnd)};
    std::size_t start = rootEnd + 1;
    for (++s; s <= separators.size(); ++s) {
        const std::size_t end = s < separators.size() ? separators[s] : path.size();
        levels.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    if (levels.size() > 1 && levels.back().empty())
        levels.pop_back();
    return levels;
}

}  // namespace

bool SameTextIgnoringCase(platform::Platform& platform, std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (platform.IsLeadByte(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            // A lead byte is no letter, so b holds the same lead byte here if the texts are
            // equal; the trail bytes must then match exactly.
            if (a[i] != b[i] || a[i + 1] != b[i + 1])
                return false;
            ++i;
            continue;
        }
        if (FoldAscii(a[i]) != FoldAscii(b[i]))
            return false;
    }
    return true;
}

std::optional<std::string> RelativePathTo(platform::Platform& platform, const std::string& from,
                                          const std::string& to) {
    const std::vector<std::string_view> fromLevels = Levels(platform, from);
    const std::vector<std::string_view> toLevels = Levels(platform, to);
    std::size_t common = 0;
    while (common < fromLevels.size() && common < toLevels.size() &&
           SameTextIgnoringCase(platform, fromLevels[common], toLevels[common])) {
        ++common;
    }
    if (common == 0)
        return std::nullopt;

    std::string relative;
    for (std::size_t i = common; i < fromLevels.size(); ++i) {
        if (!relative.empty())
            relative += '\\';
        relative += "..";
    }
    if (relative.empty())
        relative.push_back('.');  // inside the folder: ".\Sub"
    for (std::size_t i = common; i < toLevels.size(); ++i) {
        relative += '\\';
        relative += toLevels[i];
    }
    if (relative.size() > platform::kMaxPathLength)
        return std::nullopt;
    return relative;
}

bool IsSameFolder(platform::Platform& platform, const std::string& fsFolder,
                  const std::string& addonPath) {
    return SameTextIgnoringCase(platform, shell::TrimPathCopy(platform, addonPath), fsFolder);
}

std::string AreaFolder(platform::Platform& platform, const std::string& addonPath,
                       const std::string& rowFolder) {
    return shell::TrimPath(platform, addonPath) + "\\" + rowFolder;
}

std::string LocalPath(platform::Platform& platform, const std::string& fsFolder,
                      const std::string& addonPath, const std::string& rowFolder) {
    if (IsSameFolder(platform, fsFolder, addonPath))
        return rowFolder;
    const std::string areaFolder = AreaFolder(platform, addonPath, rowFolder);
    // The drive test looks at the first two bytes of the add-on folder as read, like the
    // drive letter and colon of "C:\...".
    const std::string_view addonDrive = std::string_view(addonPath).substr(0, 2);
    const std::string_view fsDrive = std::string_view(fsFolder).substr(0, 2);
    if (!SameTextIgnoringCase(platform, addonDrive, fsDrive))
        return areaFolder;
    return RelativePathTo(platform, fsFolder, areaFolder).value_or(areaFolder);
}

}  // namespace scenery
