#include "mosaicwindow/ThumbnailDelegate.h"

#include <QApplication>
#include <QPainter>

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
    QStyleOptionViewItem item = option;
    initStyleOption(&item, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget != nullptr ? widget->style() : QApplication::style();

    // The selection and focus frame behind the whole cell, as the style draws them.
    item.text.clear();
    item.icon = QIcon();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, widget);

    const QRect box = ThumbnailBox(option.rect);
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    const QIcon::Mode mode =
        option.state.testFlag(QStyle::State_Selected) ? QIcon::Selected : QIcon::Normal;
    icon.paint(painter, box, Qt::AlignCenter, mode);

    const QRect caption = CaptionRect(option.rect, option.fontMetrics.height());
    const QString text = option.fontMetrics.elidedText(index.data(Qt::DisplayRole).toString(),
                                                       Qt::ElideMiddle, caption.width());
    const QPalette::ColorRole role =
        option.state.testFlag(QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    style->drawItemText(painter, caption, Qt::AlignHCenter | Qt::AlignTop, option.palette, true,
                        text, role);
}

QSize ThumbnailDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
    return cell_;
}
