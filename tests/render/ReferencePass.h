// The render pass written as plainly as possible, kept here as the measure
// of the fast one: columns outer, rows inner, each cell read and written in
// place through the picture surface.
#pragma once

#include "PixelColor.h"
#include "RenderPass.h"

#include <vector>

namespace kolvira::test {

inline std::vector<int> ReferenceRenderPicture(PictureSurface& picture,
                                               const RenderSettings& settings,
                                               const RenderRect& area) {
    std::vector<int> positions;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    const int step = settings.impressionBrush ? settings.brushSize : 1;
    if (width <= 0 || height <= 0)
        return positions;
    const long long cells =
        static_cast<long long>((width + step - 1) / step) * ((height + step - 1) / step);
    long long k = 0;
    for (int x = 0; x < width; x += step) {
        for (int y = 0; y < height; y += step) {
            const COLORREF c = PixelColor(picture, x, y, settings);
            if (settings.impressionBrush)
                picture.FillSolidRect(x - step, y - step, step, step, c);
            else
                picture.SetPixel(x, y, c);
            const int position = static_cast<int>(100 * k / cells);
            if (positions.empty() || positions.back() != position)
                positions.push_back(position);
            ++k;
        }
    }
    return positions;
}

} // namespace kolvira::test
