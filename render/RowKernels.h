// The colours of one row of cells, for the passes in which every cell reads
// only pixels the pass has not yet written (everything but the blur). The
// row functions are built twice, for AVX2 and for any x86-64 (or the host
// architecture), and the faster one the processor runs is chosen at start.
#pragma once

#include "render/Colorref.h"
#include "render/RenderTables.h"

#include <vector>

namespace kolvira {

// The picture rows a row of cells at sample row y reads.
struct CellRowInput {
    const PixelWord* row = nullptr;   // row y; null when y is below the picture
    const PixelWord* below = nullptr; // row y + 1; null when outside (reads as white)
    int pictureWidth = 0;
    int y = 0;
};

// Per-thread working memory for the row functions. With cells one pixel
// apart, the grey levels of the row below are kept for the next row (0..255,
// in 16 bits so that the wide sweeps load sixteen at once).
struct CellRowScratch {
    std::vector<std::int16_t> grey;
    std::vector<std::int16_t> greyBelow;
    int greyRow = -1; // the picture row `grey` holds, or -1
};

// Writes the colours of the cells X = 0, step, 2 step, ... below areaWidth
// into out (ceil(areaWidth / step) words). With step 1, out may be the row
// being read: each word is read before it is written.
using StyleRowFunction = void (*)(const StyleParams&, const CellRowInput&, int areaWidth, int step,
                                  PixelWord* out, CellRowScratch&);
using EffectRowFunction = void (*)(const EffectTables&, const CellRowInput&, int areaWidth,
                                   int step, PixelWord* out);

struct RowKernels {
    StyleRowFunction styleRow;
    EffectRowFunction effectRow;
    const char* name;
};

// The kernels for this processor, or the plain x86-64 ones when asked.
const RowKernels& SelectedRowKernels(bool portableCode);

} // namespace kolvira
