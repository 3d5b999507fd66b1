// Writing a picture file: the format an extension names, and the write
// itself, which replaces the target only once the whole picture is encoded.
#pragma once

#include "imageio/PictureMetadata.h"
#include "imageio/writing/WriteOutcome.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace kolvira {

// The QImageWriter format for a file extension (any case, without the dot),
// or an empty array when Qt cannot write that format.
QByteArray WriterFormatForSuffix(const QString& suffix);

// Encodes `picture` into `path` through a temporary file in the same folder
// that is renamed over `path` only when complete: on failure nothing is left
// behind and an existing file at `path` is untouched. A JPEG, PNG or TIFF
// carries `metadata` (the photo's EXIF) when it can; a picture whose
// metadata cannot be written is written without.
WriteOutcome WritePicture(const QImage& picture, const QString& path, const QByteArray& format,
                          const CarriedMetadata& metadata = {});

} // namespace kolvira
