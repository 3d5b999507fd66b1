// Photo files made at test time: JPEGs with EXIF orientation tags and
// embedded thumbnails, and small pictures in the other formats.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace kolvira::test {

// Four quadrants of different colours (red, green / blue, white), so that
// every turn and mirror image of it looks different.
QImage Quadrants(QSize size);
// The colours of the quadrants of `picture`, sampled at their centres and
// named by letter (R, G, B, W, K for black, ? otherwise): "RGBW" when upright.
QString QuadrantColors(const QImage& picture);
char ColorLetter(QRgb color);

// The stored picture that EXIF `orientation` (1-8) turns into `upright`.
QImage StoredForOrientation(const QImage& upright, int orientation);

QByteArray Encoded(const QImage& picture, const char* format, int quality = 90);
// `jpeg` with an EXIF APP1 segment carrying `orientation` and, when given, a
// thumbnail (itself a JPEG), as cameras write them.
QByteArray WithExif(const QByteArray& jpeg, int orientation, const QByteArray& thumbnail = {});
// A GIF of `picture`'s pixels in up to 4 colours; fully transparent pixels use
// the transparent index.
QByteArray Gif(const QImage& picture);
// A BMP header that announces `width` x `height` and has no pixels.
QByteArray BmpHeaderOnly(int width, int height);

void WriteFile(const QString& path, const QByteArray& bytes);
QByteArray Native(const QString& path);

} // namespace kolvira::test
