// The File commands a document window answers: Save, Save As and the print
// commands. A window that saves says what its file is (the dialog's types,
// a first name, how to write it); asking for the name, refusing to replace
// an open photo, remembering the name for the next Save and reporting the
// outcome are the same for every window.
#pragma once

#include "framework/SaveTargets.h"

#include <QString>
#include <QStringList>

namespace kolvira {

class Printable;
class WindowHost;

class Saveable {
public:
    virtual ~Saveable() = default;

    // Save writes where the last save went, asking for a name the first time.
    void OnFileSave(WindowHost& host);
    void OnFileSaveAs(WindowHost& host);
    // Writes the file to `path`; false, after telling the user why, when it
    // cannot. An open photo is never replaced.
    bool SaveAs(const QString& path, WindowHost& host);

protected:
    struct SaveDialogText {
        QString caption;
        QStringList filters;   // the first one is chosen at first
        QString defaultSuffix; // the first filter's extension
    };
    virtual SaveDialogText SaveDialog() const = 0;
    // The name offered until the first save.
    virtual QString SuggestedSaveName() const = 0;
    // Writes the file at `path`.
    virtual WriteOutcome WriteSavedFile(const QString& path) = 0;
    // A further choice the save dialog offers (none by default).
    virtual SaveChoice SaveChoices() { return {}; }
    // The option chosen at the last Save As, which Save uses again; 0 until then.
    int SaveOption() const { return saveOption_; }

private:
    QString savedPath_; // empty until the first save
    int saveOption_ = 0;
};

bool IsSaveCommand(int commandId);

// Runs Save, Save As, Print, Print without dialog or Print Preview for a
// window; false for any other command.
bool RunFileCommand(int commandId, Saveable& saving, Printable& printing, WindowHost& host);

} // namespace kolvira
