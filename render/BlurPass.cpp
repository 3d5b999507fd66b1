// Why another order gives the same picture: in the column-by-column pass
// the cell (x, y) reads rendered pixels at (x-2..x-1, y-2..y+1) and
// (x, y-2..y-1), and original ones at (x, y), (x, y+1) and (x+1, y-2..y+1).
// Any order in which (x, y) comes after (x, y-1) and after (x-1, y+2) keeps
// every one of those reads. Grouping cells by u = y + 2x into bands
// u in [bB, (b+1)B), and visiting each band column by column, top to bottom,
// is such an order, and it walks the picture in short column pieces that stay
// in the cache.
//
// Band b+1 may work on column x once band b has finished column x, so bands
// run on several threads as a pipeline.
//
// Within a column piece the 4 x 4 sums slide down the column: each row's
// four-pixel sum enters once and leaves once, with the three channels packed
// in 16-bit lanes of one 64-bit word.
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

constexpr int kBandHeight = 64;

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

class BlurBands {
public:
    BlurBands(PictureSurface& picture, const RenderSettings& settings, const PassGeometry& g)
        : picture_(picture), tables_(MakeEffectTables(settings)),
          width_(std::min(g.areaWidth, picture.Width())),
          height_(std::min(g.areaHeight, picture.Height())) {
        bandCount_ = width_ > 0 && height_ > 0
                         ? (height_ + 2 * (width_ - 1) + kBandHeight - 1) / kBandHeight
                         : 0;
        columnsDone_ = std::make_unique<std::atomic<int>[]>(std::max(bandCount_, 1));
        for (int b = 0; b < bandCount_; ++b)
            columnsDone_[b] = 0;
    }

    int BandCount() const { return bandCount_; }

    // Renders band b column by column; `cellsDone` counts its cells as it goes.
    void RenderBand(int b, std::atomic<long long>& cellsDone) {
        const int u0 = b * kBandHeight;
        const int u1 = u0 + kBandHeight;
        const int firstColumn = std::max(0, (u0 - height_) / 2);
        for (int x = firstColumn; x < width_; ++x) {
            const int top = std::max(0, u0 - 2 * x);
            const int bottom = std::min(height_, u1 - 2 * x);
            if (bottom <= 0)
                break;
            if (top >= bottom)
                continue;
            if (b > 0)
                WaitForColumn(b - 1, x);
            RenderColumnPiece(x, top, bottom);
            columnsDone_[b].store(x + 1, std::memory_order_release);
            cellsDone += bottom - top;
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

    void RenderColumnPiece(int x, int top, int bottom) {
        std::uint64_t rowSums[4]; // rows y-2 .. y+1, indexed by row & 3
        std::uint64_t window = 0;
        for (int y = top - 2; y <= top + 1; ++y) {
            rowSums[y & 3] = RowSum(x, y);
            window += rowSums[y & 3];
        }
        const std::ptrdiff_t stride = picture_.Stride();
        PixelWord* pixel = picture_.Row(top) + x;
        for (int y = top; y < bottom; ++y, pixel += stride) {
            const PixelWord original = *pixel;
            PixelWord result;
            if (tables_.greyOverride) {
                result = tables_.greyOverrideWord[GreyOfWord(original)];
            } else {
                // The sums start from the working values: seventeen terms.
                result = FinishEffect(
                    tables_, (WorkingChannel(tables_, original, 0) + RedSum(window)) / 16,
                    (WorkingChannel(tables_, original, 1) + GreenSum(window)) / 16,
                    (WorkingChannel(tables_, original, 2) + BlueSum(window)) / 16);
            }
            *pixel = result;
            // Later windows see the rendered pixel.
            const std::uint64_t change = Spread(result) - Spread(original);
            rowSums[y & 3] += change;
            window += change;
            // Slide down: row y-2 leaves, row y+2 enters.
            window -= rowSums[(y - 2) & 3];
            rowSums[(y + 2) & 3] = RowSum(x, y + 2);
            window += rowSums[(y + 2) & 3];
        }
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
