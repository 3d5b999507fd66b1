#include "framework/FileCommands.h"

#include "framework/CommandIds.h"
#include "framework/PrintCommands.h"
#include "framework/SaveTargets.h"
#include "framework/WindowHost.h"

#include <QCoreApplication>
#include <QDir>

namespace kolvira {

void Saveable::OnFileSave(WindowHost& host) {
    if (savedPath_.isEmpty())
        OnFileSaveAs(host);
    else
        SaveAs(savedPath_, host);
}

void Saveable::OnFileSaveAs(WindowHost& host) {
    const SaveDialogText text = SaveDialog();
    QWidget* parent = host.DialogParent();
    SaveChoice choice = SaveChoices();
    choice.chosen = saveOption_;
    QString path = savedPath_.isEmpty() ? SuggestedSaveName() : savedPath_;
    for (;;) {
        path =
            AskForSaveName(parent, text.caption, path, text.filters, text.defaultSuffix, &choice);
        if (path.isEmpty())
            return;
        // A name that may not be written is refused before anyone is asked
        // whether to replace it, and the dialog comes back for another.
        const QString refusal = RefusalToReplacePhoto(path, host.OpenPhotos());
        if (refusal.isEmpty())
            break;
        ReportSaveFailure(parent, path, refusal);
    }
    if (ConfirmReplace(parent, path)) {
        saveOption_ = choice.chosen;
        SaveAs(path, host);
    }
}

bool Saveable::SaveAs(const QString& path, WindowHost& host) {
    const QString refusal = RefusalToReplacePhoto(path, host.OpenPhotos());
    const WriteOutcome outcome =
        refusal.isEmpty() ? WriteSavedFile(path) : WriteOutcome::Failed(refusal);
    if (outcome.IsStopped()) {
        host.ShowStatusMessage(
            QCoreApplication::translate("FileCommands", "Save stopped: nothing was written"));
        return false;
    }
    if (!outcome.IsWritten()) {
        ReportSaveFailure(host.DialogParent(), path, outcome.Reason());
        return false;
    }
    savedPath_ = path;
    host.ShowStatusMessage(QCoreApplication::translate("FileCommands", "Saved %1")
                               .arg(QDir::toNativeSeparators(path)));
    return true;
}

bool IsSaveCommand(int commandId) {
    return commandId == ID_FILE_SAVE || commandId == ID_FILE_SAVE_AS;
}

bool RunFileCommand(int commandId, Saveable& saving, Printable& printing, WindowHost& host) {
    if (commandId == ID_FILE_SAVE)
        saving.OnFileSave(host);
    else if (commandId == ID_FILE_SAVE_AS)
        saving.OnFileSaveAs(host);
    else if (IsPrintCommand(commandId))
        RunPrintCommand(commandId, printing, host);
    else
        return false;
    return true;
}

} // namespace kolvira
