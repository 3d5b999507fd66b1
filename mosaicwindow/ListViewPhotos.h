// The Mosaic window's view: a thumbnail, labelled with its file name, of
// every image file in the folder of the photo the user opened. Thumbnails
// grow and shrink in steps, entries can be dropped from the list, and a
// double-click or Enter opens an entry in a photo window.
#pragma once

#include "framework/CView.h"
#include "framework/FileCommands.h"
#include "framework/PhotoSequence.h"
#include "framework/PrintCommands.h"
#include "mosaic/ContactSheet.h"
#include "mosaicwindow/ThumbnailDelegate.h"

#include <QImage>
#include <QListWidget>

#include <string>
#include <vector>

class CListView_Photos : public QListWidget,
                         public CView,
                         public CPrintable,
                         public CSaveable,
                         public CPhotoSequence {
    Q_OBJECT

public:
    CListView_Photos();

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

    // Makes every entry anew from photoPaths at the current size. Files that
    // cannot be read as images leave photoPaths, so entry k is path k.
    void BuildMosaic();
    void MoreSize();
    void LessSize();
    // Drops the selected entries from the list (never from the disk).
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
    std::vector<QImage> thumbnails;      // entry k's thumbnail, as last built

protected:
    void keyPressEvent(QKeyEvent* event) override;

    // Save and Save As write the contact sheet as a PDF; the first Save asks
    // for a name, so it never goes to the photo the window was opened from.
    SaveDialogText SaveDialog() const override;
    QString SuggestedSaveName() const override;
    QString WriteSavedFile(const QString& path) override;

private:
    void SetThumbWidth(int width);

    // Every photo the scan found, entries dropped or unreadable included: a
    // save or a print never replaces one of them while the Mosaic is open.
    std::vector<std::string> scannedPaths_;
    ThumbnailDelegate* delegate_ = nullptr;
};
