// The error messages with which the scenery commands stop when scenery.cfg cannot be read,
// copied or saved, when its contents leave the editor no sound way on, or when a folder name is
// too long for the system's file calls. Every text names the file or folder and the reason and
// ends "The process will be stopped."; all are shown with the caption "Error" and the error icon.
#pragma once

#include <cstdint>
#include <string>

#include "files/WholeFile.h"
#include "platform/Platform.h"

namespace scenery {

enum class EditorFailure {
    ReadFailed,      // scenery.cfg could not be read (`code`)
    SaveFailed,      // scenery.cfg could not be saved (`code`)
    BackupFailed,    // the copy to the backup (`backup`) failed (`code`)
    WritableFailed,  // the read-only attribute could not be cleared (`code`)
    LayerMissing,    // area section `section` has no Layer line
    LayerNotNumber,  // the Layer of area section `section` is not a whole number
    NoAreaNumber,    // Area.999 is taken: no number left for the area `title`
    NoLayerNumber,   // the highest layer is the largest number: no layer left for `title`
};

struct EditorError {
    EditorFailure failure{};
    std::string file{};       // full path of scenery.cfg
    uint32_t code = 0;        // Windows error code of a failed file call
    std::string backup{};     // full path of the backup copy
    std::string section{};    // the area section whose Layer could not be read
    std::string title{};      // the area that could not be added
    bool backupMade = false;  // the backup copy holds scenery.cfg as it was before the command
    // SaveFailed: where scenery.cfg's bytes stand; BackupFailed: where the earlier backup's do.
    files::Placement placement = files::Placement::Old;
    std::string oldCopy{};  // with Placement::Moved: the file that holds the old bytes, if any
    std::string newCopy{};  // with Placement::Moved: the file that holds the new bytes, if any
    // BackupFailed: the read-only attribute of scenery.cfg was cleared before the copy.
    bool attributeCleared = false;
};

// The text of the error box.
std::string EditorErrorText(const EditorError& error);
// Shows the error box (caption "Error", error icon, OK).
void ShowEditorError(platform::Platform& platform, const EditorError& error);

// Which folder makes a composed path too long.
enum class LongFolder { FS2002, Addon };
std::string PathTooLongText(LongFolder which, const std::string& folder);
void ShowPathTooLong(platform::Platform& platform, LongFolder which, const std::string& folder);

// "There are no "scenery.cfg"." - the FS2002 folder holds no scenery.cfg.
void ShowNoSceneryCfg(platform::Platform& platform);

// The sentence that tells the user why a file call failed, from its Windows error code.
std::string ReasonText(uint32_t code);

}  // namespace scenery
