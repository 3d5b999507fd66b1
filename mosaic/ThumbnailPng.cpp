#include "mosaic/ThumbnailPng.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace kolvira {
namespace {

[[noreturn]] void FailQuietly(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// `image` is Format_RGB888 or Format_RGBA8888. Nothing with a destructor may
// be made between setjmp and the end: libpng's errors jump back over it.
bool WritePng(std::FILE* file, const QImage& image, std::vector<png_text>& chunks) {
    png_structp png =
        png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, &FailQuietly, &IgnoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    // Written while the user waits for the Mosaic: the fastest deflate takes
    // a fifth of the default's time or less, for files some 15 % larger.
    png_set_compression_level(png, 1);
    const bool alpha = image.format() == QImage::Format_RGBA8888;
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width()),
                 static_cast<png_uint_32>(image.height()), 8,
                 alpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_text(png, info, chunks.data(), static_cast<int>(chunks.size()));
    png_write_info(png, info);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

// Fills `head` from the chunks of `file` before the pixels.
bool ReadHead(std::FILE* file, PngHead& head) {
    png_structp png =
        png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, &FailQuietly, &IgnoreWarning);
    if (png == nullptr)
        return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_init_io(png, file);
    png_read_info(png, info);
    head.size = QSize(static_cast<int>(png_get_image_width(png, info)),
                      static_cast<int>(png_get_image_height(png, info)));
    png_textp chunks = nullptr;
    const int count = png_get_text(png, info, &chunks, nullptr);
    for (int i = 0; i < count; ++i)
        head.text.emplace_back(
            QByteArray(chunks[i].key),
            QByteArray(chunks[i].text, static_cast<qsizetype>(chunks[i].text_length)));
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

} // namespace

std::optional<PngHead> ReadPngHead(const QByteArray& path) {
    std::FILE* file = std::fopen(path.constData(), "rb");
    if (file == nullptr)
        return std::nullopt;
    PngHead head;
    const bool read = ReadHead(file, head);
    std::fclose(file);
    return read ? std::optional(std::move(head)) : std::nullopt;
}

bool WritePrivatePng(const QByteArray& path, const QImage& image, const PngText& text) {
    const QImage pixels = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_RGBA8888
                                                                        : QImage::Format_RGB888);
    if (pixels.isNull())
        return false;
    std::vector<QByteArray> keys, values; // NUL-terminated copies that outlive the write
    std::vector<png_text> chunks(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        keys.push_back(text[i].first);
        values.push_back(text[i].second);
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        chunks[i].compression = PNG_TEXT_COMPRESSION_NONE;
        chunks[i].key = keys[i].data();
        chunks[i].text = values[i].data();
        chunks[i].text_length = static_cast<std::size_t>(values[i].size());
    }

    QByteArray temporary = path + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data()); // mode 0600
    if (fd < 0)
        return false;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) {
        ::close(fd);
        ::unlink(temporary.constData());
        return false;
    }
    const bool written = WritePng(file, pixels, chunks);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(temporary.constData(), path.constData()) != 0) {
        ::unlink(temporary.constData());
        return false;
    }
    return true;
}

} // namespace kolvira
