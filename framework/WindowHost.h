// What a document window needs from the program around it, and all it may
// reach of it: the status bar (a message, the progress indicator), a new
// photo window, the files no save may replace, the printer and the window
// its dialogs belong to. The application implements it and each template
// hands it to the views it makes, so a view can be tested with a fake host.
#pragma once

#include "imageio/writing/ProtectedFiles.h"

#include <QString>

#include <string>

class QPrinter;
class QWidget;

namespace kolvira {

class StatusProgress;

class WindowHost {
public:
    virtual ~WindowHost() = default;

    // Shows `text` in the message pane until something else is shown there.
    virtual void ShowStatusMessage(const QString& text) = 0;
    // The status bar's progress indicator, or null when there is none.
    virtual StatusProgress* Progress() = 0;
    // Opens `path` (native bytes) in a new photo window.
    virtual void OpenPhotoWindow(const std::string& path) = 0;
    // Every photo an open window shows or lists: nothing the program writes
    // may replace one of them.
    virtual kolvira::ProtectedFiles OpenPhotos() const = 0;
    // The printer chosen with Print Setup, used by every print job.
    virtual QPrinter& Printer() = 0;
    // The window that dialogs and message boxes belong to.
    virtual QWidget* DialogParent() const = 0;

    // Whether a command can run may have changed (a view's selection did).
    virtual void CommandStateChanged() = 0;
};

} // namespace kolvira
