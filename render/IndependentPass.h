// The render pass for every setting but the blur: no cell reads a pixel the
// pass has already written, so rows of cells can be worked out on all cores.
#pragma once

#include "render/PassGeometry.h"
#include "render/ProgressTracker.h"
#include "render/RenderTables.h"

namespace kolvira {

void RunIndependentPass(PictureSurface& picture, const RenderParameters& settings,
                        const PassGeometry& geometry, ProgressTracker& progress, int threads,
                        bool portableCode);

} // namespace kolvira
