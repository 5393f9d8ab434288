// The scenery area editor: finds, adds and removes the add-on's area sections in scenery.cfg.
//
// Every operation works on a job record (the path of scenery.cfg and the area records) through
// IniDocument. When the file cannot be read, copied or saved, or its contents leave no sound
// way on (a Layer that is not a whole number, no area number left), the operation shows an
// error box naming the file and the reason and returns false; saves it completed stay, each
// one whole.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"
#include "scenery/SceneryData.h"

namespace scenery {

// An area section: a name of exactly eight bytes beginning with "Area." (ASCII case ignored).
bool IsAreaSection(std::string_view name);
// The number of an area section: the three characters after "Area." read as a decimal number
// (leading white space, an optional sign, digits up to the first other character). Nothing when
// no digit can be read.
std::optional<int> AreaNumber(std::string_view name);
// The backup copy of scenery.cfg: the path without its last four characters, then ".TNV_BAK".
std::string BackupPathFor(const std::string& path);

// Sets `registered` of each record to whether an area section's Local matches its `local`
// (ASCII case ignored). False, with the error shown and no record changed, when the file cannot
// be read.
bool CheckAreas(platform::Platform& platform, S_DATA* job);

// With `backup`, first makes the backup copy (BackupConfig) and sets job->backupMade; false at
// once, nothing changed, when that refuses. Then, for each record with `remove`, removes the
// first area section whose Local matches, moves the layers above the removed one down by one
// and saves. False, with the error shown, when a load, a Layer or a save fails; the records
// before the failing one stay saved.
bool DeleteAreas(platform::Platform& platform, S_DATA* job, bool backup);

// For each record with `install`, re-activates the matching area section or appends a new one
// numbered and layered after the highest ones, and saves. False, with the error shown, when a
// load, a Layer or a save fails or no area number (or layer) is left; the records before the
// failing one stay saved.
bool AddAreas(platform::Platform& platform, S_DATA* job);

// Copies scenery.cfg to its backup copy, after asking to make a read-only file writable. False
// without a message when no file exists at the path or the user answers No; false after an
// error box when the attribute cannot be cleared or the copy fails. True once the copy is made.
bool BackupConfig(platform::Platform& platform, const std::string& path);

}  // namespace scenery
