// The program's message boxes have no owner window, so one of the program's windows can come in
// front of a box that is still waiting for its answer. This brings it back.
#pragma once

namespace ui {

// Brings the topmost visible message box of the calling thread in front and activates it;
// nothing when none is open. Dialogs of the form layer are not message boxes.
void BringMessageBoxToFront();

}  // namespace ui
