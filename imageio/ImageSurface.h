// The render core's picture surface over the pixels of a QImage, so a
// picture is rendered in place without a copy.
#pragma once

#include "render/PictureSurface.h"

#include <QImage>

namespace kolvira {

// `image` must be Format_RGB32 (or ARGB32, whose alpha the pass keeps at 0xff).
inline PictureSurface SurfaceOf(QImage& image) {
    return PictureSurface(reinterpret_cast<PixelWord*>(image.bits()), image.width(), image.height(),
                          image.bytesPerLine() / 4);
}

} // namespace kolvira
