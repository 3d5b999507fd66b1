// How the Mosaic paints a cell: the thumbnail fitted into the thumbnail box
// at the top, the caption on one line below it, so neither covers the
// other at any size. The thumbnails come from the Mosaic's store by the
// entry's photo; a cell whose thumbnail is not decoded shows a plain light
// box until it is.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QStyledItemDelegate>

#include <functional>

namespace kolvira {

class ThumbnailStore;

class ThumbnailDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ThumbnailDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

    // The thumbnail box (the cell's thumbWidth x thumbHeight) and the whole
    // cell, as the view lays its grid out.
    void SetSizes(QSize thumbBox, QSize cell);
    // Where the thumbnails come from, and the photo (native bytes) of a row:
    // the entries themselves hold no more than their caption.
    using PhotoOfRow = std::function<QByteArray(int row)>;
    void SetSource(kolvira::ThumbnailStore* store, PhotoOfRow photoOf) {
        store_ = store;
        photoOf_ = std::move(photoOf);
    }
    // The colour of the box of a thumbnail not made or not decoded yet.
    static QColor PlaceholderColor() { return QColor(224, 224, 224); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Where a cell at `cell` draws its thumbnail box and its caption.
    QRect ThumbnailBox(const QRect& cell) const;
    QRect CaptionRect(const QRect& cell, int lineHeight) const;

private:
    void PaintThumbnail(QPainter* painter, const QRect& box, const QModelIndex& index,
                        qreal ratio) const;

    kolvira::ThumbnailStore* store_ = nullptr;
    PhotoOfRow photoOf_;
    QSize thumbBox_;
    QSize cell_;
};

// The cell of a thumbnail box: the box with its caption below it, wide
// enough for a usual file name even under the smallest thumbnails.
QSize MosaicCellSize(const QFontMetrics& metrics, QSize thumbBox);

} // namespace kolvira
