// The render pass with the "Blur" effect. Each cell averages a 4 x 4 window
// reaching two columns left and two rows up, which the pass has already
// rendered, so the visiting order is part of the result. This pass gives
// exactly the result of the column-by-column order, faster.
#pragma once

#include "render/PassGeometry.h"
#include "render/ProgressTracker.h"

namespace kolvira {

void RunBlurPass(PictureSurface& picture, const RenderParameters& settings,
                 const PassGeometry& geometry, ProgressTracker& progress, int threads,
                 bool portableCode);

} // namespace kolvira
