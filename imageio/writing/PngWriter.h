// Writing a PNG file with libpng straight from a picture's rows, without the
// per-row conversion and the five-way filter trial of Qt's writer: the
// chunks besides the pixels (colour profile, offset, resolution) are the
// ones Qt writes for the same picture, except that an sRGB picture carries
// the sRGB chunk instead of a profile.
#pragma once

#include "imageio/writing/WriteOutcome.h"

#include <QImage>
#include <QString>

class QIODevice;

namespace kolvira {

// How the rows are filtered and deflated.
struct PngEncoding {
    int zlibLevel = 6;
    int zlibStrategy = 0; // a zlib Z_* strategy
    int rowFilters = 0;   // a mask of libpng's PNG_FILTER_* values; 0 = libpng's choice
};

// What the program writes: see bench/README.md, "Full-resolution PNG".
PngEncoding PictureEncoding();

// Whether WritePng takes `picture`: 8-bit RGB or RGBA pixels, no text.
bool PngWriterTakes(const QImage& picture);

// Encodes `picture`, which PngWriterTakes, onto `device`.
WriteOutcome WritePng(const QImage& picture, QIODevice& device,
                      const PngEncoding& encoding = PictureEncoding());

} // namespace kolvira
