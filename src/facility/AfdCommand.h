// The two facility-data commands, "Register the AFCAD file" and "Restore the AFCAD file": the
// user ticks airports, confirms, japanafd.bgl is backed up and the add-on's installer is started
// with the ticked airports' data files.
#pragma once

#include <string>

#include "facility/AfdWork.h"
#include "platform/Platform.h"

namespace facility {

enum class AfdCommand { Register, Restore };

// The airport dialog as the command sees it.
class AirportDialog {
  public:
    virtual ~AirportDialog() = default;
    // Shows the dialog modally. It reads work.verb and, on OK, writes work.selected. Returns the
    // modal result: 1 for OK, anything else for cancelled.
    virtual int ShowModal(AfdWork& work) = 0;
};

// The installer's file name; it lies in the program's own folder.
inline constexpr const char* kInstallerName = "AFInstaller.exe";

// The data files of the ticked airports, in list order, joined by single blanks ("" when none).
std::string AfdArguments(const AfdWork& work, AfdCommand command);

// The command's work, which the click handler runs in the main window's busy state: dialog,
// question, backups, installer start and every message box. `fsFolderText` is the FS2002 folder
// as the edit box holds it. Failures are told to the user here; an exception from the platform
// or the dialog propagates to the caller.
void RunAfdCommand(platform::Platform& platform, AirportDialog& dialog, AfdCommand command,
                   const std::string& fsFolderText, AfdWork& work);

}  // namespace facility
