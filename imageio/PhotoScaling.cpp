#include "imageio/PhotoScaling.h"

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

namespace {

// The integer rectangle a photo fills at `width`.
QSize SizeAtWidth(const QImage& photo, int width) {
    return QSize(width,
                 static_cast<int>(std::min<std::int64_t>(ProportionalHeight(photo.size(), width),
                                                         std::numeric_limits<int>::max())));
}

bool Cacheable(QSize size) {
    return qint64{size.width()} * size.height() <= kLargestCachedPixels;
}

const QImage& ScaledCopy(const QImage& photo, QSize size, ScaledPhotoCache& cache) {
    if (cache.photoKey != photo.cacheKey() || cache.image.size() != size) {
        cache.image = ScalePhoto(photo, size);
        cache.photoKey = photo.cacheKey();
    }
    return cache.image;
}

} // namespace

QImage PhotoAtWidth(const QImage& photo, int width, ScaledPhotoCache* cache) {
    const QSize size = SizeAtWidth(photo, width);
    if (size.isEmpty())
        return {};
    if (cache == nullptr || !Cacheable(size))
        return ScalePhoto(photo, size);
    return ScaledCopy(photo, size, *cache);
}

QSize DrawPhotoAtWidth(QPainter& painter, const QImage& photo, int width, ScaledPhotoCache* cache) {
    if (photo.width() == 0)
        return QSize(width, 100);
    const QSize size = SizeAtWidth(photo, width);
    if (size.isEmpty())
        return size;

    if (Cacheable(size)) {
        ScaledPhotoCache scratch;
        painter.drawImage(QPoint(0, 0),
                          ScaledCopy(photo, size, cache != nullptr ? *cache : scratch));
    } else {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), size), photo);
        painter.restore();
    }
    return size;
}

} // namespace kolvira
