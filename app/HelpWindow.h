// The help window: the bundled help page in a browser, with a Close button;
// Esc and Ctrl+W close it too. The main window keeps one and shows it again.
#pragma once

#include <QWidget>

class QMainWindow;
class QPushButton;
class QTextBrowser;

namespace kolvira {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own that goes with `mainWindow`, deleted once closed.
    explicit HelpWindow(QMainWindow* mainWindow);

    QTextBrowser* Browser() const { return browser_; }
    QPushButton* CloseButton() const { return closeButton_; }

    // Puts the window, before it first shows, over the right part of the
    // main window's document area, where it leaves the menu bar, the
    // toolbars and the documents' left part in sight; on the screen.
    void PlaceBeside(const QMainWindow& mainWindow);

private:
    QTextBrowser* browser_;
    QPushButton* closeButton_;
};

} // namespace kolvira
