#include "HelpWindow.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

void ShowHelpTopics(QWidget* mainWindow) {
    static QPointer<QTextBrowser> browser;
    if (browser == nullptr) {
        browser = new QTextBrowser(mainWindow);
        browser->setWindowFlag(Qt::Window);
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setWindowTitle(QStringLiteral("Kolvira Help"));
        browser->setOpenExternalLinks(true);
        browser->setSource(QUrl(QStringLiteral("qrc:/help/index.html")));
        browser->resize(640, 560);
    }
    browser->show();
    browser->raise();
    browser->activateWindow();
}
