#include "mosaic/ThumbnailBuilder.h"

#include "mosaic/FreedesktopThumbnails.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <stop_token>
#include <thread>

namespace kolvira {
namespace {

enum class Source { Decoded, Cache, Shared };

struct Made {
    QImage image;
    QSize photoSize;
    Source source = Source::Decoded;
};

Made MakeThumbnail(const QByteArray& path, int width, ThumbnailCache& cache,
                   const FreedesktopThumbnails& shared) {
    const std::optional<ThumbnailKey> key = KeyOfFile(path);
    if (key) {
        if (const std::optional<Thumbnail> cached = cache.Find(*key);
            cached && (cached->image.isNull() || ShowsCell(*cached, width)))
            return {ScaleThumbnail(*cached, width), cached->photoSize, Source::Cache};
        if (std::optional<Thumbnail> stored = shared.Find(*key, width)) {
            Made made{ScaleThumbnail(*stored, width), stored->photoSize, Source::Shared};
            cache.Store(*key, std::move(*stored));
            return made;
        }
    }
    Thumbnail decoded = DecodeThumbnail(path, FreedesktopThumbnails::DecodeWidth(width));
    QImage image = ScaleThumbnail(decoded, width);
    const QSize photoSize = decoded.photoSize;
    if (key && !decoded.timedOut) {
        shared.Store(*key, decoded, width);
        cache.Store(*key, std::move(decoded));
    }
    return {std::move(image), photoSize, Source::Decoded};
}

// The files handed out to the workers and their results, which the caller
// takes in order. A worker takes a file only while fewer than `ahead` files
// are made or being made beyond what the caller has taken, so the results
// held stay bounded however slow the caller is.
class Build {
public:
    Build(const std::vector<QByteArray>& paths, int width, ThumbnailCache& cache, std::size_t ahead,
          std::stop_token stop)
        : paths_(paths), width_(width), cache_(cache), shared_(FreedesktopThumbnails::ForUser()),
          ahead_(ahead), stop_(std::move(stop)), results_(paths.size()) {}

    void Work() {
        std::unique_lock lock(mutex_);
        while (true) {
            const bool go = space_.wait(lock, stop_, [&] {
                return stopping_ || next_ >= paths_.size() || next_ < taken_ + ahead_;
            });
            if (!go || stopping_ || next_ >= paths_.size())
                return;
            const std::size_t k = next_++;
            lock.unlock();
            Made made = MakeThumbnail(paths_[k], width_, cache_, shared_);
            lock.lock();
            results_[k] = std::move(made);
            if (k == taken_)
                ready_.notify_one();
        }
    }

    // Result k once made; nullopt when the build is stopped first.
    std::optional<Made> Take(std::size_t k) {
        std::unique_lock lock(mutex_);
        if (!ready_.wait(lock, stop_, [&] { return results_[k].has_value(); }))
            return std::nullopt;
        Made made = std::move(*results_[k]);
        results_[k].reset();
        taken_ = k + 1;
        space_.notify_all();
        return made;
    }

    void Stop() {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        space_.notify_all();
    }

private:
    const std::vector<QByteArray>& paths_;
    const int width_;
    ThumbnailCache& cache_;
    const FreedesktopThumbnails shared_;
    const std::size_t ahead_;
    const std::stop_token stop_;

    std::mutex mutex_;
    std::condition_variable_any space_; // workers wait for room ahead of the caller
    std::condition_variable_any ready_; // the caller waits for its next result
    std::vector<std::optional<Made>> results_;
    std::size_t next_ = 0;  // the next file to hand to a worker
    std::size_t taken_ = 0; // files the caller has taken
    bool stopping_ = false;
};

std::size_t WorkerCount(int threads, std::size_t files) {
    const std::size_t wanted = threads > 0
                                   ? static_cast<std::size_t>(threads)
                                   : std::max<std::size_t>(1, std::thread::hardware_concurrency());
    return std::min(wanted, files);
}

} // namespace

ThumbnailBuildStats BuildThumbnails(const std::vector<QByteArray>& paths, int width,
                                    ThumbnailCache& cache, const ThumbnailDelivery& deliver,
                                    int threads, std::stop_token stop) {
    ThumbnailBuildStats stats;
    const std::size_t workerCount = WorkerCount(threads, paths.size());
    if (workerCount == 0)
        return stats;
    Build build(paths, width, cache, 2 * workerCount + 2, stop);
    std::vector<std::jthread> workers;
    // Declared after the workers, so it stops them before they are joined,
    // also when deliver() throws.
    struct StopOnExit {
        Build& build;
        ~StopOnExit() { build.Stop(); }
    };
    const StopOnExit stopOnExit{build};
    workers.reserve(workerCount);
    for (std::size_t i = 0; i < workerCount; ++i)
        workers.emplace_back([&build] { build.Work(); });

    for (std::size_t k = 0; k < paths.size(); ++k) {
        const std::optional<Made> taken = build.Take(k);
        if (!taken || stop.stop_requested())
            break;
        const Made& made = *taken;
        ++(made.source == Source::Cache    ? stats.fromCache
           : made.source == Source::Shared ? stats.fromShared
                                           : stats.decoded);
        if (made.image.isNull())
            ++stats.unreadable;
        deliver(k, made.image, made.photoSize);
    }
    return stats;
}

MadeThumbnail MakeOneThumbnail(const QByteArray& path, int width, ThumbnailCache& cache) {
    Made made = MakeThumbnail(path, width, cache, FreedesktopThumbnails::ForUser());
    return {std::move(made.image), made.photoSize};
}

} // namespace kolvira
