// The colours of one row of cells, for the passes in which every cell reads
// only pixels the pass has not yet written (everything but the blur). The
// row functions are built twice, for AVX2 and for any x86-64 (or the host
// architecture), and the faster one the processor runs is chosen at start.
#pragma once

#include "Colorref.h"
#include "RenderTables.h"

#include <vector>

namespace kolvira {

// The picture rows a row of cells at sample row y reads.
struct CellRowInput {
    const PixelWord* row = nullptr;   // row y; null when y is below the picture
    const PixelWord* below = nullptr; // row y + 1; null when outside (reads as white)
    int pictureWidth = 0;
    bool firstRow = false; // y == 0: no vertical edges
};

// Per-thread working memory for the row functions.
struct CellRowScratch {
    std::vector<std::int32_t> grey;
    std::vector<std::int32_t> greyBelow;
};

// Writes the colours of the cells X = 0, step, 2 step, ... below areaWidth
// into out (ceil(areaWidth / step) words).
using StyleRowFunction = void (*)(const StyleParams&, const CellRowInput&, int areaWidth, int step,
                                  PixelWord* out, CellRowScratch&);
using EffectRowFunction = void (*)(const EffectTables&, const CellRowInput&, int areaWidth,
                                   int step, PixelWord* out);

struct RowKernels {
    StyleRowFunction styleRow;
    EffectRowFunction effectRow;
    const char* name;
};

// The kernels for this processor.
const RowKernels& SelectedRowKernels();

} // namespace kolvira
