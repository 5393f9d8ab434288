// Removal of trailing backslashes from folder paths, so that "\" and a name can be appended
// without doubling the separator.
//
// Both work by characters of the ANSI code page: in a double-byte code page (Japanese 932) the
// second byte of a character may have the backslash's value, and it is never taken for one.
#pragma once

#include <string>

#include "platform/Platform.h"

namespace shell {

// The path without its trailing backslashes; a text shorter than four bytes stays whole, so
// that "C:\" keeps its root.
std::string TrimPathCopy(platform::Platform& platform, const std::string& path);

// The path without its trailing backslashes, whatever its length ("C:\" becomes "C:").
std::string TrimPath(platform::Platform& platform, const std::string& path);

}  // namespace shell
