// Printing and saving a Mosaic window: its thumbnails as a contact sheet,
// on the printer, in the print preview or in a PDF file.
#include "mosaicwindow/MosaicView.h"

#include "framework/Document.h"
#include "framework/SaveTargets.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "imageio/PrintScale.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaic/SheetPictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace kolvira {

kolvira::ContactSheet MosaicView::Sheet() const {
    ContactSheet sheet;
    sheet.thumbWidth = thumbWidth;
    sheet.thumbHeight = thumbHeight;
    const int entries = std::min(count(), static_cast<int>(photoPaths.size()));
    std::unordered_map<std::string, QImage> shown;
    for (int k = 0; k < entries; ++k) {
        const std::string& path = photoPaths[static_cast<std::size_t>(k)];
        sheet.paths.push_back(path);
        sheet.labels << item(k)->text();
        if (static_cast<std::size_t>(k) < thumbnails.size()) {
            if (QImage thumbnail = thumbnails[static_cast<std::size_t>(k)]; !thumbnail.isNull())
                shown.emplace(path, std::move(thumbnail));
        }
    }
    // A printer finer than the screen gets pictures decoded for it, page by
    // page; the screen's thumbnails serve a device that needs no more.
    sheet.pictures = PreferringShownPictures(std::move(shown));
    return sheet;
}

QString MosaicView::PrintJobName() const {
    const QString folder =
        QFileInfo(ShownPath(GetDirectory(GetDocument()->GetPathName()))).fileName();
    return QCoreApplication::translate("MosaicView", "%1 contact sheet")
        .arg(folder.isEmpty() ? QCoreApplication::translate("MosaicView", "Mosaic") : folder);
}

int MosaicView::PageCount(const QPagedPaintDevice& device) {
    return LayoutContactSheet(count(), thumbWidth, thumbHeight, device, ScreenDpi()).PageCount();
}

bool MosaicView::PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) {
    return PrintContactSheet(device, Sheet(), pages, ScreenDpi());
}

std::vector<NativePath> MosaicView::PhotoFiles() const {
    std::vector<NativePath> files(scannedPaths_.begin(), scannedPaths_.end());
    if (GetDocument() != nullptr)
        files.push_back(GetDocument()->GetPathName());
    return files;
}

Saveable::SaveDialogText MosaicView::SaveDialog() const {
    return {QCoreApplication::translate("MosaicView", "Save Contact Sheet As"),
            {QCoreApplication::translate("MosaicView", "PDF document (*.pdf)")},
            QStringLiteral("pdf")};
}

// In the photos' folder: "<folder> contact sheet.pdf".
QString MosaicView::SuggestedSaveName() const {
    const std::string directory = GetDirectory(GetDocument()->GetPathName());
    return QDir(ShownPath(directory)).filePath(PrintJobName() + QStringLiteral(".pdf"));
}

WriteOutcome MosaicView::WriteSavedFile(const QString& path) {
    // The sheet is always a PDF; a picture's name would hide that.
    if (QFileInfo(path).suffix().compare(u"pdf", Qt::CaseInsensitive) != 0)
        return WriteOutcome::Failed(QCoreApplication::translate(
            "MosaicView", "A contact sheet is saved as PDF: end the name with .pdf."));
    if (Host() == nullptr)
        return WriteOutcome::Failed(QCoreApplication::translate(
            "MosaicView", "There is no printer to lay the sheet out for."));
    return PrintToPdfFile(*this, Host()->Printer(), path);
}

} // namespace kolvira
