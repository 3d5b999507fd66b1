#include "imageio/formats/RawFormat.h"

#include "imageio/formats/FormatPlugin.h"

#include "imageio/PhotoDecoding.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QImageReader>
#include <QTransform>
#include <QVariant>

#include <libraw/libraw.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>

namespace kolvira {
namespace {

constexpr std::array<const char*, 9> kRawFormats = {"dng", "cr2", "cr3", "nef", "arw",
                                                    "orf", "rw2", "raf", "pef"};

// The most raw data LibRaw may hold: a photo of kMaxPixels at four 16-bit
// channels a pixel, the most any raw format stores.
constexpr unsigned kRawMemoryMB = static_cast<unsigned>(kMaxPixels * 4 * 2 >> 20);

// How far an embedded preview's proportions may stray from the photo's and
// still stand for it: cameras crop a few pixels off the sensor's edges, but
// some pad a 3:2 photo's preview to 4:3 with black bars.
constexpr double kPreviewShapeTolerance = 0.02;

// LibRaw's demosaicing methods. AHD, its usual one, took 0.1 to 0.16 s a
// megapixel on a busy two-core machine; PPG, nearly as good, a third of
// that. Photos above kLargestAhdPhoto take PPG, so that a 60-megapixel raw
// decodes well within the time limit on a machine of few cores.
constexpr int kPpgDemosaicing = 2, kAhdDemosaicing = 3;
constexpr std::int64_t kLargestAhdPhoto = 32'000'000;

// The format of a file that starts with `head`, for the raw formats whose
// signature no other format shares; empty for the others.
QByteArray FormatOfSignature(const QByteArray& head) {
    if (head.size() >= 12 && head.mid(4, 8) == "ftypcrx ") // an ISO media file of Canon's brand
        return "cr3";
    if (head.startsWith("FUJIFILMCCD-RAW"))
        return "raf";
    if (head.startsWith("IIRO") || head.startsWith("IIRS") || head.startsWith("MMOR"))
        return "orf"; // a TIFF with Olympus's own magic number
    if (head.startsWith(QByteArrayView("IIU\0", 4)))
        return "rw2"; // a TIFF with Panasonic's own magic number
    return {};
}

bool StartsLikeTiff(const QByteArray& head) {
    return head.startsWith(QByteArrayView("II*\0", 4)) ||
           head.startsWith(QByteArrayView("MM\0*", 4));
}

// Whether the decode was called off. The handler reads the whole file before
// LibRaw starts, so it asks the watched file, whose reads fail from then on.
bool CalledOff(QIODevice* device) {
    char byte = 0;
    return device != nullptr && (!device->seek(0) || device->read(&byte, 1) < 0);
}

// QImageIOHandler's allocation under QImageReader's limit, for the helpers
// below.
struct ImageAllocation : QImageIOHandler {
    using QImageIOHandler::allocateImage;
};

// One LibRaw decoder over a file's bytes, which must outlive it. What went
// wrong is kept as one line instead of LibRaw's own lines on stderr, and
// between its steps LibRaw hears whether the decode was called off.
class RawDecoder {
public:
    RawDecoder(QByteArray& data, QIODevice* device)
        : raw_(std::make_unique<LibRaw>(LIBRAW_OPIONS_NO_MEMERR_CALLBACK |
                                        LIBRAW_OPIONS_NO_DATAERR_CALLBACK)),
          device_(device) {
        raw_->set_dataerror_handler(&RawDecoder::OnDataError, this);
        raw_->set_progress_handler(&RawDecoder::OnProgress, this);
        raw_->imgdata.params.max_raw_memory_mb = kRawMemoryMB;
        opened_ = Succeeded(raw_->open_buffer(data.data(), static_cast<size_t>(data.size())),
                            "read the file's header");
    }

    bool Opened() const { return opened_; }
    LibRaw& Raw() { return *raw_; }
    // Why the decode failed, and what LibRaw found wrong with the raw data.
    const QString& Error() const { return error_; }
    const QString& DataError() const { return dataError_; }

