// The folder picker: the Windows shell's folder browser.
#pragma once

#include <string>

#include "win/WinApi.h"

namespace shell {

// Lets the user choose a file-system folder, the tree starting at the desktop, with `title` as
// the prompt above it; the browser is modal to `owner`. Returns the folder's full path, or ""
// when the user cancels or the choice has no file-system path. Loads the shell and initialises
// COM on the calling thread when first called; throws std::runtime_error when they are missing.
std::string SelectFolder(HWND owner, const std::string& title);

}  // namespace shell
