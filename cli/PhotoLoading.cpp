#include "cli/PhotoLoading.h"

#include "imageio/PhotoScaling.h"

#include "cli/NativeNames.h"

namespace kolvira::cli {
namespace {

LoadedPhoto Failed(const QString& reason) {
    return {{}, reason, {}};
}

// The photo as decoded, upright, in whatever format the decoder gives, with
// what the codec said on the way. A damaged photo is refused rather than
// rendered half grey.
LoadedPhoto Decode(const QString& path) {
    DecodedPhoto decoded = DecodePhoto(NativeFileName(path));
    if (decoded.image.isNull())
        return Failed(decoded.error);
    if (!decoded.damage.isEmpty())
        return Failed(QStringLiteral("the picture is damaged: %1").arg(decoded.damage));
    return {std::move(decoded.image), {}, decoded.warnings};
}

} // namespace

std::int64_t ScaledHeight(int width, int height, int targetWidth) {
    // A very wide photo can come to no rows at all; the picture keeps one.
    return std::max<std::int64_t>(ProportionalHeight(QSize(width, height), targetWidth), 1);
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
    if (HasTooManyPixels(width, height))
        return Failed(QStringLiteral("scaled to width %1: ").arg(width) +
                      TooManyPixelsReason(width, height));

    const QImage flat = FlattenOnBlack(photo);
    QImage picture = scale ? ScalePhoto(flat, QSize(width, static_cast<int>(height))) : flat;
    if (picture.isNull())
        return Failed(
            QStringLiteral("not enough memory for a %1x%2 picture").arg(width).arg(height));
    return {picture, {}, decoded.warnings};
}

} // namespace kolvira::cli
