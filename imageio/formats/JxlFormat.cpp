#include "imageio/formats/JxlFormat.h"

#include "imageio/decoding/DecodeLimits.h"
#include "imageio/formats/FormatPlugin.h"

#include "imageio/PhotoScaling.h"
#include "imageio/color/HdrToSdr.h"
#include "render/ParallelChunks.h"

#include <QColorSpace>
#include <QIODevice>
#include <QImage>
#include <QVariant>

#include <jxl/decode_cxx.h>
#include <jxl/thread_parallel_runner_cxx.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace kolvira {
namespace {

// Far more than any real colour profile takes.
constexpr size_t kMostIccBytes = 16 << 20;

// The size the header gives, or an invalid size when it cannot be read.
QSize SizeInHeader(const QByteArray& data) {
    JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    if (!decoder || JxlDecoderSubscribeEvents(decoder.get(), JXL_DEC_BASIC_INFO) != JXL_DEC_SUCCESS)
        return {};
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    JxlDecoderSetInput(decoder.get(), bytes, static_cast<size_t>(data.size()));
    JxlDecoderCloseInput(decoder.get());
    if (JxlDecoderProcessInput(decoder.get()) != JXL_DEC_BASIC_INFO)
        return {};
    JxlBasicInfo info;
    if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
        return {};
    // The decoder hands pixels out upright, so a turned picture swaps its sides.
    const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
    return turned ? QSize(info.ysize, info.xsize) : QSize(info.xsize, info.ysize);
}

constexpr JxlPixelFormat kSdrFormat{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
// HDR pictures come as light signals, tone-mapped here.
constexpr JxlPixelFormat kHdrFormat{4, JXL_TYPE_FLOAT, JXL_NATIVE_ENDIAN, 0};

// The colours of the decoder's pixels: an HDR curve, or a colour space to
// convert from (none for sRGB).
struct Colors {
    bool hdr = false;
    HdrCurve curve = HdrCurve::Pq;
    HdrPrimaries primaries = HdrPrimaries::Srgb;
    QColorSpace space;
};

Colors ColorsOf(JxlDecoder* decoder) {
    Colors colors;
    JxlColorEncoding encoding{};
    if (JxlDecoderGetColorAsEncodedProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                           &encoding) == JXL_DEC_SUCCESS) {
        if (encoding.transfer_function == JXL_TRANSFER_FUNCTION_PQ ||
            encoding.transfer_function == JXL_TRANSFER_FUNCTION_HLG) {
            colors.hdr = true;
            colors.curve = encoding.transfer_function == JXL_TRANSFER_FUNCTION_PQ ? HdrCurve::Pq
                                                                                  : HdrCurve::Hlg;
            const bool grey = encoding.color_space == JXL_COLOR_SPACE_GRAY;
            colors.primaries = grey                                       ? HdrPrimaries::Srgb
                               : encoding.primaries == JXL_PRIMARIES_2100 ? HdrPrimaries::Bt2020
                               : encoding.primaries == JXL_PRIMARIES_P3   ? HdrPrimaries::DisplayP3
                                                                          : HdrPrimaries::Srgb;
            return colors;
        }
    }
    // A lossy (XYB) picture is converted to sRGB by libjxl itself.
    JxlColorEncoding srgb{};
    srgb.color_space = JXL_COLOR_SPACE_RGB;
    srgb.white_point = JXL_WHITE_POINT_D65;
    srgb.primaries = JXL_PRIMARIES_SRGB;
    srgb.transfer_function = JXL_TRANSFER_FUNCTION_SRGB;
    srgb.rendering_intent = JXL_RENDERING_INTENT_PERCEPTUAL;
    if (JxlDecoderSetPreferredColorProfile(decoder, &srgb) == JXL_DEC_SUCCESS)
        return colors;
    size_t iccBytes = 0;
    if (JxlDecoderGetICCProfileSize(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA, &iccBytes) !=
            JXL_DEC_SUCCESS ||
        iccBytes == 0 || iccBytes > kMostIccBytes)
        return colors;
    QByteArray icc(static_cast<qsizetype>(iccBytes), '\0');
    if (JxlDecoderGetColorAsICCProfile(decoder, nullptr, JXL_COLOR_PROFILE_TARGET_DATA,
                                       reinterpret_cast<uint8_t*>(icc.data()),
                                       iccBytes) != JXL_DEC_SUCCESS)
        return colors;
    const QColorSpace space = QColorSpace::fromIccProfile(icc);
    if (space.isValid() && space != QColorSpace::SRgb)
        colors.space = space;
    return colors;
}

// The HDR picture in `signal` (RGBA floats) in sRGB.
QImage TonedDown(const std::vector<float>& signal, const JxlBasicInfo& info, const Colors& colors) {
    const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
    const int width = static_cast<int>(turned ? info.ysize : info.xsize);
    const int height = static_cast<int>(turned ? info.xsize : info.ysize);
    if (signal.size() < std::size_t(width) * height * 4)
        return {};
    // PQ signals are absolute; the header's intensity target is the peak.
    const HdrToSdr toSdr(colors.curve, colors.primaries, info.intensity_target);
    return toSdr.Picture(signal.data(), width, height, 4, std::ptrdiff_t{width} * 4);
}

// The end of a decode that libjxl called off: no picture, or the one decoded
// before the damage, with a warning that names the damage (libjxl prints its
// own reason to stderr, where the decoding routine collects it).
bool Broken(QImage& decoded, const char* what) {
    qWarning("JPEG XL: %s", what);
    return !decoded.isNull();
}

} // namespace

