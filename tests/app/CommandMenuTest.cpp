// The menus and the enabled commands of each kind of document window, and
// the Window menu's New Window with the numbered captions it brings.
#include "AppTestSupport.h"

#include "app/CommandActions.h"
#include "app/KolviraApp.h"
#include "app/MainFrame.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/KolviraDoc.h"
#include "mosaicwindow/ListViewPhotos.h"

#include <QAction>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

using namespace kolvira;
using namespace kolvira::test;

class CommandMenuTest : public AppTestCase {
    Q_OBJECT

private slots:

    void menusFollowTheActiveWindowKind_data();
    void menusFollowTheActiveWindowKind();
    void newWindowNumbersTheCaptionsUntilOneCloses();
};

// Only a Mosaic refreshes and resizes; the two menus differ in the refresh
// item's text.
void CommandMenuTest::menusFollowTheActiveWindowKind_data() {
    QTest::addColumn<QString>("inFront");
    QTest::addColumn<int>("menuId");
    QTest::addColumn<QString>("refreshText");
    QTest::addColumn<bool>("mosaicCommandsEnabled");
    QTest::newRow("Mosaic") << "Mosaic" << 130 << "Refresh" << true;
    QTest::newRow("photo window") << "photo" << 129 << "Refresh Mosaic" << false;
    QTest::newRow("Mosaic back in front of a photo window")
        << "Mosaic again" << 130 << "Refresh" << true;
}

void CommandMenuTest::menusFollowTheActiveWindowKind() {
    QFETCH(QString, inFront);
    QFETCH(int, menuId);
    QFETCH(QString, refreshText);
    QFETCH(bool, mosaicCommandsEnabled);
    QVERIFY(theApp->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    CChildFrame* mosaicFrame = ActiveChildFrame();
    if (inFront != "Mosaic")
        QVERIFY(OpenCurrentEntry(ActiveMosaic()) != nullptr);
    if (inFront == "Mosaic again")
        MainFrame()->MdiArea()->setActiveSubWindow(mosaicFrame);

    CMainFrame* frame = MainFrame();
    QCOMPARE(frame->CurrentMenuId(), menuId);
    QCOMPARE(MenuTitles(frame), QStringList({"&File", "&View", "&Window", "&Help"}));
    QVERIFY(ItemTexts(MenuNamed(frame, "&View")).contains(refreshText));
    QCOMPARE(ItemTexts(MenuNamed(frame, "&Window")),
             QStringList({"&New Window", "&Cascade", "&Tile", "&Arrange Icons"}));

    const QList<QAction*> toolBarItems = frame->ToolBar()->actions();
    for (int id : {ID_REFRESH_MOSAIC, ID_MORE_SIZE, ID_LESS_SIZE}) {
        QAction* action = frame->Actions().Action(id);
        QCOMPARE(action->isEnabled(), mosaicCommandsEnabled);
        QVERIFY(toolBarItems.contains(action));
    }
    QVERIFY(frame->Actions().Action(ID_FILE_CLOSE)->isEnabled());
    QVERIFY(frame->Actions().Action(ID_WINDOW_NEW)->isEnabled());

    // Each switch of menus leaves only the popups shown: none pile up.
    FlushDeferredDeletes();
    int popups = 0;
    for (const QMenu* menu : frame->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly))
        popups += menu->title().isEmpty() ? 0 : 1; // the bar's own overflow menu has no title
    QCOMPARE(popups, 4);
}

void CommandMenuTest::newWindowNumbersTheCaptionsUntilOneCloses() {
    CKolviraDoc* document = theApp->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48}));
    QVERIFY(document != nullptr);
    const QString folder = photos_->Directory();
    const auto& documents = theApp->mosaicTemplate->Documents();

    MainFrame()->Actions().Action(ID_WINDOW_NEW)->trigger();

    const QList<QMdiSubWindow*> windows = MainFrame()->MdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(windows[0]->windowTitle(), folder + ":1");
    QCOMPARE(windows[1]->windowTitle(), folder + ":2");
    QCOMPARE(ActiveChildFrame(), windows[1]);
    QVERIFY(ActiveMosaic() != nullptr);
    QCOMPARE(ActiveMosaic()->GetDocument(), document);
    QCOMPARE(documents.size(), std::size_t{1});

    windows[1]->close();
    QTRY_COMPARE(windows[0]->windowTitle(), folder);
    QCOMPARE(documents.size(), std::size_t{1});

    // The last window of a document takes the document with it.
    windows[0]->close();
    QTRY_VERIFY(documents.empty());
    QCOMPARE(DocumentWindowCount(), 0);
    QCOMPARE(MainFrame()->CurrentMenuId(), 128);
    QCOMPARE(MainFrame()->windowTitle(), QStringLiteral("Kolvira"));
}

QTEST_MAIN(CommandMenuTest)
#include "CommandMenuTest.moc"
