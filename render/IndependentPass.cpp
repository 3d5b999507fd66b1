#include "render/IndependentPass.h"

#include "render/BlurColumns.h"
#include "render/ParallelChunks.h"
#include "render/RowKernels.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace kolvira {
namespace {

// Rows of cells are grouped into bands; threads take whole bands. A band's
// last cell row reads two picture rows that the next band paints over, so
// those two rows are copied before any thread starts.
//
// The blur with the impression brush belongs here too once the blocks are
// two pixels or more: a cell's 4 x 4 window (two columns left, two rows
// above, one right and below) then never reaches a block painted before it,
// so it reads the photo as it was, like every other setting.
class BandedRender {
public:
    BandedRender(PictureSurface& picture, const RenderParameters& settings,
                 const PassGeometry& geometry, bool portableCode)
        : picture_(picture), geometry_(geometry), brush_(settings.impressionBrush),
          effects_(settings.style == kStylePhotoEffects),
          kernels_(SelectedRowKernels(portableCode)) {
        if (effects_)
            effectTables_ = MakeEffectTables(settings);
        else
            styleParams_ = MakeStyleParams(settings);
        blurredBlocks_ = effects_ && settings.blur && brush_ && !effectTables_.greyOverride;
        const int step = geometry_.step;
        cellRowsPerBand_ = std::max(1, 64 / step);
        bandCount_ = (geometry_.rows + cellRowsPerBand_ - 1) / cellRowsPerBand_;
        SaveBandEdges();
    }

    int BandCount() const { return bandCount_; }

    // Renders band `band`; returns the number of cells it held.
    long long RenderBand(int band, std::vector<PixelWord>& colors, CellRowScratch& scratch) {
        const int step = geometry_.step;
        const int firstCellRow = band * cellRowsPerBand_;
        const int endCellRow = std::min(geometry_.rows, firstCellRow + cellRowsPerBand_);
        colors.resize(geometry_.columns);
        scratch.greyRow = -1;
        int prefetched = firstCellRow * step; // the band's first row is read at once
        for (int cellRow = firstCellRow; cellRow < endCellRow; ++cellRow) {
            const int y = cellRow * step;
            if (!brush_ && y >= picture_.Height())
                break; // single pixels below the picture are clipped away
            PrefetchRows(y + step, y + step + 1, prefetched);
            CellRowInput input;
            input.row = RowToRead(band, y);
            input.below = RowToRead(band, y + 1);
            input.pictureWidth = picture_.Width();
            input.y = y;
            // Without the brush each cell paints its own pixel: render the row
            // in place, up to the picture's right edge.
            PixelWord* out = brush_ ? colors.data() : picture_.Row(y);
            const int width =
                brush_ ? geometry_.areaWidth : std::min(geometry_.areaWidth, picture_.Width());
            if (!brush_)
                input.row = out;
            if (blurredBlocks_)
                BlurredCellRow(band, y, colors);
            else if (effects_)
                kernels_.effectRow(effectTables_, input, width, step, out);
            else
                kernels_.styleRow(styleParams_, input, width, step, out, scratch);
            if (brush_)
                PaintBlocks(y, colors);
        }
        return static_cast<long long>(endCellRow - firstCellRow) * geometry_.columns;
    }

private:
    int LastSampleRow(int band) const {
        const int lastCellRow = std::min(geometry_.rows, (band + 1) * cellRowsPerBand_) - 1;
        return lastCellRow * geometry_.step;
    }

    // The rows the next cell row reads. A pass does so little per pixel that,
    // left to the hardware, it waits on memory for most of its time.
    void PrefetchRows(int first, int last, int& prefetched) const {
        constexpr int kWordsPerLine = 64 / sizeof(PixelWord);
        for (int y = std::max(first, prefetched + 1); y <= last && y < picture_.Height(); ++y) {
            const PixelWord* row = picture_.Row(y);
            for (int x = 0; x < picture_.Width(); x += kWordsPerLine)
                __builtin_prefetch(row + x);
            prefetched = y;
        }
    }

