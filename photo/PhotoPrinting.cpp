// Printing a photo window: the page shows what the window shows, each
// screen pixel printed at its physical size on the screen.
#include "KolviraView.h"

#include "NativePath.h"
#include "PhotoScaling.h"
#include "PrintScale.h"

#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <climits>

QImage CKolviraView::ShownPicture() {
    if (!renderedPicture.isNull())
        return renderedPicture.copy(0, 0, pictureWidth, pictureHeight);
    if (photo.isNull())
        return {};
    if (settings.active) {
        // The live preview, as the window paints it.
        const QImage& canvas =
            preview_.Preview(photo, WindowRect().size(), BackgroundColor(), settings,
                             [](QImage& picture, const kolvira::RenderSettings& applied) {
                                 theRenderer->RenderPicture(picture, applied, picture.rect(),
                                                            /*showProgress=*/false);
                             });
        const QSize drawn = preview_.DrawnSize();
        return canvas.copy(0, 0, drawn.width(), drawn.height());
    }
    const int width = WindowRect().width();
    const QSize drawn(width, static_cast<int>(std::min<std::int64_t>(
                                 kolvira::ProportionalHeight(photo.size(), width), INT_MAX)));
    QImage picture(drawn, QImage::Format_RGB32);
    if (picture.isNull())
        return picture;
    QPainter painter(&picture);
    kolvira::DrawPhotoAtWidth(painter, photo, width, &scaledPhoto_);
    return picture;
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
        painter.drawImage(QPoint(0, 0), ShownPicture());
    }
    return painter.end();
}
