#include "imageio/RowBands.h"

#include "render/ParallelChunks.h"

#include <algorithm>

namespace kolvira {

void ForRowBands(int height, qint64 pixels, const std::function<void(int, int)>& band) {
    constexpr qint64 kBandPixels = qint64{1} << 20;
    const int threads = ResolveThreadCount(0);
    const int bands = pixels < kBandPixels ? 1 : std::max(1, std::min(threads, height));
    const int rows = (height + bands - 1) / bands;
    RunChunks(
        threads, bands,
        [&](int chunk, int) {
            const int first = chunk * rows;
            if (first < height)
                band(first, std::min(height, first + rows));
        },
        [] {});
}

} // namespace kolvira
