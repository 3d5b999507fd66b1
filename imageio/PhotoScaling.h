// How a decoded photo becomes the picture that is shown and rendered: its
// transparent parts painted over black, and scaling to a size by area
// averaging (a large photo shrunk to a window stays free of aliasing). The
// photo window, the Mosaic and kolvira-render share these, so a picture
// rendered by the program and by kolvira-render is the same to the byte.
#pragma once

#include <QImage>
#include <QSize>

class QPainter;

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

// `picture` shrunk to exactly `size` for a thumbnail: first averaged over
// whole blocks of pixels down to about twice the size, which is cheap, then
// scaled smoothly the rest of the way. Looks as a smooth scaling does at a
// fraction of its cost when the picture is many times larger than `size`.
QImage ShrinkForThumbnail(const QImage& picture, QSize size);

// The photo as last scaled for one window, reused while photo and size stay.
struct ScaledPhotoCache {
    qint64 photoKey = 0;
    QImage image;
};

// `photo` scaled to `width` with its proportions kept: the pixels
// DrawPhotoAtWidth draws, taken from `cache` when it holds them (and kept
// there). Null for a photo of no width or a picture too large to allocate.
QImage PhotoAtWidth(const QImage& photo, int width, ScaledPhotoCache* cache = nullptr);

// Draws `photo` at (0, 0) scaled to `width` with its proportions kept, into
// exactly the integer rectangle, and returns the drawn size. A photo of
// width 0 draws nothing and gives (width, 100). The pixels are those of
// ScalePhoto at that size; with a cache, a repaint at the same size blits
// the copy scaled before.
QSize DrawPhotoAtWidth(QPainter& painter, const QImage& photo, int width,
                       ScaledPhotoCache* cache = nullptr);

} // namespace kolvira
