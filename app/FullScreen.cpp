#include "app/FullScreen.h"

#include <QMainWindow>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace kolvira {

FullScreen::FullScreen(QMainWindow& mainWindow) : mainWindow_(mainWindow) {
    leave_.setShortcut(QKeySequence(Qt::Key_Escape));
    leave_.setShortcutContext(Qt::WindowShortcut);
    leave_.setEnabled(false);
    QObject::connect(&leave_, &QAction::triggered, [this] { Leave(); });
    mainWindow_.addAction(&leave_);
}

void FullScreen::Enter(QMdiSubWindow* window) {
    if (Active() || window == nullptr)
        return;
    window_ = window;
    wasMaximized_ = mainWindow_.isMaximized();
    windowWasMaximized_ = window->isMaximized();
    hidden_.clear();
    std::vector<QWidget*> bars{mainWindow_.menuBar(), mainWindow_.statusBar()};
    for (QToolBar* toolBar : mainWindow_.findChildren<QToolBar*>())
        bars.push_back(toolBar);
    for (QWidget* bar : bars) {
        if (bar != nullptr && bar->isVisible()) {
            bar->hide();
            hidden_.emplace_back(bar);
        }
    }
    window->showMaximized();
    mainWindow_.showFullScreen();
    leave_.setEnabled(true);
    // Closing the window ends full screen too.
    QObject::connect(window, &QObject::destroyed, &leave_, [this] { Leave(); });
}

void FullScreen::Leave() {
    if (!leave_.isEnabled())
        return;
    leave_.setEnabled(false);
    for (const QPointer<QWidget>& bar : hidden_) {
        if (bar != nullptr)
            bar->show();
    }
    hidden_.clear();
    if (window_ != nullptr) {
        QObject::disconnect(window_, &QObject::destroyed, &leave_, nullptr);
        if (!windowWasMaximized_)
            window_->showNormal();
    }
    window_ = nullptr;
    if (wasMaximized_)
        mainWindow_.showMaximized();
    else
        mainWindow_.showNormal();
}

} // namespace kolvira
