#include "framework/EscapeWatch.h"

#include <QApplication>
#include <QKeyEvent>

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>

namespace kolvira {

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

bool RunUnlessEscaped(std::function<void()> work, const std::function<void()>& poll) {
    auto done = std::make_shared<std::atomic<bool>>(false);
    std::thread worker([work = std::move(work), done] {
        work();
        done->store(true);
    });
    EscapeWatch escape;
    while (!done->load()) {
        if (escape.Pressed()) {
            worker.detach();
            return false;
        }
        if (poll)
            poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    worker.join();
    return true;
}

} // namespace kolvira
