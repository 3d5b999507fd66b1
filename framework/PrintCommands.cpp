#include "framework/PrintCommands.h"

#include "framework/CommandIds.h"
#include "framework/SaveTargets.h"
#include "framework/StatusProgress.h"
#include "framework/WaitCursor.h"
#include "framework/WindowHost.h"
#include "imageio/writing/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLayout>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <algorithm>

namespace kolvira {

namespace {

void ReportFailure(QWidget* parent, const QString& reason) {
    QMessageBox::warning(
        parent, QStringLiteral("Kolvira"),
        QCoreApplication::translate("PrintCommands", "Cannot print:\n%1").arg(reason));
}

// Prints the chosen pages on the printer itself (a real printer, or a PDF
// file the print dialog named, which goes through PrintToPdfFile so that it
// is written safely).
void PrintChosenPages(Printable& view, QPrinter& printer, const QPageRanges& pages,
                      WindowHost& host) {
    WriteOutcome outcome = WriteOutcome::Written();
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = printer.outputFileName();
        const QString refusal =
            path.isEmpty()
                ? QCoreApplication::translate("PrintCommands", "No file was named for the PDF.")
                : RefusalToReplacePhoto(path, host.OpenPhotos());
        outcome = refusal.isEmpty() ? PrintToPdfFile(view, printer, path, pages)
                                    : WriteOutcome::Failed(refusal);
        if (outcome.IsWritten())
            host.ShowStatusMessage(QCoreApplication::translate("PrintCommands", "Printed to %1")
                                       .arg(QDir::toNativeSeparators(path)));
    } else {
        const WaitCursor busy;
        if (!view.PrintPages(printer, pages))
            outcome = WriteOutcome::Failed(
                QCoreApplication::translate("PrintCommands", "The printer could not be started."));
    }
    if (!outcome.IsWritten())
        ReportFailure(host.DialogParent(), outcome.Reason());
}

// The pages the print dialog chose: a list such as "1-2, 5", a range from
// one page to another, or every page (empty).
QPageRanges ChosenPages(const QPrinter& printer) {
    if (!printer.pageRanges().isEmpty())
        return printer.pageRanges();
    QPageRanges pages;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0)
        pages.addRange(printer.fromPage(), std::max(printer.fromPage(), printer.toPage()));
    return pages;
}

bool Prepare(Printable& view, WindowHost& host) {
    if (view.PreparePrinting(host))
        return true;
    host.ShowStatusMessage(
        QCoreApplication::translate("PrintCommands", "Printing stopped: nothing was printed"));
    return false;
}

void PrintWithDialog(Printable& view, WindowHost& host) {
    QPrinter& printer = host.Printer();
    const int pages = view.PageCount(printer);
    // The dialog names a PDF after the document.
    printer.setDocName(view.PrintJobName());
    QPrintDialog dialog(&printer, host.DialogParent());
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    // What a choice needs is made once the dialog is accepted.
    if (QWidget* options = view.MakePrintOptions([] { return true; }))
        dialog.setOptionTabs({options});
    if (dialog.exec() != QDialog::Accepted || !Prepare(view, host))
        return;
    PrintChosenPages(view, printer, ChosenPages(printer), host);
}

void PrintWithoutDialog(Printable& view, WindowHost& host) {
    if (!Prepare(view, host))
        return;
    QPrinter& printer = host.Printer();
    const bool hasPrinter = printer.outputFormat() == QPrinter::NativeFormat &&
                            !printer.printerName().isEmpty() &&
                            !QPrinterInfo::printerInfo(printer.printerName()).isNull();
    if (hasPrinter) {
        printer.setDocName(view.PrintJobName());
        PrintChosenPages(view, printer, {}, host);
        return;
    }
    const QString path = DirectPrintPdfPath(view.PrintJobName());
    const WriteOutcome outcome = PrintToPdfFile(view, printer, path);
    if (outcome.IsWritten())
        host.ShowStatusMessage(
            QCoreApplication::translate("PrintCommands", "No printer: printed to %1")
                .arg(QDir::toNativeSeparators(path)));
    else
        ReportFailure(host.DialogParent(), outcome.Reason());
}

void ShowPrintPreview(Printable& view, WindowHost& host) {
    QWidget* parent = host.DialogParent();
    QPrintPreviewDialog preview(&host.Printer(), parent);
    preview.setWindowTitle(QCoreApplication::translate("PrintCommands", "Print Preview - %1")
                               .arg(view.PrintJobName()));
    if (parent != nullptr)
        preview.resize(parent->size() * 0.9);
    if (!Prepare(view, host))
        return;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&view](QPrinter* printer) { view.PrintPages(*printer, {}); });
    // The options sit under the pages, which follow every change.
    auto* pages = preview.findChild<QPrintPreviewWidget*>();
    QWidget* options = view.MakePrintOptions([&view, &host, pages] {
        if (!Prepare(view, host))
            return false;
        if (pages != nullptr)
            pages->updatePreview();
        return true;
    });
    if (options != nullptr && preview.layout() != nullptr)
        preview.layout()->addWidget(options);
    else
        delete options;
    preview.exec();
}

} // namespace

bool IsPrintCommand(int commandId) {
    return commandId == ID_FILE_PRINT || commandId == ID_FILE_PRINT_DIRECT ||
           commandId == ID_FILE_PRINT_PREVIEW;
}

void RunPrintCommand(int commandId, Printable& view, WindowHost& host) {
    switch (commandId) {
    case ID_FILE_PRINT:
        PrintWithDialog(view, host);
        break;
    case ID_FILE_PRINT_DIRECT:
        PrintWithoutDialog(view, host);
        break;
    case ID_FILE_PRINT_PREVIEW:
        ShowPrintPreview(view, host);
        break;
    default:
        break;
    }
}

WriteOutcome PrintToPdfFile(Printable& view, const QPrinter& printer, const QString& path,
                            const QPageRanges& pages) {
    const WaitCursor busy;
    const kolvira::PdfDocument document{view.PrintJobName(), printer.resolution(),
                                        printer.pageLayout()};
    const WriteOutcome written = kolvira::WritePdfAtomically(
        path, document, [&](QPagedPaintDevice& pdf) { return view.PrintPages(pdf, pages); });
    if (!written.IsWritten())
        return WriteOutcome::Failed(
            QStringLiteral("%1: %2").arg(QDir::toNativeSeparators(path), written.Reason()));
    return written;
}

QString DirectPrintPdfPath(const QString& jobName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    QString base = jobName;
    base.replace(u'/', u'_');
    if (base.isEmpty() || base.startsWith(u'.'))
        base.prepend(QStringLiteral("Kolvira"));
    const QDir dir(folder);
    QString path = dir.filePath(base + QStringLiteral(".pdf"));
    for (int n = 2; QFileInfo::exists(path) || QFileInfo(path).isSymLink(); ++n)
        path = dir.filePath(QStringLiteral("%1 (%2).pdf").arg(base).arg(n));
    return path;
}

} // namespace kolvira
