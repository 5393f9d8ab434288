// The click handlers of the main window's two AFCAD buttons run their command through this.
#pragma once

#include "facility/AfdCommand.h"

class TMainF;

// Runs the command in the main window's busy state, with Form2 as the airport dialog and the
// edit box's FS2002 folder. An unexpected error is shown in the application's error box after
// the program has become idle again.
void RunAfdClick(TMainF& mainF, facility::AfdCommand command);
