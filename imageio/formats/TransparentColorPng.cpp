#include "imageio/formats/TransparentColorPng.h"

#include "imageio/formats/FormatPlugin.h"

#include <QColorSpace>
#include <QIODevice>
#include <QImage>
#include <QVariant>
#include <QtEndian>

#include <png.h>

#include <array>
#include <cstring>
#include <vector>

namespace kolvira {
namespace {

constexpr char kOwnKey[] = "png-transparent-colour";
constexpr std::array<uchar, 8> kSignature = {137, 80, 78, 71, 13, 10, 26, 10};
// The signature and the IHDR chunk, which always comes first.
constexpr int kHeaderBytes = 8 + 8 + 13 + 4;

struct Header {
    QSize size;
    int bitDepth = 0;
    int colorType = -1;
};

Header HeaderOf(const QByteArray& bytes) {
    Header header;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    if (bytes.size() < kHeaderBytes || std::memcmp(data, kSignature.data(), 8) != 0 ||
        std::memcmp(data + 12, "IHDR", 4) != 0)
        return header;
    header.size = QSize(static_cast<int>(qFromBigEndian<quint32>(data + 16)),
                        static_cast<int>(qFromBigEndian<quint32>(data + 20)));
    header.bitDepth = data[24];
    header.colorType = data[25];
    return header;
}

// Whether a tRNS chunk comes before the first IDAT of the PNG starting at
// the device's position, which is put back. Only the chunks' headers are
// read, over what comes before the pixels (a profile, text, EXIF).
bool HasTransparentColor(QIODevice& device) {
    if (device.isSequential())
        return false;
    const qint64 start = device.pos();
    bool found = false;
    // Real files have a handful of chunks before the pixels; a file of
    // millions of empty ones is not searched to its end.
    constexpr int kMostChunks = 10'000;
    qint64 at = start + 8;
    for (int looked = 0; looked < kMostChunks && device.seek(at); ++looked) {
        const QByteArray chunk = device.read(8);
        if (chunk.size() < 8 || chunk.endsWith("IDAT"))
            break;
        if (chunk.endsWith("tRNS")) {
            found = true;
            break;
        }
        at += qint64{qFromBigEndian<quint32>(chunk.constData())} + 12;
    }
    device.seek(start);
    return found;
}

// What libpng reads from, and its reason when it gives up: copied, since
// libpng may format it on a stack that its jump back to setjmp unwinds.
struct ReadState {
    QIODevice* device = nullptr;
    std::array<char, 160> failure{};
};

void ReadFromDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* state = static_cast<ReadState*>(png_get_io_ptr(png));
    if (state->device->read(reinterpret_cast<char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length))
        png_error(png, "the file ends early");
}

[[noreturn]] void Fail(png_structp png, png_const_charp message) {
    auto& failure = static_cast<ReadState*>(png_get_error_ptr(png))->failure;
    std::strncpy(failure.data(), message, failure.size() - 1);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// The colour space as Qt's PNG reader takes it: the profile, else the sRGB chunk.
QColorSpace ColorSpaceOf(png_structp png, png_infop info) {
    png_charp name = nullptr;
    int compression = 0;
    png_bytep profile = nullptr;
    png_uint_32 length = 0;
    if (png_get_iCCP(png, info, &name, &compression, &profile, &length) != 0)
        return QColorSpace::fromIccProfile(
            QByteArray(reinterpret_cast<const char*>(profile), static_cast<qsizetype>(length)));
    int intent = 0;
    if (png_get_sRGB(png, info, &intent) != 0)
        return QColorSpace::SRgb;
    return {};
}

// Reads the chunks before the pixels and sets libpng to hand out 16-bit RGBA
// rows in the machine's byte order. Nothing with a destructor may be made
// between setjmp and the end: libpng's errors jump over it.
bool ReadInfo(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png)))
        return false;
    png_read_info(png, info);
    png_set_tRNS_to_alpha(png);
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
        png_set_swap(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) ==
           static_cast<png_size_t>(png_get_image_width(png, info)) * 8;
}

void ReadRows(png_structp png, std::vector<png_bytep>& rows) {
    if (setjmp(png_jmpbuf(png)))
        return;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
}

} // namespace

bool TransparentColorPngHandler::CanRead(QIODevice* device) {
    if (device == nullptr || !device->isReadable())
        return false;
    const QByteArray start = device->peek(kHeaderBytes);
    const Header header = HeaderOf(start);
    if (header.bitDepth != 16 || header.colorType != PNG_COLOR_TYPE_RGB)
        return false;
    return HasTransparentColor(*device);
}

bool TransparentColorPngHandler::canRead() const {
    if (!CanRead(device()))
        return false;
    setFormat("png");
    return true;
}

QVariant TransparentColorPngHandler::option(ImageOption option) const {
    if (option != Size || device() == nullptr)
        return {};
    const QSize size = HeaderOf(device()->peek(kHeaderBytes)).size;
    return size.isEmpty() ? QVariant() : QVariant(size);
}

bool TransparentColorPngHandler::supportsOption(ImageOption option) const {
    return option == Size;
}

bool TransparentColorPngHandler::read(QImage* image) {
    ReadState state{device(), {}};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &state, &Fail, &IgnoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &state, &ReadFromDevice);
    QImage picture;
    const bool started = info != nullptr && ReadInfo(png, info) &&
                         allocateImage(QSize(static_cast<int>(png_get_image_width(png, info)),
                                             static_cast<int>(png_get_image_height(png, info))),
                                       QImage::Format_RGBA64, &picture);
    if (started) {
        // A damaged file gives the rows before the damage, the rest clear,
        // as Qt's reader does for other PNGs.
        picture.fill(Qt::transparent);
        std::vector<png_bytep> rows(static_cast<std::size_t>(picture.height()));
        for (int y = 0; y < picture.height(); ++y)
            rows[static_cast<std::size_t>(y)] = picture.scanLine(y);
        ReadRows(png, rows);
        picture.setColorSpace(ColorSpaceOf(png, info));
    }
    png_destroy_read_struct(&png, &info, nullptr);
    // Said as Qt's reader says what libpng reports, for the damage or the
    // failure's reason.
    if (state.failure[0] != 0)
        qWarning("libpng error: %s", state.failure.data());
    if (!started)
        return false;
    *image = std::move(picture);
    return true;
}

QImageIOPlugin::Capabilities
TransparentColorPngPlugin::capabilities(QIODevice* device, const QByteArray& format) const {
    return ReadCapability(device, format, format == kOwnKey, TransparentColorPngHandler::CanRead);
}

QImageIOHandler* TransparentColorPngPlugin::create(QIODevice* device,
                                                   const QByteArray& format) const {
    return MakeHandler<TransparentColorPngHandler>(device, format.isEmpty() ? "png" : format);
}

} // namespace kolvira
