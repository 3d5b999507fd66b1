// What every view of a document window offers the frame: its widget, its
// initial update once it sits on its document, and the commands it handles.
// The main window enables exactly the commands the active view's route
// handles, so a view's HandlesCommand decides which menu items and toolbar
// buttons are live while it is active.
#pragma once

#include "imageio/NativePath.h"

#include <vector>

class QWidget;

namespace kolvira {

class Document;
class WindowHost;

class View {
public:
    virtual ~View() = default;

    virtual QWidget* Widget() = 0;
    // Runs once, after the view has been attached to its document and its
    // frame exists (but before the frame is shown).
    virtual void OnInitialUpdate() = 0;
    virtual bool HandlesCommand(int commandId) const = 0;
    virtual void OnCommand(int commandId) = 0;
    // The photos the view shows or lists: nothing the program saves or
    // prints to a file may replace them.
    virtual std::vector<kolvira::NativePath> PhotoFiles() const { return {}; }
    // Whether a command the view handles is switched on (a check mark).
    virtual bool IsCommandChecked(int commandId) const {
        (void)commandId;
        return false;
    }
    // Asked before the window closes: false keeps it open (the user chose
    // Cancel, or a save that was asked for failed).
    virtual bool CanClose() { return true; }

    Document* GetDocument() const { return document_; }
    void AttachDocument(Document* document) { document_ = document; }

    // The program around the window, set by the template that made the view
    // before its initial update; null for a view made on its own.
    WindowHost* Host() const { return host_; }
    void AttachHost(WindowHost* host) { host_ = host; }

private:
    Document* document_ = nullptr;
    WindowHost* host_ = nullptr;
};

} // namespace kolvira
