#include "imageio/ExifThumbnail.h"

#include "imageio/ExifDataPtr.h"

#include <algorithm>

namespace kolvira {
namespace {

constexpr unsigned char kMarker = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kApp1 = 0xE1;

// The APP1 segment's payload that starts with the EXIF signature, found by
// walking the segments before the picture data; empty when there is none.
QByteArrayView ExifPayload(QByteArrayView head) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(head[i]); };
    if (head.size() < 4 || byte(0) != kMarker || byte(1) != kStartOfImage)
        return {};
    qsizetype pos = 2;
    while (pos + 4 <= head.size()) {
        if (byte(pos) != kMarker)
            return {};
        const unsigned char marker = byte(pos + 1);
        if (marker == kMarker) { // fill byte
            ++pos;
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage)
            return {};
        const qsizetype length = (byte(pos + 2) << 8) | byte(pos + 3); // counts its own 2 bytes
        if (length < 2)
            return {};
        const qsizetype available = std::min(length - 2, head.size() - (pos + 4));
        const QByteArrayView payload = head.sliced(pos + 4, available);
        if (marker == kApp1 && payload.startsWith(QByteArrayView("Exif\0\0", 6)))
            return available == length - 2 ? payload : QByteArrayView();
        pos += 2 + length;
    }
    return {};
}

} // namespace

QByteArray ReadExifThumbnail(QIODevice& file) {
    const QByteArray head = file.peek(kExifSearchBytes);
    const QByteArrayView payload = ExifPayload(head);
    if (payload.isEmpty())
        return {};
    const ExifDataPtr exif(
        exif_data_new_from_data(reinterpret_cast<const unsigned char*>(payload.data()),
                                static_cast<unsigned int>(payload.size())));
    if (!exif || exif->data == nullptr || exif->size == 0)
        return {};
    return QByteArray(reinterpret_cast<const char*>(exif->data), exif->size);
}

} // namespace kolvira
