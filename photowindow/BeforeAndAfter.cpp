// Comparing the drawing with the photo: while `\` is held, or with View →
// Show Original on, the window shows the photo where the drawing is; in
// Split View the photo is left of a line the user can drag, the drawing
// right of it. Both also work while a Paint or Photo Editor dialog is open.
#include "photowindow/PhotoView.h"

#include "framework/CommandIds.h"
#include "imageio/PhotoScaling.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace kolvira {

namespace {

// How near the split line a press grabs it, in logical pixels.
constexpr int kSplitGrabDistance = 4;

bool IsOriginalKey(const QEvent* event) {
    const auto* key = static_cast<const QKeyEvent*>(event);
    return key->key() == Qt::Key_Backslash && !key->isAutoRepeat();
}

} // namespace

bool PhotoView::IsCommandChecked(int commandId) const {
    switch (commandId) {
    case kolvira::ID_SHOW_ORIGINAL:
        return showOriginal_;
    case kolvira::ID_SPLIT_VIEW:
        return splitView_;
    default:
        return false;
    }
}

void PhotoView::SetOriginalHeld(bool held) {
    if (held == originalHeld_)
        return;
    originalHeld_ = held;
    viewport()->update();
}

int PhotoView::ShownDeviceWidth() const {
    if (document_.HasDrawing())
        return qRound(document_.Drawing().width() * DeviceRatio() / document_.DrawingRatio());
    return devicePicture_.width();
}

int PhotoView::SplitX() const {
    const int width = document_.HasDrawing() ? pictureWidth : WindowRect().width();
    return static_cast<int>(width * splitFraction_);
}

bool PhotoView::NearSplitLine(QPoint point) const {
    if (!splitView_ || ShowsOriginal())
        return false;
    const int x = point.x() + horizontalScrollBar()->value();
    return std::abs(x - SplitX()) <= kSplitGrabDistance;
}

// The photo at the shown picture's size, over the picture's place: all of
// it, or what lies left of the split line. Painted last, over the drawing.
void PhotoView::DrawOriginal(QPainter& painter) {
    const bool whole = ShowsOriginal();
    const QImage& photo = document_.Image();
    if (photo.isNull() || (!whole && !splitView_))
        return;
    const int right = whole ? INT_MAX / 2 : SplitX();
    const qreal ratio = DeviceRatio();
    painter.save();
    painter.setClipRect(QRect(0, 0, right, INT_MAX / 2), Qt::IntersectClip);
    painter.scale(1 / ratio, 1 / ratio);
    kolvira::DrawPhotoAtWidth(painter, photo, ShownDeviceWidth(), &originalPhoto_);
    painter.restore();
    if (!whole) {
        const int x = SplitX();
        const int bottom = std::max(pictureHeight, WindowRect().height());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 0));
        painter.drawLine(x, 0, x, bottom);
    }
}

void PhotoView::keyPressEvent(QKeyEvent* event) {
    if (IsOriginalKey(event)) {
        SetOriginalHeld(true);
        return;
    }
    QAbstractScrollArea::keyPressEvent(event);
}

void PhotoView::keyReleaseEvent(QKeyEvent* event) {
    if (IsOriginalKey(event)) {
        SetOriginalHeld(false);
        return;
    }
    QAbstractScrollArea::keyReleaseEvent(event);
}

// While a Paint or Photo Editor dialog is open the keys go to it: the view
// watches the application's key events for `\` then.
bool PhotoView::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport() &&
        (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) &&
        IsOriginalKey(event)) {
        SetOriginalHeld(event->type() == QEvent::KeyPress);
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

void PhotoView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (draggingSplit_) {
        const int width = document_.HasDrawing() ? pictureWidth : WindowRect().width();
        const int x = point.x() + horizontalScrollBar()->value();
        splitFraction_ = std::clamp(static_cast<double>(x) / std::max(1, width), 0.0, 1.0);
        viewport()->update();
        return;
    }
    if (StartPictureDrag(event))
        return;
    viewport()->setCursor(NearSplitLine(point) ? Qt::SplitHCursor : Qt::ArrowCursor);
    QAbstractScrollArea::mouseMoveEvent(event);
}

void PhotoView::mouseReleaseEvent(QMouseEvent* event) {
    draggingSplit_ = false;
    dragFrom_.reset();
    QAbstractScrollArea::mouseReleaseEvent(event);
}

} // namespace kolvira
