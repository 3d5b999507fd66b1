#include "render/RenderPass.h"

#include "render/BlurPass.h"
#include "render/IndependentPass.h"
#include "render/ParallelChunks.h"
#include "render/PassGeometry.h"
#include "render/PixelColor.h"
#include "render/ProgressTracker.h"
#include "render/RenderTables.h"

#include <algorithm>

namespace kolvira {
namespace {

// The pass as plainly as it can be written: columns outer, rows inner, each
// cell's colour read from the picture as it stands. Used where the fast
// passes do not apply: slider values outside 0..1, unknown styles, and the
// blur together with one-pixel blocks of the impression brush.
void RunPlainPass(PictureSurface& picture, const RenderParameters& settings, const PassGeometry& g,
                  ProgressTracker& progress) {
    const int step = g.step;
    long long done = 0;
    for (long long x = 0; x < g.areaWidth; x += step) {
        for (long long y = 0; y < g.areaHeight; y += step) {
            const int cx = static_cast<int>(x), cy = static_cast<int>(y);
            const COLORREF color = PixelColor(picture, cx, cy, settings);
            if (settings.impressionBrush)
                picture.FillSolidRect(cx - step, cy - step, step, step, color);
            else
                picture.SetPixel(cx, cy, color);
            progress.Advance(++done);
        }
    }
}

} // namespace

void RenderPicture(PictureSurface& picture, const RenderParameters& settings,
                   const RenderRect& area, const ProgressCallback& progress,
                   const RenderOptions& options) {
    const PassGeometry geometry = MakePassGeometry(settings, area);
    const long long cells = geometry.cellCount();
    if (cells == 0)
        return;
    ProgressTracker tracker(progress, cells);
    const long long threadsWorthIt =
        std::max(1LL, cells / std::max(1LL, options.minCellsPerThread));
    const int threads =
        static_cast<int>(std::min<long long>(ResolveThreadCount(options.threads), threadsWorthIt));

    const bool blurReadsRendered = settings.style == kStylePhotoEffects && settings.blur &&
                                   !settings.stamp && !settings.blackWhitePhoto &&
                                   !settings.blackWhiteDream;
    if (!SettingsFitTables(settings) ||
        (blurReadsRendered && settings.impressionBrush && geometry.step < 2))
        RunPlainPass(picture, settings, geometry, tracker);
    else if (blurReadsRendered && !settings.impressionBrush)
        RunBlurPass(picture, settings, geometry, tracker, threads, options.portableCode);
    else
        RunIndependentPass(picture, settings, geometry, tracker, threads, options.portableCode);
    tracker.Advance(cells);
}

} // namespace kolvira
