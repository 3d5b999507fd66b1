#include "mosaic/ThumbnailBuilder.h"

#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/InOrderWork.h"

#include <algorithm>
#include <optional>
#include <stop_token>

namespace kolvira {
namespace {

enum class Source { Decoded, Cache, Shared, LeftShared };

struct Made {
    QImage image;
    QSize photoSize;
    Source source = Source::Decoded;
};

Made MakeThumbnail(const QByteArray& path, int width, ThumbnailCache& cache,
                   const FreedesktopThumbnails& shared, bool inSight = true) {
    const std::optional<ThumbnailKey> key = KeyOfFile(path);
    if (key) {
        if (const std::optional<Thumbnail> cached = cache.Find(*key);
            cached && (cached->image.isNull() || ShowsCell(*cached, width)))
            return {ScaleThumbnail(*cached, width), cached->photoSize, Source::Cache};
        if (!inSight) {
            const std::optional<Thumbnail> checked =
                shared.Find(*key, width, FreedesktopThumbnails::Pixels::Later);
            if (checked && checked->error.isEmpty())
                return {QImage(), checked->photoSize, Source::LeftShared};
        }
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

} // namespace

ThumbnailBuildStats BuildThumbnails(const std::vector<QByteArray>& paths, int width,
                                    ThumbnailCache& cache, const ThumbnailDelivery& deliver,
                                    int threads, std::stop_token stop,
                                    const ThumbnailSight* sight) {
    ThumbnailBuildStats stats;
    const FreedesktopThumbnails shared = FreedesktopThumbnails::ForUser();
    const std::size_t workers = WorkerCount(threads, paths.size());
    RunInOrder<Made>(
        paths.size(), workers, 2 * workers + 2,
        [&](std::size_t k) {
            Made made =
                MakeThumbnail(paths[k], width, cache, shared, sight == nullptr || sight->Sees(k));
            if (sight != nullptr && made.image.isNull() && made.source != Source::LeftShared)
                made.photoSize = QSize();
            return made;
        },
        [&](std::size_t k, Made&& made) {
            if (made.source == Source::LeftShared)
                ++stats.left;
            ++(made.source == Source::Cache     ? stats.fromCache
               : made.source == Source::Decoded ? stats.decoded
                                                : stats.fromShared);
            if (made.image.isNull() && made.source != Source::LeftShared)
                ++stats.unreadable;
            deliver(k, made.image, made.photoSize);
        },
        std::move(stop));
    return stats;
}

MadeThumbnail MakeOneThumbnail(const QByteArray& path, int width, ThumbnailCache& cache) {
    Made made = MakeThumbnail(path, width, cache, FreedesktopThumbnails::ForUser());
    return {std::move(made.image), made.photoSize};
}

} // namespace kolvira
