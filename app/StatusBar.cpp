#include "app/StatusBar.h"

#include "app/LockKeys.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace kolvira {

namespace {

// The lock-key indicators, short as the keys' own labels are.
const char* const kIndicatorTexts[3] = {QT_TRANSLATE_NOOP("StatusBar", "CAP"),
                                        QT_TRANSLATE_NOOP("StatusBar", "NUM"),
                                        QT_TRANSLATE_NOOP("StatusBar", "SCRL")};

QString IndicatorText(int pane) {
    return QCoreApplication::translate("StatusBar", kIndicatorTexts[pane]);
}

} // namespace

KolviraStatusBar::KolviraStatusBar(QWidget* parent) : QStatusBar(parent) {
    for (int pane = 0; pane < 3; ++pane) {
        auto* label = new QLabel(this);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        // Sized for the text, so the panes stand still as the locks change.
        const int textWidth = label->fontMetrics().horizontalAdvance(IndicatorText(pane));
        label->setFixedWidth(textWidth + 12);
        indicators_[pane] = label;
        addPermanentWidget(label);
    }
    // Locks change with key presses, also in other programs: read them on
    // every key and whenever the program becomes active again.
    qApp->installEventFilter(this);
    UpdateLockIndicators();
}

QRect KolviraStatusBar::MessagePaneRect() const {
    int right = width();
    for (const QLabel* label : indicators_) {
        if (label->isVisible())
            right = std::min(right, label->geometry().left());
    }
    return QRect(QPoint(0, 0), QPoint(right - 1, height() - 1));
}

void KolviraStatusBar::UpdateLockIndicators() {
    const LockKeyState locks = ReadLockKeys();
    const bool on[3] = {locks.capsLock, locks.numLock, locks.scrollLock};
    for (int pane = 0; pane < 3; ++pane)
        indicators_[pane]->setText(on[pane] ? IndicatorText(pane) : QString());
}

bool KolviraStatusBar::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    // A key event passes the filter once per widget it propagates to; the
    // release reaching the focus widget is the one that counts.
    if ((type == QEvent::KeyRelease && watched == QApplication::focusWidget()) ||
        type == QEvent::ApplicationActivate)
        UpdateLockIndicators();
    return QStatusBar::eventFilter(watched, event);
}

} // namespace kolvira
