#include "BenchPhoto.h"

#include <algorithm>

namespace kolvira::bench {

const QImage& BenchPhoto() {
    static const QImage photo = [] {
        QImage image(4000, 3000, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int band = ((x / 500) + (y / 400)) % 3;
                const int noise = static_cast<int>((x * 7919u + y * 104729u) % 13u) - 6;
                line[x] = qRgb(std::clamp(x * 255 / image.width() / (band + 1) + noise, 0, 255),
                               std::clamp(y * 255 / image.height() + noise, 0, 255),
                               std::clamp(128 + 60 * band + noise, 0, 255));
            }
        }
        return image;
    }();
    return photo;
}

} // namespace kolvira::bench
