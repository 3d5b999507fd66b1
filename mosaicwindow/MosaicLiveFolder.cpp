// The Mosaic follows its folder: photos that come, change or go while it is
// open appear, are made again or leave without a Refresh, each in its place
// in the order shown, and no other thumbnail is made again. A burst (a
// camera's import) is taken in a few hundred entries per turn of the event
// loop, so the window keeps answering. Entry k stands for photoPaths[k]
// after every step.
#include "mosaicwindow/MosaicView.h"

#include "mosaic/ContactSheet.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaic/ThumbnailCache.h"

#include <QApplication>
#include <QHash>

#include <algorithm>
#include <iterator>
#include <utility>

namespace kolvira {

void MosaicView::WatchFolder(const std::string& directory) {
    settle_.setSingleShot(true);
    settle_.setInterval(kFolderSettleMs);
    connect(&settle_, &QTimer::timeout, this, &MosaicView::SyncWithFolder);
    watch_ = new FolderWatch(directory, this);
    // The first change starts the pause; later ones within it wait with it.
    connect(watch_, &FolderWatch::Changed, this, [this] {
        if (!settle_.isActive())
            settle_.start();
    });
    connect(watch_, &FolderWatch::Listed, this, &MosaicView::FollowListing);
}

void MosaicView::SyncWithFolder() {
    settle_.stop();
    if (Building()) {
        // The build's rows are found by their place in its list: the
        // changes wait for its end.
        syncAfterBuild_ = true;
        return;
    }
    watch_->RequestListing();
}

void MosaicView::FollowListing(FolderStamps now) {
    if (Building()) {
        syncAfterBuild_ = true;
        return;
    }
    std::unordered_set<std::string> gone;
    for (const auto& [path, stamp] : stamps_) {
        if (!now.contains(path))
            gone.insert(path);
    }
    std::vector<std::string> came;
    std::unordered_set<std::string> changed;
    for (const auto& [path, stamp] : now) {
        const auto before = stamps_.find(path);
        if (before == stamps_.end())
            came.push_back(path);
        else if (!(before->second == stamp))
            changed.insert(path);
    }
    stamps_ = std::move(now);

    // A changed photo may have a new place by its date or size: it leaves
    // and comes again. By name or type it keeps its entry.
    const bool placeByFacts = order_.Key() != SortKey::Name && order_.Key() != SortKey::Type;
    for (const std::string& path : changed)
        order_.Forget(path);
    if (placeByFacts)
        gone.insert(changed.begin(), changed.end());
    if (!gone.empty())
        RemovePaths(gone);
    for (const std::string& path : changed)
        gone.erase(path);
    for (const std::string& path : gone)
        dropped_.erase(path);

    std::sort(came.begin(), came.end(), ListedBefore);
    for (const std::string& path : changed) {
        if (!dropped_.contains(path))
            arriving_.push_back(path);
    }
    arriving_.insert(arriving_.end(), came.begin(), came.end());
    if (!arriving_.empty())
        TakeArrivingEntries();
}

void MosaicView::RemovePaths(const std::unordered_set<std::string>& gone) {
    for (int row = static_cast<int>(photoPaths.size()) - 1; row >= 0; --row) {
        if (gone.contains(photoPaths[row]))
            RemoveRow(row);
    }
    std::erase_if(scannedPaths_, [&](const std::string& path) { return gone.contains(path); });
    std::erase_if(arriving_, [&](const std::string& path) { return gone.contains(path); });
}

void MosaicView::TakeArrivingEntries() {
    if (Building()) {
        syncAfterBuild_ = true;
        return;
    }
    std::vector<QByteArray> thumbnails;
    for (std::size_t taken = 0; taken < kEntriesPerTurn && !arriving_.empty(); ++taken) {
        const std::string path = std::move(arriving_.front());
        arriving_.pop_front();
        // Gone or taken off the list since it was found, or just made and
        // still empty: it comes once something is written into it.
        const auto stamp = stamps_.find(path);
        if (stamp == stamps_.end() || stamp->second.size == 0 || dropped_.contains(path))
            continue;
        const std::size_t scanned = order_.Place(scannedPaths_, path);
        if (scanned == scannedPaths_.size() || scannedPaths_[scanned] != path)
            scannedPaths_.insert(scannedPaths_.begin() + static_cast<std::ptrdiff_t>(scanned),
                                 path);
        const std::size_t row = order_.Place(photoPaths, path);
        if (row == photoPaths.size() || photoPaths[row] != path) {
            photoPaths.insert(photoPaths.begin() + static_cast<std::ptrdiff_t>(row), path);
            // Rows and build indexes go together; no build runs now.
            buildIndex_.insert(buildIndex_.begin() + static_cast<std::ptrdiff_t>(row),
                               row > 0 ? buildIndex_[row - 1] : 0);
            insertItem(static_cast<int>(row), EntryLabel(path));
        }
        thumbnails.push_back(QByteArray::fromStdString(path));
    }
    if (!thumbnails.empty())
        MakeLiveThumbnails(std::move(thumbnails));
    if (!arriving_.empty())
        QTimer::singleShot(0, this, &MosaicView::TakeArrivingEntries);
}

void MosaicView::MakeLiveThumbnails(std::vector<QByteArray> paths) {
    // One job at a time: the photos found meanwhile wait for its end, so
    // that no job is stopped (and waited for) on the window's thread.
    liveWaiting_.insert(liveWaiting_.end(), std::make_move_iterator(paths.begin()),
                        std::make_move_iterator(paths.end()));
    if (liveJob_ != nullptr || liveWaiting_.empty())
        return;
    auto* job = new ThumbnailBuildJob(std::exchange(liveWaiting_, {}), DeviceThumbWidth(),
                                      SharedThumbnailCache(),
                                      {.keepCompressed = !FreedesktopThumbnails::Writing()});
    job->setParent(this);
    liveJob_ = job;
    connect(job, &ThumbnailBuildJob::Arrived, this, &MosaicView::TakeLiveThumbnails);
    connect(job, &ThumbnailBuildJob::Finished, this, [this, job] {
        job->deleteLater();
        if (liveJob_ != job)
            return;
        liveJob_ = nullptr;
        MakeLiveThumbnails({});
    });
    job->Start();
}

void MosaicView::TakeLiveThumbnails(const std::vector<ThumbnailBuildJob::Result>& batch) {
    QHash<QByteArray, const ThumbnailBuildJob::Result*> byPath;
    for (const ThumbnailBuildJob::Result& result : batch)
        byPath.insert(liveJob_->Path(result.k), &result);
    // One pass over the list for the whole batch, from the end, so that a
    // row leaving moves none still to be looked at.
    for (int row = static_cast<int>(photoPaths.size()) - 1; row >= 0 && !byPath.isEmpty(); --row) {
        const QByteArray path = QByteArray::fromStdString(photoPaths[row]);
        const auto found = byPath.constFind(path);
        if (found == byPath.cend())
            continue;
        const ThumbnailBuildJob::Result& result = **found;
        byPath.erase(found);
        if (result.image.isNull()) {
            // Not (or not yet) a picture: it comes back when it changes.
            RemoveRow(row);
            continue;
        }
        store_.Add(path, result.image, result.photoSize, result.compressed);
        SetEntryTip(*item(row), EntryToolTip(item(row)->text(), result.photoSize));
    }
    viewport()->update();
}

void MosaicView::SortBy(SortKey key, bool reversed) {
    if (key == order_.Key() && reversed == order_.Reversed())
        return;
    RebuildKeepingPlace([&] {
        // A sort by date taken reads every photo's EXIF.
        QApplication::setOverrideCursor(Qt::WaitCursor);
        order_.Set(key, reversed);
        order_.Sort(photoPaths);
        order_.Sort(scannedPaths_);
        QApplication::restoreOverrideCursor();
    });
    if (QListWidgetItem* current = QListWidget::currentItem())
        scrollToItem(current);
}

} // namespace kolvira
