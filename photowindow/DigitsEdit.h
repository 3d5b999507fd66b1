// An edit box for whole numbers that refuses typed characters other than
// digits, as a number-only edit control does. Editing keys and shortcuts
// work as usual, and pasted text goes in as it is: whoever reads the box
// takes the number the text begins with.
#pragma once

#include <QLineEdit>

namespace kolvira {

class DigitsEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DigitsEdit(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
};

} // namespace kolvira
