#include "framework/EscapeWatch.h"

#include <QApplication>
#include <QKeyEvent>

EscapeWatch::EscapeWatch() {
    qApp->installEventFilter(this);
}

EscapeWatch::~EscapeWatch() {
    qApp->removeEventFilter(this);
}

bool EscapeWatch::Pressed() {
    QApplication::processEvents();
    return pressed_;
}

bool EscapeWatch::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        pressed_ = true;
    if (event->isInputEvent() || event->type() == QEvent::Close ||
        event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride) {
        event->ignore();
        return true;
    }
    return false;
}
