#include "PhotoScaling.h"

#include <QPainter>

#include <algorithm>
#include <limits>

namespace kolvira {
namespace {

// Targets up to this size are drawn from a scaled copy, kept in the cache
// when there is one; a larger target is drawn straight from the photo,
// which only touches the pixels that are visible.
constexpr qint64 kLargestCachedPixels = 64'000'000;

} // namespace

std::int64_t ProportionalHeight(QSize size, int width) {
    if (size.width() <= 0)
        return 0;
    return std::int64_t{size.height()} * width / size.width();
}

QImage FlattenOnBlack(const QImage& image) {
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    if (flat.isNull())
        return flat;
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(QPoint(0, 0), image);
    painter.end();
    return flat;
}

QImage ScalePhoto(const QImage& photo, QSize size) {
    if (photo.size() == size)
        return photo.convertToFormat(QImage::Format_RGB32);
    return photo.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QSize DrawPhotoAtWidth(QPainter& painter, const QImage& photo, int width, ScaledPhotoCache* cache) {
    if (photo.width() == 0)
        return QSize(width, 100);
    const int height = static_cast<int>(std::min<std::int64_t>(
        ProportionalHeight(photo.size(), width), std::numeric_limits<int>::max()));
    const QRect target(0, 0, width, height);
    if (width <= 0 || height <= 0)
        return QSize(width, height);

    if (qint64{width} * height <= kLargestCachedPixels) {
        ScaledPhotoCache scratch;
        ScaledPhotoCache& scaled = cache != nullptr ? *cache : scratch;
        if (scaled.photoKey != photo.cacheKey() || scaled.image.size() != target.size()) {
            scaled.image = ScalePhoto(photo, target.size());
            scaled.photoKey = photo.cacheKey();
        }
        painter.drawImage(QPoint(0, 0), scaled.image);
    } else {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, photo);
        painter.restore();
    }
    return QSize(width, height);
}

} // namespace kolvira
