#include "FileCommands.h"

#include "CommandIds.h"
#include "KolviraApp.h"
#include "PrintCommands.h"
#include "SaveTargets.h"

#include <QDir>

using namespace kolvira;

void CSaveable::OnFileSave(QWidget* parent) {
    if (savedPath_.isEmpty())
        OnFileSaveAs(parent);
    else
        SaveAs(savedPath_, parent);
}

void CSaveable::OnFileSaveAs(QWidget* parent) {
    const SaveDialogText text = SaveDialog();
    const QString path = AskForSaveName(parent, text.caption,
                                        savedPath_.isEmpty() ? SuggestedSaveName() : savedPath_,
                                        text.filters, text.defaultSuffix);
    if (!path.isEmpty())
        SaveAs(path, parent);
}

bool CSaveable::SaveAs(const QString& path, QWidget* parent) {
    if (const QString failure = WriteSavedFile(path); !failure.isEmpty()) {
        ReportSaveFailure(parent, path, failure);
        return false;
    }
    savedPath_ = path;
    ShowStatusMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
    return true;
}

bool IsSaveCommand(int commandId) {
    return commandId == ID_FILE_SAVE || commandId == ID_FILE_SAVE_AS;
}

bool RunFileCommand(int commandId, CSaveable& saving, CPrintable& printing, QWidget* parent) {
    if (commandId == ID_FILE_SAVE)
        saving.OnFileSave(parent);
    else if (commandId == ID_FILE_SAVE_AS)
        saving.OnFileSaveAs(parent);
    else if (IsPrintCommand(commandId))
        RunPrintCommand(commandId, printing, parent);
    else
        return false;
    return true;
}
