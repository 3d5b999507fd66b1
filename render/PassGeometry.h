// The cells of one render pass: sample points every `step` pixels over the
// area, and how the area meets the picture.
#pragma once

#include "render/PictureSurface.h"
#include "render/RenderParameters.h"
#include "render/RenderPass.h"

#include <cstdint>

namespace kolvira {

struct PassGeometry {
    int areaWidth = 0;  // W
    int areaHeight = 0; // H
    int step = 1;       // brushSize with the impression brush, else 1
    int columns = 0;    // ceil(W / step)
    int rows = 0;       // ceil(H / step)
    long long cellCount() const { return static_cast<long long>(columns) * rows; }
};

PassGeometry MakePassGeometry(const RenderParameters& settings, const RenderRect& area);

} // namespace kolvira
