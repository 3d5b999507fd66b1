// The picture the Qt benchmarks start from: 12 megapixels of gradients,
// bands and noise, so that encoders and scalers meet as much detail as in
// a photo. Made once.
#pragma once

#include <QImage>

namespace kolvira::bench {

const QImage& BenchPhoto();

} // namespace kolvira::bench
