// A picture's orientation: what turns its stored pixels upright, as the
// EXIF data says, in Qt's terms.
#pragma once

#include <QImage>
#include <QImageIOHandler>
#include <QSize>

class QIODevice;

namespace kolvira {

using Transformations = QImageIOHandler::Transformations;

// The upright size of a picture stored as `stored`.
QSize Upright(QSize stored, Transformations transformation);

// The stored picture turned upright, in Qt's order: mirrored and flipped
// first, then a quarter turn clockwise.
QImage Transformed(QImage image, Transformations transformation);

// The EXIF orientation (1 to 8) as Qt's transformations; none for others.
Transformations FromExifOrientation(int orientation);

// The orientation in a WebP file's EXIF chunk, which Qt's WebP reader does
// not apply; none when there is no such chunk. Leaves the device at its start.
Transformations WebpOrientation(QIODevice& file);

} // namespace kolvira
