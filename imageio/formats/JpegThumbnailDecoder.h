// A JPEG decoded small for a thumbnail straight through libjpeg-turbo: at
// the smallest of its N/8 scales that is large enough, with the fast integer
// transform and plain upsampling, which a thumbnail shows no trace of. A
// progressive JPEG to be shown at 1/8 is read only until the coefficients a
// 1/8 picture shows (the DC ones, and the chrominance's AC ones when it is
// subsampled) have had their first scan: most of the file is never decoded.
#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <QSize>
#include <QString>

namespace kolvira {

enum class DcScans {
    StopAfter, // a progressive JPEG shown at 1/8 stops once it has what 1/8 shows
    ReadAll,   // every scan is decoded
};

struct JpegThumbnail {
    // Format_RGB32 in the file's own orientation, at least `atLeast` unless
    // the photo is smaller; null when the file cannot be decoded this way.
    QImage image;
    QByteArray icc;      // the embedded colour profile; empty when there is none
    QString damage;      // why the picture is incomplete, when the file is damaged
    bool notRgb = false; // CMYK or YCCK: left to the decoders that know the inks
};

// The JPEG that `file` holds from its current position, decoded to at least
// `atLeast` (in the file's own orientation). Reads only through `file`, so a
// device that fails its reads stops the decode. Greyscale comes out as RGB.
JpegThumbnail DecodeJpegThumbnail(QIODevice& file, QSize atLeast,
                                  DcScans dcScans = DcScans::StopAfter);

} // namespace kolvira