    void SaveBandEdges() {
        // The last band's rows are never painted by another band.
        const int width = picture_.Width();
        edgeRows_.assign(static_cast<size_t>(std::max(bandCount_ - 1, 0)) * 2 * width, 0);
        for (int band = 0; band + 1 < bandCount_; ++band) {
            const int y = LastSampleRow(band);
            for (int i = 0; i < 2; ++i)
                if (y + i < picture_.Height())
                    std::copy_n(picture_.Row(y + i), width, EdgeRow(band, i));
        }
    }

    PixelWord* EdgeRow(int band, int i) {
        return edgeRows_.data() + (static_cast<size_t>(band) * 2 + i) * picture_.Width();
    }

    const PixelWord* RowToRead(int band, int y) {
        if (y >= picture_.Height())
            return nullptr;
        if (band + 1 < bandCount_) {
            const int edge = LastSampleRow(band);
            if (y == edge || y == edge + 1)
                return EdgeRow(band, y - edge);
        }
        return picture_.Row(y);
    }

    // The colours of cell row y with the blur: each cell's own working
    // channels plus the sums of its 4 x 4 window, over sixteen.
    void BlurredCellRow(int band, int y, std::vector<PixelWord>& colors) {
        const PixelWord* rows[4];
        for (int d = -2; d <= 1; ++d)
            rows[d + 2] = y + d >= 0 ? RowToRead(band, y + d) : nullptr;
        const int width = picture_.Width();
        const EffectTables& t = effectTables_;
        for (int cell = 0; cell < geometry_.columns; ++cell) {
            const int x = cell * geometry_.step;
            std::uint64_t window = 0;
            for (const PixelWord* row : rows) {
                for (int px = x - 2; px <= x + 1; ++px)
                    window +=
                        row != nullptr && px >= 0 && px < width ? Spread(row[px]) : kWhiteSpread;
            }
            const PixelWord own = rows[2] != nullptr && x < width ? rows[2][x] : 0xFFFFFFFFu;
            colors[cell] = FinishEffect(t, (WorkingChannel(t, own, 0) + RedSum(window)) / 16,
                                        (WorkingChannel(t, own, 1) + GreenSum(window)) / 16,
                                        (WorkingChannel(t, own, 2) + BlueSum(window)) / 16);
        }
    }

    // With the impression brush each cell paints the step x step block just
    // above and to the left of its sample point.
    void PaintBlocks(int y, const std::vector<PixelWord>& colors) {
        const int step = geometry_.step;
        const int top = std::max(y - step, 0);
        const int bottom = std::min(y, picture_.Height());
        if (top >= bottom)
            return;
        // Paint the first row cell by cell, then copy it to the others.
        const int width = picture_.Width();
        PixelWord* first = picture_.Row(top);
        int painted = 0;
        int cell = 1;
        if (step == 2) {
            // The common block size, without a fill call per cell.
            for (; cell < geometry_.columns && painted + 2 <= width; ++cell, painted += 2)
                first[painted] = first[painted + 1] = colors[cell];
        }
        for (; cell < geometry_.columns && painted < width; ++cell) {
            const int right = std::min(painted + step, width);
            std::fill(first + painted, first + right, colors[cell]);
            painted = right;
        }
        for (int row = top + 1; row < bottom; ++row)
            std::copy_n(first, painted, picture_.Row(row));
    }

    PictureSurface& picture_;
    const PassGeometry& geometry_;
    const bool brush_;
    const bool effects_;
    bool blurredBlocks_ = false;
    const RowKernels& kernels_;
    StyleParams styleParams_;
    EffectTables effectTables_;
    int cellRowsPerBand_ = 1;
    int bandCount_ = 0;
    std::vector<PixelWord> edgeRows_;
};

} // namespace

void RunIndependentPass(PictureSurface& picture, const RenderParameters& settings,
                        const PassGeometry& geometry, ProgressTracker& progress, int threads,
                        bool portableCode) {
    BandedRender render(picture, settings, geometry, portableCode);
    std::vector<std::vector<PixelWord>> colors(threads);
    std::vector<CellRowScratch> scratch(threads);
    std::atomic<long long> done{0};
    RunChunks(
        threads, render.BandCount(),
        [&](int band, int worker) {
            done += render.RenderBand(band, colors[worker], scratch[worker]);
        },
        [&] { progress.Advance(done.load()); });
}

} // namespace kolvira
