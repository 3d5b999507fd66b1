#include "render/PassGeometry.h"

namespace kolvira {

PassGeometry MakePassGeometry(const RenderParameters& settings, const RenderRect& area) {
    PassGeometry g;
    // 64-bit differences: the area comes from window rectangles of any size.
    const long long width = static_cast<long long>(area.right) - area.left;
    const long long height = static_cast<long long>(area.bottom) - area.top;
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX)
        return g;
    // The brush size is at least 1 whenever the brush is on; a smaller one
    // would never advance, so it counts as 1.
    const int step = settings.impressionBrush && settings.brushSize > 1 ? settings.brushSize : 1;
    // The passes step from cell to cell in int; an area whose step past its
    // last cell would overflow (no window comes near) is not rendered.
    if (width - 1 + step > INT32_MAX || height - 1 + step > INT32_MAX)
        return g;
    g.areaWidth = static_cast<int>(width);
    g.areaHeight = static_cast<int>(height);
    g.step = step;
    g.columns = static_cast<int>((width + g.step - 1) / g.step);
    g.rows = static_cast<int>((height + g.step - 1) / g.step);
    return g;
}

} // namespace kolvira