    // Whether LibRaw's `code` means success; else the error names the step.
    bool Succeeded(int code, const char* step) {
        if (code == LIBRAW_SUCCESS)
            return true;
        if (error_.isEmpty())
            error_ = QStringLiteral("LibRaw could not %1: %2")
                         .arg(QLatin1String(step), QLatin1String(LibRaw::strerror(code)));
        return false;
    }
    bool Fail(QString reason) {
        if (error_.isEmpty())
            error_ = std::move(reason);
        return false;
    }

private:
    static void OnDataError(void* self, const char*, const int offset) {
        auto& decoder = *static_cast<RawDecoder*>(self);
        if (!decoder.dataError_.isEmpty()) // the first says enough
            return;
        // The wording is what the damage check looks for.
        decoder.dataError_ =
            offset < 0 ? QStringLiteral("LibRaw: unexpected end of the file")
                       : QStringLiteral("LibRaw: bad raw data near byte %1, the picture is "
                                        "incomplete")
                             .arg(offset);
    }
    static int OnProgress(void* self, LibRaw_progress, int, int) {
        return CalledOff(static_cast<RawDecoder*>(self)->device_) ? 1 : 0; // non-zero cancels
    }

    std::unique_ptr<LibRaw> raw_; // large: kept off the stack
    QIODevice* device_;
    bool opened_ = false;
    QString error_;
    QString dataError_;
};

// `stored` turned upright as LibRaw turns a picture for the orientation
// `flip`: transposed when its bit 4 is set.
QSize Upright(QSize stored, int flip) {
    return (flip & 4) != 0 ? stored.transposed() : stored;
}

// The upright size of the picture LibRaw makes of the open file, or the raw
// data's size when that is larger than the limit. LibRaw sums sides in 16
// bits, so a hostile pixel shape is first measured in 64.
QSize OutputSize(LibRaw& raw, QString& error) {
    const libraw_image_sizes_t& sizes = raw.imgdata.sizes;
    if (HasTooManyPixels(sizes.raw_width, sizes.raw_height))
        return Upright(QSize(sizes.raw_width, sizes.raw_height), sizes.flip);
    const double aspect = sizes.pixel_aspect;
    if (!(aspect >= 1.0 / 16 && aspect <= 16)) {
        error = QCoreApplication::translate("Decoding",
                                            "the file gives its pixels an impossible shape (%1)")
                    .arg(aspect);
        return {};
    }
    // Stretched to square pixels; Fuji's 45-degree sensors come out twice as large.
    const double width = sizes.width * std::max(aspect, 1.0) * (raw.is_fuji_rotated() ? 2 : 1);
    const double height = sizes.height / std::min(aspect, 1.0);
    if (width * height > static_cast<double>(kMaxPixels))
        return Upright(
            QSize(static_cast<int>(std::min(width, 1e9)), static_cast<int>(std::min(height, 1e9))),
            sizes.flip);
    if (raw.adjust_sizes_info_only() != LIBRAW_SUCCESS) {
        error = QStringLiteral("LibRaw could not tell the picture's size");
        return {};
    }
    return {sizes.iwidth, sizes.iheight}; // turned as the camera was held
}

// `stored` turned as LibRaw turns the raw data for the orientation `flip`:
// mirrored as its low bits say, then transposed when its bit 4 is set.
QImage Upright(QImage stored, int flip) {
    if ((flip & 3) != 0)
        stored = stored.mirrored((flip & 1) != 0, (flip & 2) != 0);
    if ((flip & 4) != 0)
        stored = stored.transformed(QTransform().rotate(90)).mirrored(true, false);
    return stored;
}

bool SameShape(QSize a, QSize b) {
    const double across = double(a.width()) * b.height(), down = double(a.height()) * b.width();
    return std::abs(across - down) <= kPreviewShapeTolerance * across;
}

// Whether the embedded preview of `previewSize` (upright) can stand for the
// photo of `photoSize` scaled to `wanted`.
bool PreviewServes(QSize previewSize, QSize photoSize, QSize wanted) {
    return previewSize.width() >= wanted.width() && previewSize.height() >= wanted.height() &&
           SameShape(previewSize, photoSize);
}

// The preview JPEG decoded straight to `wanted` (upright), or null.
QImage PreviewJpeg(const QByteArray& jpeg, int flip, QSize photoSize, QSize wanted) {
    QBuffer buffer;
    buffer.setData(jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(false); // the raw file's orientation applies, not the preview's own
    const QSize stored = reader.size();
    if (!stored.isValid() || HasTooManyPixels(stored.width(), stored.height()) ||
        !PreviewServes(Upright(stored, flip), photoSize, wanted))
        return {};
    reader.setScaledSize(Upright(wanted, flip)); // a JPEG decodes at 1/2, 1/4 or 1/8 of its size
    return Upright(reader.read(), flip);
}

// The preview stored as 8-bit pixels, upright, or null.
QImage PreviewBitmap(const libraw_thumbnail_t& preview, int flip, QSize photoSize, QSize wanted) {
    const QSize stored(preview.twidth, preview.theight);
    const int colors = preview.tcolors;
    if (stored.isEmpty() || (colors != 1 && colors != 3) ||
        std::int64_t{preview.tlength} < std::int64_t{stored.width()} * stored.height() * colors ||
        !PreviewServes(Upright(stored, flip), photoSize, wanted))
        return {};
    const QImage view(reinterpret_cast<const uchar*>(preview.thumb), stored.width(),
                      stored.height(), stored.width() * colors,
                      colors == 3 ? QImage::Format_RGB888 : QImage::Format_Grayscale8);
    return Upright(
        view.scaled(Upright(wanted, flip), Qt::IgnoreAspectRatio, Qt::SmoothTransformation), flip);
}

// The preview the camera embedded, when it is at least `wanted` (upright)
// and has the photo's proportions; null otherwise.
QImage EmbeddedPreview(RawDecoder& decoder, qsizetype fileBytes, QSize photoSize, QSize wanted) {
    LibRaw& raw = decoder.Raw();
    const libraw_thumbnail_t& preview = raw.imgdata.thumbnail;
    // The preview lies inside the file, so a longer one is a lie; LibRaw
    // would allocate what it says.
    if (preview.tlength == 0 || preview.tlength > fileBytes ||
        HasTooManyPixels(preview.twidth, preview.theight) || !raw.thumbOK(fileBytes) ||
        raw.unpack_thumb() != LIBRAW_SUCCESS)
        return {};
    const int flip = raw.imgdata.sizes.flip;
    switch (preview.tformat) {
    case LIBRAW_THUMBNAIL_JPEG:
        return PreviewJpeg(QByteArray::fromRawData(preview.thumb, preview.tlength), flip, photoSize,
                           wanted);
    case LIBRAW_THUMBNAIL_BITMAP:
        return PreviewBitmap(preview, flip, photoSize, wanted);
    default: // 16-bit and layered previews are rare; the raw data serves
        return {};
    }
}

// The raw data developed as a camera would: its white balance, sRGB, 8 bits,
// upright; at half the size (each 2x2 block of sensor pixels becomes one
// pixel, no demosaicing) when `halfSize`. Null on failure.
QImage Developed(RawDecoder& decoder, QSize photoSize, bool halfSize) {
    LibRaw& raw = decoder.Raw();
    libraw_output_params_t& params = raw.imgdata.params;
    params.half_size = halfSize ? 1 : 0;
    params.user_qual = std::int64_t{photoSize.width()} * photoSize.height() > kLargestAhdPhoto
                           ? kPpgDemosaicing
                           : kAhdDemosaicing;
    params.use_camera_wb = 1;
    params.output_color = 1; // sRGB
    params.output_bps = 8;
    if (!decoder.Succeeded(raw.unpack(), "unpack the raw data") ||
        !decoder.Succeeded(raw.dcraw_process(), "develop the raw data"))
        return {};
    int width = 0, height = 0, colors = 0, bits = 0;
    raw.get_mem_image_format(&width, &height, &colors, &bits);
    if (bits != 8 || (colors != 1 && colors != 3) || width <= 0 || height <= 0) {
        decoder.Fail(QStringLiteral("LibRaw made a picture of %1 colours at %2 bits, not one "
                                    "this program shows")
                         .arg(colors)
                         .arg(bits));
        return {};
    }
    if (HasTooManyPixels(width, height)) {
        decoder.Fail(TooManyPixelsReason(width, height));
        return {};
    }
    QImage picture;
    if (!ImageAllocation::allocateImage(
            QSize(width, height), colors == 3 ? QImage::Format_RGB888 : QImage::Format_Grayscale8,
            &picture)) {
        decoder.Fail(
            QCoreApplication::translate("Decoding", "no memory for a picture of %1x%2 pixels")
                .arg(width)
                .arg(height));
        return {};
    }
    // LibRaw writes the rows turned upright straight into the picture.
    if (!decoder.Succeeded(raw.copy_mem_image(picture.bits(), int(picture.bytesPerLine()), 0),
                           "copy out the picture"))
        return {};
    return picture;
}

bool Refuse(const QString& reason) {
    qWarning("%s", qUtf8Printable(reason));
    return false;
}

} // namespace

bool IsCameraRawFormat(const QByteArray& format) {
    return std::find(kRawFormats.begin(), kRawFormats.end(), format) != kRawFormats.end();
}

bool RawHandler::CanRead(QIODevice* device, const QByteArray& format) {
    if (device == nullptr)
        return false;
    const QByteArray head = device->peek(16);
    return !FormatOfSignature(head).isEmpty() ||
           (IsCameraRawFormat(format) && StartsLikeTiff(head));
}

bool RawHandler::canRead() const {
    if (!CanRead(device(), format()))
        return false;
    if (!IsCameraRawFormat(format()))
        setFormat(FormatOfSignature(device()->peek(16)));
    return true;
}

QByteArray& RawHandler::Data() const {
    if (!data_)
        data_ = device() != nullptr ? device()->readAll() : QByteArray();
    return *data_;
}

const RawHandler::Header& RawHandler::ReadHeader() const {
    if (!header_) {
        RawDecoder decoder(Data(), device());
        Header header;
        if (decoder.Opened())
            header.size = OutputSize(decoder.Raw(), header.error);
        else
            header.error = decoder.Error();
        header_ = header;
    }
    return *header_;
}

bool RawHandler::read(QImage* image) {
    const Header& header = ReadHeader();
    if (!header.error.isEmpty())
        return Refuse(header.error);
    const QSize photoSize = header.size;
    if (HasTooManyPixels(photoSize.width(), photoSize.height()))
        return Refuse(TooManyPixelsReason(photoSize.width(), photoSize.height()));

    RawDecoder decoder(Data(), device());
    if (!decoder.Opened())
        return Refuse(decoder.Error());
    const QSize wanted = scaledSize_.isEmpty() ? photoSize : scaledSize_;
    QImage picture;
    if (wanted != photoSize)
        picture = EmbeddedPreview(decoder, Data().size(), photoSize, wanted);
    if (picture.isNull()) {
        const bool halfIsEnough =
            2 * wanted.width() <= photoSize.width() && 2 * wanted.height() <= photoSize.height();
        picture = Developed(decoder, photoSize, halfIsEnough);
    }
    if (!decoder.DataError().isEmpty())
        qWarning("%s", qUtf8Printable(decoder.DataError()));
    if (picture.isNull())
        return Refuse(decoder.Error());
    if (picture.size() != wanted)
        picture = picture.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    *image = std::move(picture);
    return true;
}

QSize RawHandler::HeaderSize() const {
    return ReadHeader().size;
}

QImageIOPlugin::Capabilities RawPlugin::capabilities(QIODevice* device,
                                                     const QByteArray& format) const {
    return ReadCapability(device, format, IsCameraRawFormat(format),
                          [](QIODevice* d) { return RawHandler::CanRead(d, {}); });
}

QImageIOHandler* RawPlugin::create(QIODevice* device, const QByteArray& format) const {
    return MakeHandler<RawHandler>(device, format);
}

} // namespace kolvira
