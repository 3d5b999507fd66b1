// The thumbnails of the last builds, so that resizing the Mosaic's cells
// decodes nothing and a refresh decodes only the files that changed. Safe to
// use from several threads: the builder's workers look up and store in it.
#pragma once

#include "mosaic/ThumbnailDecoding.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <list>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace kolvira {

// A file as it was when its thumbnail was made: a thumbnail stays good while
// the file keeps its size and modification time.
struct ThumbnailKey {
    QByteArray path; // native bytes
    std::int64_t fileSize = 0;
    std::int64_t modifiedNs = 0;
    bool operator==(const ThumbnailKey&) const = default;
};

// The key of the file now (stat(), following links); nullopt when it is gone.
std::optional<ThumbnailKey> KeyOfFile(const QByteArray& nativePath);

class ThumbnailCache {
public:
    explicit ThumbnailCache(std::size_t byteBudget = 64u << 20);

    // The thumbnail stored for `key`, whatever its width (a null image for a
    // file that could not be read).
    std::optional<Thumbnail> Find(const ThumbnailKey& key) const;
    // Stores the thumbnail of `key`, replacing any of an older state of the
    // same file; then drops the least recently used beyond the budget.
    void Store(const ThumbnailKey& key, Thumbnail thumbnail);
    std::size_t BytesUsed() const;

private:
    struct Entry {
        ThumbnailKey key;
        Thumbnail thumbnail;
        std::size_t bytes;
    };
    struct PathHash {
        std::size_t operator()(const QByteArray& path) const;
    };
    using Recency = std::list<Entry>; // most recently used first

    const std::size_t byteBudget_;
    mutable std::mutex mutex_;
    mutable Recency entries_;
    std::unordered_map<QByteArray, Recency::iterator, PathHash> byPath_;
    std::size_t bytesUsed_ = 0;
};

// The one cache of the process, shared by every Mosaic window.
ThumbnailCache& SharedThumbnailCache();

} // namespace kolvira
