// Why another order gives the same picture: in the column-by-column pass
// the cell (x, y) reads rendered pixels at (x-2..x-1, y-2..y+1) and
// (x, y-2..y-1), and original ones at (x, y), (x, y+1) and (x+1, y-2..y+1).
// Any order in which (x, y) comes after (x, y-1) and after (x-1, y+2) keeps
// every one of those reads. So does this one:
//
// - Cells are grouped into bands by u = y + 3x, band b holding
//   u in [bB, (b+1)B), and bands are done in turn. Within a band, column x
//   is the piece of B rows starting at bB - 3x; pieces stay in the cache.
// - Within a band, a few neighbouring columns advance together, column
//   x + j working on the row 3j above column x's. Their cells lie on one
//   line u = const, so none depends on another, and the processor overlaps
//   their work instead of waiting on each cell's long chain of look-ups.
// - Band b+1 may work on column x once band b has finished it, so bands run
//   on several threads as a pipeline.
//
// Within a column the 4 x 4 sums slide down: each row's four-pixel sum
// enters once and leaves once, the three channels packed in one word.
#include "render/BlurPass.h"

#include "render/BlurColumns.h"
#include "render/ParallelChunks.h"
#include "render/RenderTables.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <thread>

namespace kolvira {
namespace {

constexpr int kBandHeight = 48;
constexpr int kSkew = 3; // rows between neighbouring columns of a band

class BlurBands {
public:
    BlurBands(PictureSurface& picture, const RenderParameters& settings, const PassGeometry& g,
              bool portableCode)
        : picture_(picture), tables_(MakeEffectTables(settings)),
          width_(std::min(g.areaWidth, picture.Width())),
          height_(std::min(g.areaHeight, picture.Height())),
          columnSteps_(SelectedBlurColumnsSteps(portableCode)) {
        bandCount_ = width_ > 0 && height_ > 0
                         ? (height_ + kSkew * (width_ - 1) + kBandHeight - 1) / kBandHeight
                         : 0;
        columnsDone_ = std::make_unique<std::atomic<int>[]>(std::max(bandCount_, 1));
        for (int b = 0; b < bandCount_; ++b)
            columnsDone_[b] = 0;
        if (tables_.greyOverride)
            columnSteps_ = nullptr; // the grey looks ignore the blur; never sent here
        if (columnSteps_) {
            columnTables_ = std::make_unique<BlurColumnsTables>();
            MakeBlurColumnsTables(tables_, *columnTables_);
        }
    }

    int BandCount() const { return bandCount_; }

    // Renders band b; `cellsDone` counts its cells as it goes.
    void RenderBand(int b, std::atomic<long long>& cellsDone) {
        const int u0 = b * kBandHeight;
        const int firstColumn = std::max(0, (u0 - height_) / kSkew);
        const int endColumn = std::min(width_, u0 / kSkew + kBandHeight / kSkew + 1);
        for (int x = firstColumn; x < endColumn; x += kBlurColumns) {
            const int count = std::min(kBlurColumns, endColumn - x);
            if (b > 0)
                WaitForColumn(b - 1, x + count - 1);
            cellsDone += RenderColumns(u0, x, count);
            columnsDone_[b].store(x + count, std::memory_order_release);
        }
        columnsDone_[b].store(INT_MAX, std::memory_order_release);
    }

private:
    void WaitForColumn(int band, int x) {
        for (int spins = 0; columnsDone_[band].load(std::memory_order_acquire) <= x; ++spins)
            if (spins > 64)
                std::this_thread::yield();
    }

    std::uint64_t SpreadAt(int x, int y) const {
        return picture_.Contains(x, y) ? Spread(picture_.Row(y)[x]) : kWhiteSpread;
    }

    // The four pixels of row y in columns x-2 .. x+1.
    std::uint64_t RowSum(int x, int y) const {
        if (x >= 2 && x + 1 < picture_.Width() && y >= 0 && y < picture_.Height()) {
            const PixelWord* p = picture_.Row(y) + x - 2;
            return Spread(p[0]) + Spread(p[1]) + Spread(p[2]) + Spread(p[3]);
        }
        return SpreadAt(x - 2, y) + SpreadAt(x - 1, y) + SpreadAt(x, y) + SpreadAt(x + 1, y);
    }

    // Column j starts at step s on row `top`: its window covers rows
    // top-2 .. top+1.
    void Start(BlurColumnsState& q, int j, int x, int top, int s) {
        q.window[j] = 0;
        for (int d = -2; d <= 1; ++d) {
            q.ring[(s + d) & 3][j] = RowSum(x, top + d);
            q.window[j] += q.ring[(s + d) & 3][j];
        }
    }

