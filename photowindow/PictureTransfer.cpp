// The picture leaves the photo window for other programs: Copy Picture on
// the window's menu (Shift and the right button, or the menu key: the right
// button alone picks replacement colours) and a drag with the left button.
// Both give the drawing when the window keeps one, else the photo.
#include "photowindow/PhotoView.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDrag>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace kolvira {

QImage PhotoView::PictureToCopy() const {
    return document_.HasDrawing() ? document_.Drawing() : document_.Image();
}

void PhotoView::CopyPicture() const {
    const QImage picture = PictureToCopy();
    if (!picture.isNull())
        QApplication::clipboard()->setImage(picture);
}

void PhotoView::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Mouse &&
        !event->modifiers().testFlag(Qt::ShiftModifier))
        return;
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("Copy Picture"));
    copy->setEnabled(!PictureToCopy().isNull());
    if (menu.exec(event->globalPos()) == copy)
        CopyPicture();
}

bool PhotoView::StartPictureDrag(QMouseEvent* event) {
    if (!dragFrom_ || !event->buttons().testFlag(Qt::LeftButton) ||
        (event->position().toPoint() - *dragFrom_).manhattanLength() <
            QApplication::startDragDistance())
        return false;
    dragFrom_.reset();
    const QImage picture = PictureToCopy();
    if (picture.isNull())
        return false;
    auto* data = new QMimeData;
    data->setImageData(picture);
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(QPixmap::fromImage(
        picture.scaled(QSize(128, 128), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    drag->exec(Qt::CopyAction);
    return true;
}

} // namespace kolvira
