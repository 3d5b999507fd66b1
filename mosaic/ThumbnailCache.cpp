#include "mosaic/ThumbnailCache.h"

#include <QHashFunctions>

#include <sys/stat.h>

namespace kolvira {
namespace {

// What an entry costs besides its pixels: the list node, the map's node, the
// key and the QImage header, roughly.
constexpr std::size_t kEntryOverhead = 256;

std::size_t BytesOf(const ThumbnailKey& key, const Thumbnail& thumbnail) {
    return kEntryOverhead + static_cast<std::size_t>(key.path.size()) +
           static_cast<std::size_t>(thumbnail.image.sizeInBytes()) +
           static_cast<std::size_t>(thumbnail.error.size()) * sizeof(QChar);
}

} // namespace

std::optional<ThumbnailKey> KeyOfFile(const QByteArray& nativePath) {
    struct stat info {};
    if (::stat(nativePath.constData(), &info) != 0)
        return std::nullopt;
    return ThumbnailKey{nativePath, static_cast<std::int64_t>(info.st_size),
                        std::int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec};
}

std::size_t ThumbnailCache::PathHash::operator()(const QByteArray& path) const {
    return qHash(path);
}

ThumbnailCache::ThumbnailCache(std::size_t byteBudget) : byteBudget_(byteBudget) {}

std::optional<Thumbnail> ThumbnailCache::Find(const ThumbnailKey& key) const {
    const std::lock_guard lock(mutex_);
    const auto found = byPath_.find(key.path);
    if (found == byPath_.end() || found->second->key != key)
        return std::nullopt;
    entries_.splice(entries_.begin(), entries_, found->second);
    return found->second->thumbnail;
}

void ThumbnailCache::Store(const ThumbnailKey& key, Thumbnail thumbnail) {
    const std::lock_guard lock(mutex_);
    if (const auto old = byPath_.find(key.path); old != byPath_.end()) {
        bytesUsed_ -= old->second->bytes;
        entries_.erase(old->second);
        byPath_.erase(old);
    }
    const std::size_t bytes = BytesOf(key, thumbnail);
    entries_.push_front(Entry{key, std::move(thumbnail), bytes});
    byPath_.emplace(key.path, entries_.begin());
    bytesUsed_ += bytes;
    while (bytesUsed_ > byteBudget_ && !entries_.empty()) {
        const Entry& oldest = entries_.back();
        bytesUsed_ -= oldest.bytes;
        byPath_.erase(oldest.key.path);
        entries_.pop_back();
    }
}

std::size_t ThumbnailCache::BytesUsed() const {
    const std::lock_guard lock(mutex_);
    return bytesUsed_;
}

ThumbnailCache& SharedThumbnailCache() {
    static ThumbnailCache cache;
    return cache;
}

} // namespace kolvira
