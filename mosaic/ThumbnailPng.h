// Writing a thumbnail as the desktop's shared thumbnail folders want it: an
// 8-bit, non-interlaced PNG carrying its attributes in tEXt chunks, readable
// by its owner only, appearing whole or not at all.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

#include <optional>

#include <utility>
#include <vector>

namespace kolvira {

// Key and Latin-1 value of one tEXt chunk.
using PngText = std::vector<std::pair<QByteArray, QByteArray>>;

// Writes `image` (its alpha kept when it has some) with `text` to a new file
// of mode 0600 in the folder of `path`, then renames it to `path`. False when
// anything failed; nothing is left behind then.
bool WritePrivatePng(const QByteArray& path, const QImage& image, const PngText& text);

struct PngHead {
    QSize size;
    PngText text; // the text chunks before the pixels
};

// The size and the text chunks of the PNG at `path`, read without its
// pixels; nullopt when it is no readable PNG.
std::optional<PngHead> ReadPngHead(const QByteArray& path);

} // namespace kolvira
