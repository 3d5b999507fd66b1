#include "imageio/decoding/DecoderWire.h"

#include "imageio/decoding/DecodeLimits.h"

#include <QColorSpace>

#include <algorithm>
#include <array>
#include <cstring>

namespace kolvira {
namespace {

constexpr char kMagic[4] = {'K', 'V', 'D', '1'};

// The formats the risky decoders give: libheif's 8-bit RGB(A), the
// metafiles' canvas, and what Qt converts to.
constexpr std::array kSentFormats = {
    QImage::Format_RGB888,     QImage::Format_RGBA8888, QImage::Format_RGBA8888_Premultiplied,
    QImage::Format_RGB32,      QImage::Format_ARGB32,   QImage::Format_ARGB32_Premultiplied,
    QImage::Format_Grayscale8,
};

} // namespace

std::uint32_t PackedRowBytes(const QImage& image) {
    return std::uint32_t((std::int64_t{image.width()} * image.depth() + 7) / 8);
}

QByteArray WireHead(const QImage& image, const QStringList& messages) {
    const QByteArray icc =
        image.colorSpace().isValid() ? image.colorSpace().iccProfile() : QByteArray();
    const QByteArray said = messages.join(QLatin1Char('\n')).toUtf8().left(kMostMessageBytes);
    WireHeader header{};
    std::memcpy(header.magic, kMagic, sizeof kMagic);
    if (!image.isNull()) {
        header.width = image.width();
        header.height = image.height();
        header.format = image.format();
        header.rowBytes = PackedRowBytes(image);
    }
    header.iccBytes = icc.size() <= qsizetype(kMostIccBytes) ? std::uint32_t(icc.size()) : 0;
    header.messageBytes = std::uint32_t(said.size());
    QByteArray head(reinterpret_cast<const char*>(&header), sizeof header);
    head += icc.left(header.iccBytes);
    head += said;
    return head;
}

std::optional<QImage> PictureFor(const WireHeader& header, QString& error) {
    const auto refuse = [&](const char* why) {
        error = QString::fromLatin1(why);
        return std::nullopt;
    };
    if (std::memcmp(header.magic, kMagic, sizeof kMagic) != 0)
        return refuse("the decoder's answer is not a picture");
    if (header.iccBytes > kMostIccBytes || header.messageBytes > kMostMessageBytes)
        return refuse("the decoder's answer is too long");
    if (header.format == QImage::Format_Invalid && header.width == 0 && header.height == 0)
        return QImage();
    const auto format = QImage::Format(header.format);
    if (std::find(kSentFormats.begin(), kSentFormats.end(), format) == kSentFormats.end())
        return refuse("the decoder's picture has a format it never sends");
    if (header.width <= 0 || header.height <= 0)
        return refuse("the decoder's picture has no size");
    if (HasTooManyPixels(header.width, header.height)) {
        error = TooManyPixelsReason(header.width, header.height);
        return std::nullopt;
    }
    QImage image(header.width, header.height, format);
    if (image.isNull())
        return refuse("there is not enough memory for the decoded picture");
    if (header.rowBytes != PackedRowBytes(image))
        return refuse("the decoder's rows do not fit its picture");
    return image;
}

} // namespace kolvira
