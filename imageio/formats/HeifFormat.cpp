#include "imageio/formats/HeifFormat.h"

#include "imageio/formats/FormatPlugin.h"

#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"
#include "imageio/color/HdrToSdr.h"
#include "imageio/decoding/DecodeLimits.h"
#include "imageio/decoding/DecoderProcess.h"
#include "render/ParallelChunks.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QVariant>
#include <QtEndian>

#include <libheif/heif.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

namespace kolvira {
namespace {

// The brands of the ISO-BMFF files that hold HEIF pictures: HEVC-coded
// (heic, heix, ...), coded in any way (mif1, msf1) and AV1-coded (avif,
// avis). Of a sequence, the primary image is read.
constexpr std::array<const char*, 10> kHeifBrands = {
    "heic", "heix", "hevc", "hevx", "heim", "heis", "mif1", "msf1", "avif", "avis",
};

// More than any real 'ftyp' box holds; the brands are looked for in this much.
constexpr int kFtypPeekBytes = 256;

// A stored thumbnail is used when its height is within this many pixels of
// the photo's proportions; encoders round thumbnails to even sizes.
constexpr std::int64_t kThumbnailProportionSlack = 2;

// A grid's tiles may be larger than a small photo (a 300 x 200 photo coded
// as one 512 x 512 tile); encoders' tiles are far smaller than this.
constexpr int kLargestTileSide = 8192;

// More thumbnails than any camera stores; a hostile file may list thousands.
constexpr int kMostThumbnailsLookedAt = 16;

struct ContextFree {
    void operator()(heif_context* context) const { heif_context_free(context); }
};
struct HandleRelease {
    void operator()(heif_image_handle* handle) const { heif_image_handle_release(handle); }
};
struct ImageRelease {
    void operator()(heif_image* image) const { heif_image_release(image); }
};
struct OptionsFree {
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};
struct NclxFree {
    void operator()(heif_color_profile_nclx* nclx) const { heif_nclx_color_profile_free(nclx); }
};
using HandlePtr = std::unique_ptr<heif_image_handle, HandleRelease>;
using ImagePtr = std::unique_ptr<heif_image, ImageRelease>;

bool Failed(const heif_error& error) {
    return error.code != heif_error_Ok;
}

QString Message(const heif_error& error) {
    return QString::fromUtf8(error.message != nullptr ? error.message : "unknown error").trimmed();
}

// The file from the device's position to its end. Exactly as many bytes as
// are left are asked for: one read past the end would count as the file
// ending too soon.
QByteArray ReadRest(QIODevice* device) {
    if (device == nullptr)
        return {};
    if (device->isSequential())
        return device->readAll();
    return device->read(std::max<qint64>(0, device->size() - device->pos()));
}

QSize UprightSize(const heif_image_handle* handle) {
    return QSize(heif_image_handle_get_width(handle), heif_image_handle_get_height(handle));
}

// The size the decoder allocates first: the coded picture before it is
// cropped and turned upright.
QSize StoredSize(const heif_image_handle* handle) {
    return QSize(heif_image_handle_get_ispe_width(handle),
                 heif_image_handle_get_ispe_height(handle));
}

bool TooLarge(QSize size) {
    return HasTooManyPixels(size.width(), size.height());
}

// Whether `thumbnail` shows the whole of a photo of `photo`'s size, so that
// it scales to the photo's proportions without distortion.
bool HasProportionsOf(QSize thumbnail, QSize photo) {
    if (photo.isEmpty() || thumbnail.isEmpty())
        return false;
    const std::int64_t height = std::int64_t{thumbnail.width()} * photo.height() / photo.width();
    return std::abs(height - thumbnail.height()) <= kThumbnailProportionSlack;
}

// The smallest of the thumbnails stored with `primary` that is at least
// `wanted` in both directions; null when none is.
HandlePtr ThumbnailCovering(const heif_image_handle* primary, QSize wanted) {
    const int listed =
        std::min(heif_image_handle_get_number_of_thumbnails(primary), kMostThumbnailsLookedAt);
    if (listed <= 0)
        return {};
    std::vector<heif_item_id> ids(static_cast<size_t>(listed));
    const int count = heif_image_handle_get_list_of_thumbnail_IDs(primary, ids.data(), listed);
    const QSize photo = UprightSize(primary);
    HandlePtr best;
    for (int i = 0; i < count; ++i) {
        heif_image_handle* thumbnail = nullptr;
        if (Failed(heif_image_handle_get_thumbnail(primary, ids[i], &thumbnail)))
            continue;
        HandlePtr candidate(thumbnail);
        const QSize size = UprightSize(thumbnail);
        if (size.width() < wanted.width() || size.height() < wanted.height() ||
            TooLarge(StoredSize(thumbnail)) || !HasProportionsOf(size, photo))
            continue;
        if (!best ||
            std::int64_t{size.width()} * size.height() <
                std::int64_t{UprightSize(best.get()).width()} * UprightSize(best.get()).height())
            best = std::move(candidate);
    }
    return best;
}

// The picture's colours as an nclx box describes them, when they are not
// plain sRGB (which is what a picture without a colour space is taken for).
QColorSpace NclxColorSpace(const heif_image_handle* handle) {
    heif_color_profile_nclx* described = nullptr;
    if (Failed(heif_image_handle_get_nclx_color_profile(handle, &described)))
        return {};
    const std::unique_ptr<heif_color_profile_nclx, NclxFree> nclx(described);
    QColorSpace::TransferFunction transfer = QColorSpace::TransferFunction::SRgb;
    float gamma = 0.0f;
    switch (nclx->transfer_characteristics) {
    case heif_transfer_characteristic_linear:
        transfer = QColorSpace::TransferFunction::Linear;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_M:
        transfer = QColorSpace::TransferFunction::Gamma;
        gamma = 2.2f;
        break;
    case heif_transfer_characteristic_ITU_R_BT_470_6_System_B_G:
        transfer = QColorSpace::TransferFunction::Gamma;
        gamma = 2.8f;
        break;
    case heif_transfer_characteristic_IEC_61966_2_1:
    case heif_transfer_characteristic_unspecified:
    // Video's own curves, close to sRGB's on a screen.
    case heif_transfer_characteristic_ITU_R_BT_709_5:
    case heif_transfer_characteristic_ITU_R_BT_601_6:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_10bit:
    case heif_transfer_characteristic_ITU_R_BT_2020_2_12bit:
        break;
    default: // HDR curves (PQ, HLG) and rarities have no QColorSpace
        return {};
    }
    const bool srgbPrimaries = nclx->color_primaries == heif_color_primaries_ITU_R_BT_709_5 ||
                               nclx->color_primaries == heif_color_primaries_unspecified;
    if (srgbPrimaries && transfer == QColorSpace::TransferFunction::SRgb)
        return {};
    // Named where Qt has a name for them, so that Display P3 is known as such.
    if (srgbPrimaries)
        return QColorSpace(QColorSpace::Primaries::SRgb, transfer, gamma);
    if (nclx->color_primaries == heif_color_primaries_SMPTE_EG_432_1)
        return QColorSpace(QColorSpace::Primaries::DciP3D65, transfer, gamma);
    const QColorSpace space(QPointF(nclx->color_primary_white_x, nclx->color_primary_white_y),
                            QPointF(nclx->color_primary_red_x, nclx->color_primary_red_y),
                            QPointF(nclx->color_primary_green_x, nclx->color_primary_green_y),
                            QPointF(nclx->color_primary_blue_x, nclx->color_primary_blue_y),
                            transfer, gamma);
    return space.isValid() ? space : QColorSpace();
}

// The colour space the picture's ICC profile ('prof' or 'rICC') or nclx box
// gives; none for sRGB or a profile Qt cannot use.
QColorSpace ColorSpaceOf(const heif_image_handle* handle) {
    const size_t iccBytes = heif_image_handle_get_raw_color_profile_size(handle);
    if (iccBytes > 0 && iccBytes <= static_cast<size_t>(kMaxFileBytes)) {
        QByteArray icc(static_cast<qsizetype>(iccBytes), '\0');
        if (!Failed(heif_image_handle_get_raw_color_profile(handle, icc.data()))) {
            const QColorSpace space = QColorSpace::fromIccProfile(icc);
            if (space.isValid())
                return space;
        }
    }
    return NclxColorSpace(handle);
}

void ReleaseHeifImage(void* image) {
    heif_image_release(static_cast<heif_image*>(image));
}

// The HDR curve and primaries the nclx box of `handle` gives, when its
// transfer characteristics are PQ or HLG.
std::optional<std::pair<HdrCurve, HdrPrimaries>> HdrColorsOf(const heif_image_handle* handle) {
    heif_color_profile_nclx* described = nullptr;
    if (Failed(heif_image_handle_get_nclx_color_profile(handle, &described)))
        return std::nullopt;
    const std::unique_ptr<heif_color_profile_nclx, NclxFree> nclx(described);
    HdrCurve curve = HdrCurve::Pq;
    if (nclx->transfer_characteristics == heif_transfer_characteristic_ITU_R_BT_2100_0_HLG)
        curve = HdrCurve::Hlg;
    else if (nclx->transfer_characteristics != heif_transfer_characteristic_ITU_R_BT_2100_0_PQ)
        return std::nullopt;
    const HdrPrimaries primaries =
        nclx->color_primaries == heif_color_primaries_ITU_R_BT_2020_2_and_2100_0
            ? HdrPrimaries::Bt2020
        : nclx->color_primaries == heif_color_primaries_SMPTE_EG_432_1 ? HdrPrimaries::DisplayP3
                                                                       : HdrPrimaries::Srgb;
    return std::pair{curve, primaries};
}

// The picture of `handle` decoded to interleaved `chroma`; null with `error`
// set on failure.
ImagePtr DecodeInterleaved(const heif_image_handle* handle, heif_chroma chroma,
                           const heif_decoding_options* options, QString& error) {
    heif_image* decoded = nullptr;
    const heif_error result =
        heif_decode_image(handle, &decoded, heif_colorspace_RGB, chroma, options);
    ImagePtr owned(decoded);
    if (Failed(result) || !owned) {
        error = Failed(result) ? Message(result)
                               : QCoreApplication::translate("Decoding", "no picture decoded");
        return {};
    }
    return owned;
}

// The HDR picture of `handle`, tone-mapped to sRGB; null with `error` set on
// failure.
QImage DecodeHdr(const heif_image_handle* handle, HdrCurve curve, HdrPrimaries primaries,
                 const heif_decoding_options* options, QString& error) {
    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    const ImagePtr owned = DecodeInterleaved(
        handle, alpha ? heif_chroma_interleaved_RRGGBBAA_LE : heif_chroma_interleaved_RRGGBB_LE,
        options, error);
    if (!owned)
        return {};
    const heif_image* decoded = owned.get();
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    const int bits = heif_image_get_bits_per_pixel_range(decoded, heif_channel_interleaved);
    const int channels = alpha ? 4 : 3;
    if (pixels == nullptr || width <= 0 || height <= 0 || bits < 8 || bits > 16 ||
        std::int64_t{stride} < std::int64_t{width} * channels * 2) {
        error = QCoreApplication::translate("Decoding", "the decoder gave no pixels");
        return {};
    }
    float peak = 0; // PQ's own limit, unless the file gives its content's
    if (heif_image_has_content_light_level(decoded)) {
        heif_content_light_level level{};
        heif_image_get_content_light_level(decoded, &level);
        peak = level.max_content_light_level;
    }
    const HdrToSdr toSdr(curve, primaries, peak);
    QImage picture(width, height, QImage::Format_RGBA8888);
    if (picture.isNull()) {
        error = QCoreApplication::translate("Decoding", "out of memory");
        return {};
    }
    const float scale = 1.0f / float((1 << bits) - 1);
    std::vector<float> signal(static_cast<size_t>(width) * channels);
    for (int y = 0; y < height; ++y) {
        const uint8_t* row = pixels + std::ptrdiff_t{y} * stride;
        for (size_t i = 0; i < signal.size(); ++i)
            signal[i] = float(row[2 * i] | (row[2 * i + 1] << 8)) * scale;
        toSdr.Row(signal.data(), width, channels, picture.scanLine(y));
    }
    picture.setColorSpace(QColorSpace::SRgb);
    return picture;
}

// The picture of `handle` upright, 8 bits a channel; null with `error` set
// on failure.
QImage Decode(const heif_image_handle* handle, QString& error) {
    const bool alpha = heif_image_handle_has_alpha_channel(handle) != 0;
    const std::unique_ptr<heif_decoding_options, OptionsFree> options(
        heif_decoding_options_alloc());
    if (!options) {
        error = QCoreApplication::translate("Decoding", "out of memory");
        return {};
    }
    if (const auto hdr = HdrColorsOf(handle))
        return DecodeHdr(handle, hdr->first, hdr->second, options.get(), error);
    options->convert_hdr_to_8bit = 1; // 10- and 12-bit pictures from newer phones
    ImagePtr owned = DecodeInterleaved(
        handle, alpha ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB, options.get(),
        error);
    if (!owned)
        return {};
    heif_image* decoded = owned.get();
    int stride = 0;
    const uint8_t* pixels =
        heif_image_get_plane_readonly(decoded, heif_channel_interleaved, &stride);
    const int width = heif_image_get_width(decoded, heif_channel_interleaved);
    const int height = heif_image_get_height(decoded, heif_channel_interleaved);
    const int bytesPerPixel = alpha ? 4 : 3;
    if (pixels == nullptr || width <= 0 || height <= 0 ||
        std::int64_t{stride} < std::int64_t{width} * bytesPerPixel) {
        error = QCoreApplication::translate("Decoding", "the decoder gave no pixels");
        return {};
    }
    const QImage::Format format = !alpha ? QImage::Format_RGB888
                                  : heif_image_handle_is_premultiplied_alpha(handle)
                                      ? QImage::Format_RGBA8888_Premultiplied
                                      : QImage::Format_RGBA8888;
    // The picture keeps libheif's pixels and frees them with itself: a
    // 12-megapixel photo is not copied.
    QImage picture(pixels, width, height, stride, format, ReleaseHeifImage, decoded);
    if (picture.isNull()) {
        error =
            QCoreApplication::translate("Decoding", "the decoder's pixels do not fit a picture");
        return {};
    }
    owned.release();
    return picture;
}

bool Refuse(const QString& reason) {
    // The reader has only "Unable to read image data" to say; the warning
    // reaches the caller through its codec messages.
    qWarning("HEIF: %s", qPrintable(reason));
    return false;
}

} // namespace

void StartLibheif() {
    static const heif_error started = heif_init(nullptr);
    (void)started;
}

struct HeifHandler::Parsed {
    QByteArray data; // the file; libheif reads it in place
    std::unique_ptr<heif_context, ContextFree> context;
    HandlePtr primary; // null when the file could not be parsed
    QString error;     // why it could not
};

HeifHandler::HeifHandler() = default;
HeifHandler::~HeifHandler() = default;

const HeifHandler::Parsed& HeifHandler::Parse() const {
    if (parsed_)
        return *parsed_;
    parsed_ = std::make_unique<Parsed>();
    Parsed& parsed = *parsed_;
    parsed.data = ReadRest(device());
    StartLibheif();
    parsed.context.reset(heif_context_alloc());
    if (!parsed.context) {
        parsed.error = QCoreApplication::translate("Decoding", "out of memory");
        return parsed;
    }
    heif_context* context = parsed.context.get();
    heif_context_set_max_decoding_threads(context, DecodeThreads());
    heif_error result = heif_context_read_from_memory_without_copy(
        context, parsed.data.constData(), static_cast<size_t>(parsed.data.size()), nullptr);
    heif_image_handle* primary = nullptr;
    if (!Failed(result))
        result = heif_context_get_primary_image_handle(context, &primary);
    if (Failed(result)) {
        parsed.error = Message(result);
        return parsed;
    }
    parsed.primary.reset(primary);
    // The pictures the decoder allocates (the coded picture, a grid's tiles)
    // are no larger than the header says, give or take a tile: a grid that
    // claims a far larger picture is refused, not allocated.
    const QSize stored = StoredSize(primary);
    const QSize upright = UprightSize(primary);
    const int longestSide = std::max(
        {kLargestTileSide, stored.width(), stored.height(), upright.width(), upright.height()});
    heif_context_set_maximum_image_size_limit(context, longestSide + 1);
    return parsed;
}

bool HeifHandler::CanRead(QIODevice* device) {
    if (device == nullptr)
        return false;
    const QByteArray head = device->peek(kFtypPeekBytes);
    if (head.size() < 16 || head.mid(4, 4) != "ftyp")
        return false;
    // A size of 0 (to the end of the file) or 1 (a 64-bit size follows) tells
    // nothing here; the brands are then looked for in all that was peeked.
    const qsizetype boxBytes = qFromBigEndian<quint32>(head.constData());
    const qsizetype end = boxBytes < 16 ? head.size() : std::min(head.size(), boxBytes);
    auto brandAt = [&](qsizetype offset) {
        return std::any_of(kHeifBrands.begin(), kHeifBrands.end(), [&](const char* brand) {
            return std::memcmp(head.constData() + offset, brand, 4) == 0;
        });
    };
    if (brandAt(8)) // the major brand
        return true;
    for (qsizetype offset = 16; offset + 4 <= end; offset += 4) { // the compatible ones
        if (brandAt(offset))
            return true;
    }
    return false;
}

bool HeifHandler::canRead() const {
    if (!CanRead(device()))
        return false;
    if (format().isEmpty())
        setFormat("heif");
    return true;
}

bool HeifHandler::read(QImage* image) {
    const Parsed& parsed = Parse();
    if (!parsed.primary)
        return Refuse(parsed.error);
    const heif_image_handle* primary = parsed.primary.get();
    const QSize upright = UprightSize(primary);
    for (const QSize size : {StoredSize(primary), upright}) {
        if (TooLarge(size))
            return Refuse(TooManyPixelsReason(size.width(), size.height()));
    }
    const bool scaling = scaledSize_.isValid() && !scaledSize_.isEmpty() && scaledSize_ != upright;
    const HandlePtr thumbnail = scaling ? ThumbnailCovering(primary, scaledSize_) : HandlePtr();
    const heif_image_handle* chosen = thumbnail ? thumbnail.get() : primary;
    // A stored thumbnail is small and quick; the photo itself is decoded in
    // a child, which is killed when the decode is called off.
    if (!thumbnail && DecodesInChild("heif"))
        return ReadInChild("heif", parsed.data, scaledSize_, device(), image);

    QString error;
    QImage picture = Decode(chosen, error);
    if (picture.isNull())
        return Refuse(error);
    QColorSpace space = ColorSpaceOf(chosen);
    if (!space.isValid() && thumbnail)
        space = ColorSpaceOf(primary); // a thumbnail is in its photo's colours
    if (scaling && picture.size() != scaledSize_)
        picture = ShrinkForThumbnail(picture, scaledSize_);
    if (space.isValid())
        picture.setColorSpace(space);
    *image = std::move(picture);
    return true;
}

QSize HeifHandler::HeaderSize() const {
    const Parsed& parsed = Parse();
    if (!parsed.primary)
        return {};
    // The upright size, unless the coded picture is already too large: then
    // that size, so that the photo is refused before the decode allocates it.
    const QSize stored = StoredSize(parsed.primary.get());
    const QSize upright = UprightSize(parsed.primary.get());
    return TooLarge(stored) ? stored : upright;
}

QImageIOPlugin::Capabilities HeifPlugin::capabilities(QIODevice* device,
                                                      const QByteArray& format) const {
    const bool ownKey = format == "heic" || format == "heif" || format == "avif";
    return ReadCapability(device, format, ownKey, HeifHandler::CanRead);
}

QImageIOHandler* HeifPlugin::create(QIODevice* device, const QByteArray& format) const {
    return MakeHandler<HeifHandler>(device, format.isEmpty() ? QByteArray("heif") : format);
}

} // namespace kolvira
