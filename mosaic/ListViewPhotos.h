// The Mosaic window's view: a thumbnail, labelled with its file name, of
// every image file in the folder of the photo the user opened. Thumbnails
// grow and shrink in steps, entries can be dropped from the list, and a
// double-click or Enter opens an entry in a photo window.
#pragma once

#include "CView.h"

#include <QListWidget>

#include <string>
#include <vector>

class CListView_Photos : public QListWidget, public CView {
    Q_OBJECT

public:
    CListView_Photos();

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    bool HandlesCommand(int commandId) const override;
    void OnCommand(int commandId) override;

    // Makes every entry anew from photoPaths at the current size. Files that
    // cannot be read as images leave photoPaths, so entry k is path k.
    void BuildMosaic();
    void MoreSize();
    void LessSize();
    // Drops the selected entries from the list (never from the disk).
    void RemoveSelectedEntries();
    // Opens photo `index` in a new photo window.
    void OpenEntry(int index);

    static constexpr int kSmallestThumbWidth = 20;
    static constexpr int kLargestThumbWidth = 200;
    static constexpr int kThumbWidthStep = 20;

    int currentItem = 0;
    int thumbWidth = 100;
    int thumbHeight = 75;
    std::vector<std::string> photoPaths; // native bytes, in scan order

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetThumbWidth(int width);
};
