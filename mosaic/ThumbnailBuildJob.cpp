#include "mosaic/ThumbnailBuildJob.h"

#include "mosaic/ThumbnailBuilder.h"

#include <QBuffer>

namespace kolvira {

QByteArray CompressedThumbnail(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", 90))
        return {};
    return bytes;
}

ThumbnailBuildJob::ThumbnailBuildJob(std::vector<QByteArray> paths, int width,
                                     ThumbnailCache& cache, Options options)
    : paths_(std::move(paths)), width_(width), cache_(cache), options_(options) {
    tick_.setInterval(kTickMs);
    connect(&tick_, &QTimer::timeout, this, &ThumbnailBuildJob::HandOver);
}

ThumbnailBuildJob::~ThumbnailBuildJob() {
    Cancel();
    if (thread_.joinable())
        thread_.join();
}

void ThumbnailBuildJob::Start() {
    if (running_ || thread_.joinable())
        return;
    running_ = true;
    tick_.start();
    thread_ = std::jthread([this](std::stop_token stop) { Run(std::move(stop)); });
}

void ThumbnailBuildJob::Cancel() {
    running_ = false;
    tick_.stop();
    thread_.request_stop();
    const std::lock_guard lock(mutex_);
    waiting_.clear();
}

void ThumbnailBuildJob::Run(std::stop_token stop) {
    BuildThumbnails(
        paths_, width_, cache_,
        [&](std::size_t k, const QImage& image, QSize photoSize) {
            const bool ready = options_.decodeInSightOnly && image.isNull() && photoSize.isValid();
            Result result{k, image, photoSize, ready, {}};
            if (options_.keepCompressed && !image.isNull())
                result.compressed = CompressedThumbnail(image);
            std::unique_lock lock(mutex_);
            // Held back while the owner is behind, so that the results
            // waiting stay few however large the folder.
            if (room_.wait(lock, stop, [&] { return waiting_.size() < kMostWaiting; }))
                waiting_.push_back(std::move(result));
        },
        options_.threads, stop, options_.decodeInSightOnly ? &sight_ : nullptr);
    const std::lock_guard lock(mutex_);
    built_ = true;
}

void ThumbnailBuildJob::HandOver() {
    std::vector<Result> batch;
    bool done = false;
    {
        const std::lock_guard lock(mutex_);
        batch.reserve(waiting_.size());
        std::move(waiting_.begin(), waiting_.end(), std::back_inserter(batch));
        waiting_.clear();
        done = built_;
    }
    room_.notify_all();
    if (!batch.empty()) {
        delivered_ += batch.size();
        emit Arrived(batch);
    }
    // The owner may have cancelled while taking the batch.
    if (done && running_) {
        running_ = false;
        tick_.stop();
        emit Finished();
    }
}

} // namespace kolvira
