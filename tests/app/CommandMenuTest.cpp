// The menus and the enabled commands of each kind of document window, the
// Window menu's New Window with the numbered captions it brings, its list of
// the open windows, and the keys that go from window to window.
#include "AppTestSupport.h"

#include "app/Application.h"
#include "app/CommandActions.h"
#include "app/MainWindow.h"
#include "app/WindowListDialog.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentTemplate.h"
#include "mosaicwindow/MosaicView.h"

#include <QAction>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
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
    void windowMenuListsTheOpenWindows_data();
    void windowMenuListsTheOpenWindows();
    void moreWindowsChoosesAmongAll();
    void ctrlTabGoesRoundTheWindows();

private:
    // `count` windows on one Mosaic document, the first one active.
    QList<QMdiSubWindow*> OpenWindows(int count);
};

namespace {

// Opens the Window menu, as the user does, and closes it again.
QMenu* OpenWindowMenu() {
    QMenu* menu = MenuNamed(MainFrame(), "&Window");
    menu->popup(QPoint(0, 0));
    menu->hide();
    return menu;
}

} // namespace

QList<QMdiSubWindow*> CommandMenuTest::OpenWindows(int count) {
    if (App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) == nullptr)
        return {};
    for (int i = 1; i < count; ++i)
        MainFrame()->OnCommand(ID_WINDOW_NEW);
    const QList<QMdiSubWindow*> windows = MainFrame()->MdiArea()->subWindowList();
    MainFrame()->MdiArea()->setActiveSubWindow(windows.front());
    return windows;
}

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
    QVERIFY(App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    ChildFrame* mosaicFrame = ActiveChildFrame();
    if (inFront != "Mosaic")
        QVERIFY(OpenCurrentEntry(ActiveMosaic()) != nullptr);
    if (inFront == "Mosaic again")
        MainFrame()->MdiArea()->setActiveSubWindow(mosaicFrame);

    MainWindow* frame = MainFrame();
    QCOMPARE(frame->CurrentMenuId(), menuId);
    QCOMPARE(MenuTitles(frame), QStringList({"&File", "&View", "&Window", "&Help"}));
    QVERIFY(ItemTexts(MenuNamed(frame, "&View")).contains(refreshText));
    // Each command shows once, the look commands among them.
    QStringList viewItems = ItemTexts(MenuNamed(frame, "&View"));
    viewItems.removeAll("-");
    QVERIFY(viewItems.contains("Apply Look From File..."));
    QCOMPARE(viewItems.removeDuplicates(), 0);
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
    Document* document = App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48}));
    QVERIFY(document != nullptr);
    const QString folder = photos_->Directory();
    const auto& documents = App()->mosaicTemplate->Documents();

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

// Numbered items for the first nine windows (the active one checked, and
// listed ninth if it comes later), "More Windows..." past nine; choosing an
// item activates its window, restoring it when minimised.
void CommandMenuTest::windowMenuListsTheOpenWindows_data() {
    QTest::addColumn<int>("windows");
    QTest::addColumn<int>("active");
    QTest::addColumn<QList<int>>("listed"); // window indexes, in menu order
    QTest::addColumn<bool>("more");
    QTest::newRow("3 windows") << 3 << 1 << QList<int>{0, 1, 2} << false;
    QTest::newRow("11 windows, the first active")
        << 11 << 0 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8} << true;
    QTest::newRow("11 windows, the last active")
        << 11 << 10 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 10} << true;
}

void CommandMenuTest::windowMenuListsTheOpenWindows() {
    QFETCH(int, windows);
    QFETCH(int, active);
    QFETCH(QList<int>, listed);
    QFETCH(bool, more);
    const QList<QMdiSubWindow*> open = OpenWindows(windows);
    QCOMPARE(open.size(), windows);
    MainFrame()->MdiArea()->setActiveSubWindow(open[active]);

    // Built afresh each time: a second opening lists the same items once.
    OpenWindowMenu();
    QMenu* menu = OpenWindowMenu();
    const QList<QAction*> items = menu->actions().mid(4);
    QStringList expected{"-"};
    for (int i = 0; i < listed.size(); ++i)
        expected << QStringLiteral("&%1 %2").arg(i + 1).arg(open[listed[i]]->windowTitle());
    if (more)
        expected << "&More Windows...";
    QCOMPARE(ItemTexts(menu).mid(4), expected);
    for (int i = 0; i < listed.size(); ++i)
        QCOMPARE(items[i + 1]->isChecked(), listed[i] == active);

    // Choosing the first window, minimised meanwhile.
    QMdiSubWindow* first = open[listed.front()];
    if (first != open[active])
        first->showMinimized();
    items[1]->trigger();
    QCOMPARE(MainFrame()->MdiArea()->activeSubWindow(), first);
    QVERIFY(!first->isMinimized());
}

void CommandMenuTest::moreWindowsChoosesAmongAll() {
    const QList<QMdiSubWindow*> open = OpenWindows(12);
    QCOMPARE(open.size(), 12);
    QAction* more = OpenWindowMenu()->actions().constLast();
    QCOMPARE(more->text(), QStringLiteral("&More Windows..."));
    QStringList listedTitles;
    WhenModalOpens<WindowListDialog>([&](WindowListDialog& dialog) {
        for (int row = 0; row < dialog.List()->count(); ++row)
            listedTitles << dialog.List()->item(row)->text();
        QCOMPARE(dialog.Chosen(), 0); // the active window
        dialog.List()->setCurrentRow(10);
        dialog.accept();
    });
    more->trigger();

    QStringList titles;
    for (const QMdiSubWindow* window : open)
        titles << window->windowTitle();
    QCOMPARE(listedTitles, titles);
    QCOMPARE(MainFrame()->MdiArea()->activeSubWindow(), open[10]);
}

// Ctrl+Tab visits every window in turn, also from a photo window, and
// Ctrl+Shift+Tab goes back the same way.
void CommandMenuTest::ctrlTabGoesRoundTheWindows() {
    QVERIFY(App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    QVERIFY(OpenCurrentEntry(ActiveMosaic()) != nullptr);
    MainFrame()->MdiArea()->activatePreviousSubWindow();
    MainFrame()->OnCommand(ID_WINDOW_NEW);
    const QList<QMdiSubWindow*> open = MainFrame()->MdiArea()->subWindowList();
    QCOMPARE(open.size(), 3);
    MainFrame()->MdiArea()->setActiveSubWindow(open[0]);

    auto visit = [&](QKeySequence keys) {
        QList<int> visited;
        for (int i = 0; i < 3; ++i) {
            QTest::keySequence(QApplication::focusWidget(), keys);
            visited << open.indexOf(MainFrame()->MdiArea()->activeSubWindow());
        }
        return visited;
    };
    QCOMPARE(visit(QKeySequence(Qt::CTRL | Qt::Key_Tab)), QList<int>({1, 2, 0}));
    QCOMPARE(visit(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab)), QList<int>({2, 1, 0}));
}

QTEST_MAIN(CommandMenuTest)
#include "CommandMenuTest.moc"
