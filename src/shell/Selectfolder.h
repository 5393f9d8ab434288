// The folder picker: the Windows shell's folder browser.
#pragma once

#include <string>

#include "win/WinApi.h"

namespace shell {

// Lets the user choose a file-system folder, the tree starting at the desktop, with `title` as
// the prompt above it; the browser is modal to `owner`. Returns the folder's full path, or ""
// when the user cancels or the choice has no file-system path. COM must be initialised on the
// calling thread.
std::string SelectFolder(HWND owner, const std::string& title);

}  // namespace shell
