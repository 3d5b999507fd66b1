#include "photowindow/DialogPlacement.h"

#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace kolvira {

namespace {

// Clamps `start` so that `length` from it stays within [low, high), or
// starts at `low` when it cannot.
int KeepWithin(int start, int length, int low, int high) {
    return std::max(low, std::min(start, high - length));
}

// The part of `window` that shows on the screen: an MDI frame may reach
// beyond its area.
QRect ShownRect(const QWidget& window) {
    if (window.isWindow())
        return window.frameGeometry();
    QRect shown(window.mapToGlobal(QPoint(0, 0)), window.size());
    const QWidget* parent = window.parentWidget();
    if (parent != nullptr)
        shown &= QRect(parent->mapToGlobal(QPoint(0, 0)), parent->size());
    return shown;
}

// A dialog not shown yet has no frame; the photo's top-level window has the
// same kind of title bar and border.
QSize OuterSize(const QDialog& dialog, const QWidget& photoWindow) {
    const QWindow* handle = photoWindow.window()->windowHandle();
    const QMargins frame = handle != nullptr ? handle->frameMargins() : QMargins();
    return dialog.size().grownBy(frame);
}

} // namespace

QPoint PlaceBeside(const QRect& photo, QSize size, const QRect& screen) {
    const int screenRight = screen.x() + screen.width();
    const int photoRight = photo.x() + photo.width();
    const int y = KeepWithin(photo.y(), size.height(), screen.y(), screen.y() + screen.height());
    if (photoRight + size.width() <= screenRight)
        return QPoint(photoRight, y);
    if (photo.x() - size.width() >= screen.x())
        return QPoint(photo.x() - size.width(), y);
    const bool moreRoomRight = screenRight - photoRight >= photo.x() - screen.x();
    const int x = moreRoomRight ? screenRight - size.width() : screen.x();
    return QPoint(KeepWithin(x, size.width(), screen.x(), screenRight), y);
}

void DialogPlace::Open(QDialog& dialog, const QWidget& photoWindow) {
    openedAt_.reset();
    const QScreen* screen = photoWindow.screen();
    if (leftAt_ && QGuiApplication::screenAt(*leftAt_) != nullptr)
        openedAt_ = *leftAt_;
    else if (screen != nullptr)
        openedAt_ = PlaceBeside(ShownRect(photoWindow), OuterSize(dialog, photoWindow),
                                screen->availableGeometry());
    // A dialog moved before it shows is not centred over its parent.
    if (openedAt_)
        dialog.move(*openedAt_);
}

void DialogPlace::Closed(const QDialog& dialog) {
    if (openedAt_ && dialog.pos() != *openedAt_)
        leftAt_ = dialog.pos();
}

} // namespace kolvira
