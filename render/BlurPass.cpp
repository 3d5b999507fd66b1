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
#include "BlurPass.h"

#include "ParallelChunks.h"
#include "RenderTables.h"

#include <algorithm>
#include <atomic>
#include <climits>
#include <memory>
#include <thread>

namespace kolvira {
namespace {

constexpr int kBandHeight = 96;
constexpr int kColumnsTogether = 4;
constexpr int kSkew = 3; // rows between neighbouring columns of a band

// Blue in bits 0-15, red in 16-31, green in 32-47: sums of up to 257
// channel values never carry from one lane into the next.
inline std::uint64_t Spread(PixelWord w) {
    return (w & 0x00FF00FFu) | (static_cast<std::uint64_t>(w & 0xFF00u) << 24);
}
inline std::int32_t RedSum(std::uint64_t s) {
    return static_cast<std::int32_t>((s >> 16) & 0xFFFF);
}
inline std::int32_t GreenSum(std::uint64_t s) {
    return static_cast<std::int32_t>((s >> 32) & 0xFFFF);
}
inline std::int32_t BlueSum(std::uint64_t s) {
    return static_cast<std::int32_t>(s & 0xFFFF);
}

constexpr std::uint64_t kWhiteSpread = 0x000000FF00FF00FFull;

// One column's progress down its piece of a band.
struct ColumnCursor {
    int x = 0;
    int y = 0; // the next row to render
    PixelWord* pixel = nullptr;
    std::uint64_t rowSums[4]; // rows y-2 .. y+1, indexed by row & 3
    std::uint64_t window = 0;
};

class BlurBands {
public:
    BlurBands(PictureSurface& picture, const RenderSettings& settings, const PassGeometry& g)
        : picture_(picture), tables_(MakeEffectTables(settings)),
          width_(std::min(g.areaWidth, picture.Width())),
          height_(std::min(g.areaHeight, picture.Height())) {
        bandCount_ = width_ > 0 && height_ > 0
                         ? (height_ + kSkew * (width_ - 1) + kBandHeight - 1) / kBandHeight
                         : 0;
        columnsDone_ = std::make_unique<std::atomic<int>[]>(std::max(bandCount_, 1));
        for (int b = 0; b < bandCount_; ++b)
            columnsDone_[b] = 0;
    }

    int BandCount() const { return bandCount_; }

    // Renders band b; `cellsDone` counts its cells as it goes.
    void RenderBand(int b, std::atomic<long long>& cellsDone) {
        const int u0 = b * kBandHeight;
        const int firstColumn = std::max(0, (u0 - height_) / kSkew);
        const int endColumn = std::min(width_, u0 / kSkew + kBandHeight / kSkew + 1);
        for (int x = firstColumn; x < endColumn; x += kColumnsTogether) {
            const int count = std::min(kColumnsTogether, endColumn - x);
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

    void Start(ColumnCursor& c, int x, int top) {
        c.x = x;
        c.y = top;
        c.pixel = picture_.Row(top) + x;
        c.window = 0;
        for (int y = top - 2; y <= top + 1; ++y) {
            c.rowSums[y & 3] = RowSum(x, y);
            c.window += c.rowSums[y & 3];
        }
    }

    void Step(ColumnCursor& c) {
        const PixelWord original = *c.pixel;
        PixelWord result;
        if (tables_.greyOverride) {
            result = tables_.greyOverrideWord[GreyOfWord(original)];
        } else {
            // The sums start from the working values: seventeen terms.
            result = FinishEffect(tables_,
                                  (WorkingChannel(tables_, original, 0) + RedSum(c.window)) / 16,
                                  (WorkingChannel(tables_, original, 1) + GreenSum(c.window)) / 16,
                                  (WorkingChannel(tables_, original, 2) + BlueSum(c.window)) / 16);
        }
        *c.pixel = result;
        const int y = c.y;
        // Later windows see the rendered pixel.
        const std::uint64_t change = Spread(result) - Spread(original);
        c.rowSums[y & 3] += change;
        // Slide down: row y-2 leaves, row y+2 enters.
        c.window += change - c.rowSums[(y - 2) & 3];
        c.rowSums[(y + 2) & 3] = RowSum(c.x, y + 2);
        c.window += c.rowSums[(y + 2) & 3];
        ++c.y;
        c.pixel += picture_.Stride();
    }

    // Columns x .. x+count-1 of the band starting at u0, advanced together.
    long long RenderColumns(int u0, int x, int count) {
        ColumnCursor cursors[kColumnsTogether];
        int firstStep[kColumnsTogether];
        int lastStep[kColumnsTogether];
        long long cells = 0;
        for (int j = 0; j < count; ++j) {
            // Step s renders row u0 - 3(x + j) + s of column x + j.
            const int rowAtStep0 = u0 - kSkew * (x + j);
            const int top = std::max(0, rowAtStep0);
            const int bottom = std::min(height_, rowAtStep0 + kBandHeight);
            firstStep[j] = top - rowAtStep0;
            lastStep[j] = bottom - rowAtStep0; // exclusive
            cells += std::max(0, bottom - top);
        }
        for (int s = 0; s < kBandHeight; ++s) {
            for (int j = 0; j < count; ++j) {
                if (s < firstStep[j] || s >= lastStep[j])
                    continue;
                // A column's sums start only when it reaches its first row,
                // once its left neighbours have rendered the rows they read.
                if (s == firstStep[j]) {
                    const int top = u0 - kSkew * (x + j) + s;
                    Start(cursors[j], x + j, top);
                }
                Step(cursors[j]);
            }
        }
        return cells;
    }

    PictureSurface& picture_;
    EffectTables tables_;
    int width_;
    int height_;
    int bandCount_ = 0;
    std::unique_ptr<std::atomic<int>[]> columnsDone_;
};

} // namespace

void RunBlurPass(PictureSurface& picture, const RenderSettings& settings,
                 const PassGeometry& geometry, ProgressTracker& progress, int threads) {
    BlurBands bands(picture, settings, geometry);
    std::atomic<long long> done{0};
    // Chunks are taken in increasing order, so band b-1 has always been
    // started before band b waits on it.
    RunChunks(
        threads, bands.BandCount(), [&](int band, int) { bands.RenderBand(band, done); },
        [&] { progress.Advance(done.load()); });
}

} // namespace kolvira
