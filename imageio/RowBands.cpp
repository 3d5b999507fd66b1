#include "imageio/RowBands.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace kolvira {

void ForRowBands(int height, qint64 pixels, const std::function<void(int, int)>& band) {
    constexpr qint64 kBandPixels = qint64{1} << 20;
    const int cores = int(std::max(1u, std::thread::hardware_concurrency()));
    const int bands = pixels < kBandPixels ? 1 : std::min(cores, height);
    const int rows = (height + bands - 1) / std::max(bands, 1);
    std::vector<std::thread> helpers;
    for (int first = rows; first < height; first += rows) {
        const int last = std::min(height, first + rows);
        try {
            helpers.emplace_back(band, first, last);
        } catch (const std::system_error&) { // no thread to be had: do it here
            band(first, last);
        }
    }
    band(0, std::min(height, rows));
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace kolvira
