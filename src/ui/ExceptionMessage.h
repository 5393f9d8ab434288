// The text of the application's error box for an exception (portable, no <windows.h>).
#pragma once

#include <string>

namespace ui {

// The exception's message with "." appended when its last byte sorts after "." (so "Disk full"
// gets one, "Done." and "Stop!" do not). An empty message stays empty.
std::string ExceptionBoxText(const std::string& message);

}  // namespace ui
