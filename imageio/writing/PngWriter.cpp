#include "imageio/writing/PngWriter.h"

#include <QColorSpace>
#include <QCoreApplication>
#include <QIODevice>

#include <png.h>
#include <zlib.h>

#include <array>
#include <cstring>

namespace kolvira {
namespace {

// Where the bytes go, and libpng's reason when it gives up: copied, since
// libpng may format it on a stack that its jump back to setjmp unwinds.
struct WriteState {
    QIODevice* device = nullptr;
    std::array<char, 160> failure{};
    QString deviceError;
};

void WriteToDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* state = static_cast<WriteState*>(png_get_io_ptr(png));
    if (state->device->write(reinterpret_cast<const char*>(data), static_cast<qint64>(length)) !=
        static_cast<qint64>(length)) {
        state->deviceError = state->device->errorString();
        png_error(png, "the file could not be written");
    }
}

void FlushNothing(png_structp) {}

[[noreturn]] void Fail(png_structp png, png_const_charp message) {
    auto& failure = static_cast<WriteState*>(png_get_error_ptr(png))->failure;
    std::strncpy(failure.data(), message, failure.size() - 1);
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// Everything the chunks need, made before setjmp: nothing with a destructor
// may be made between setjmp and the end, since libpng's errors jump over it.
struct Chunks {
    int colorType = PNG_COLOR_TYPE_RGB;
    bool fourBytes = false;  // RGB32 and ARGB32: 4 bytes a pixel in memory
    bool blueFirst = false;  // the bytes in memory are B, G, R(, A)
    bool alphaFirst = false; // ARGB32 on a big-endian machine: A, R, G, B
    bool srgb = false;       // described by the sRGB chunk rather than a profile
    QByteArray profileName;  // empty when the picture has no colour space
    QByteArray profile;
};

Chunks ChunksOf(const QImage& picture) {
    Chunks chunks;
    const QImage::Format format = picture.format();
    chunks.fourBytes = format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
                       format == QImage::Format_RGBA8888;
    chunks.blueFirst = (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32) &&
                       QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    chunks.alphaFirst =
        format == QImage::Format_ARGB32 && QSysInfo::ByteOrder == QSysInfo::BigEndian;
    if (format == QImage::Format_ARGB32 || format == QImage::Format_RGBA8888)
        chunks.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    const QColorSpace space = picture.colorSpace();
    chunks.srgb = space == QColorSpace::SRgb;
    if (space.isValid() && !chunks.srgb) {
        // As Qt names it: the space's description, else "Custom".
        chunks.profileName = space.description().toLatin1();
        if (chunks.profileName.isEmpty())
            chunks.profileName = QByteArrayLiteral("Custom");
        chunks.profile = space.iccProfile();
    }
    return chunks;
}

bool WriteRows(const QImage& picture, const Chunks& chunks, const PngEncoding& encoding,
               WriteState& state) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &state, &Fail, &IgnoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, &state, &WriteToDevice, &FlushNothing);
    // A profile libpng finds fault with is left out, with a warning, rather
    // than failing the picture.
    png_set_benign_errors(png, 1);
    png_set_compression_level(png, encoding.zlibLevel);
    png_set_compression_strategy(png, encoding.zlibStrategy);
    if (encoding.rowFilters != 0)
        png_set_filter(png, PNG_FILTER_TYPE_BASE, encoding.rowFilters);
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.width()),
                 static_cast<png_uint_32>(picture.height()), 8, chunks.colorType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
    // An sRGB picture says so with the sRGB chunk rather than a profile, as
    // the PNG standard advises, and with gAMA and cHRM for older readers.
    if (chunks.srgb)
        png_set_sRGB_gAMA_and_cHRM(png, info, PNG_sRGB_INTENT_PERCEPTUAL);
    else if (!chunks.profile.isEmpty()) {
        png_set_iCCP(png, info, chunks.profileName.constData(), PNG_COMPRESSION_TYPE_BASE,
                     reinterpret_cast<png_const_bytep>(chunks.profile.constData()),
                     static_cast<png_uint_32>(chunks.profile.size()));
    }
    if (picture.offset().x() != 0 || picture.offset().y() != 0)
        png_set_oFFs(png, info, picture.offset().x(), picture.offset().y(), PNG_OFFSET_PIXEL);
    if (picture.dotsPerMeterX() > 0 || picture.dotsPerMeterY() > 0) {
        png_set_pHYs(png, info, static_cast<png_uint_32>(picture.dotsPerMeterX()),
                     static_cast<png_uint_32>(picture.dotsPerMeterY()), PNG_RESOLUTION_METER);
    }
    png_write_info(png, info);
    // libpng drops the fourth byte and swaps red and blue as it copies each
    // row into its own buffer, so the picture is never converted whole.
    if (chunks.fourBytes && chunks.colorType == PNG_COLOR_TYPE_RGB)
        png_set_filler(png, 0, chunks.blueFirst ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    if (chunks.blueFirst)
        png_set_bgr(png);
    if (chunks.alphaFirst)
        png_set_swap_alpha(png);
    for (int y = 0; y < picture.height(); ++y)
        png_write_row(png, picture.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

PngEncoding PictureEncoding() {
    // Up alone: for drawings and photos it deflates as small as trying all
    // five filters on each row (within 1 %) in half the time.
    return {6, Z_DEFAULT_STRATEGY, PNG_FILTER_UP};
}

bool PngWriterTakes(const QImage& picture) {
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_RGB888:
    case QImage::Format_RGBA8888:
        // Qt's writer turns the picture's text into tEXt, zTXt or iTXt by
        // rules of its own: such pictures stay with it.
        return !picture.isNull() && picture.textKeys().isEmpty();
    default:
        return false;
    }
}

WriteOutcome WritePng(const QImage& picture, QIODevice& device, const PngEncoding& encoding) {
    const Chunks chunks = ChunksOf(picture);
    WriteState state{&device, {}, {}};
    if (WriteRows(picture, chunks, encoding, state))
        return WriteOutcome::Written();
    if (!state.deviceError.isEmpty())
        return WriteOutcome::Failed(state.deviceError);
    return WriteOutcome::Failed(
        state.failure[0] != 0
            ? QString::fromLatin1(state.failure.data())
            : QCoreApplication::translate("Writing", "the PNG encoder could not start"));
}

} // namespace kolvira
