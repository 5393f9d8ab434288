// The font of all the program's windows.
#pragma once

#include "win/WinApi.h"

namespace ui {

// "ＭＳ Ｐゴシック" with the Shift-JIS character set, `pixels` high (character height). Where
// that face is missing, the font mapper takes any Shift-JIS font, and some have no Latin letters
// at all: every caption would draw as boxes. Then the system's message font at the same height
// is taken instead. The caller owns the font (DeleteObject).
HFONT CreateProgramFont(int pixels);

}  // namespace ui
