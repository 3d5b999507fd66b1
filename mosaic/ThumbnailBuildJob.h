// A Mosaic build that runs beside the event loop: the thumbnails are made by
// BuildThumbnails on a thread of the job's own and handed to the owner's
// thread in order, a batch per tick, so that the window keeps repainting and
// answering while a large folder is read.
#pragma once

#include "mosaic/ThumbnailBuilder.h"
#include "mosaic/ThumbnailCache.h"

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QTimer>

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace kolvira {

class ThumbnailBuildJob : public QObject {
    Q_OBJECT

public:
    struct Result {
        std::size_t k = 0; // the index of the file in the job's paths
        QImage image;      // null when the file cannot be read, or while `ready`
        QSize photoSize;
        bool ready = false;    // not decoded, out of sight: the shared thumbnail serves
        QByteArray compressed; // the image as a JPEG, when asked for
    };

    struct Options {
        int threads = 0;             // the builder's workers; 0: one per core
        bool keepCompressed = false; // fill Result::compressed (off the owner's thread)
        // Shared thumbnails are decoded only in sight (SetSight), else `ready`.
        bool decodeInSightOnly = false;
    };

    ThumbnailBuildJob(std::vector<QByteArray> paths, int width, ThumbnailCache& cache,
                      Options options);
    // Stops the build and waits for the files in hand.
    ~ThumbnailBuildJob() override;

    void Start();
    // Stops the build: the workers finish the file in hand, and nothing more
    // is delivered once this returns. Does not wait for the workers.
    void Cancel();

    // Files first..last (indexes in the job's paths) are in sight or near it.
    void SetSight(std::size_t first, std::size_t last) { sight_.Set(first, last); }

    bool Running() const { return running_; }
    std::size_t Count() const { return paths_.size(); }
    const QByteArray& Path(std::size_t k) const { return paths_[k]; }
    // Results handed out so far.
    std::size_t Delivered() const { return delivered_; }

    // How often results are handed over, and how many may wait for it.
    static constexpr int kTickMs = 16;
    static constexpr std::size_t kMostWaiting = 256;

signals:
    // The next results in order, on the owner's thread.
    void Arrived(const std::vector<kolvira::ThumbnailBuildJob::Result>& batch);
    // Every result has been handed out.
    void Finished();

private:
    void Run(std::stop_token stop);
    void HandOver();

    const std::vector<QByteArray> paths_;
    const int width_;
    ThumbnailCache& cache_;
    const Options options_;
    ThumbnailSight sight_;
    QTimer tick_;
    bool running_ = false;
    std::size_t delivered_ = 0;

    std::mutex mutex_;
    std::condition_variable_any room_; // the build waits while the owner is behind
    std::deque<Result> waiting_;
    bool built_ = false; // the build thread has returned

    // Last, so that it is stopped and joined before the rest goes.
    std::jthread thread_;
};

// `image` as a JPEG of quality 90: a thumbnail's copy small enough to keep
// for every photo of a large folder.
QByteArray CompressedThumbnail(const QImage& image);

} // namespace kolvira
