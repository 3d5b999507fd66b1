// "More Windows...": every document window's title in a list, to pick the
// one to activate when the Window menu has no room for it.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;

namespace kolvira {

class WindowListDialog : public QDialog {
    Q_OBJECT

public:
    // `current` is the row chosen at first (the active window).
    WindowListDialog(const QStringList& titles, int current, QWidget* parent);

    // The row chosen, or -1.
    int Chosen() const;
    QListWidget* List() const { return list_; }

private:
    QListWidget* list_;
};

} // namespace kolvira
