// The small JPEG a camera embeds in a photo's EXIF data.
#pragma once

#include <QByteArray>
#include <QIODevice>

namespace kolvira {

// Only this much of the start of a file is read to find the EXIF data: its
// APP1 segment holds at most 64 KiB and comes before the picture data.
inline constexpr qint64 kExifSearchBytes = 128 * 1024;

// The JPEG bytes of the thumbnail in the EXIF data of the JPEG in `file`, at
// its start; empty when there is none. Reads ahead without moving the file's
// position, so a decoder can go on from there.
QByteArray ReadExifThumbnail(QIODevice& file);

} // namespace kolvira
