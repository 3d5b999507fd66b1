#include "imageio/WatchedPhotoFile.h"

namespace kolvira {

WatchedPhotoFile::WatchedPhotoFile(QFile& file, const std::atomic<bool>& stop)
    : file_(file), stop_(stop) {
    // Unbuffered, so that every read the decoder makes reaches readData and
    // the position is the file's own.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool WatchedPhotoFile::seek(qint64 position) {
    QIODevice::seek(position);
    return file_.seek(position);
}

qint64 WatchedPhotoFile::readData(char* data, qint64 maxSize) {
    if (stop_.load(std::memory_order_relaxed)) {
        stopped_ = true;
        return -1;
    }
    if (maxSize > 0 && file_.atEnd())
        ranOut_ = true;
    return file_.read(data, maxSize);
}

} // namespace kolvira
