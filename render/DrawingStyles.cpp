// The seven drawing styles, pixel by pixel, read straight from the picture.
// Every style paints edges (a strong grey-level change towards the right or
// lower neighbour) as strokes; the style decides the colour of the rest.
#include "render/PixelColor.h"
#include "render/Truncate.h"

#include <cstdlib>

namespace kolvira {
namespace {

int GreyOf(COLORREF c) {
    // CLR_INVALID has 255 in every channel, so outside pixels read as white.
    return static_cast<int>((RedOf(c) + GreenOf(c) + BlueOf(c)) / 3);
}

COLORREF Grey(int level) {
    return MakeColorref(level, level, level);
}

constexpr COLORREF kWhite = MakeColorref(255, 255, 255);
constexpr COLORREF kBlack = 0;

int TriplePlain(int c) {
    return 3 * c > 255 ? 255 : 3 * c;
}
int TripleInverted(int c) {
    return c <= 85 ? 255 - 3 * c : 255;
}

COLORREF Rainbow(int r, int g, int b) {
    const std::int32_t rr = 255 - 2 * (g + b);
    const std::int32_t gg = 255 - 2 * (r + b);
    const std::int32_t bb = 255 - 2 * (r + g);
    // Each factor lies in -765..255, so the product stays within 32 bits.
    if (rr * gg * bb >= 50)
        return MakeColorref(rr, gg, bb);
    return MakeColorref(2 * rr, 2 * gg, 2 * bb);
}

COLORREF Revolution(int r, int g, int b, int threshold) {
    if (r > 230 && g > 230 && b > 230)
        return kWhite;
    if (r < 50 && g < 50 && b < 50)
        return kBlack;
    if (r > threshold && g > threshold && b < threshold)
        return MakeColorref(255, 255, 0);
    if (r > threshold && r > g && r > b)
        return MakeColorref(255, 0, 0);
    if (g > threshold && g > r && g > b)
        return MakeColorref(0, 255, 0);
    if (b > threshold && b > r && b > g)
        return MakeColorref(0, 0, 255);
    return kWhite;
}

} // namespace

int GreyGradient(const PictureSurface& picture, int x, int y, GradientDirection direction) {
    if (direction == kHorizontal)
        return x > 0 ? GreyOf(picture.GetPixel(x + 1, y)) - GreyOf(picture.GetPixel(x, y)) : 0;
    return y > 0 ? GreyOf(picture.GetPixel(x, y + 1)) - GreyOf(picture.GetPixel(x, y)) : 0;
}

COLORREF PixelColor(const PictureSurface& picture, int x, int y, const RenderParameters& settings) {
    const COLORREF pixel = picture.GetPixel(x, y);
    const int r = static_cast<int>(RedOf(pixel));
    const int g = static_cast<int>(GreenOf(pixel));
    const int b = static_cast<int>(BlueOf(pixel));
    const int grey = (r + g + b) / 3;

    if (settings.style == kStylePhotoEffects)
        return PhotoEffectColor(picture, x, y, r, g, b, grey, settings);

    const int gx = GreyGradient(picture, x, y, kHorizontal);
    const int gy = GreyGradient(picture, x, y, kVertical);
    const double edgeThreshold = settings.details * 20.0;
    if (std::abs(gx) > edgeThreshold || std::abs(gy) > edgeThreshold)
        return Grey(TruncateToInt(settings.penPress * 255.0));

    const int greyThreshold = TruncateToInt((settings.details * 20.0) * 5.0);
    switch (settings.style) {
    case kStylePen:
        return kWhite;
    case kStylePencil:
        return 3 * grey >= 256 ? kWhite : Grey(3 * grey);
    case kStyleCoal:
        return grey > greyThreshold ? kWhite : kBlack;
    case kStyleWaterColor:
        return MakeColorref(TriplePlain(r), TriplePlain(g), TriplePlain(b));
    case kStylePicasso:
        return MakeColorref(TripleInverted(r), TripleInverted(g), TripleInverted(b));
    case kStyleRainbow:
        return Rainbow(r, g, b);
    case kStyleRevolution:
        return Revolution(r, g, b, greyThreshold);
    default:
        // No dialog stores another style; leave such pixels as they are.
        return pixel;
    }
}

} // namespace kolvira
