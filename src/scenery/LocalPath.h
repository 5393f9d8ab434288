// The "Local" value under which scenery.cfg names an area folder, and the text comparison that
// the scenery commands and the area editor use for folders and Local values.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace scenery {

// True when the texts are equal byte for byte, except that ASCII letters match regardless of
// case. In a double-byte code page the trail byte of a character is compared exactly, never
// folded (0x81 0x61 and 0x81 0x41 are different characters in code page 932).
bool SameTextIgnoringCase(platform::Platform& platform, std::string_view a, std::string_view b);

// The path of the folder `to` relative to the folder `from`, both taken as folders: ".." for each
// level of `from` below the deepest folder both share, then the levels of `to` below it; ".\"
// first when `to` lies inside `from`. Levels compare by SameTextIgnoringCase and a network share
// (\\server\share) counts as one level. Nothing when the two have no first level in common (two
// drives, two shares) or the result would be longer than platform::kMaxPathLength.
std::optional<std::string> RelativePathTo(platform::Platform& platform, const std::string& from,
                                          const std::string& to);

// True when the add-on folder, trimmed of trailing backslashes as a copy (TrimPathCopy), is the
// FS2002 folder. `fsFolder` is already trimmed.
bool IsSameFolder(platform::Platform& platform, const std::string& fsFolder,
                  const std::string& addonPath);

// The folder of a catalogue row below the add-on folder: "<addon, all trailing backslashes
// removed>\<rowFolder>".
std::string AreaFolder(platform::Platform& platform, const std::string& addonPath,
                       const std::string& rowFolder);

// The Local value of a catalogue row: the row's folder itself when the add-on lies in the FS2002
// folder; the absolute area folder when the two are on different drives or no relative path
// can be formed; otherwise the area folder relative to the FS2002 folder.
std::string LocalPath(platform::Platform& platform, const std::string& fsFolder,
                      const std::string& addonPath, const std::string& rowFolder);

}  // namespace scenery
