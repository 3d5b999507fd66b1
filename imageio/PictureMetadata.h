// The metadata a picture made from a photo carries on: the photo's EXIF
// (date, camera and exposure, GPS, copyright), adjusted to what the new
// file holds: its pixels are upright and in sRGB, at their own size, and
// the photo's small preview picture would show the photo, not the drawing,
// so it is left out.
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSize>
#include <QString>

#include <optional>

namespace kolvira {

class CarriedMetadata {
public:
    // The EXIF of the photo at `nativePath`; empty when it has none or
    // cannot be read (that never stops a picture from being written).
    static CarriedMetadata Of(const QByteArray& nativePath);

    bool IsEmpty() const { return exif_.isEmpty() && look_.isEmpty(); }

    // The same, carrying also the look the picture was drawn with
    // (LookFile.h, one line of JSON) in its XMP, which a PNG keeps in an
    // iTXt chunk.
    CarriedMetadata WithLook(const QByteArray& lookJson) const;

    // The look a picture file carries; empty when it carries none.
    static QByteArray LookOf(const QByteArray& nativePath);

    // Whether a file of this QImageWriter format can carry EXIF here.
    static bool FormatCarriesExif(const QByteArray& format);

    // Writes the EXIF and the look into `encoded`, a whole JPEG, PNG or TIFF file of a
    // picture of `pictureSize`, with orientation 1, colour space sRGB and no
    // preview picture. Returns the reason for a failure, or an empty string.
    QString WriteInto(QByteArray& encoded, QSize pictureSize) const;

private:
    QByteArray exif_; // the EXIF block as stored in a file, little-endian TIFF layout
    QByteArray look_;
};

// When the photo at `nativePath` was taken, as its EXIF says (the original
// date, else the digitised one, else the picture's date), in the local time
// the camera's clock kept; nullopt when it says nothing usable.
std::optional<QDateTime> DateTaken(const QByteArray& nativePath);

} // namespace kolvira
