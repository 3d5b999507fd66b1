// Opening and decoding a photo file, the one way kolvira-render, the photo
// window and the Mosaic's thumbnails read a picture: by the file name's bytes,
// never from a FIFO or a device, upright after its EXIF orientation, and
// within a size limit checked before any pixel is decoded.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>

namespace kolvira {

// The largest photo that is opened.
inline constexpr std::int64_t kMaxPixels = 200'000'000;
// What QImageReader may allocate while decoding; enough for kMaxPixels.
inline constexpr int kDecodeAllocationLimitMB = 2048;

// Sets the decoders' allocation limit; called at program start, before any
// picture is read. QT_IMAGEIO_MAXALLOC in the environment cannot lift it.
void ApplyDecodeLimits();

// The file at `nativePath`, open for reading. Only a regular file is opened:
// a FIFO, a device or a folder is refused without reading a byte (and without
// waiting for a writer). Null on failure, with `error` saying why.
std::unique_ptr<QFile> OpenPhotoFile(const QByteArray& nativePath, QString& error);

// A reader over an open photo file. The format is decided from the content;
// when no decoder recognises it, the file name's extension names the format
// (icons and cursors are found only that way).
struct PhotoReader {
    std::unique_ptr<QFile> file;
    std::unique_ptr<QImageReader> reader; // null on failure
    QString error;
};
PhotoReader OpenPhotoReader(const QByteArray& nativePath);

// Whether a picture of `width` x `height` is larger than kMaxPixels, and the
// reason given for refusing it.
bool HasTooManyPixels(std::int64_t width, std::int64_t height);
QString TooManyPixelsReason(std::int64_t width, std::int64_t height);

struct DecodedPhoto {
    QImage image;  // upright, in the decoder's own format; null on failure
    QString error; // why it is null
};

// The whole photo. One whose header gives more than kMaxPixels is refused
// before it is decoded.
DecodedPhoto DecodePhoto(const QByteArray& nativePath);

} // namespace kolvira
