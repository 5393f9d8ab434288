#include "shell/PathTrim.h"

namespace shell {

std::string TrimPath(platform::Platform& platform, const std::string& path) {
    // Walk the characters from the start: only there can a lead byte be told from a trail byte.
    std::size_t keep = 0;  // length up to the end of the last character that is not a backslash
    for (std::size_t i = 0; i < path.size();) {
        const bool lead = platform.IsLeadByte(static_cast<unsigned char>(path[i]));
        const std::size_t width = (lead && i + 1 < path.size()) ? 2 : 1;
        if (width == 2 || path[i] != '\\')
            keep = i + width;
        i += width;
    }
    return path.substr(0, keep);
}

std::string TrimPathCopy(platform::Platform& platform, const std::string& path) {
    if (path.size() < 4)
        return path;
    return TrimPath(platform, path);
}

}  // namespace shell
