// The colour profile a picture file embeds, read straight from the file for
// the pictures whose profile Qt's readers cannot use: lookup-table profiles
// and CMYK profiles. JPEG (APP2 "ICC_PROFILE" segments), PNG (iCCP), TIFF
// (tag 34675) and WebP (ICCP) are understood. Only the few bytes before the
// picture data are read, and no length in the file is trusted beyond it.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QIODevice>

namespace kolvira {

// No real profile comes near this; the largest CMYK press profiles take a
// few megabytes.
inline constexpr qsizetype kMaxProfileBytes = 16 << 20;

enum class PictureContainer { Other, Jpeg, Png, Tiff, WebP };

struct EmbeddedProfile {
    PictureContainer container = PictureContainer::Other;
    QByteArray icc;            // the ICC profile; empty when there is none or it is incomplete
    int jpegComponents = 0;    // 4 for a CMYK (or YCCK) JPEG
    bool exifAdobeRgb = false; // EXIF data calls it Adobe RGB (interoperability index "R03")
};

// What `file` embeds. Reads through `file` at the places the format's
// structure names, and puts its position back where it was.
EmbeddedProfile ReadEmbeddedProfile(QIODevice& file);

// The payload of the first chunk of `type` ("EXIF", "ICCP") in the WebP file
// `file`; empty when there is none, it is cut off or larger than `largest`.
// Puts the position back where it was.
QByteArray ReadWebpChunk(QIODevice& file, QByteArrayView type, qint64 largest);

// Whether the EXIF data in `exif` (starting "Exif\0\0") marks the picture as
// Adobe RGB the way cameras do without embedding a profile: interoperability
// index "R03" with a colour space other than sRGB.
bool ExifSaysAdobeRgb(QByteArrayView exif);

} // namespace kolvira
