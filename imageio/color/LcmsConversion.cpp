#include "imageio/color/LcmsConversion.h"

#include "imageio/RecentlyUsed.h"
#include "imageio/RowBands.h"

#include <QColorSpace>
#include <QList>

#include <lcms2.h>

#include <memory>
#include <optional>
#include <tuple>

namespace kolvira {
namespace {

// Format_RGB32 and Format_ARGB32 pixels as bytes in memory.
constexpr cmsUInt32Number kQRgbType = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? TYPE_BGRA_8 : TYPE_ARGB_8;

struct TransformDeleter {
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::shared_ptr<void>;

// A transform from the profile `icc` to sRGB between the pixel types given;
// null when LittleCMS cannot make one. The last few are kept: the photos of
// one folder tend to share a profile, and making a transform from a lookup
// table takes longer than decoding a thumbnail.
Transform TransformToSrgb(const QByteArray& icc, cmsUInt32Number input, cmsUInt32Number output,
                          cmsUInt32Number flags) {
    using Key = std::tuple<QByteArray, cmsUInt32Number, cmsUInt32Number, cmsUInt32Number>;
    static RecentlyUsed<Key, Transform> kept(8); // null for a profile that failed
    const Key key{icc, input, output, flags};
    if (std::optional<Transform> found = kept.Find(key))
        return *found;
    Transform transform;
    if (cmsHPROFILE source = cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()))) {
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        // Without its one-pixel cache a transform may be used by several
        // threads at once.
        if (cmsHTRANSFORM made = cmsCreateTransform(source, input, srgb, output, INTENT_PERCEPTUAL,
                                                    flags | cmsFLAGS_NOCACHE))
            transform = Transform(made, TransformDeleter());
        cmsCloseProfile(srgb);
        cmsCloseProfile(source);
    }
    kept.Keep(key, transform);
    return transform;
}

// `transform` from `source`'s rows into `target`'s (which may be the same
// picture: the pixels have the same size and are converted one by one).
void TransformRows(const Transform& transform, const QImage& source, QImage& target) {
    const uchar* from = source.constBits();
    uchar* to = target.bits();
    const qsizetype fromStride = source.bytesPerLine(), toStride = target.bytesPerLine();
    const int width = source.width();
    ForRowBands(source.height(), qint64(width) * source.height(), [&](int first, int last) {
        cmsDoTransformLineStride(transform.get(), from + first * fromStride, to + first * toStride,
                                 cmsUInt32Number(width), cmsUInt32Number(last - first),
                                 cmsUInt32Number(fromStride), cmsUInt32Number(toStride), 0, 0);
    });
}

QImage RgbToSrgb(QImage image, const QByteArray& icc) {
    const QImage::Format format = image.format();
    if (format == QImage::Format_Indexed8 || format == QImage::Format_Mono ||
        format == QImage::Format_MonoLSB) {
        // Only the colour table needs converting.
        const Transform transform = TransformToSrgb(icc, kQRgbType, kQRgbType, cmsFLAGS_COPY_ALPHA);
        if (!transform)
            return image;
        QList<QRgb> colors = image.colorTable();
        cmsDoTransform(transform.get(), colors.constData(), colors.data(),
                       cmsUInt32Number(colors.size()));
        image.setColorTable(colors);
    } else {
        // Deep pictures keep their 16 bits a channel.
        const bool deep = image.depth() > 32;
        const bool alpha = image.hasAlphaChannel();
        const cmsUInt32Number type = deep ? TYPE_RGBA_16 : kQRgbType;
        const Transform transform = TransformToSrgb(icc, type, type, cmsFLAGS_COPY_ALPHA);
        if (!transform)
            return image;
        image.convertTo(deep ? (alpha ? QImage::Format_RGBA64 : QImage::Format_RGBX64)
                             : (alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32));
        TransformRows(transform, image, image);
    }
    image.setColorSpace(QColorSpace::SRgb);
    return image;
}

QImage GrayToSrgb(QImage image, const QByteArray& icc) {
    const bool deep = image.format() == QImage::Format_Grayscale16;
    if (!deep && image.format() != QImage::Format_Grayscale8)
        return image;
    const Transform transform =
        TransformToSrgb(icc, deep ? TYPE_GRAY_16 : TYPE_GRAY_8, deep ? TYPE_RGBA_16 : kQRgbType, 0);
    if (!transform)
        return image;
    QImage converted(image.size(), deep ? QImage::Format_RGBX64 : QImage::Format_RGB32);
    if (converted.isNull())
        return image;
    converted.fill(Qt::black); // opaque: the transform leaves the alpha channel alone
    TransformRows(transform, image, converted);
    converted.setColorSpace(QColorSpace::SRgb);
    return converted;
}

// The data colour space the profile's header names.
QByteArray ProfileSpace(const QByteArray& icc) {
    return icc.mid(16, 4);
}

} // namespace

QImage LcmsToSrgb(QImage image, const QByteArray& icc) {
    const QByteArray space = ProfileSpace(icc);
    if (space == "RGB ")
        return RgbToSrgb(std::move(image), icc);
    if (space == "GRAY")
        return GrayToSrgb(std::move(image), icc);
    return image;
}

bool IsUsableCmykProfile(const QByteArray& icc) {
    return ProfileSpace(icc) == "CMYK" && TransformToSrgb(icc, TYPE_CMYK_8, kQRgbType, 0);
}

QImage InksToSrgb(QImage inks, const QByteArray& icc) {
    const Transform transform = TransformToSrgb(icc, TYPE_CMYK_8, kQRgbType, 0);
    if (!transform || ProfileSpace(icc) != "CMYK" || inks.format() != QImage::Format_RGBA8888)
        return {};
    TransformRows(transform, inks, inks);
    // The transform writes no alpha: the black ink is still in its place.
    uchar* bits = inks.bits();
    const qsizetype stride = inks.bytesPerLine();
    const int width = inks.width();
    ForRowBands(inks.height(), qint64(width) * inks.height(), [&](int first, int last) {
        for (int y = first; y < last; ++y) {
            auto* pixels = reinterpret_cast<QRgb*>(bits + y * stride);
            for (int x = 0; x < width; ++x)
                pixels[x] |= 0xFF000000u;
        }
    });
    inks.reinterpretAsFormat(QImage::Format_RGB32);
    inks.setColorSpace(QColorSpace::SRgb);
    return inks;
}

} // namespace kolvira
