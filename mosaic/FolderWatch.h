// Follows one folder's files as they come, change and go: created, written,
// touched, renamed into or out of it, removed. The kernel's inotify tells
// that something happened; what did is found by comparing listings, so a
// burst of events costs one comparison.
#pragma once

#include <QObject>

#include <thread>

#include <cstdint>
#include <string>
#include <unordered_map>

class QSocketNotifier;

namespace kolvira {

// What tells a file's new content from its old: its time and size.
struct FileStamp {
    std::int64_t modified = 0; // nanoseconds since the epoch
    std::int64_t size = 0;
    std::int64_t changed = 0; // of the inode: a rename or a new link
    bool operator==(const FileStamp&) const = default;
};
using FolderStamps = std::unordered_map<std::string, FileStamp>;

// The image files of `directory` as ScanDirectory lists them, with their
// stamps; a file gone between the two is left out.
FolderStamps StampedImageFiles(const std::string& directory);

class FolderWatch : public QObject {
    Q_OBJECT

public:
    explicit FolderWatch(const std::string& directory, QObject* parent = nullptr);
    ~FolderWatch() override;

    // False when the system cannot watch the folder (no inotify, too many
    // watches): then only Refresh finds what changed.
    bool Watching() const { return notifier_ != nullptr; }

    // Lists the folder (StampedImageFiles) on a thread, so that a large
    // folder never holds up the window; Listed() follows on this object's
    // thread. Asked again while it lists, it lists once more afterwards.
    void RequestListing();

signals:
    // Something in the folder changed since the last signal.
    void Changed();
    void Listed(const kolvira::FolderStamps& stamps);

private:
    void Drain();

    const std::string directory_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    bool listing_ = false;
    bool listAgain_ = false;
    std::jthread lister_; // last: joined before the rest goes
};

} // namespace kolvira
