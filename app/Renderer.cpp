#include "Renderer.h"

#include "ImageSurface.h"
#include "PhotoScaling.h"
#include "RenderPass.h"
#include "StatusProgress.h"

#include <QApplication>
#include <QPainter>

#include <limits>

Renderer* theRenderer = nullptr;

namespace {

// Scaled copies up to this size are kept; a larger target is drawn straight
// from the photo, which only touches the pixels that are visible.
constexpr qint64 kLargestCachedPixels = 64'000'000;

} // namespace

QSize Renderer::DrawScaledPhoto(QPainter& painter, const QImage& photo, const QRect& rect,
                                ScaledPhotoCache* cache) const {
    const int width = rect.width();
    if (photo.width() == 0)
        return QSize(width, 100);
    const qint64 height64 = kolvira::ProportionalHeight(photo.size(), width);
    const int height =
        static_cast<int>(std::min<qint64>(height64, std::numeric_limits<int>::max()));
    const QRect target(0, 0, width, height);
    if (width <= 0 || height <= 0)
        return QSize(width, height);

    if (cache != nullptr && qint64{width} * height <= kLargestCachedPixels) {
        if (cache->photoKey != photo.cacheKey() || cache->image.size() != target.size()) {
            cache->image = kolvira::ScalePhoto(photo, target.size());
            cache->photoKey = photo.cacheKey();
        }
        painter.drawImage(QPoint(0, 0), cache->image);
    } else {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, photo);
        painter.restore();
    }
    return QSize(width, height);
}

void Renderer::RenderPicture(QImage& picture, const kolvira::RenderSettings& settings,
                             const QRect& area, bool showProgress) const {
    kolvira::PictureSurface surface = kolvira::SurfaceOf(picture);
    const kolvira::RenderRect rect{area.left(), area.top(), area.left() + area.width(),
                                   area.top() + area.height()};
    StatusProgress* progress = showProgress ? theProgress : nullptr;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (progress != nullptr)
        progress->Show(QStringLiteral(" "));
    kolvira::RenderPicture(surface, settings, rect, [progress](int percent) {
        if (progress != nullptr)
            progress->SetPosition(percent);
    });
    QApplication::restoreOverrideCursor();
    if (progress != nullptr)
        progress->Finish();
}
