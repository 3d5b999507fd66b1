// The main window's status bar: the message pane, then the CAP, NUM and SCRL
// indicators, which show their text while the lock is on.
#pragma once

#include <QStatusBar>

class QLabel;

namespace kolvira {

class KolviraStatusBar : public QStatusBar {
    Q_OBJECT

public:
    explicit KolviraStatusBar(QWidget* parent);

    // Pane 0, the message pane, in status-bar coordinates.
    QRect MessagePaneRect() const;

    // Reads the lock keys again and updates the indicators.
    void UpdateLockIndicators();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* indicators_[3];
};

} // namespace kolvira
