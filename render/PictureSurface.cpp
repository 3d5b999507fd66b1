#include "render/PictureSurface.h"

#include <algorithm>

namespace kolvira {

PictureSurface::PictureSurface(PixelWord* pixels, int width, int height, std::ptrdiff_t stride)
    : pixels_(pixels), width_(std::max(width, 0)), height_(std::max(height, 0)), stride_(stride) {}

void PictureSurface::FillSolidRect(int left, int top, int width, int height, COLORREF color) {
    // 64-bit edges: a huge width or height must not wrap around.
    const long long x0 = std::max<long long>(left, 0);
    const long long y0 = std::max<long long>(top, 0);
    const long long x1 = std::min<long long>(static_cast<long long>(left) + width, width_);
    const long long y1 = std::min<long long>(static_cast<long long>(top) + height, height_);
    if (x0 >= x1 || y0 >= y1)
        return;
    const PixelWord word = ColorrefToWord(color);
    for (long long y = y0; y < y1; ++y)
        std::fill(Row(static_cast<int>(y)) + x0, Row(static_cast<int>(y)) + x1, word);
}

} // namespace kolvira
