// The thumbnails a Mosaic shows, in bounded memory however large the folder:
// decoded images only for the cells last painted, within a byte budget, and
// for every other photo a small record from which its thumbnail comes back
// (a JPEG copy in memory, or else the thumbnail caches on disk) on a worker
// thread when the cell is painted again.
#pragma once

#include "mosaic/ThumbnailCache.h"

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <list>
#include <mutex>
#include <thread>

namespace kolvira {

class ThumbnailStore : public QObject {
    Q_OBJECT

public:
    // Enough for a few screens of the largest cells.
    static constexpr std::size_t kDefaultBudget = 64u << 20;

    explicit ThumbnailStore(ThumbnailCache& cache, std::size_t decodedBudget = kDefaultBudget);
    ~ThumbnailStore() override;

    // Forgets every photo; thumbnails from now on are `width` pixels wide.
    void Reset(int width);
    // Records the thumbnail of `path` as a build made it. `compressed` (a JPEG
    // of it) is kept when given; without it the thumbnail comes back from the
    // caches or a new decode. The image stays decoded while the budget allows.
    void Add(const QByteArray& path, const QImage& image, QSize photoSize,
             QByteArray compressed = {});
    bool Has(const QByteArray& path) const { return records_.contains(path); }
    QSize PhotoSize(const QByteArray& path) const;

    // The thumbnail of a recorded photo, marked as just used; when it is not
    // decoded now, a null image, and Fetched() follows once it is.
    QImage Image(const QByteArray& path);
    // The thumbnail if decoded now, without fetching it.
    QImage Decoded(const QByteArray& path) const;

    std::size_t DecodedBytes() const { return decodedBytes_; }
    std::size_t DecodedCount() const { return decoded_.size(); }
    // The memory of the records, compressed copies included.
    std::size_t RecordBytes() const { return recordBytes_; }

    // How many fetches may wait: older ones are dropped, their cells being
    // out of sight by then.
    static constexpr std::size_t kMostFetches = 256;

signals:
    // Thumbnails asked for have been decoded; paint again.
    void Fetched();

private:
    struct Record {
        QSize photoSize;
        QByteArray compressed;
    };
    struct Fetch {
        QByteArray path;
        QByteArray compressed;
        int width = 0;
        std::uint64_t generation = 0;
    };
    struct Shown {
        QImage image;
        std::list<QByteArray>::iterator use;
    };

    void Keep(const QByteArray& path, const QImage& image);
    void Forget(const QByteArray& path);
    void FetchLoop(std::stop_token stop);
    void Arrive(const QByteArray& path, std::uint64_t generation, const QImage& image);

    ThumbnailCache& cache_;
    const std::size_t budget_;
    int width_ = 0;
    std::uint64_t generation_ = 0;

    QHash<QByteArray, Record> records_;
    std::size_t recordBytes_ = 0;
    std::list<QByteArray> uses_; // most recently used first
    QHash<QByteArray, Shown> decoded_;
    std::size_t decodedBytes_ = 0;

    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<Fetch> fetches_; // the newest first
    // Fetches waiting or under way, and ones that failed (owner's thread).
    QSet<QByteArray> asked_;

    std::jthread thread_; // last: stopped and joined before the rest goes
};

} // namespace kolvira
