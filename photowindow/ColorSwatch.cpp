#include "photowindow/ColorSwatch.h"

#include "photowindow/AccessibleViews.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <utility>

namespace kolvira {

ColorSwatch::ColorSwatch(ColorSource color, QWidget* parent)
    : QWidget(parent), color_(std::move(color)) {
    InstallAccessibleViews();
    setFocusPolicy(Qt::TabFocus);
    // Not marked opaque, although frame and fill cover every pixel: Qt does
    // not repaint opaque children when their dialog repaints, and the
    // dialog's repaint is what shows a newly chosen colour.
}

QColor ColorSwatch::Color() const {
    const kolvira::COLORREF color = color_();
    return QColor(static_cast<int>(kolvira::RedOf(color)),
                  static_cast<int>(kolvira::GreenOf(color)),
                  static_cast<int>(kolvira::BlueOf(color)));
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    painter.fillRect(1, 1, width() - 1, height() - 1, Color());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -2, -2);
        option.backgroundColor = Color();
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace kolvira
