// Started in German (LANG=de_DE.UTF-8, LANGUAGE=de, set by the test's
// environment), the program's menus, dialogs and help page read German once
// its translations are installed as main() installs them.
#include "AppTestSupport.h"

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "framework/CommandIds.h"
#include "imageio/Translations.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/RenderSettings.h"

#include <QMenu>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

using namespace kolvira;
using namespace kolvira::test;

class TranslationTest : public AppTestCase {
    Q_OBJECT

private slots:
    void initTestCase() {
        AppTestCase::initTestCase();
        QVERIFY(InstallTranslations());
    }

    void menusReadGerman_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("item");
        QTest::newRow("File") << "&Datei"
                              << "Ö&ffnen...\tCtrl+O";
        QTest::newRow("View") << "&Ansicht"
                              << "Mosaik aktualisieren";
        QTest::newRow("Window") << "&Fenster"
                                << "Ne&beneinander";
        QTest::newRow("Help") << "&Hilfe"
                              << "Ü&ber Kolvira...";
    }

    // In a photo window, whose menus have every popup.
    void menusReadGerman() {
        QFETCH(QString, menu);
        QFETCH(QString, item);
        QVERIFY(ShowPhoto(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
        const QMenu* popup = MenuNamed(MainFrame(), menu);
        QVERIFY2(popup != nullptr, qPrintable(MenuTitles(MainFrame()).join(u' ')));
        QVERIFY2(ItemTexts(popup).contains(item), qPrintable(ItemTexts(popup).join(u'|')));
    }

    void helpPageReadsGerman() {
        MainFrame()->OnCommand(ID_HELP_FINDER);
        HelpWindow* help = MainFrame()->Help();
        QVERIFY(help != nullptr);
        QCOMPARE(help->windowTitle(), QStringLiteral("Kolvira-Hilfe"));
        QCOMPARE(help->Browser()->documentTitle(), QStringLiteral("Kolvira-Hilfe"));
        help->close();
    }

    void paintDialogReadsGerman() {
        RenderSettings record;
        PaintDialog dialog(record);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Malen"));
        QCOMPARE(dialog.findChild<QRadioButton*>(QStringLiteral("coal"))->text(),
                 QStringLiteral("Kohle"));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
