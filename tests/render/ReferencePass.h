// The render pass written as plainly as possible, kept here as the measure
// of the fast one: columns outer, rows inner, each cell read and written in
// place through the picture surface.
#pragma once

#include "render/PixelColor.h"
#include "render/RenderPass.h"

#include <climits>
#include <vector>

namespace kolvira::test {

// The progress positions it reports are returned. Sizes are taken in 64
// bits; an area whose brush step past its last cell would overflow an int is
// left alone, as the fast pass leaves it.
inline std::vector<int> ReferenceRenderPicture(PictureSurface& picture,
                                               const RenderParameters& settings,
                                               const RenderRect& area) {
    std::vector<int> positions;
    const long long width = static_cast<long long>(area.right) - area.left;
    const long long height = static_cast<long long>(area.bottom) - area.top;
    const long long step = settings.impressionBrush ? settings.brushSize : 1;
    if (width <= 0 || height <= 0 || width - 1 + step > INT32_MAX || height - 1 + step > INT32_MAX)
        return positions;
    const long long cells = ((width + step - 1) / step) * ((height + step - 1) / step);
    long long k = 0;
    for (long long x = 0; x < width; x += step) {
        for (long long y = 0; y < height; y += step) {
            const int cx = static_cast<int>(x), cy = static_cast<int>(y),
                      size = static_cast<int>(step);
            const COLORREF c = PixelColor(picture, cx, cy, settings);
            if (settings.impressionBrush)
                picture.FillSolidRect(cx - size, cy - size, size, size, c);
            else
                picture.SetPixel(cx, cy, c);
            const int position = static_cast<int>(100 * k / cells);
            if (positions.empty() || positions.back() != position)
                positions.push_back(position);
            ++k;
        }
    }
    return positions;
}

} // namespace kolvira::test
