#include "imageio/Orientation.h"

#include "imageio/ExifDataPtr.h"
#include "imageio/color/EmbeddedProfile.h"

#include <QIODevice>

namespace kolvira {
namespace {

bool TurnsAQuarter(Transformations transformation) {
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

constexpr qint64 kLargestExifChunk = 1 << 20;

int ExifOrientation(QByteArray exif) {
    // libexif wants the APP1 signature before the TIFF header.
    if (!exif.startsWith(QByteArrayView("Exif\0\0", 6)))
        exif.prepend(QByteArrayView("Exif\0\0", 6));
    const ExifDataPtr data(exif_data_new_from_data(
        reinterpret_cast<const unsigned char*>(exif.constData()), exif.size()));
    if (!data)
        return 0;
    ExifEntry* entry = exif_content_get_entry(data->ifd[EXIF_IFD_0], EXIF_TAG_ORIENTATION);
    if (entry == nullptr || entry->format != EXIF_FORMAT_SHORT || entry->size < 2)
        return 0;
    return exif_get_short(entry->data, exif_data_get_byte_order(data.get()));
}

} // namespace

QSize Upright(QSize stored, Transformations transformation) {
    return TurnsAQuarter(transformation) ? stored.transposed() : stored;
}

QImage Transformed(QImage image, Transformations transformation) {
    const bool mirror = transformation.testFlag(QImageIOHandler::TransformationMirror);
    const bool flip = transformation.testFlag(QImageIOHandler::TransformationFlip);
    if (mirror || flip)
        image = image.mirrored(mirror, flip);
    if (TurnsAQuarter(transformation))
        image = image.transformed(QTransform().rotate(90));
    return image;
}

Transformations FromExifOrientation(int orientation) {
    switch (orientation) {
    case 2:
        return QImageIOHandler::TransformationMirror;
    case 3:
        return QImageIOHandler::TransformationRotate180;
    case 4:
        return QImageIOHandler::TransformationFlip;
    case 5:
        return QImageIOHandler::TransformationFlipAndRotate90;
    case 6:
        return QImageIOHandler::TransformationRotate90;
    case 7:
        return QImageIOHandler::TransformationMirrorAndRotate90;
    case 8:
        return QImageIOHandler::TransformationRotate270;
    default:
        return QImageIOHandler::TransformationNone;
    }
}

Transformations WebpOrientation(QIODevice& file) {
    const QByteArray exif = ReadWebpChunk(file, "EXIF", kLargestExifChunk);
    return exif.isEmpty() ? QImageIOHandler::TransformationNone
                          : FromExifOrientation(ExifOrientation(exif));
}

} // namespace kolvira
