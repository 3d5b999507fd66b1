// Pictures for the render tests: owned pixel buffers with a row stride wider
// than the picture (so stride mistakes show), filled by hand or at random.
#pragma once

#include "render/Colorref.h"
#include "render/PictureSurface.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace kolvira::test {

class TestPicture {
public:
    TestPicture(int width, int height, PixelWord fill = 0xFF000000u)
        : width_(width), height_(height), stride_(width + 3),
          pixels_(static_cast<size_t>(stride_) * std::max(height, 1), fill) {}

    PictureSurface Surface() { return PictureSurface(pixels_.data(), width_, height_, stride_); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    void Set(int x, int y, COLORREF c) { pixels_[y * stride_ + x] = ColorrefToWord(c); }
    COLORREF Get(int x, int y) const { return WordToColorref(pixels_[y * stride_ + x]); }
    void Fill(COLORREF c) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                Set(x, y, c);
    }

    // Random colours in smooth-ish regions with sharp steps, so that both
    // edges and flat areas occur.
    void FillRandom(std::mt19937& random) {
        std::uniform_int_distribution<int> channel(0, 255);
        std::uniform_int_distribution<int> jitter(-12, 12);
        std::bernoulli_distribution jump(0.15);
        int r = channel(random), g = channel(random), b = channel(random);
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (jump(random)) {
                    r = channel(random), g = channel(random), b = channel(random);
                } else {
                    r = std::clamp(r + jitter(random), 0, 255);
                    g = std::clamp(g + jitter(random), 0, 255);
                    b = std::clamp(b + jitter(random), 0, 255);
                }
                Set(x, y, MakeColorref(r, g, b));
            }
        }
    }

    // Every word, the padding between rows included.
    const std::vector<PixelWord>& Words() const { return pixels_; }

private:
    int width_;
    int height_;
    int stride_;
    std::vector<PixelWord> pixels_;
};

constexpr COLORREF Rgb(int r, int g, int b) {
    return MakeColorref(r, g, b);
}
constexpr COLORREF GreyRgb(int level) {
    return MakeColorref(level, level, level);
}

} // namespace kolvira::test
