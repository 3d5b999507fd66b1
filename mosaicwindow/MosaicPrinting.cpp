// Printing and saving a Mosaic window: its thumbnails as a contact sheet,
// on the printer, in the print preview or in a PDF file.
#include "mosaicwindow/ListViewPhotos.h"

#include "framework/KolviraDoc.h"
#include "framework/SaveTargets.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "imageio/PrintScale.h"
#include "mosaic/ImageDiscovery.h"

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
    return LayoutContactSheet(count(), thumbWidth, thumbHeight, device, ScreenDpi()).PageCount();
}

bool CListView_Photos::PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) {
    return PrintContactSheet(device, Sheet(), pages, ScreenDpi());
}

std::vector<NativePath> CListView_Photos::PhotoFiles() const {
    std::vector<NativePath> files(scannedPaths_.begin(), scannedPaths_.end());
    if (GetDocument() != nullptr)
        files.push_back(GetDocument()->GetPathName());
    return files;
}

CSaveable::SaveDialogText CListView_Photos::SaveDialog() const {
    return {QStringLiteral("Save Contact Sheet As"),
            {QStringLiteral("PDF document (*.pdf)")},
            QStringLiteral("pdf")};
}

// In the photos' folder: "<folder> contact sheet.pdf".
QString CListView_Photos::SuggestedSaveName() const {
    const std::string directory = GetDirectory(GetDocument()->GetPathName());
    return QDir(ShownPath(directory)).filePath(PrintJobName() + QStringLiteral(".pdf"));
}

QString CListView_Photos::WriteSavedFile(const QString& path) {
    // The sheet is always a PDF; a picture's name would hide that.
    if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
        return QStringLiteral("A contact sheet is saved as PDF: end the name with .pdf.");
    if (Host() == nullptr)
        return QStringLiteral("There is no printer to lay the sheet out for.");
    return PrintToPdfFile(*this, Host()->Printer(), path);
}
