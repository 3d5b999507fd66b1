// Building the thumbnails of a Mosaic: decoded on worker threads, handed to
// the caller one by one in the order of the files.
#pragma once

#include "mosaic/ThumbnailCache.h"

#include <QByteArray>
#include <QImage>

#include <atomic>
#include <cstddef>
#include <functional>
#include <stop_token>
#include <vector>

namespace kolvira {

struct ThumbnailBuildStats {
    int decoded = 0;    // files decoded
    int fromCache = 0;  // files served from the cache
    int fromShared = 0; // files served from the desktop's shared thumbnails
    int left = 0;       // of those, the ones out of sight, left undecoded there
    int unreadable = 0; // null thumbnails delivered, whether decoded or cached
};

// The files of a build whose thumbnails are in sight or near it, set by the
// view while the build runs (any thread).
class ThumbnailSight {
public:
    // Files first..last (build indexes, both included).
    void Set(std::size_t first, std::size_t last) {
        first_ = first;
        last_ = last;
    }
    bool Sees(std::size_t k) const { return k >= first_ && k <= last_; }

private:
    std::atomic<std::size_t> first_{0};
    std::atomic<std::size_t> last_{0};
};

// Receives thumbnail k and the size of its photo in pixels (upright).
using ThumbnailDelivery =
    std::function<void(std::size_t k, const QImage& thumbnail, QSize photoSize)>;

// Makes the thumbnails of `paths` at `width` (20..200) and calls
// deliver(k, image, photoSize) on the calling thread for k = 0..n-1 in order,
// with a null image for a file that cannot be read; returns when all are
// delivered.
// Meanwhile `threads` workers (0: one per core) decode one photo each at a
// time, running at most a few files ahead of the caller. A thumbnail of the
// file as it is now that fills the cell, from `cache` or else from the
// desktop's shared thumbnails, is scaled instead of decoded; every decode is
// stored in `cache` and in the shared thumbnails (unless their writing is off).
// Once `stop` is requested the workers take no new file, nothing more is
// delivered and the call returns after the files in hand.
// With a `sight`, a file out of it whose shared thumbnail serves is only
// checked, not decoded: it is delivered as a null image with a valid photo
// size, ready to be fetched (MakeOneThumbnail) when it comes into sight. An
// unreadable file's photo size is then always invalid.
ThumbnailBuildStats BuildThumbnails(const std::vector<QByteArray>& paths, int width,
                                    ThumbnailCache& cache, const ThumbnailDelivery& deliver,
                                    int threads = 0, std::stop_token stop = {},
                                    const ThumbnailSight* sight = nullptr);

struct MadeThumbnail {
    QImage image; // null when the file cannot be read
    QSize photoSize;
};

// One thumbnail as a build makes it, from `cache`, the shared thumbnails or
// a decode, on the calling thread.
MadeThumbnail MakeOneThumbnail(const QByteArray& path, int width, ThumbnailCache& cache);

} // namespace kolvira
