// How a decoded photo becomes the picture that is shown and rendered: its
// transparent parts painted over black, and scaling to a size by area
// averaging (a large photo shrunk to a window stays free of aliasing). The
// photo window, the Mosaic and kolvira-render share these, so a picture
// rendered by the program and by kolvira-render is the same to the byte.
#pragma once

#include <QImage>
#include <QSize>

#include <cstdint>

namespace kolvira {

// The height of a picture of `size` scaled to `width` with its proportions
// kept: height x width / picture width, truncated, in 64 bits (the product
// passes 32 bits for large photos). 0 for a picture of no width.
std::int64_t ProportionalHeight(QSize size, int width);

// Format_RGB32, transparent parts black.
QImage FlattenOnBlack(const QImage& image);

// `photo` scaled smoothly to exactly `size`, Format_RGB32; a copy when it
// already has that size. Null when the picture cannot be allocated.
QImage ScalePhoto(const QImage& photo, QSize size);

} // namespace kolvira
