// The photo effects (style 7), pixel by pixel: inversion, channel rotation
// and swap, the 4 x 4 blur, levels, colour replacement, brightness or the
// impression brush, and the three grey looks that override the rest.
#include "render/PixelColor.h"
#include "render/Truncate.h"

#include <cstdlib>
#include <utility>

namespace kolvira {
namespace {

// channel x (gain x 2), truncated and clamped: the levels and brightness step.
std::int32_t Scaled(std::int32_t channel, double gain) {
    return ClampHigh(TruncateToInt((channel * gain) * 2.0));
}

// In 64 bits: a level far outside 0..1 truncates a channel to INT_MIN.
bool WithinDepth(std::int32_t value, unsigned reference, std::int32_t depth) {
    return std::abs(std::int64_t{value} - reference) < depth;
}

} // namespace

COLORREF PhotoEffectColor(const PictureSurface& picture, int x, int y, unsigned red, unsigned green,
                          unsigned blue, unsigned grey, const RenderParameters& s) {
    const double fr = 1.0 - s.redLevel;
    const double fg = 1.0 - s.greenLevel;
    const double fb = 1.0 - s.blueLevel;
    const double fB = 1.0 - s.brightness;
    std::int32_t r = red, g = green, b = blue;

    if (s.invertColors) {
        r = 255 - r;
        g = 255 - g;
        b = 255 - b;
    }
    if (s.shiftColors) {
        const std::int32_t oldR = r;
        r = g;
        g = b;
        b = oldR;
    }
    if (s.sandySky)
        std::swap(r, b);
    if (s.blur) {
        // The sums start from the working values: seventeen terms over 16.
        for (int qx = x - 2; qx <= x + 1; ++qx) {
            for (int qy = y - 2; qy <= y + 1; ++qy) {
                const COLORREF q = picture.GetPixel(qx, qy);
                r += RedOf(q);
                g += GreenOf(q);
                b += BlueOf(q);
            }
        }
        r /= 16;
        g /= 16;
        b /= 16;
    }

    r = Scaled(r, fr);
    g = Scaled(g, fg);
    b = Scaled(b, fb);

    if (s.oldColor != s.newColor && WithinDepth(r, RedOf(s.oldColor), s.replaceDepth) &&
        WithinDepth(g, GreenOf(s.oldColor), s.replaceDepth) &&
        WithinDepth(b, BlueOf(s.oldColor), s.replaceDepth)) {
        r = RedOf(s.newColor);
        g = GreenOf(s.newColor);
        b = BlueOf(s.newColor);
    }

    std::int32_t outR, outG, outB;
    if (!s.impressionBrush) {
        outR = Scaled(r, fB);
        outG = Scaled(g, fB);
        outB = Scaled(b, fB);
    } else {
        // Only the strictly dominant channel is boosted.
        const double boost = 2.5 * fB + 1.0;
        outR = r;
        outG = g;
        outB = b;
        if (r > g && r > b)
            outR = ClampHigh(TruncateToInt(r * boost));
        else if (g > r && g > b)
            outG = ClampHigh(TruncateToInt(g * boost));
        else if (b > r && b > g)
            outB = ClampHigh(TruncateToInt(b * boost));
    }

    const std::int32_t e = static_cast<std::int32_t>(grey);
    if (s.stamp) {
        const std::int32_t threshold = TruncateToInt(s.brightness * 255.0);
        if (e > threshold) {
            outR = outG = outB = 255;
        } else {
            outR = TruncateToInt(fr * 255.0);
            outG = TruncateToInt(fg * 255.0);
            outB = TruncateToInt(fb * 255.0);
        }
    }
    if (s.blackWhitePhoto) {
        const std::int32_t level = Scaled(e, fB);
        outR = Scaled(level, fr);
        outG = Scaled(level, fg);
        outB = Scaled(level, fb);
    }
    if (s.blackWhiteDream) {
        // Grey levels wrap around into bands: no clamping, low 8 bits only.
        const std::int32_t amplitude = TruncateToInt((e * s.brightness) * 20.0);
        outR = TruncateToInt(fr * amplitude);
        outG = TruncateToInt(fg * amplitude);
        outB = TruncateToInt(fb * amplitude);
    }
    return MakeColorref(static_cast<unsigned>(outR), static_cast<unsigned>(outG),
                        static_cast<unsigned>(outB));
}

} // namespace kolvira