    // Renders column j's pixel (x, y) at step s.
    void Step(BlurColumnsState& q, int j, int x, int y, int s) {
        PixelWord* pixel = picture_.Row(y) + x;
        const PixelWord original = *pixel;
        const std::uint64_t window = q.window[j];
        // The sums start from the working values: seventeen terms.
        const PixelWord result =
            FinishEffect(tables_, (WorkingChannel(tables_, original, 0) + RedSum(window)) / 16,
                         (WorkingChannel(tables_, original, 1) + GreenSum(window)) / 16,
                         (WorkingChannel(tables_, original, 2) + BlueSum(window)) / 16);
        *pixel = result;
        // Later windows see the rendered pixel; row y-2 leaves, y+2 enters.
        const std::uint64_t change = Spread(result) - Spread(original);
        q.ring[s & 3][j] += change;
        const std::uint64_t entering = RowSum(x, y + 2);
        q.window[j] += change - q.ring[(s - 2) & 3][j] + entering;
        q.ring[(s + 2) & 3][j] = entering;
    }

    // Columns x .. x+count-1 of the band starting at u0, advanced together:
    // step s renders row u0 - 3(x + j) + s of column x + j.
    long long RenderColumns(int u0, int x, int count) {
        BlurColumnsState q;
        int rowAtStep0[kBlurColumns], firstStep[kBlurColumns], endStep[kBlurColumns];
        long long cells = 0;
        for (int j = 0; j < count; ++j) {
            rowAtStep0[j] = u0 - kSkew * (x + j);
            const int top = std::max(0, rowAtStep0[j]);
            const int bottom = std::min(height_, rowAtStep0[j] + kBandHeight);
            firstStep[j] = top - rowAtStep0[j];
            endStep[j] = std::max(bottom - rowAtStep0[j], firstStep[j]);
            cells += endStep[j] - firstStep[j];
        }
        // The vector steps need all four columns under way, away from the
        // left and right edges, and the entering row inside the picture.
        int vectorFirst = 0, vectorEnd = 0;
        if (columnSteps_ && count == kBlurColumns && x >= 2 &&
            x + kBlurColumns < picture_.Width()) {
            vectorFirst = firstStep[kBlurColumns - 1];
            vectorEnd = std::min(endStep[0], picture_.Height() - 2 - rowAtStep0[0]);
        }
        for (int s = 0; s < kBandHeight; ++s) {
            if (s == vectorFirst && vectorFirst < vectorEnd) {
                // Columns starting together, with all the rows they first
                // read inside the picture, start in the vector code too.
                const bool startTogether = firstStep[0] == s && firstStep[kBlurColumns - 1] == s &&
                                           rowAtStep0[kBlurColumns - 1] + s - 2 >= 0;
                for (int j = 0; j < count && !startTogether; ++j)
                    if (firstStep[j] == s)
                        Start(q, j, x + j, rowAtStep0[j] + s, s);
                columnSteps_(*columnTables_, picture_.Row(rowAtStep0[0] + s) + x, picture_.Stride(),
                             q, vectorFirst, vectorEnd, startTogether);
                s = vectorEnd - 1;
                continue;
            }
            for (int j = 0; j < count; ++j) {
                if (s < firstStep[j] || s >= endStep[j])
                    continue;
                // A column's sums start only when it reaches its first row,
                // once its left neighbours have rendered the rows they read.
                if (s == firstStep[j])
                    Start(q, j, x + j, rowAtStep0[j] + s, s);
                Step(q, j, x + j, rowAtStep0[j] + s, s);
            }
        }
        return cells;
    }

    PictureSurface& picture_;
    EffectTables tables_;
    int width_;
    int height_;
    BlurColumnsStepsFunction columnSteps_;
    std::unique_ptr<BlurColumnsTables> columnTables_;
    int bandCount_ = 0;
    std::unique_ptr<std::atomic<int>[]> columnsDone_;
};

} // namespace

void RunBlurPass(PictureSurface& picture, const RenderParameters& settings,
                 const PassGeometry& geometry, ProgressTracker& progress, int threads,
                 bool portableCode) {
    BlurBands bands(picture, settings, geometry, portableCode);
    std::atomic<long long> done{0};
    // Chunks are taken in increasing order, so band b-1 has always been
    // started before band b waits on it.
    RunChunks(
        threads, bands.BandCount(), [&](int band, int) { bands.RenderBand(band, done); },
        [&] { progress.Advance(done.load()); });
}

} // namespace kolvira
