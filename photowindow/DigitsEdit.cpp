#include "photowindow/DigitsEdit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace kolvira {

namespace {

bool IsDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool HasPrintableNonDigit(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() && !IsDigit(c); });
}

// Ctrl or Meta alone makes a key a shortcut (Ctrl+V pastes) rather than
// typing; Ctrl with Alt is AltGr, which types.
bool IsShortcutChord(const QKeyEvent& event) {
    const Qt::KeyboardModifiers chord =
        event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    return chord == Qt::ControlModifier || chord == Qt::MetaModifier;
}

} // namespace

DigitsEdit::DigitsEdit(QWidget* parent) : QLineEdit(parent) {}

void DigitsEdit::keyPressEvent(QKeyEvent* event) {
    if (!IsShortcutChord(*event) && HasPrintableNonDigit(event->text())) {
        event->accept(); // refused, and not passed on to the dialog either
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Text composed with an input method is typed text too.
void DigitsEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (HasPrintableNonDigit(event->commitString())) {
        QInputMethodEvent withoutCommit(event->preeditString(), event->attributes());
        QLineEdit::inputMethodEvent(&withoutCommit);
        event->accept();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

} // namespace kolvira
