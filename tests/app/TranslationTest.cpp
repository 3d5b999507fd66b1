// Started in German (LANG=de_DE.UTF-8, LANGUAGE=de, set by the test's
// environment), the program's menus, dialogs and help page read German once
// its translations are installed as main() installs them.
#include "AppTestSupport.h"

#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "framework/CommandIds.h"
#include "imageio/Translations.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"
#include "photowindow/RenderSettings.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
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

    // The dialogs lay their controls out at fixed places, sized for the
    // English texts: no translation may be cut off.
    void dialogTextsFitTheirControls_data() {
        QTest::addColumn<QString>("language");
        for (const char* language : {"de", "fr", "es"})
            QTest::newRow(language) << language;
    }

    void dialogTextsFitTheirControls() {
        constexpr int kButtonFrame = 6;
        QFETCH(QString, language);
        QVERIFY(InstallTranslations(QLocale(language)));
        RenderSettings record;
        PaintDialog paint(record);
        PhotoEditorDialog editor(record);
        QStringList cut;
        for (const QDialog* dialog : std::initializer_list<const QDialog*>{&paint, &editor}) {
            for (const QWidget* control : dialog->findChildren<QWidget*>()) {
                const auto* push = qobject_cast<const QPushButton*>(control);
                const auto* button = qobject_cast<const QAbstractButton*>(control);
                const auto* label = qobject_cast<const QLabel*>(control);
                const QString text = button ? button->text() : label ? label->text() : QString();
                // A push button's size hint has a floor of its own: its text
                // needs only to fit inside the frame.
                const int needed =
                    push ? control->fontMetrics().horizontalAdvance(text) + kButtonFrame
                         : control->sizeHint().width();
                if (!text.isEmpty() && needed > control->width())
                    cut << QStringLiteral("%1 (%2 > %3)")
                               .arg(text)
                               .arg(needed)
                               .arg(control->width());
            }
        }
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(TranslationTest)
#include "TranslationTest.moc"
