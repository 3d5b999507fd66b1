#include "mosaic/ThumbnailDecoding.h"

#include "imageio/CodecMessages.h"
#include "imageio/ExifThumbnail.h"
#include "imageio/Orientation.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"
#include "imageio/color/ColorProfile.h"
#include "imageio/decoding/DecodeWatchdog.h"
#include "imageio/formats/JpegThumbnailDecoder.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QTransform>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace kolvira {
namespace {

// The EXIF thumbnail of `file` upright, when it is at least `minWidth` wide
// and has the photo's proportions (cameras often pad a 3:2 photo's thumbnail
// to 4:3 with black bars); null otherwise.
QImage UsableExifThumbnail(QByteArray jpeg, QSize photoSize, Transformations transformation,
                           int minWidth) {
    if (jpeg.isEmpty())
        return {};
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false); // the photo's orientation applies, not the thumbnail's own
    const QSize size = Upright(reader.size(), transformation);
    if (!size.isValid() || size.width() < minWidth ||
        std::abs(size.height() - ThumbnailHeight(photoSize, size.width())) > 1)
        return {};
    const QImage stored = reader.read();
    if (stored.isNull())
        return {};
    return FlattenOnBlack(Transformed(stored, transformation));
}

// The JPEG in `file` decoded by libjpeg-turbo to `size` (upright), in sRGB;
// null when it is left to Qt's reader: CMYK, or beyond libjpeg's decode.
QImage TurboJpegThumbnail(QIODevice& file, QSize size, Transformations transformation) {
    const QSize stored = Upright(size, transformation);
    if (!file.seek(0))
        return {};
    JpegThumbnail decoded = DecodeJpegThumbnail(file, stored);
    if (decoded.image.isNull())
        return {};
    QImage image = Transformed(ScalePhoto(decoded.image, stored), transformation);
    // As Qt's reader does; a profile Qt cannot use is read again by InSrgb.
    if (!decoded.icc.isEmpty()) {
        if (const QColorSpace space = QColorSpace::fromIccProfile(decoded.icc); space.isValid())
            image.setColorSpace(space);
    }
    return FlattenOnBlack(InSrgb(std::move(image), file, "jpeg", transformation));
}

// The reason for a failure, with what the codecs said during this decode.
QString ReasonWith(const QString& reason, CodecMessages& messages) {
    const QStringList all = messages.Finish();
    return FailureReason(reason, messages.StderrWasOwn() ? all : messages.OwnMessages());
}

Thumbnail Unreadable(QString reason) {
    Thumbnail thumbnail;
    thumbnail.error = std::move(reason);
    return thumbnail;
}

} // namespace

int ThumbnailHeight(QSize photoSize, int width) {
    // A photo more than `width` times wider than high still gets one row.
    return static_cast<int>(std::clamp<std::int64_t>(ProportionalHeight(photoSize, width), 1,
                                                     std::numeric_limits<int>::max()));
}

bool CoversWidth(const Thumbnail& thumbnail, int width) {
    return !thumbnail.image.isNull() &&
           (thumbnail.image.width() >= width || thumbnail.image.size() == thumbnail.photoSize);
}

