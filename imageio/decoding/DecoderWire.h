// What kolvira-decode writes to its stdout: a fixed header, the colour
// profile, the decoder's messages and the pixels, rows packed. Both ends are
// this program, built together; the reader still checks every number.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace kolvira {

struct WireHeader {
    char magic[4];
    std::int32_t width;
    std::int32_t height;
    std::int32_t format;        // a QImage::Format; 0 (Invalid) when no picture
    std::uint32_t iccBytes;     // then the profile
    std::uint32_t messageBytes; // then the messages, UTF-8, one a line
    std::uint32_t rowBytes;     // then height rows of rowBytes
    std::uint32_t unused;
};

inline constexpr std::uint32_t kMostIccBytes = 16u << 20;
inline constexpr std::uint32_t kMostMessageBytes = 1u << 20;

// The whole answer for `image` (null: none) and `messages`.
QByteArray WireHead(const QImage& image, const QStringList& messages);
// The bytes of a row as sent: the visible pixels without padding.
std::uint32_t PackedRowBytes(const QImage& image);

// The picture a header promises, allocated, or nothing when the header is
// not one the reader accepts (a bad magic, a format never sent, more pixels
// than the limit, a row length that is not the format's).
std::optional<QImage> PictureFor(const WireHeader& header, QString& error);

} // namespace kolvira
