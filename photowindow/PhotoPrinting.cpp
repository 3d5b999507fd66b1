// Printing a photo window: the page shows what the window shows, each
// screen pixel printed at its physical size on the screen.
#include "photowindow/KolviraView.h"

#include "imageio/NativePath.h"
#include "imageio/PhotoScaling.h"
#include "imageio/PrintScale.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

QImage CKolviraView::ShownPicture() {
    if (!renderedPicture.isNull())
        return renderedPicture; // made at the picture's size
    if (photo.isNull())
        return {};
    if (settings.active) {
        // The live preview as the window paints it, cut to the photo.
        const QImage& canvas = LivePreview(/*showProgress=*/false);
        const QSize drawn = preview_.DrawnSize();
        return canvas.copy(0, 0, drawn.width(), drawn.height());
    }
    return kolvira::PhotoAtWidth(photo, DeviceSize(WindowRect().size()).width(), &scaledPhoto_);
}

qreal CKolviraView::ShownPictureRatio() const {
    return renderedPicture.isNull() ? DeviceRatio() : renderedRatio_;
}

QString CKolviraView::PrintJobName() const {
    const QString name = QFileInfo(ShownPath(photoPath)).completeBaseName();
    return name.isEmpty() ? QStringLiteral("Kolvira") : name;
}

int CKolviraView::PageCount(const QPagedPaintDevice&) {
    return 1;
}

bool CKolviraView::PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    if (pages.isEmpty() || pages.contains(1)) {
        const QSizeF scale = kolvira::ScreenToDeviceScale(device, kolvira::ScreenDpi());
        painter.scale(scale.width(), scale.height());
        // A picture made for a high-density screen prints at the size the
        // window shows, with its finer pixels.
        DrawInDevicePixels(painter, ShownPicture(), ShownPictureRatio());
    }
    return painter.end();
}
