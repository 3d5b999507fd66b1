#include "mosaicwindow/ThumbnailDelegate.h"

#include "mosaic/ThumbnailStore.h"

#include <QApplication>
#include <QPainter>

namespace kolvira {

namespace {

constexpr int kTopMargin = 4;
constexpr int kCaptionGap = 3;
constexpr int kSideMargin = 8;

} // namespace

QSize MosaicCellSize(const QFontMetrics& metrics, QSize thumbBox) {
    const int captionWidth = metrics.horizontalAdvance(QStringLiteral("IMG_0000.jpg"));
    return QSize(std::max(thumbBox.width(), captionWidth) + 2 * kSideMargin,
                 kTopMargin + thumbBox.height() + kCaptionGap + metrics.height() + kTopMargin);
}

void ThumbnailDelegate::SetSizes(QSize thumbBox, QSize cell) {
    thumbBox_ = thumbBox;
    cell_ = cell;
}

QRect ThumbnailDelegate::ThumbnailBox(const QRect& cell) const {
    return QRect(cell.left() + (cell.width() - thumbBox_.width()) / 2, cell.top() + kTopMargin,
                 thumbBox_.width(), thumbBox_.height());
}

QRect ThumbnailDelegate::CaptionRect(const QRect& cell, int lineHeight) const {
    const QRect box = ThumbnailBox(cell);
    return QRect(cell.left() + 2, box.bottom() + 1 + kCaptionGap, cell.width() - 4, lineHeight);
}

void ThumbnailDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group =
        option.state.testFlag(QStyle::State_Active) ? QPalette::Active : QPalette::Inactive;

    PaintThumbnail(painter, ThumbnailBox(option.rect), index,
                   widget != nullptr ? widget->devicePixelRatioF() : 1.0);

    // The caption, on the selection colour when selected, as list views show it.
    const QRect caption = CaptionRect(option.rect, option.fontMetrics.height());
    const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideMiddle, caption.width());
    const int textWidth = std::min(caption.width(), option.fontMetrics.horizontalAdvance(text) + 6);
    const QRect textBox(caption.left() + (caption.width() - textWidth) / 2, caption.top(),
                        textWidth, caption.height());
    if (selected)
        painter->fillRect(textBox, option.palette.brush(group, QPalette::Highlight));
    painter->setPen(
        option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(textBox, Qt::AlignCenter, text);

    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.initFrom(widget);
        focus.rect = textBox;
        focus.state = option.state;
        focus.backgroundColor =
            option.palette.color(group, selected ? QPalette::Highlight : QPalette::Base);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
}

void ThumbnailDelegate::PaintThumbnail(QPainter* painter, const QRect& box,
                                       const QModelIndex& index, qreal ratio) const {
    QImage image;
    if (store_ != nullptr && photoOf_)
        image = store_->Image(photoOf_(index.row()));
    if (image.isNull()) {
        painter->fillRect(box, PlaceholderColor());
        return;
    }
    // Made in screen pixels: shown at its size in them, smaller only when it
    // does not fit the box (a tall photo); whole logical pixels, as an icon.
    QSize shown = (QSizeF(image.size()) / ratio).toSize();
    if (shown.width() > box.width() || shown.height() > box.height())
        shown = shown.scaled(box.size(), Qt::KeepAspectRatio);
    const QRect target = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, box);
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(target, image);
    painter->restore();
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return cell_;
}

} // namespace kolvira
