#include "scenery/EditorMessages.h"

namespace scenery {

namespace {

constexpr const char* kStopped = "The process will be stopped.";

std::string FileName(const std::string& path) {
    const auto slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// Where the bytes of a file that could not be put back in its place are, one line each.
std::string MovedNote(const EditorError& error, const std::string& name, const char* what) {
    std::string note = name;
    note.append(" could not be put back in its place.");
    if (!error.oldCopy.empty()) {
        note.append("\nIts ").append(what).append(" is in ");
        note.append(Quoted(FileName(error.oldCopy))).append(".");
    }
    if (!error.newCopy.empty())
        note.append("\nThe new copy is in ").append(Quoted(FileName(error.newCopy))).append(".");
    return note;
}

std::string BackupNote(const EditorError& error) {
    if (!error.backupMade)
        return {};
    return Quoted(FileName(error.backup)) + " holds the file as it was before this process.\n";
}

}  // namespace

std::string ReasonText(uint32_t code) {
    namespace error = platform::error;
    switch (code) {
        case error::kSharingViolation:
        case error::kLockViolation:
            // Flight Simulator keeps scenery.cfg open while it runs.
            return "Another program is using the file.\n"
                   "Please close Flight Simulator and try again.";
        case error::kAccessDenied:
            return "Access to the file was denied.";
        case error::kDiskFull:
        case error::kHandleDiskFull:
            return "The disk is full.";
        case error::kFileNotFound:
        case error::kPathNotFound:
            return "The file was not found.";
        case error::kNotEnoughMemory:
            return "There is not enough memory.";
        default:
            return "Windows error " + std::to_string(code) + ".";
    }
}

std::string EditorErrorText(const EditorError& error) {
    const std::string name = Quoted(FileName(error.file));
    std::string head;
    std::string detail;  // the file and the reason, one per line
    switch (error.failure) {
        case EditorFailure::ReadFailed:
            head = name + " could not be read.";
            detail = error.file + "\n" + ReasonText(error.code);
            break;
        case EditorFailure::SaveFailed:
            head = name + " could not be saved.";
            detail = error.file + "\n" + ReasonText(error.code);
            detail += "\n";
            detail += error.placement == files::Placement::Moved
                          ? MovedNote(error, name, "content before this save")
                          : name + " keeps its content from before this save.";
            break;
        case EditorFailure::BackupFailed: {
            const std::string backup = Quoted(FileName(error.backup));
            head = name + " could not be copied to " + backup + ".";
            detail = error.backup + "\n" + ReasonText(error.code) + "\n";
            if (error.placement == files::Placement::Moved)
                detail += MovedNote(error, backup, "earlier copy") + "\n";
            // After Yes to the read-only question the attributes did change.
            detail += error.attributeCleared ? "The read only attribute of " + name +
                                                   " was cleared; its content was not changed."
                                             : name + " was not changed.";
            break;
        }
        case EditorFailure::WritableFailed:
            head = "The read only attribute of " + name + " could not be cleared.";
            detail = error.file + "\n" + ReasonText(error.code) + "\n" + name + " was not changed.";
            break;
        case EditorFailure::LayerMissing:
            head = "The scenery area [" + error.section + "] in " + name + " has no \"Layer\".";
            detail = error.file;
            break;
        case EditorFailure::LayerNotNumber:
            head = "The \"Layer\" of the scenery area [" + error.section + "] in " + name +
                   " is not a whole number.";
            detail = error.file;
            break;
        case EditorFailure::NoAreaNumber:
            head = "There is no area number left in " + name + " for the scenery area " +
                   Quoted(error.title) + ".";
            detail = error.file;
            break;
        case EditorFailure::NoLayerNumber:
            head = "There is no layer number left in " + name + " for the scenery area " +
                   Quoted(error.title) + ".";
            detail = error.file;
            break;
    }
    return head + "\n" + detail + "\n" + BackupNote(error) + kStopped;
}

void ShowEditorError(platform::Platform& platform, const EditorError& error) {
    platform.ShowMessage(EditorErrorText(error), "Error",
                         platform::mb::kIconError | platform::mb::kOk);
}

std::string PathTooLongText(LongFolder which, const std::string& folder) {
    const char* head = which == LongFolder::FS2002
                           ? "The name of the FS2002 folder is too long."
                           : "The name of the Velport vol.5 folder is too long.";
    return std::string(head) + "\n" + folder + "\n" + kStopped;
}

void ShowPathTooLong(platform::Platform& platform, LongFolder which, const std::string& folder) {
    platform.ShowMessage(PathTooLongText(which, folder), "Error",
                         platform::mb::kIconError | platform::mb::kOk);
}

void ShowNoSceneryCfg(platform::Platform& platform) {
    platform.ShowMessage(std::string("There are no \"scenery.cfg\".\n") + kStopped, "Error",
                         platform::mb::kIconError | platform::mb::kOk);
}

}  // namespace scenery
