// Printing and saving a Mosaic window: its thumbnails as a contact sheet,
// on the printer, in the print preview or in a PDF file.
#include "ListViewPhotos.h"

#include "ImageDiscovery.h"
#include "KolviraApp.h"
#include "KolviraDoc.h"
#include "NativePath.h"
#include "PrintScale.h"
#include "SaveTargets.h"

#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>

using namespace kolvira;

kolvira::ContactSheet CListView_Photos::Sheet() const {
    ContactSheet sheet;
    sheet.thumbnails = thumbnails;
    sheet.thumbWidth = thumbWidth;
    sheet.thumbHeight = thumbHeight;
    for (int k = 0; k < count(); ++k)
        sheet.labels << item(k)->text();
    return sheet;
}

QString CListView_Photos::PrintJobName() const {
    const QString folder =
        QFileInfo(ShownPath(GetDirectory(GetDocument()->GetPathName()))).fileName();
    return (folder.isEmpty() ? QStringLiteral("Mosaic") : folder) +
           QStringLiteral(" contact sheet");
}

int CListView_Photos::PageCount(const QPagedPaintDevice& device) {
    return LayoutContactSheet(Sheet(), device, ScreenDpi()).PageCount();
}

bool CListView_Photos::PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) {
    return PrintContactSheet(device, Sheet(), pages, ScreenDpi());
}

std::vector<std::string> CListView_Photos::PhotoFiles() const {
    std::vector<std::string> files = photoPaths;
    if (GetDocument() != nullptr)
        files.push_back(GetDocument()->GetPathName());
    return files;
}

void CListView_Photos::OnFileSaveAs() {
    QString suggested = savedPath_;
    if (suggested.isEmpty()) {
        const std::string directory = GetDirectory(GetDocument()->GetPathName());
        suggested = QDir(ShownPath(directory)).filePath(PrintJobName() + QStringLiteral(".pdf"));
    }
    const QString path =
        AskForSaveName(window(), QStringLiteral("Save Contact Sheet As"), suggested,
                       {QStringLiteral("PDF document (*.pdf)")}, QStringLiteral("pdf"));
    if (!path.isEmpty())
        SaveSheetAs(path);
}

void CListView_Photos::OnFileSave() {
    if (savedPath_.isEmpty())
        OnFileSaveAs();
    else
        SaveSheetAs(savedPath_);
}

bool CListView_Photos::SaveSheetAs(const QString& path) {
    // The sheet is always a PDF; a picture's name would hide that. (A
    // photo's own name is refused as such, below.)
    if (RefusalToReplacePhoto(path).isEmpty() &&
        QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0) {
        ReportSaveFailure(
            window(), path,
            QStringLiteral("A contact sheet is saved as PDF: end the name with .pdf."));
        return false;
    }
    if (const QString failure = PrintToPdfFile(*this, ApplicationPrinter(), path);
        !failure.isEmpty()) {
        ReportSaveFailure(window(), path, failure);
        return false;
    }
    savedPath_ = path;
    ShowStatusMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(path)));
    return true;
}
