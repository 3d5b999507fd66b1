#include "imageio/color/ColorProfile.h"

#include "imageio/Orientation.h"
#include "imageio/RecentlyUsed.h"
#include "imageio/color/EmbeddedProfile.h"
#include "imageio/color/LcmsConversion.h"
#include "imageio/color/MatrixShaperConversion.h"
#include "imageio/formats/CmykJpeg.h"

#include <QColorSpace>

#include <optional>

namespace kolvira {
namespace {

// The formats whose Qt readers take the colour space from the profile the
// file embeds, at the places ReadEmbeddedProfile looks.
bool TakesItsProfileFromTheFile(const QByteArray& format) {
    for (const char* named : {"jpeg", "jpg", "png", "tif", "tiff", "webp"}) {
        if (format == named)
            return true;
    }
    return false;
}

// An earlier colour space equal to `space`, or `space` itself. Qt makes a
// colour space's lookup tables on its first conversion, which takes longer
// than converting a thumbnail; the photos of one folder share a profile,
// and each decode brings a new colour space object.
QColorSpace Kept(const QColorSpace& space) {
    static RecentlyUsed<QColorSpace, QColorSpace> kept(8);
    if (std::optional<QColorSpace> found = kept.Find(space))
        return *found;
    kept.Keep(space, space);
    return space;
}

// `image`, whose pixels are sRGB, described by the program's own sRGB rather
// than the profile its file brought: writers copy a picture's profile bytes
// into the files they make, and libpng refuses to write some widespread
// sRGB profiles (a 1998 one that cameras and editors embed).
QImage MarkedSrgb(QImage image) {
    // QImage keeps a colour space equal to the one it is given.
    image.setColorSpace(QColorSpace());
    image.setColorSpace(QColorSpace::SRgb);
    return image;
}

QImage ConvertedFrom(QImage image, const QColorSpace& space) {
    // A profile of a matrix and tone curves (most photos') converts some
    // three times faster than through Qt.
    if (MatrixShaperToSrgb(image, space.iccProfile()))
        return image;
    image.setColorSpace(Kept(space));
    image.convertToColorSpace(QColorSpace::SRgb);
    return image;
}

// The CMYK JPEG in `file` decoded again from its inks, converted through
// `icc`, at `storedSize` and turned like the reader's picture; null when it
// cannot be.
QImage CmykJpegInSrgb(QIODevice& file, const QByteArray& icc, QSize storedSize,
                      QImageIOHandler::Transformations transformation) {
    if (!IsUsableCmykProfile(icc) || !file.seek(0))
        return {};
    QImage inks = DecodeCmykJpeg(file.read(file.size()), storedSize);
    if (inks.isNull())
        return {};
    // Scaled before the conversion, which costs by the pixel. The four inks
    // pass for premultiplied channels, which are averaged each on its own.
    if (inks.size() != storedSize &&
        inks.reinterpretAsFormat(QImage::Format_RGBA8888_Premultiplied)) {
        inks = inks.scaled(storedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_RGBA8888_Premultiplied);
        inks.reinterpretAsFormat(QImage::Format_RGBA8888);
    }
    QImage picture = InksToSrgb(std::move(inks), icc);
    if (picture.isNull())
        return {};
    if (picture.size() != storedSize)
        picture = picture.scaled(storedSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = Transformed(std::move(picture), transformation);
    picture.setColorSpace(QColorSpace::SRgb);
    return picture;
}

} // namespace

QImage InSrgb(QImage image, QIODevice& file, const QByteArray& format,
              QImageIOHandler::Transformations transformation) {
    if (image.isNull())
        return image;
    const QColorSpace space = image.colorSpace();
    if (space == QColorSpace::SRgb)
        return MarkedSrgb(std::move(image));
    if (space.isValid()) {
        // Qt also makes a colour space of a PNG's gAMA and cHRM chunks, which
        // many programs fill in for plain sRGB pictures (gamma 2.2): that is
        // no profile, and the picture is sRGB.
        if (format == "png" && ReadEmbeddedProfile(file).icc.isEmpty()) {
            image.setColorSpace(QColorSpace::SRgb);
            return image;
        }
        return ConvertedFrom(std::move(image), space);
    }
    // Other readers (camera raw files look like TIFF files) give no colour
    // space when their picture has none.
    if (!TakesItsProfileFromTheFile(format))
        return image;
    const EmbeddedProfile embedded = ReadEmbeddedProfile(file);
    if (!embedded.icc.isEmpty()) {
        // Qt's reader has had the profile and could not use it.
        if (embedded.container == PictureContainer::Jpeg && embedded.jpegComponents == 4) {
            // The reader's picture is upright; the inks are decoded as stored.
            const QSize storedSize = Upright(image.size(), transformation);
            QImage converted = CmykJpegInSrgb(file, embedded.icc, storedSize, transformation);
            return converted.isNull() ? image : converted;
        }
        return LcmsToSrgb(std::move(image), embedded.icc);
    }
    if (embedded.exifAdobeRgb)
        return ConvertedFrom(std::move(image), QColorSpace::AdobeRgb);
    return image;
}

QImage CmykJpegInSrgb(QIODevice& file, QSize storedSize,
                      QImageIOHandler::Transformations transformation) {
    const EmbeddedProfile embedded = ReadEmbeddedProfile(file);
    if (embedded.container != PictureContainer::Jpeg || embedded.jpegComponents != 4 ||
        embedded.icc.isEmpty())
        return {};
    return CmykJpegInSrgb(file, embedded.icc, storedSize, transformation);
}

QImage ExifThumbnailInSrgb(QImage thumbnail, QIODevice& file) {
    if (thumbnail.isNull())
        return thumbnail;
    const EmbeddedProfile embedded = ReadEmbeddedProfile(file);
    // A CMYK photo's thumbnail is an ordinary RGB JPEG.
    if (!embedded.icc.isEmpty() && embedded.jpegComponents != 4) {
        const QColorSpace space = QColorSpace::fromIccProfile(embedded.icc);
        return space.isValid() ? ConvertedFrom(std::move(thumbnail), space)
                               : LcmsToSrgb(std::move(thumbnail), embedded.icc);
    }
    if (embedded.exifAdobeRgb)
        return ConvertedFrom(std::move(thumbnail), QColorSpace::AdobeRgb);
    return thumbnail;
}

} // namespace kolvira
