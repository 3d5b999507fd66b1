// Pictures in true colour. Phones write Display P3, cameras Adobe RGB and
// prepress tools CMYK, each with a colour profile in the file; shown as if
// they were sRGB they look washed out or off. So every decode ends by
// converting the picture to sRGB, and the display, thumbnails, the render
// pass, printing and Save As all see the same true colours. A picture without
// a profile is taken as sRGB and left alone.
#pragma once

#include <QIODevice>
#include <QImage>
#include <QImageIOHandler>

namespace kolvira {

// `image`, as the reader of `format` decoded it from `file` (then turned it
// upright by `transformation`), in sRGB. Qt converts from the colour space its reader
// took from the profile; profiles Qt cannot use (lookup tables) go through
// LittleCMS, and a CMYK JPEG is decoded again from its inks and converted
// through its profile. A converted picture carries QColorSpace::SRgb; one
// that cannot be converted is returned as decoded.
QImage InSrgb(QImage image, QIODevice& file, const QByteArray& format,
              QImageIOHandler::Transformations transformation);

// The thumbnail from the EXIF data of the photo in `file`, in sRGB. It has no
// profile of its own but shares the photo's: the one the photo embeds, or
// Adobe RGB when the EXIF data says so.
QImage ExifThumbnailInSrgb(QImage thumbnail, QIODevice& file);

// The CMYK JPEG in `file` decoded once, from its inks, at the smallest DCT
// scale that covers `storedSize` (in the file's orientation), scaled to it,
// turned by `transformation` and converted through its profile to sRGB; null
// when `file` is no CMYK JPEG with a profile that can be used. Thumbnails
// take this instead of Qt's decode plus a second one for the colours.
QImage CmykJpegInSrgb(QIODevice& file, QSize storedSize,
                      QImageIOHandler::Transformations transformation);

} // namespace kolvira
