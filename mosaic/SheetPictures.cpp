#include "mosaic/SheetPictures.h"

#include "mosaic/ThumbnailDecoding.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace kolvira {
namespace {

// The files handed out to the workers and their pictures, which the caller
// takes in order. A worker starts a file only while fewer than `ahead` are
// done or under way beyond what the caller has taken: the pictures are
// large, so only a few may wait.
class InOrderDecode {
public:
    InOrderDecode(const std::vector<QByteArray>& paths, int width, std::size_t ahead)
        : paths_(paths), width_(width), ahead_(ahead), results_(paths.size()) {}

    void Work() {
        std::unique_lock lock(mutex_);
        while (true) {
            space_.wait(lock, [&] {
                return stopping_ || next_ >= paths_.size() || next_ < taken_ + ahead_;
            });
            if (stopping_ || next_ >= paths_.size())
                return;
            const std::size_t k = next_++;
            lock.unlock();
            SheetPicture picture = DecodeSheetPicture(paths_[k], width_);
            lock.lock();
            results_[k] = std::move(picture);
            if (k == taken_)
                ready_.notify_one();
        }
    }

    SheetPicture Take(std::size_t k) {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return results_[k].has_value(); });
        SheetPicture picture = std::move(*results_[k]);
        results_[k].reset();
        taken_ = k + 1;
        space_.notify_all();
        return picture;
    }

    void Stop() {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
        space_.notify_all();
    }

private:
    const std::vector<QByteArray>& paths_;
    const int width_;
    const std::size_t ahead_;

    std::mutex mutex_;
    std::condition_variable space_;
    std::condition_variable ready_;
    std::vector<std::optional<SheetPicture>> results_;
    std::size_t next_ = 0;
    std::size_t taken_ = 0;
    bool stopping_ = false;
};

} // namespace

SheetPicture DecodeSheetPicture(const QByteArray& path, int width) {
    const Thumbnail decoded = DecodeThumbnail(path, width);
    if (decoded.image.isNull())
        return {{}, decoded.error};
    return {ScaleThumbnail(decoded, std::min(width, decoded.photoSize.width())), {}};
}

void DecodeSheetPictures(const std::vector<QByteArray>& paths, int width,
                         const SheetPictureDelivery& deliver, int threads) {
    const std::size_t wanted = threads > 0
                                   ? static_cast<std::size_t>(threads)
                                   : std::max<std::size_t>(1, std::thread::hardware_concurrency());
    const std::size_t workerCount = std::min(wanted, paths.size());
    if (workerCount == 0)
        return;
    InOrderDecode decode(paths, width, workerCount + 2);
    std::vector<std::jthread> workers;
    // Declared after the workers, so it stops them before they are joined,
    // also when deliver() throws.
    struct StopOnExit {
        InOrderDecode& decode;
        ~StopOnExit() { decode.Stop(); }
    };
    const StopOnExit stopOnExit{decode};
    workers.reserve(workerCount);
    for (std::size_t i = 0; i < workerCount; ++i)
        workers.emplace_back([&decode] { decode.Work(); });
    for (std::size_t k = 0; k < paths.size(); ++k)
        deliver(k, decode.Take(k));
}

std::vector<QImage> DecodedSheetPictures(const std::vector<std::string>& paths, int width) {
    std::vector<QByteArray> files;
    files.reserve(paths.size());
    for (const std::string& path : paths)
        files.push_back(QByteArray::fromStdString(path));
    std::vector<QImage> pictures(paths.size());
    DecodeSheetPictures(files, width, [&](std::size_t k, SheetPicture picture) {
        pictures[k] = std::move(picture.image);
    });
    return pictures;
}

SheetPictureSource PreferringShownPictures(std::unordered_map<std::string, QImage> shown) {
    return [shown = std::move(shown)](const std::vector<std::string>& paths, int width) {
        std::vector<QImage> pictures(paths.size());
        std::vector<std::string> missing;
        std::vector<std::size_t> missingAt;
        for (std::size_t k = 0; k < paths.size(); ++k) {
            const auto found = shown.find(paths[k]);
            if (found != shown.end() && found->second.width() >= width) {
                pictures[k] = found->second;
            } else {
                missing.push_back(paths[k]);
                missingAt.push_back(k);
            }
        }
        std::vector<QImage> decoded = DecodedSheetPictures(missing, width);
        for (std::size_t i = 0; i < decoded.size(); ++i) {
            // A photo gone or changed since it was shown still prints as shown.
            if (decoded[i].isNull()) {
                if (const auto found = shown.find(missing[i]); found != shown.end())
                    decoded[i] = found->second;
            }
            pictures[missingAt[i]] = std::move(decoded[i]);
        }
        return pictures;
    };
}

} // namespace kolvira
