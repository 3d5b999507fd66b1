// F11: one photo window on the whole screen, without menus and bars; Esc
// (or F11 again) brings everything back as it was.
#pragma once

#include <QAction>
#include <QMdiSubWindow>
#include <QPointer>

class QMainWindow;
class QWidget;

namespace kolvira {

class FullScreen {
public:
    explicit FullScreen(QMainWindow& mainWindow);

    bool Active() const { return window_ != nullptr; }
    void Enter(QMdiSubWindow* window);
    void Leave();

private:
    QMainWindow& mainWindow_;
    QPointer<QMdiSubWindow> window_;
    QAction leave_; // Esc, only while full screen
    // What Leave restores.
    bool wasMaximized_ = false;
    bool windowWasMaximized_ = false;
    std::vector<QPointer<QWidget>> hidden_;
};

} // namespace kolvira
