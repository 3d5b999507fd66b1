// How the Mosaic paints a cell: the thumbnail fitted into the thumbnail box
// at the top, the caption on one line below it, so neither covers the
// other at any size.
#pragma once

#include <QSize>
#include <QStyledItemDelegate>

class ThumbnailDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ThumbnailDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    // The thumbnail box (the cell's thumbWidth x thumbHeight) and the whole
    // cell, as the view lays its grid out.
    void SetSizes(QSize thumbBox, QSize cell);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where a cell at `cell` draws its thumbnail box and its caption.
    QRect ThumbnailBox(const QRect& cell) const;
    QRect CaptionRect(const QRect& cell, int lineHeight) const;

private:
    QSize thumbBox_;
    QSize cell_;
};

// The cell of a thumbnail box: the box with its caption below it, wide
// enough for a usual file name even under the smallest thumbnails.
QSize MosaicCellSize(const QFontMetrics& metrics, QSize thumbBox);
