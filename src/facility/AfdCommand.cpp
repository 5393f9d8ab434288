#include "facility/AfdCommand.h"

#include "files/RetryingPlatform.h"
#include "files/WholeFile.h"
#include "shell/PathTrim.h"

namespace facility {
namespace {

namespace mb = platform::mb;

// What tells the two commands apart.
struct CommandTexts {
    const char* verb;
    const std::array<const char*, kAirportCount>* files;
    const char* question;
    const char* nothingChosen;
    const char* notFound;
    const char* copyError;
    const char* tooLong;
    const char* startError;
    const char* completion;
};

const CommandTexts kRegister = {
    "registers",
    &NewAfdFiles,
    "May I register the AFCAD file?",
    "There are no registered AFCAD file.",
    "\"Japanafd.bgl\"dose not found.\nRegistration of the AFCAD file is stopped.",
    "An error occured during copying \"japanafd.bgl\" file.\nRegistration of the AFCAD file is "
    "stopped.",
    "The name of the FS2002 folder is too long.\nRegistration of the AFCAD file is stopped.",
    "An error occured during registering the AFCAD file.",
    "Registration of the AFCAD file was completed.",
};

const CommandTexts kRestore = {
    "restores",
    &OrgAfdFiles,
    "May I restore the AFCAD file?",
    "There was no restored AFCAD file.",
    "\"Japanafd.bgl\"dose not found.\nRestoring the AFCAD file is stopped.",
    "An error occured during copying \"japanafd.bgl\" file.\nRestoring the AFCAD file is stopped.",
    "The name of the FS2002 folder is too long.\nRestoring the AFCAD file is stopped.",
    "An error occured during restoring the AFCAD file.",
    "Restoring the AFCAD file was completed.",
};

const CommandTexts& TextsOf(AfdCommand command) {
    return command == AfdCommand::Register ? kRegister : kRestore;
}

constexpr const char* kAfdFolder = "\\Scenedb\\AFDFILES\\scenery\\";

void ShowError(platform::Platform& platform, const char* text) {
    platform.ShowMessage(text, "Error", mb::kOk | mb::kIconError);
}

// Copies japanafd.bgl to a backup: an earlier backup is only ever replaced by a complete copy,
// and a first one is never left half made.
bool Backup(platform::Platform& platform, const AfdWork& work, const std::string& to) {
    return files::CopyWholeFile(platform, work.bgl, to).ok();
}

void RunBody(platform::Platform& platform, AirportDialog& dialog, AfdCommand command,
             const std::string& fsFolderText, AfdWork& work) {
    const CommandTexts& texts = TextsOf(command);
    work.verb = texts.verb;
    work.selected.fill(0);
    if (dialog.ShowModal(work) != 1)
        return;

    if (platform.ShowMessage(texts.question, "Question", mb::kYesNo | mb::kIconQuestion) !=
        mb::kIdYes) {
        return;
    }

    const std::string arguments = AfdArguments(work, command);
    if (arguments.empty()) {
        platform.ShowMessage(texts.nothingChosen, "Warning", mb::kOk | mb::kIconWarning);
        return;
    }

    const std::string folder = shell::TrimPathCopy(platform, fsFolderText);
    work.bgl = folder + kAfdFolder + "japanafd.bgl";
    work.org = folder + kAfdFolder + "japanafd.TNV_ORG";
    work.bak = folder + kAfdFolder + "japanafd.TNV_BAK";
    if (work.org.size() > platform::kMaxPathLength || work.bak.size() > platform::kMaxPathLength) {
        ShowError(platform, texts.tooLong);
        return;
    }

    if (!platform::FileExists(platform, work.bgl)) {
        ShowError(platform, texts.notFound);
        return;
    }
    // japanafd.TNV_ORG keeps the file as it was before the first installer ran: made once.
    if (!platform::FileExists(platform, work.org) && !Backup(platform, work, work.org)) {
        ShowError(platform, texts.copyError);
        return;
    }
    // No installer start without a copy of the file it is about to change.
    if (!Backup(platform, work, work.bak)) {
        ShowError(platform, texts.copyError);
        return;
    }

    // Started by its full path, never found through a search path; the data file names are
    // relative to the program's folder, which is therefore its working directory.
    const std::string programFolder = platform.ProgramFolder();
    const bool started =
        !programFolder.empty() &&
        platform.OpenProgram(programFolder + "\\" + kInstallerName, arguments, programFolder) > 32;
    if (started) {
        platform.ShowMessage(texts.completion, "Completed", mb::kOk | mb::kIconInformation);
    } else {
        ShowError(platform, texts.startError);
    }
}

}  // namespace

std::string AfdArguments(const AfdWork& work, AfdCommand command) {
    const auto& files = *TextsOf(command).files;
    std::string arguments;
    for (int i = 0; i < kAirportCount; ++i) {
        if (work.selected[i] == 0)
            continue;
        if (!arguments.empty())
            arguments += ' ';
        arguments += files[i];
    }
    return arguments;
}

void RunAfdCommand(platform::Platform& platform, AirportDialog& dialog, AfdCommand command,
                   const std::string& fsFolderText, AfdWork& work) {
    // Every file call waits out a short hold by another program.
    files::RetryingPlatform patient(platform);
    RunBody(patient, dialog, command, fsFolderText, work);
}

}  // namespace facility
