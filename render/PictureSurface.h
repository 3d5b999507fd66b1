// A view of caller-owned 32-bit pixels (0xffRRGGBB words, the layout of
// QImage::Format_RGB32) that the renderer reads and writes in place. Reads
// outside the picture give CLR_INVALID; writes outside it are clipped.
#pragma once

#include "render/Colorref.h"

#include <cstddef>

namespace kolvira {

class PictureSurface {
public:
    // `stride` is the distance between rows in pixels (QImage::bytesPerLine() / 4).
    PictureSurface(PixelWord* pixels, int width, int height, std::ptrdiff_t stride);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::ptrdiff_t Stride() const { return stride_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    PixelWord* Row(int y) { return pixels_ + y * stride_; }
    const PixelWord* Row(int y) const { return pixels_ + y * stride_; }

    COLORREF GetPixel(int x, int y) const {
        return Contains(x, y) ? WordToColorref(Row(y)[x]) : CLR_INVALID;
    }
    void SetPixel(int x, int y, COLORREF color) {
        if (Contains(x, y))
            Row(y)[x] = ColorrefToWord(color);
    }
    // Fills the rectangle at (left, top) of the given size, clipped to the picture.
    void FillSolidRect(int left, int top, int width, int height, COLORREF color);

private:
    PixelWord* pixels_;
    int width_;
    int height_;
    std::ptrdiff_t stride_;
};

} // namespace kolvira
