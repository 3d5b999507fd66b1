#include "mosaic/ThumbnailStore.h"

#include "mosaic/ThumbnailBuilder.h"

namespace kolvira {
namespace {

// What a record costs besides its compressed copy: the path, the hash node.
std::size_t RecordOverhead(const QByteArray& path) {
    return static_cast<std::size_t>(path.size()) + 64;
}

} // namespace

ThumbnailStore::ThumbnailStore(ThumbnailCache& cache, std::size_t decodedBudget)
    : cache_(cache), budget_(decodedBudget),
      thread_([this](std::stop_token stop) { FetchLoop(std::move(stop)); }) {}

ThumbnailStore::~ThumbnailStore() {
    thread_.request_stop();
    thread_.join();
}

void ThumbnailStore::Reset(int width) {
    width_ = width;
    ++generation_;
    records_.clear();
    recordBytes_ = 0;
    uses_.clear();
    decoded_.clear();
    decodedBytes_ = 0;
    asked_.clear();
    const std::lock_guard lock(mutex_);
    fetches_.clear();
}

void ThumbnailStore::Add(const QByteArray& path, const QImage& image, QSize photoSize,
                         QByteArray compressed) {
    if (const auto old = records_.constFind(path); old != records_.cend())
        recordBytes_ -= RecordOverhead(path) + static_cast<std::size_t>(old->compressed.size());
    recordBytes_ += RecordOverhead(path) + static_cast<std::size_t>(compressed.size());
    records_.insert(path, Record{photoSize, std::move(compressed)});
    Keep(path, image);
}

QSize ThumbnailStore::PhotoSize(const QByteArray& path) const {
    const auto found = records_.constFind(path);
    return found != records_.cend() ? found->photoSize : QSize();
}

QImage ThumbnailStore::Decoded(const QByteArray& path) const {
    const auto found = decoded_.constFind(path);
    return found != decoded_.cend() ? found->image : QImage();
}

QImage ThumbnailStore::Image(const QByteArray& path) {
    if (const auto found = decoded_.find(path); found != decoded_.end()) {
        uses_.splice(uses_.begin(), uses_, found->use);
        return found->image;
    }
    const auto record = records_.constFind(path);
    if (record == records_.cend() || asked_.contains(path))
        return {};
    asked_.insert(path);
    {
        const std::lock_guard lock(mutex_);
        fetches_.push_front(Fetch{path, record->compressed, width_, generation_});
        while (fetches_.size() > kMostFetches) {
            asked_.remove(fetches_.back().path);
            fetches_.pop_back();
        }
    }
    wake_.notify_one();
    return {};
}

void ThumbnailStore::Keep(const QByteArray& path, const QImage& image) {
    Forget(path);
    if (image.isNull())
        return;
    const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
    while (!uses_.empty() && decodedBytes_ + bytes > budget_)
        Forget(uses_.back());
    if (bytes > budget_)
        return;
    uses_.push_front(path);
    decoded_.insert(path, Shown{image, uses_.begin()});
    decodedBytes_ += bytes;
}

void ThumbnailStore::Forget(const QByteArray& path) {
    const auto found = decoded_.find(path);
    if (found == decoded_.end())
        return;
    decodedBytes_ -= static_cast<std::size_t>(found->image.sizeInBytes());
    uses_.erase(found->use);
    decoded_.erase(found);
}

void ThumbnailStore::FetchLoop(std::stop_token stop) {
    while (true) {
        Fetch fetch;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [&] { return !fetches_.empty(); }))
                return;
            fetch = std::move(fetches_.front());
            fetches_.pop_front();
        }
        QImage image;
        if (!fetch.compressed.isEmpty())
            image = QImage::fromData(fetch.compressed, "JPG").convertToFormat(QImage::Format_RGB32);
        if (image.isNull())
            image = MakeOneThumbnail(fetch.path, fetch.width, cache_).image;
        // Queued to this object: dropped if it is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, path = std::move(fetch.path), generation = fetch.generation,
             image = std::move(image)] { Arrive(path, generation, image); },
            Qt::QueuedConnection);
    }
}

void ThumbnailStore::Arrive(const QByteArray& path, std::uint64_t generation, const QImage& image) {
    if (generation != generation_)
        return;
    // A photo that can no longer be read stays asked for, so that painting
    // its cell does not read it again and again.
    if (!records_.contains(path) || image.isNull())
        return;
    asked_.remove(path);
    Keep(path, image);
    emit Fetched();
}

} // namespace kolvira
