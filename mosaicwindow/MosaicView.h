// The Mosaic window's view: a thumbnail, labelled with its file name, of
// every image file in the folder of the photo the user opened. Thumbnails
// grow and shrink in steps, entries can be dropped from the list, and a
// double-click or Enter opens an entry in a photo window. The thumbnails are
// made beside the event loop and painted from a store that keeps only the
// ones shown lately decoded, so a folder of any size opens at once.
#pragma once

#include "framework/FileCommands.h"
#include "framework/PhotoSequence.h"
#include "framework/PrintCommands.h"
#include "framework/View.h"
#include "mosaic/ContactSheet.h"
#include "mosaic/FolderWatch.h"
#include "mosaic/PhotoOrder.h"
#include "mosaic/ThumbnailBuildJob.h"
#include "mosaic/ThumbnailStore.h"
#include "mosaicwindow/ThumbnailDelegate.h"

#include <QImage>
#include <QListWidget>
#include <QTimer>

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <unordered_set>
#include <vector>

namespace kolvira {

class LookSource;

class StatusProgress;

class MosaicView : public QListWidget,
                   public View,
                   public Printable,
                   public Saveable,
                   public PhotoSequence {
    Q_OBJECT

public:
    // `looks` serve Render Selection, which is not offered without them.
    explicit MosaicView(LookSource* looks = nullptr);
    ~MosaicView() override;

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    bool HandlesCommand(int commandId) const override;
    void OnCommand(int commandId) override;
    bool IsCommandChecked(int commandId) const override;
    std::vector<kolvira::NativePath> PhotoFiles() const override;

    // Printing: the thumbnails as a captioned contact sheet, as many pages
    // as they fill (MosaicPrinting.cpp).
    QString PrintJobName() const override;
    int PageCount(const QPagedPaintDevice& device) override;
    bool PrintPages(QPagedPaintDevice& device, const QPageRanges& pages) override;
    // The entries as they are now, at the current thumbnail size.
    kolvira::ContactSheet Sheet() const;

    // Makes every entry anew from photoPaths at the current size, at once as
    // placeholders, and starts making their thumbnails, which fill in while
    // the event loop runs. Files that cannot be read as images leave
    // photoPaths as their turn comes, so entry k is path k at every moment.
    // A build under way is stopped first.
    void BuildMosaic();
    // BuildMosaic for Refresh and the size changes: the selection, the
    // current entry and the place scrolled to stay. `change`, when given,
    // changes the list between the two (the order, the size).
    void RebuildKeepingPlace(const std::function<void()>& change = {});
    bool Building() const { return job_ != nullptr; }
    // Stops the build (Esc): the thumbnails made stay, the other entries
    // wait as "not built yet" for a Refresh.
    void CancelBuild();
    // The thumbnails made by the last build so far.
    int BuiltCount() const { return built_; }
    void MoreSize();
    void LessSize();
    // Drops the selected entries from the list (never from the disk); during
    // a build at once, the thumbnails still to come finding their entries.
    void RemoveSelectedEntries();
    // Makes the entry of the file named like `path`'s the current and only
    // selected one, in sight; false when the Mosaic has no such entry.
    bool SelectPhotoFile(const std::string& path);
    // Next and Previous Photo of the photo windows opened from here walk the
    // list as it is now, Delete included.
    std::string PhotoBeside(const std::string& path, int step) const override;
    // Opens photo `index` in a new photo window.
    void OpenEntry(int index);
    // File → Render Selection: the selected photos rendered into drawing
    // files, after the dialog has asked how.
    void RenderSelection();
    // The selected entries' photos, in list order.
    std::vector<std::string> SelectedPhotoPaths() const;

    // View → Sort By: the entries, the contact sheet and Next and Previous
    // Photo in that order from now on, also for photos arriving later.
    void SortBy(kolvira::SortKey key, bool reversed);
    const kolvira::PhotoOrder& Order() const { return order_; }
    // Lists the folder now rather than once the watch's pause is over;
    // what came, changed or went since follows when the listing is back.
    void SyncWithFolder();
    // Copy: the selected entries' files for a file manager or another
    // program, as URLs and as paths.
    void CopySelectedFiles() const;
    // A pause after the folder's first change, so that a burst is taken in
    // once, and how many new entries a turn of the event loop takes.
    static constexpr int kFolderSettleMs = 150;
    static constexpr std::size_t kEntriesPerTurn = 100;

    static constexpr int kSmallestThumbWidth = 20;
    static constexpr int kLargestThumbWidth = 200;
    static constexpr int kThumbWidthStep = 20;

    int currentItem = 0;
    int thumbWidth = 100;
    int thumbHeight = 75;
    std::vector<std::string> photoPaths; // native bytes, in scan order

    // Entry k's thumbnail while it is decoded, else a null image: only the
    // cells shown lately are.
    class DecodedThumbnails {
    public:
        explicit DecodedThumbnails(const MosaicView& view) : view_(view) {}
        std::size_t size() const { return view_.photoPaths.size(); }
        QImage operator[](std::size_t k) const;

    private:
        const MosaicView& view_;
    };
    const DecodedThumbnails thumbnails{*this};

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    // Entries drag out as their files, copied, never moved off the list.
    void startDrag(Qt::DropActions supportedActions) override;

    // Save and Save As write the contact sheet as a PDF; the first Save asks
    // for a name, so it never goes to the photo the window was opened from.
    SaveDialogText SaveDialog() const override;
    QString SuggestedSaveName() const override;
    WriteOutcome WriteSavedFile(const QString& path) override;

private:
    void SetThumbWidth(int width);
    // The thumbnails' width in screen pixels, so that they are sharp on a
    // high-density screen; cells and layout stay in logical pixels.
    int DeviceThumbWidth() const { return qRound(thumbWidth * devicePixelRatioF()); }
    // The tooltip of an entry: its whole name, which the caption may
    // shorten, and the photo's size.
    static QString EntryToolTip(const QString& label, QSize photoSize);
    // The tooltip tells the mouse, the description screen readers, what lies
    // behind an entry beyond its name.
    static void SetEntryTip(QListWidgetItem& entry, const QString& tip);
    // The row of the entry the build's photo `k` belongs to, or -1 when that
    // entry has left the list.
    int RowOfBuildIndex(std::size_t k) const;
    void RemoveRow(int row);
    void TakeThumbnails(const std::vector<kolvira::ThumbnailBuildJob::Result>& batch);
    // The entries in sight and half a screen around it get their thumbnails
    // decoded: the build's, and those it left in the shared thumbnails.
    void LookAround();
    // Ends the build: the cursor, the progress bar and the commands as before.
    // A build not complete leaves its remaining entries marked as not built.
    void EndBuild(bool complete);

    // The live folder (MosaicLiveFolder.cpp): the changes found wait in
    // `arriving_` until a turn takes them; their thumbnails are made by a
    // job of their own, whose results find their entries by path.
    void WatchFolder(const std::string& directory);
    // What came, changed and went since the last listing.
    void FollowListing(kolvira::FolderStamps now);
    void TakeArrivingEntries();
    void MakeLiveThumbnails(std::vector<QByteArray> paths);
    void TakeLiveThumbnails(const std::vector<kolvira::ThumbnailBuildJob::Result>& batch);
    void RemovePaths(const std::unordered_set<std::string>& gone);

    // Every photo the scan found, entries dropped or unreadable included: a
    // save or a print never replaces one of them while the Mosaic is open.
    std::vector<std::string> scannedPaths_;
    ThumbnailDelegate* delegate_ = nullptr;
    LookSource* looks_;
    kolvira::ThumbnailStore store_;
    kolvira::ThumbnailBuildJob* job_ = nullptr; // a child, while a build runs
    StatusProgress* progress_ = nullptr;        // the build's bar
    int built_ = 0;                             // thumbnails made by the build
    // For each row, the index of its photo in the build's list: rows leave
    // during a build (unreadable files, Delete), the build's indexes stay.
    std::vector<std::size_t> buildIndex_;

    kolvira::PhotoOrder order_;
    kolvira::FolderWatch* watch_ = nullptr;
    QTimer settle_;                           // the pause after a change
    bool syncAfterBuild_ = false;             // a change came during a build
    kolvira::FolderStamps stamps_;            // the files as last listed
    std::unordered_set<std::string> dropped_; // taken off with Delete
    std::deque<std::string> arriving_;        // new or changed, not yet taken in
    kolvira::ThumbnailBuildJob* liveJob_ = nullptr;
    std::vector<QByteArray> liveWaiting_; // for the next live job
};

} // namespace kolvira
