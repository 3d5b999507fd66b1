// Opening and decoding a photo file, the one way kolvira-render, the photo
// window and the Mosaic's thumbnails read a picture: by the file name's bytes,
// never from a FIFO or a device, upright after its EXIF orientation, within
// size limits checked before any pixel is decoded, and within a time limit.
#pragma once

#include "imageio/WatchedPhotoFile.h"
#include "imageio/decoding/DecodeLimits.h"

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>

namespace kolvira {

// The file at `nativePath`, open for reading. Only a regular file of at most
// kMaxFileBytes is opened: a FIFO, a device or a folder is refused without
// reading a byte (and without waiting for a writer). Null on failure, with
// `error` saying why.
std::unique_ptr<QFile> OpenPhotoFile(const QByteArray& nativePath, QString& error);

// A reader over an open photo file. The format is decided from the content;
// when no decoder recognises it, the file name's extension names the format
// (icons and cursors are found only that way). The reader reads through
// `watched`, so the decode can be called off with `stop`.
struct PhotoReader {
    std::unique_ptr<QFile> file;
    std::unique_ptr<WatchedPhotoFile> watched;
    std::unique_ptr<QImageReader> reader; // null on failure
    QString error;
    // The orientation the reader does not apply itself even when told to:
    // a WebP file's EXIF orientation. The caller turns what it reads.
    QImageIOHandler::Transformations unapplied;

    // What turns the stored picture upright, whoever applies it.
    QImageIOHandler::Transformations Orientation() const {
        return unapplied != QImageIOHandler::TransformationNone ? unapplied
                                                                : reader->transformation();
    }
};
PhotoReader OpenPhotoReader(const QByteArray& nativePath, const std::atomic<bool>& stop);

struct DecodedPhoto {
    QImage image;         // upright, in the decoder's own format; null on failure
    QString error;        // why it is null
    QString damage;       // why the picture is incomplete, when the file is damaged
    QStringList warnings; // what the decoder said about a photo it did open
};

// The whole photo. One whose header gives more than kMaxPixels is refused
// before it is decoded, and one that takes longer than `timeLimit` is given
// up. A damaged file gives what could be decoded, with `damage` set.
DecodedPhoto DecodePhoto(const QByteArray& nativePath,
                         std::chrono::milliseconds timeLimit = kPhotoDecodeTime);

} // namespace kolvira
