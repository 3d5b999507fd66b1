// Opening a photo the way the photo window shows it: decoded upright,
// painted over black (so transparent pixels come out black) and, on request,
// smoothly scaled to a given width.
#pragma once

#include "imageio/PhotoDecoding.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace kolvira::cli {

struct LoadedPhoto {
    QImage picture;       // Format_RGB32; null when loading failed
    QString error;        // the reason for a failure
    QStringList warnings; // what the decoder noted about a photo it did open
};

// `targetWidth` 0 keeps the photo's size.
LoadedPhoto LoadPhoto(const QString& path, int targetWidth);

// The height of a photo of `width` x `height` scaled to `targetWidth`,
// truncated, as the photo window computes it; at least 1.
std::int64_t ScaledHeight(int width, int height, int targetWidth);

} // namespace kolvira::cli