namespace {

// DecodeThumbnail's work, on the watchdog's thread.
Thumbnail DecodeNow(const QByteArray& nativePath, int minWidth, const std::atomic<bool>& stop) {
    // What the codecs say goes into the reason for a failure, not to stderr.
    CodecMessages messages;
    PhotoReader opened = OpenPhotoReader(nativePath, stop);
    if (!opened.reader)
        return Unreadable(ReasonWith(opened.error, messages));
    const QImageReader& header = *opened.reader;

    // Taken before the reader reads the header, while the file is at its start.
    const QByteArray exifJpeg = ReadExifThumbnail(*opened.watched);

    Thumbnail thumbnail;
    const Transformations transformation = opened.Orientation();
    const QSize storedSize = header.size(); // invalid when the format tells it only by decoding
    const int width = std::max(minWidth, kLargestThumbWidth);
    if (storedSize.isValid()) {
        if (HasTooManyPixels(storedSize.width(), storedSize.height()))
            return Unreadable(TooManyPixelsReason(storedSize.width(), storedSize.height()));
        thumbnail.photoSize = Upright(storedSize, transformation);
        thumbnail.image =
            UsableExifThumbnail(exifJpeg, thumbnail.photoSize, transformation, minWidth);
        if (!thumbnail.image.isNull()) {
            thumbnail.image = ExifThumbnailInSrgb(std::move(thumbnail.image), *opened.watched);
            thumbnail.fromExif = true;
            return thumbnail;
        }
        const QSize upright = thumbnail.photoSize.width() > width
                                  ? QSize(width, ThumbnailHeight(thumbnail.photoSize, width))
                                  : thumbnail.photoSize;
        if (header.format() == "jpeg") {
            thumbnail.image = TurboJpegThumbnail(*opened.watched, upright, transformation);
            // A CMYK JPEG's colours need its inks: decoded once, from them.
            if (thumbnail.image.isNull())
                thumbnail.image = CmykJpegInSrgb(*opened.watched, Upright(upright, transformation),
                                                 transformation);
            if (!thumbnail.image.isNull())
                return thumbnail;
            // Qt's reader starts over on the file its header read has left.
            opened.watched->seek(0);
            opened.reader = std::make_unique<QImageReader>(opened.watched.get(), "jpeg");
        }
        // A JPEG decodes straight to 1/2, 1/4 or 1/8 of its size, then the
        // rest is scaled. The size is taken in the file's orientation.
        if (upright != thumbnail.photoSize)
            opened.reader->setScaledSize(Upright(upright, transformation));
    }
    QImageReader& reader = *opened.reader;
    reader.setAutoTransform(true);
    const QByteArray format = reader.format(); // told only before the read
    QImage image = Transformed(reader.read(), opened.unapplied);
    if (image.isNull())
        return Unreadable(ReasonWith(reader.errorString(), messages));
    if (!storedSize.isValid()) {
        if (HasTooManyPixels(image.width(), image.height()))
            return Unreadable(TooManyPixelsReason(image.width(), image.height()));
        thumbnail.photoSize = image.size();
        if (image.width() > width)
            image = image.scaled(width, ThumbnailHeight(image.size(), width), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    }
    // Converted once small: the cost is by the pixel.
    thumbnail.image =
        FlattenOnBlack(InSrgb(std::move(image), *opened.watched, format, transformation));
    return thumbnail;
}

} // namespace

Thumbnail DecodeThumbnail(const QByteArray& nativePath, int minWidth,
                          std::chrono::milliseconds timeLimit) {
    std::optional<Thumbnail> decoded = RunWithinTime<Thumbnail>(
        [nativePath, minWidth](const std::atomic<bool>& stop) {
            return DecodeNow(nativePath, minWidth, stop);
        },
        timeLimit);
    if (decoded)
        return std::move(*decoded);
    Thumbnail abandoned = Unreadable(TookTooLongReason(timeLimit));
    abandoned.timedOut = true;
    return abandoned;
}

QImage ScaleThumbnail(const Thumbnail& source, int width) {
    if (source.image.isNull() || width <= 0)
        return {};
    QSize size(width, ThumbnailHeight(source.photoSize, width));
    // A photo hundreds of times taller than wide (1 x 20000) would make a
    // thumbnail of hundreds of megabytes. The Mosaic fits each thumbnail into
    // its cell anyway, so such a one is made narrower instead, to fit a box
    // kTallestThumbnail times as high as wide: it looks the same in the cell.
    const std::int64_t tallest = std::int64_t{kTallestThumbnail} * width;
    if (size.height() > tallest) {
        const std::int64_t narrowed = std::int64_t{source.photoSize.width()} * tallest /
                                      std::max(1, source.photoSize.height());
        size =
            QSize(static_cast<int>(std::max<std::int64_t>(narrowed, 1)), static_cast<int>(tallest));
    }
    return ScalePhoto(source.image, size);
}

} // namespace kolvira
