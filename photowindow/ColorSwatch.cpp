#include "photowindow/ColorSwatch.h"

#include <QPainter>

#include <utility>

namespace kolvira {

ColorSwatch::ColorSwatch(ColorSource color, QWidget* parent)
    : QWidget(parent), color_(std::move(color)) {
    // Not marked opaque, although frame and fill cover every pixel: Qt does
    // not repaint opaque children when their dialog repaints, and the
    // dialog's repaint is what shows a newly chosen colour.
}

void ColorSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
    const kolvira::COLORREF color = color_();
    painter.fillRect(1, 1, width() - 1, height() - 1,
                     QColor(static_cast<int>(kolvira::RedOf(color)),
                            static_cast<int>(kolvira::GreenOf(color)),
                            static_cast<int>(kolvira::BlueOf(color))));
}

} // namespace kolvira
