// Writing and copying files so that they are never left half written or missing.
//
// The new bytes go to a temporary file beside the target first (files::TempPathFor), which then
// takes the target's place in one step (ReplaceFileA, or a rename when there is no target yet).
// Windows can refuse or half-finish that step:
// - In a folder that Windows virtualizes for the program (Program Files, on Vista and later) a
//   file that exists only in the real folder may be written but not renamed or deleted: a
//   refused replace falls back to writing the file in place, guarded so that a failure puts the
//   old bytes back.
// - The replace can fail with the target already renamed away (ERROR_UNABLE_TO_MOVE_REPLACEMENT
//   and _2): the new file, or else the old one, is then moved into place.
// The temporary file is removed only once it is no longer the only copy of the new bytes.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace files {

// Where the file's bytes stand after a write or a copy.
enum class Placement {
    New,    // the path holds the new bytes
    Old,    // the path holds the bytes it had before (or still no file, when it had none)
    Moved,  // neither is at the path: see WriteResult::oldCopy and newCopy
};

struct WriteResult {
    platform::OsResult result;  // ok, or the error that stopped the write
    Placement placement = Placement::New;
    std::string oldCopy;  // with Placement::Moved: the file that holds the old bytes, if any
    std::string newCopy;  // with Placement::Moved: the file that holds the new bytes, if any
    bool ok() const { return result.ok(); }
};

// Writes `bytes` as the whole file at `path`. Ok only with Placement::New.
WriteResult WriteWholeFile(platform::Platform& platform, const std::string& path,
                           const std::string& bytes);

// Copies the file `from` to `to` so that `to` is either a complete copy or what it was before.
WriteResult CopyWholeFile(platform::Platform& platform, const std::string& from,
                          const std::string& to);

}  // namespace files