bool JxlHandler::CanRead(QIODevice* device) {
    if (device == nullptr)
        return false;
    const QByteArray head = device->peek(12);
    const JxlSignature signature =
        JxlSignatureCheck(reinterpret_cast<const uint8_t*>(head.constData()), head.size());
    return signature == JXL_SIG_CODESTREAM || signature == JXL_SIG_CONTAINER;
}

bool JxlHandler::canRead() const {
    if (!CanRead(device()))
        return false;
    setFormat("jxl");
    return true;
}

bool JxlHandler::read(QImage* image) {
    const QByteArray data = device()->readAll();
    JxlDecoderPtr decoder = JxlDecoderMake(nullptr);
    JxlThreadParallelRunnerPtr runner =
        JxlThreadParallelRunnerMake(nullptr, std::size_t(DecodeThreads()));
    constexpr int events = JXL_DEC_BASIC_INFO | JXL_DEC_COLOR_ENCODING | JXL_DEC_FULL_IMAGE;
    if (!decoder || !runner ||
        JxlDecoderSubscribeEvents(decoder.get(), events) != JXL_DEC_SUCCESS ||
        JxlDecoderSetParallelRunner(decoder.get(), JxlThreadParallelRunner, runner.get()) !=
            JXL_DEC_SUCCESS)
        return false;
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    JxlDecoderSetInput(decoder.get(), bytes, static_cast<size_t>(data.size()));
    JxlDecoderCloseInput(decoder.get());

    JxlBasicInfo info{};
    Colors colors;
    QImage picture;
    std::vector<float> hdrSignal;
    for (;;) {
        switch (JxlDecoderProcessInput(decoder.get())) {
        case JXL_DEC_BASIC_INFO:
            if (JxlDecoderGetBasicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
                return false;
            break;
        case JXL_DEC_COLOR_ENCODING:
            colors = ColorsOf(decoder.get());
            break;
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            const bool turned = info.orientation >= JXL_ORIENT_TRANSPOSE;
            const QSize size =
                turned ? QSize(info.ysize, info.xsize) : QSize(info.xsize, info.ysize);
            const JxlPixelFormat format = colors.hdr ? kHdrFormat : kSdrFormat;
            size_t bufferSize = 0;
            if (JxlDecoderImageOutBufferSize(decoder.get(), &format, &bufferSize) !=
                JXL_DEC_SUCCESS)
                return false;
            void* buffer = nullptr;
            if (colors.hdr) {
                if (bufferSize != std::size_t(size.width()) * size.height() * 4 * sizeof(float))
                    return false;
                hdrSignal.resize(bufferSize / sizeof(float));
                buffer = hdrSignal.data();
            } else {
                picture = QImage(size, QImage::Format_RGBA8888);
                if (picture.isNull() || static_cast<size_t>(picture.sizeInBytes()) < bufferSize ||
                    picture.bytesPerLine() != size.width() * 4)
                    return false;
                buffer = picture.bits();
            }
            if (JxlDecoderSetImageOutBuffer(decoder.get(), &format, buffer, bufferSize) !=
                JXL_DEC_SUCCESS)
                return false;
            break;
        }
        case JXL_DEC_FULL_IMAGE: {
            QImage shown = colors.hdr ? TonedDown(hdrSignal, info, colors) : std::move(picture);
            if (!colors.hdr && colors.space.isValid())
                shown.setColorSpace(colors.space);
            if (scaledSize_.isValid() && !scaledSize_.isEmpty())
                shown = ShrinkForThumbnail(shown, scaledSize_);
            *image = std::move(shown);
            hdrSignal = {};
            // An animation shows its first frame; the later ones are read
            // only as far as telling whether they are whole.
            if (info.have_animation)
                JxlDecoderSkipFrames(decoder.get(), std::numeric_limits<std::uint32_t>::max());
            break;
        }
        case JXL_DEC_SUCCESS:
            return !image->isNull();
        case JXL_DEC_NEED_MORE_INPUT:
            return Broken(*image, "the file is truncated");
        default:
            return Broken(*image, "the decoder found corrupt data");
        }
    }
}

QSize JxlHandler::HeaderSize() const {
    // The basic info sits in the first few hundred bytes.
    return SizeInHeader(device()->peek(64 * 1024));
}

QImageIOPlugin::Capabilities JxlPlugin::capabilities(QIODevice* device,
                                                     const QByteArray& format) const {
    return ReadCapability(device, format, format == "jxl", JxlHandler::CanRead);
}

QImageIOHandler* JxlPlugin::create(QIODevice* device, const QByteArray& format) const {
    return MakeHandler<JxlHandler>(device, format.isEmpty() ? QByteArray("jxl") : format);
}

} // namespace kolvira
