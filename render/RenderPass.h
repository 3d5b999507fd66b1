// The render pass: turns a picture into its rendered form in place, cell by
// cell, with the colours of PixelColor. The result is exactly that of the
// plain sequential pass (columns outer, rows inner, in place) whatever the
// number of threads.
#pragma once

#include "render/PictureSurface.h"
#include "render/RenderParameters.h"

#include <functional>

namespace kolvira {

struct RenderRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Called with the position of the progress bar, floor(100 * k / N) once cell
// k (counting from 0) of the N cells is done, each time it changes and in
// increasing order: every value the sequential pass would show, from 0 up to
// floor(100 * (N - 1) / N), which is below 100. Always called on the thread
// that runs RenderPicture.
using ProgressCallback = std::function<void(int percent)>;

struct RenderOptions {
    int threads = 0; // 0: one per core
    // Areas with fewer cells than this per thread use fewer threads.
    long long minCellsPerThread = 1 << 16;
    // Skip the code written for particular processors (AVX2) and use the
    // plain code every x86-64 runs: for tests and comparisons.
    bool portableCode = false;
};

// Renders columns 0..W-1 and rows 0..H-1 of `picture`, W and H being the
// width and height of `area`. The area may reach beyond the picture: reads
// there count as white and writes are clipped. An area more than 2^31 - 1
// wide or high, or one where stepping a brush cell past its last cell would
// overflow an int, is left alone.
void RenderPicture(PictureSurface& picture, const RenderParameters& settings,
                   const RenderRect& area, const ProgressCallback& progress = {},
                   const RenderOptions& options = {});

} // namespace kolvira
