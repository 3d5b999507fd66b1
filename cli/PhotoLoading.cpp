#include "PhotoLoading.h"

#include "CodecMessages.h"
#include "NativeNames.h"

#include <QImageReader>
#include <QPainter>

#include <sys/stat.h>

namespace kolvira::cli {
namespace {

QString TooLarge(std::int64_t width, std::int64_t height) {
    return QStringLiteral("%1x%2 pixels is more than the limit of %3 megapixels")
        .arg(width)
        .arg(height)
        .arg(kMaxPixels / 1'000'000);
}

// libjpeg fills in the missing rest of a cut-off JPEG with grey and only
// warns about it; such a photo is refused rather than rendered half grey.
bool SaysDataEndsEarly(const QStringList& messages) {
    for (const QString& message : messages) {
        if (message.contains(QLatin1String("premature end"), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

LoadedPhoto Failed(const QString& reason) {
    return {{}, reason, {}};
}

// The photo as decoded, upright, in whatever format the decoder gives.
LoadedPhoto Decode(const QString& path) {
    struct stat info {};
    if (::stat(NativeFileName(path).constData(), &info) == 0 && S_ISDIR(info.st_mode))
        return Failed(QStringLiteral("is a folder, not a picture"));

    QImageReader::setAllocationLimit(kDecodeAllocationLimitMB);
    // A name Qt cannot spell is opened by its bytes; the decoder then goes by
    // the content alone.
    std::unique_ptr<QFile> file;
    QImageReader reader;
    if (IsLossyName(path)) {
        QString error;
        file = OpenForReading(path, error);
        if (!file->isOpen())
            return Failed(error);
        reader.setDevice(file.get());
    } else {
        reader.setFileName(path);
    }
    reader.setAutoTransform(true);
    CodecMessages messages;           // reading the header may already make the codec speak
    const QSize size = reader.size(); // invalid when the format tells it only by decoding
    if (size.isValid() && std::int64_t{size.width()} * size.height() > kMaxPixels)
        return Failed(TooLarge(size.width(), size.height()));
    QImage photo = reader.read();
    const QStringList codecMessages = messages.Finish();
    if (photo.isNull())
        return Failed(FailureReason(reader.errorString(), codecMessages));
    if (SaysDataEndsEarly(codecMessages))
        return Failed(QStringLiteral("the picture data ends early (%1)")
                          .arg(codecMessages.join(QStringLiteral("; "))));
    if (std::int64_t{photo.width()} * photo.height() > kMaxPixels)
        return Failed(TooLarge(photo.width(), photo.height()));
    return {photo, {}, codecMessages};
}

} // namespace

std::int64_t ScaledHeight(int width, int height, int targetWidth) {
    const std::int64_t scaled = std::int64_t{height} * targetWidth / width;
    // A very wide photo can come to no rows at all; the picture keeps one.
    return std::max<std::int64_t>(scaled, 1);
}

LoadedPhoto LoadPhoto(const QString& path, int targetWidth) {
    const LoadedPhoto decoded = Decode(path);
    if (decoded.picture.isNull())
        return decoded;
    const QImage& photo = decoded.picture;

    const bool scale = targetWidth > 0;
    const int width = scale ? targetWidth : photo.width();
    const std::int64_t height =
        scale ? ScaledHeight(photo.width(), photo.height(), targetWidth) : photo.height();
    if (std::int64_t{width} * height > kMaxPixels)
        return Failed(QStringLiteral("scaled to width %1: ").arg(width) + TooLarge(width, height));

    QImage picture(width, static_cast<int>(height), QImage::Format_RGB32);
    if (picture.isNull())
        return Failed(
            QStringLiteral("not enough memory for a %1x%2 picture").arg(width).arg(height));
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (scale) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(0, 0, width, static_cast<int>(height)), photo);
    } else {
        painter.drawImage(QPoint(0, 0), photo);
    }
    painter.end();
    return {picture, {}, decoded.warnings};
}

} // namespace kolvira::cli
