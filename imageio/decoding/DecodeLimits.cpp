#include "imageio/decoding/DecodeLimits.h"

#include "imageio/CodecMessages.h"
#include "render/ParallelChunks.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QtGlobal>

namespace kolvira {

void ApplyDecodeLimits() {
    // Qt lets QT_IMAGEIO_MAXALLOC override the limit set here ("0" switches
    // it off) and reads the variable once, on its first look at the limit.
    qunsetenv("QT_IMAGEIO_MAXALLOC");
    QImageReader::setAllocationLimit(kDecodeAllocationLimitMB);
    InstallCodecMessageRouter();
}

int DecodeThreads() {
    static const int threads = ResolveThreadCount(0);
    return threads;
}

bool HasTooManyPixels(std::int64_t width, std::int64_t height) {
    return width * height > kMaxPixels;
}

QString TooManyPixelsReason(std::int64_t width, std::int64_t height) {
    return QStringLiteral("%1x%2 pixels is more than the limit of %3 megapixels")
        .arg(width)
        .arg(height)
        .arg(kMaxPixels / 1'000'000);
}

QString TookTooLongReason(std::chrono::milliseconds limit) {
    return QCoreApplication::translate("Decoding", "decoding took longer than %1 s, the limit")
        .arg(limit.count() / 1000.0);
}

} // namespace kolvira
