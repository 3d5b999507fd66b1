#include "mosaic/FolderWatch.h"

#include "mosaic/ImageDiscovery.h"

#include <QSocketNotifier>

#include <utility>
#include <vector>

#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolvira {
namespace {

// Written and closed rather than every write: a photo being copied in is
// looked at once it is whole.
constexpr std::uint32_t kEvents = IN_CREATE | IN_CLOSE_WRITE | IN_ATTRIB | IN_MOVED_FROM |
                                  IN_MOVED_TO | IN_DELETE | IN_DELETE_SELF | IN_MOVE_SELF |
                                  IN_ONLYDIR;

std::int64_t Nanoseconds(const timespec& time) {
    return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

} // namespace

FolderStamps StampedImageFiles(const std::string& directory) {
    std::vector<std::string> paths;
    ScanDirectory(directory, paths, {});
    FolderStamps stamps;
    stamps.reserve(paths.size());
    for (std::string& path : paths) {
        struct stat status;
        if (stat(path.c_str(), &status) != 0)
            continue;
        stamps.emplace(std::move(path), FileStamp{Nanoseconds(status.st_mtim), status.st_size,
                                                  Nanoseconds(status.st_ctim)});
    }
    return stamps;
}

FolderWatch::FolderWatch(const std::string& directory, QObject* parent)
    : QObject(parent), directory_(directory) {
    fd_ = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0)
        return;
    if (inotify_add_watch(fd_, directory.empty() ? "/" : directory.c_str(), kEvents) < 0) {
        close(fd_);
        fd_ = -1;
        return;
    }
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &FolderWatch::Drain);
}

FolderWatch::~FolderWatch() {
    if (lister_.joinable())
        lister_.join();
    delete notifier_;
    if (fd_ >= 0)
        close(fd_);
}

void FolderWatch::RequestListing() {
    if (listing_) {
        listAgain_ = true;
        return;
    }
    listing_ = true;
    if (lister_.joinable())
        lister_.join(); // done: it has posted its listing
    lister_ = std::jthread([this] {
        FolderStamps stamps = StampedImageFiles(directory_);
        // Dropped, with the listing, if this object is gone by then.
        QMetaObject::invokeMethod(
            this,
            [this, stamps = std::move(stamps)] {
                listing_ = false;
                emit Listed(stamps);
                if (std::exchange(listAgain_, false))
                    RequestListing();
            },
            Qt::QueuedConnection);
    });
}

void FolderWatch::Drain() {
    // The events themselves are not needed: the listing says what changed.
    alignas(inotify_event) char buffer[16 * 1024];
    bool any = false;
    while (read(fd_, buffer, sizeof buffer) > 0)
        any = true;
    if (any)
        emit Changed();
}

} // namespace kolvira
