// Two mouse actions on the photo view read the colour as it is shown (the
// rendered picture, the preview or the window's background): a left click
// reports it in the status bar, a right click picks the colour to replace
// and its replacement in turn.
#include "photowindow/PhotoView.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QMouseEvent>

namespace kolvira {

using kolvira::COLORREF;

namespace {

struct Channels {
    int red, green, blue;
};

Channels ChannelsOf(QRgb pixel) {
    return {qRed(pixel), qGreen(pixel), qBlue(pixel)};
}

QString ChannelText(const Channels& c) {
    return QCoreApplication::translate("PhotoView", "Red = %1, Green = %2, Blue = %3")
        .arg(c.red)
        .arg(c.green)
        .arg(c.blue);
}

} // namespace

void PhotoView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::LeftButton && NearSplitLine(point)) {
        draggingSplit_ = true;
        return;
    }
    if (event->button() == Qt::LeftButton) {
        dragFrom_ = point;
        ProbeColor(point);
    } else if (event->button() == Qt::RightButton &&
               !event->modifiers().testFlag(Qt::ShiftModifier)) {
        // Shift with the right button opens the window's menu instead.
        PickReplacementColor(point);
    }
    QAbstractScrollArea::mousePressEvent(event);
}

// Paints the one pixel as the window shows it; the kept preview makes this
// a blit, never a second render.
QRgb PhotoView::ShownPixel(QPoint point) {
    const QImage shot = viewport()->grab(QRect(point, QSize(1, 1))).toImage();
    return shot.isNull() ? BackgroundColor() : shot.pixel(0, 0);
}

void PhotoView::ProbeColor(QPoint point) {
    const Channels c = ChannelsOf(ShownPixel(point));
    const int middle = (c.red + c.green + c.blue) / 3;
    statusText =
        ChannelText(c) + QCoreApplication::translate("PhotoView", ", Middle = %1").arg(middle);
    ShowStatusText();
}

void PhotoView::PickReplacementColor(QPoint point) {
    const Channels c = ChannelsOf(ShownPixel(point));
    const COLORREF color = kolvira::MakeColorref(c.red, c.green, c.blue);
    const bool pickingNew = pickNewColorNext;
    RenderSettings& settings = document_.Settings();
    (pickingNew ? settings.newColor : settings.oldColor) = color;
    QMessageBox box(
        QMessageBox::Information, QStringLiteral("Kolvira"),
        (pickingNew ? QCoreApplication::translate(
                          "PhotoView", "You have selected a \"new color\" for replacing:\n\n")
                    : QCoreApplication::translate(
                          "PhotoView", "You have selected an \"old color\" for replacing:\n\n")) +
            ChannelText(c),
        QMessageBox::Ok, window());
    box.exec();
    statusText =
        (pickingNew
             ? QCoreApplication::translate("PhotoView", "Selected new color for replacing: ")
             : QCoreApplication::translate("PhotoView", "Selected old color for replacing: ")) +
        ChannelText(c);
    pickNewColorNext = !pickingNew;
    ShowStatusText();
}

void PhotoView::ShowStatusText() {
    ShowStatus(statusText);
}

} // namespace kolvira
