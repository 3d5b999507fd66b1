// Printing a photo window: the page shows what the window shows, or the
// photo at full resolution, at the physical size the picture has on the
// screen from the top-left corner, or fitted to the page.
#include "photowindow/PhotoView.h"

#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "imageio/PrintScale.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

namespace kolvira {

QString PhotoView::PrintJobName() const {
    const QString name = QFileInfo(ShownPath(document_.PhotoPath())).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Kolvira") : name;
}

int PhotoView::PageCount(const QPagedPaintDevice&) {
    return 1;
}

QWidget* PhotoView::MakePrintOptions(std::function<bool()> changed) {
    if (document_.Image().isNull())
        return nullptr;
    return kolvira::MakePhotoPrintOptions(printChoice, ShownPicture().size(),
                                          document_.Image().size(), std::move(changed));
}

bool PhotoView::PreparePrinting(WindowHost&) {
    return !printChoice.fullResolution || document_.Image().isNull() ||
           !FullResolutionPicture(/*stoppable=*/true).isNull();
}

bool PhotoView::PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (pages.isEmpty() || pages.contains(1)) {
        const QImage shown = ShownPicture();
        const qreal ratio = ShownPictureRatio();
        const QSizeF scale = kolvira::ScreenToDeviceScale(device, kolvira::ScreenDpi());
        const bool fullResolution = printChoice.fullResolution && !document_.Image().isNull();
        if (!fullResolution && !printChoice.fitToPage) {
            painter.scale(scale.width(), scale.height());
            // A picture made for a high-density screen prints at the size the
            // window shows, with its finer pixels.
            DrawInDevicePixels(painter, shown, ratio);
        } else {
            // Kept from PreparePrinting; rendered here only for a caller
            // that printed without preparing.
            const QImage printed =
                fullResolution ? FullResolutionPicture(/*stoppable=*/false) : shown;
            const QRectF onScreen(0, 0, shown.width() / ratio * scale.width(),
                                  shown.height() / ratio * scale.height());
            const QRectF target =
                printChoice.fitToPage
                    ? kolvira::FittedRect(printed.size(),
                                          QRectF(0, 0, device.width(), device.height()))
                    : onScreen;
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(target, printed);
        }
    }
    return painter.end();
}

} // namespace kolvira
