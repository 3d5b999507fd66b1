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
#include "mosaic/ThumbnailBuildJob.h"
#include "mosaic/ThumbnailStore.h"
#include "mosaicwindow/ThumbnailDelegate.h"

#include <QImage>
#include <QListWidget>

#include <cstddef>
#include <string>
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
    // current entry and the place scrolled to stay.
    void RebuildKeepingPlace();
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

    // Save and Save As write the contact sheet as a PDF; the first Save asks
    // for a name, so it never goes to the photo the window was opened from.
    SaveDialogText SaveDialog() const override;
    QString SuggestedSaveName() const override;
    WriteOutcome WriteSavedFile(const QString& path) override;

private:
    void SetThumbWidth(int width);
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
};

} // namespace kolvira
