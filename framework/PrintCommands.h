// The print loop of a document window: Print (through the print dialog),
// Print without dialog (the default printer, or a PDF file when the
// machine has none) and Print Preview. A view says how many pages it has
// on a device and paints a range of them; that one routine serves the
// printer, the preview and PDF files alike.
#pragma once

#include "imageio/writing/WriteOutcome.h"

#include <QPageRanges>
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace kolvira {

class WindowHost;

class Printable {
public:
    virtual ~Printable() = default;

    // Names the print job, and the PDF file made when there is no printer.
    virtual QString PrintJobName() const = 0;
    // At least 1.
    virtual int PageCount(const QPagedPaintDevice& device) = 0;
    // Paints the pages that `pages` names (from 1; every page when it is
    // empty) on `device`, starting a new page between them. False when the
    // device cannot be painted on.
    virtual bool PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) = 0;

    // Choices about what the pages show, as a widget (titled for a tab of
    // the print dialog) that the dialog showing it owns; null when there
    // are none. `changed` runs after each change; when it returns false the
    // change was stopped and the widget puts the option back.
    virtual QWidget* MakePrintOptions(std::function<bool()> changed) {
        (void)changed;
        return nullptr;
    }
    // Makes what the pages need, where that takes long (with the status-bar
    // progress, Esc stopping it), before anything is printed. False when
    // the user stopped it: nothing is printed then.
    virtual bool PreparePrinting(WindowHost& host) {
        (void)host;
        return true;
    }
};

bool IsPrintCommand(int commandId);

// Runs Print, Print without dialog or Print Preview for `view` on the
// host's printer; a PDF file never replaces one of the host's open photos.
void RunPrintCommand(int commandId, Printable& view, WindowHost& host);

// Prints the pages of `view` that `pages` names (every page by default)
// into a PDF file at `path`, with the page layout and resolution of
// `printer`. The file appears only once it is complete.
WriteOutcome PrintToPdfFile(Printable& view, const QPrinter& printer, const QString& path,
                            const QPageRanges& pages = {});

// Where Print without dialog puts its PDF on a machine without a printer:
// a new name made from `jobName` in the documents folder (or the home
// folder when there is none); never an existing file.
QString DirectPrintPdfPath(const QString& jobName);

} // namespace kolvira
