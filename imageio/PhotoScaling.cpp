#include "imageio/PhotoScaling.h"

#include <QPainter>

#include <algorithm>
#include <limits>
#include <vector>

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

// Each `factor` x `factor` block of `picture` (32 bits a pixel, premultiplied
// when it has alpha) averaged into one pixel; the right and bottom edges that
// do not fill a block are left out.
QImage AverageBlocks(const QImage& picture, int factor) {
    const int width = picture.width() / factor;
    const int height = picture.height() / factor;
    QImage shrunk(width, height, picture.format());
    if (shrunk.isNull())
        return shrunk;
    const unsigned area = static_cast<unsigned>(factor * factor);
    std::vector<unsigned> sums(static_cast<std::size_t>(width) * 4);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0u);
        for (int row = 0; row < factor; ++row) {
            const auto* line =
                reinterpret_cast<const QRgb*>(picture.constScanLine(y * factor + row));
            for (int x = 0; x < width; ++x) {
                unsigned* sum = &sums[static_cast<std::size_t>(x) * 4];
                for (int column = 0; column < factor; ++column) {
                    const QRgb pixel = line[x * factor + column];
                    sum[0] += qAlpha(pixel);
                    sum[1] += qRed(pixel);
                    sum[2] += qGreen(pixel);
                    sum[3] += qBlue(pixel);
                }
            }
        }
        auto* out = reinterpret_cast<QRgb*>(shrunk.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned* sum = &sums[static_cast<std::size_t>(x) * 4];
            out[x] = qRgba(static_cast<int>(sum[1] / area), static_cast<int>(sum[2] / area),
                           static_cast<int>(sum[3] / area), static_cast<int>(sum[0] / area));
        }
    }
    return shrunk;
}

} // namespace

QImage ShrinkForThumbnail(const QImage& picture, QSize size) {
    if (picture.isNull() || size.isEmpty() || picture.size() == size)
        return picture;
    const int factor =
        std::min(picture.width() / (2 * size.width()), picture.height() / (2 * size.height()));
    if (factor < 2)
        return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage::Format blockFormat =
        picture.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    const QImage averaged = AverageBlocks(picture.convertToFormat(blockFormat), factor);
    if (averaged.isNull())
        return averaged;
    return averaged.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
