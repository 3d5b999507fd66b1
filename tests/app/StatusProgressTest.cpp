// The progress bar in the status bar's message pane: where it sits beside
// its text, that there is never more than one, and that nothing of it
// stays once an operation has finished.
#include "AppTestSupport.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "framework/StatusProgress.h"

#include <QProgressBar>
#include <QTest>

using namespace kolvira;
using namespace kolvira::test;

class StatusProgressTest : public AppTestCase {
    Q_OBJECT

private slots:

    void barSitsRightOfItsText_data();
    void barSitsRightOfItsText();
    void aSecondShowReplacesTheBar();
    void finishLeavesNoBarAndNoMessage();
    void aMosaicBuildLeavesNoBarAndNoMessage();

private:
    KolviraStatusBar* StatusBar() const { return MainFrame()->StatusBar(); }
    QList<QProgressBar*> Bars() const { return StatusBar()->findChildren<QProgressBar*>(); }
};

// 5.5 pixels a character, truncated, or further right where the status
// bar's font draws the text wider; an empty text leaves 2 pixels.
void StatusProgressTest::barSitsRightOfItsText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("left");
    QTest::newRow("60 characters, 50 kept") << QString(60, QLatin1Char('i')) << 275;
    QTest::newRow("50 characters") << QString(50, QLatin1Char('i')) << 275;
    QTest::newRow("7 characters") << QStringLiteral("Drawing") << 38;
    QTest::newRow("the full-resolution pass")
        << QStringLiteral("Full resolution (Esc stops)") << 148;
    QTest::newRow("one space") << QStringLiteral(" ") << 5;
    QTest::newRow("empty") << QString() << 2;
}

// The rightmost column of the message pane that the text has inked.
int TextEnd(QStatusBar* bar, int paneRight) {
    const QImage shown = bar->grab().toImage();
    const QRgb background = shown.pixel(paneRight - 2, shown.height() / 2);
    for (int x = paneRight - 1; x >= 0; --x)
        for (int y = 0; y < shown.height(); ++y)
            if (shown.pixel(x, y) != background)
                return x;
    return -1;
}

void StatusProgressTest::barSitsRightOfItsText() {
    QFETCH(QString, text);
    QFETCH(int, left);
    const QString kept = text.left(StatusProgress::kLongestText);
    const int paneRight = StatusBar()->MessagePaneRect().right() + 1;
    StatusBar()->showMessage(kept);
    const int textEnd = TextEnd(StatusBar(), paneRight - 10);
    StatusBar()->clearMessage();

    MainFrame()->Progress()->Show(text);

    QCOMPARE(StatusBar()->currentMessage(), kept);
    QProgressBar* bar = MainFrame()->Progress()->Bar();
    QVERIFY(bar != nullptr);
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    // From the text to 5 pixels short of the indicators, 14 pixels high.
    QVERIFY2(bar->geometry().left() >= left && bar->geometry().left() > textEnd,
             qPrintable(
                 QStringLiteral("bar at %1, text to %2").arg(bar->geometry().left()).arg(textEnd)));
    if (textEnd < left - 6)
        QCOMPARE(bar->geometry().left(), left); // the text leaves room: counted per character
    QCOMPARE(bar->geometry().top(), 2);
    QCOMPARE(bar->geometry().bottomRight(), QPoint(paneRight - 6, 15));
    MainFrame()->Progress()->Finish();
}

void StatusProgressTest::aSecondShowReplacesTheBar() {
    MainFrame()->Progress()->Show(QStringLiteral("first"));
    MainFrame()->Progress()->SetPosition(60);
    QCOMPARE(MainFrame()->Progress()->Bar()->value(), 60);

    MainFrame()->Progress()->Show(QStringLiteral("second"));

    QCOMPARE(Bars().size(), 1);
    QCOMPARE(Bars().front(), MainFrame()->Progress()->Bar());
    QCOMPARE(MainFrame()->Progress()->Bar()->value(), 0);
    QCOMPARE(StatusBar()->currentMessage(), QStringLiteral("second"));
    MainFrame()->Progress()->Finish();
}

void StatusProgressTest::finishLeavesNoBarAndNoMessage() {
    MainFrame()->Progress()->Show(QStringLiteral("Drawing"));
    MainFrame()->Progress()->SetPosition(50);

    MainFrame()->Progress()->Finish();

    QVERIFY(MainFrame()->Progress()->Bar() == nullptr);
    QVERIFY(Bars().isEmpty());
    QVERIFY(StatusBar()->currentMessage().isEmpty());
}

void StatusProgressTest::aMosaicBuildLeavesNoBarAndNoMessage() {
    photos_->AddPhoto("b.jpg", {64, 48});
    photos_->AddPhoto("C.jpg", {64, 48});
    StatusBar()->showMessage(QStringLiteral("before the build"));

    QVERIFY(App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    QVERIFY(WaitForMosaicBuild(ActiveMosaic()));

    QVERIFY(Bars().isEmpty());
    QVERIFY(StatusBar()->currentMessage().isEmpty());
}

QTEST_MAIN(StatusProgressTest)
#include "StatusProgressTest.moc"
