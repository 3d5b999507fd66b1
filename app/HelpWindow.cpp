#include "app/HelpWindow.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

// The help page is compiled into the program's static library; nothing else
// refers to it there, so the linker would leave it out unless asked for.
static void RegisterHelpPage() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(resources);
        return true;
    }();
    (void)registered;
}

QTextBrowser* ShowHelpTopics(QWidget* mainWindow) {
    RegisterHelpPage();
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
    return browser;
}
