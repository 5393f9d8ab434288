// The names of the files that the program keeps beside a file it replaces.
#pragma once

#include <string>

namespace files {

// The extension of the temporary file that a save or a copy writes before it replaces the file.
inline constexpr const char* kTempExtension = ".TNV_TMP";
// The extension under which a replace keeps the replaced file until the new one is in place.
inline constexpr const char* kOldExtension = ".TNV_OLD";

// The path with its extension (from the last ".") replaced: scenery.cfg -> scenery.TNV_TMP,
// japanafd.TNV_BAK -> japanafd.TNV_TMP. The program's file names all have an extension, so
// the result is never longer than the path with ".TNV_BAK" for ".cfg".
std::string TempPathFor(const std::string& path);
std::string OldPathFor(const std::string& path);

}  // namespace files
