// The program's shell: the empty main window it starts with, opening files
// into Mosaic windows, the recent-file list across runs, closing without
// questions, arranging the windows, the title, the message pane's idle text,
// help and the version.
#include "AppTestSupport.h"

#include "app/AboutDialog.h"
#include "app/Application.h"
#include "app/CommandActions.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/OpenFileDialog.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentTemplate.h"
#include "framework/FileDialogs.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PhotoView.h"

#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QWhatsThis>

using namespace kolvira;
using namespace kolvira::test;

class AppShellTest : public AppTestCase {
    Q_OBJECT

private slots:

    void startsWithMenu128AndNoDocumentWindow();
    void toolBarOffersOnlyOpenWithoutADocument();
    void statusBarHasThreeIndicatorPanes();

    void openingAPhotoShowsItsFolderAsAMosaic();
    void openingAgainShowsWhichWindowComesToTheFront_data();
    void openingAgainShowsWhichWindowComesToTheFront();
    void aMissingFileIsReportedOnceAndMakesNoWindow();
    void openDialogListsImageFilesInAnyLetterCase();
    void newWindowsCascadeInsideTheArea();
    void newPhotoWindowsHaveDistinctTitles();

    void recentFilesComeBackNewestFirstInTheNextRun();

    void closingNeverAsksToSave_data();
    void closingNeverAsksToSave();

    void windowArrangementsUseTheWholeArea_data();
    void windowArrangementsUseTheWholeArea();
    void maximisedWindowShowsItsTitleOnce();

    void idleTextReturnsWhenItsCauseEnds_data();
    void idleTextReturnsWhenItsCauseEnds();

    void helpTopicsShowTheBundledPage();
    void helpWindowStaysClearOfTheBarsAndCloses_data();
    void helpWindowStaysClearOfTheBarsAndCloses();

    void aboutAndKolviraRenderShowOneVersion();
};

void AppShellTest::startsWithMenu128AndNoDocumentWindow() {
    MainWindow* frame = MainFrame();
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->windowTitle(), QStringLiteral("Kolvira"));
    QCOMPARE(frame->CurrentMenuId(), 128);
    QCOMPARE(DocumentWindowCount(), 0);
    QVERIFY(frame->ActiveView() == nullptr);

    QCOMPARE(MenuTitles(frame), QStringList({"&File", "&View", "&Help"}));
    QCOMPARE(ItemTexts(MenuNamed(frame, "&File")),
             QStringList({"&Open...\tCtrl+O", "-", "&Print...\tCtrl+P", "Print Pre&view",
                          "P&rint Setup...", "-", "Recent File", "-", "&Close", "E&xit"}));
    // With no file opened yet the recent-file place holds a greyed item.
    QVERIFY(!frame->Actions().Action(ID_FILE_MRU_FIRST)->isEnabled());
    QVERIFY(!frame->Actions().Action(ID_FILE_CLOSE)->isEnabled());
    QVERIFY(frame->Actions().Action(ID_APP_EXIT)->isEnabled());
}

void AppShellTest::toolBarOffersOnlyOpenWithoutADocument() {
    const QList<QAction*> items = MainFrame()->ToolBar()->actions();
    QCOMPARE(items.size(), 10);
    int buttons = 0;
    QList<int> separators;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i]->isSeparator()) {
            separators << i;
            continue;
        }
        ++buttons;
        const int id = items[i]->data().toInt();
        QVERIFY2(items[i]->isEnabled() == (id == ID_FILE_OPEN), qPrintable(QString::number(id)));
    }
    QCOMPARE(buttons, 8);
    QCOMPARE(separators, QList<int>({3, 7}));
}

void AppShellTest::statusBarHasThreeIndicatorPanes() {
    KolviraStatusBar* statusBar = MainFrame()->StatusBar();
    const QList<QLabel*> panes = statusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(panes.size(), 3);
    int left = statusBar->MessagePaneRect().right();
    for (const QLabel* pane : panes) {
        QVERIFY(pane->isVisible());
        QVERIFY(pane->geometry().left() > left);
        left = pane->geometry().left();
    }
}

void AppShellTest::openingAPhotoShowsItsFolderAsAMosaic() {
    const std::string path = photos_->AddPhoto("a.jpg", {64, 48});
    Document* document = App()->OpenDocumentFile(path);
    QVERIFY(document != nullptr);
    QCOMPARE(DocumentWindowCount(), 1);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(mosaic != nullptr);
    QCOMPARE(mosaic->GetDocument(), document);
    QCOMPARE(document->GetPathName(), path);
    QCOMPARE(ActiveChildFrame()->windowTitle(), photos_->Directory());
    QCOMPARE(MainFrame()->windowTitle(), "Kolvira - " + photos_->Directory());
    QCOMPARE(MainFrame()->CurrentMenuId(), 130);
}

// Each new window starts a title bar further in from the one before, and
// the cascade starts again at the corner before a window would stick out.
void AppShellTest::newWindowsCascadeInsideTheArea() {
    const std::string path = photos_->AddPhoto("a.jpg", {64, 48});
    QVERIFY(App()->OpenDocumentFile(path) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    const QRect area = MainFrame()->MdiArea()->viewport()->rect();
    QList<QPoint> corners;
    for (int i = 0; i < 8; ++i) {
        QVERIFY(OpenCurrentEntry(mosaic) != nullptr);
        const QRect placed = ActiveChildFrame()->geometry();
        QVERIFY2(area.contains(placed), qPrintable(QStringLiteral("window %1 sticks out").arg(i)));
        corners << placed.topLeft();
    }
    QVERIFY(corners[0].x() > 0 && corners[0].x() == corners[0].y());
    QVERIFY(corners[1].x() > corners[0].x());
    QVERIFY(corners.count(QPoint(0, 0)) >= 1); // started again
}

// New (Ctrl+N) shows the photo last opened again, in a window of its own name.
void AppShellTest::newPhotoWindowsHaveDistinctTitles() {
    QVERIFY(ShowPhoto(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    MainFrame()->OnCommand(ID_FILE_NEW);
    MainFrame()->OnCommand(ID_FILE_NEW);
    QStringList titles;
    for (const QMdiSubWindow* window : MainFrame()->MdiArea()->subWindowList())
        titles << window->windowTitle();
    QCOMPARE(titles.size(), 4);
    titles.removeDuplicates();
    QCOMPARE(titles.size(), 4);
}

// The first document open under the path comes to the front; a file not yet
// open keeps its new window in front.
void AppShellTest::openingAgainShowsWhichWindowComesToTheFront_data() {
    QTest::addColumn<QString>("secondFile");
    QTest::addColumn<int>("windowInFront");
    QTest::newRow("same file twice") << "a.jpg" << 0;
    QTest::newRow("another file of the folder") << "b.jpg" << 1;
}

void AppShellTest::openingAgainShowsWhichWindowComesToTheFront() {
    QFETCH(QString, secondFile);
    QFETCH(int, windowInFront);
    const std::string first = photos_->AddPhoto("a.jpg", {64, 48});
    photos_->AddPhoto("b.jpg", {48, 64});

    Document* firstDocument = App()->OpenDocumentFile(first);
    Document* inFront = App()->OpenDocumentFile(photos_->PathOf(secondFile));

    const QList<QMdiSubWindow*> windows = MainFrame()->MdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(App()->mosaicTemplate->Documents().size(), std::size_t{2});
    QCOMPARE(ActiveChildFrame(), windows[windowInFront]);
    QVERIFY(ActiveMosaic() != nullptr);
    QCOMPARE(ActiveMosaic()->GetDocument(), inFront);
    QCOMPARE(inFront == firstDocument, windowInFront == 0);
    QCOMPARE(MainFrame()->windowTitle(), "Kolvira - " + photos_->Directory());
}

void AppShellTest::aMissingFileIsReportedOnceAndMakesNoWindow() {
    const std::string missing = photos_->PathOf("missing.jpg");
    MessageBoxCloser boxes;
    QVERIFY(App()->OpenDocumentFile(missing) == nullptr);
    QCOMPARE(boxes.Count(), 1);
    QVERIFY2(boxes.Texts().front().contains("missing.jpg"), qPrintable(boxes.Texts().front()));
    QCOMPARE(DocumentWindowCount(), 0);
    QVERIFY(App()->mosaicTemplate->Documents().empty());
    QVERIFY(App()->Recent().Paths().empty());
}

void AppShellTest::recentFilesComeBackNewestFirstInTheNextRun() {
    const std::string older = photos_->AddPhoto("a.jpg", {64, 48});
    const std::string newer = photos_->AddPhoto("b.jpg", {64, 48});
    QVERIFY(App()->OpenDocumentFile(older) != nullptr);
    QVERIFY(App()->OpenDocumentFile(newer) != nullptr);

    StopApp(app_);
    app_ = StartApp(false);
    QVERIFY(app_ != nullptr);

    QMenu* file = MenuNamed(MainFrame(), "&File");
    QVERIFY(file != nullptr);
    const QStringList items = ItemTexts(file);
    QCOMPARE(items.mid(5, 4), QStringList({"-", "&1 " + QString::fromStdString(newer),
                                           "&2 " + QString::fromStdString(older), "-"}));
    QAction* mostRecent = file->actions().at(6);
    QVERIFY(mostRecent->isEnabled());

    mostRecent->trigger();
    QCOMPARE(DocumentWindowCount(), 1);
    QVERIFY(ActiveMosaic() != nullptr);
    QCOMPARE(ActiveMosaic()->GetDocument()->GetPathName(), newer);
    QCOMPARE(ActiveChildFrame()->windowTitle(), photos_->Directory());
    QCOMPARE(ActiveMosaic()->count(), 2);
}

// Nothing the program shows is ever changed, so no way of closing asks.
void AppShellTest::closingNeverAsksToSave_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("windowsLeft");
    QTest::newRow("close the photo window") << "close window" << 1;
    QTest::newRow("Close command") << "Close" << 1;
    QTest::newRow("Exit command") << "Exit" << 0;
    QTest::newRow("program end") << "end" << 0;
}

void AppShellTest::closingNeverAsksToSave() {
    QFETCH(QString, how);
    QFETCH(int, windowsLeft);
    photos_->AddPhoto("b.jpg", {64, 48});
    QVERIFY(App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    QVERIFY(OpenCurrentEntry(ActiveMosaic()) != nullptr);
    QCOMPARE(DocumentWindowCount(), 2);

    MessageBoxCloser boxes;
    if (how == "close window") {
        ActiveChildFrame()->close();
    } else if (how == "Close") {
        MainFrame()->OnCommand(ID_FILE_CLOSE);
    } else if (how == "Exit") {
        MainFrame()->OnCommand(ID_APP_EXIT);
        QTRY_VERIFY(!MainFrame()->isVisible());
    } else {
        StopApp(app_);
    }
    QTRY_COMPARE(DocumentWindowCount(), windowsLeft);
    QCOMPARE(boxes.Count(), 0);
    if (windowsLeft == 1)
        QVERIFY(ActiveMosaic() != nullptr);
}

// The filter's label separates its patterns with "; " and camera files are
// often named .JPG: the dialog must still list every image file, and only those.
void AppShellTest::openDialogListsImageFilesInAnyLetterCase() {
    // The dialog goes by names alone (and Qt writes no GIF).
    for (const char* name : {"a.jpg", "B.JPG", "c.Png", "d.bmp", "e.gif", "f.tif", "notes.txt"})
        photos_->AddNonImage(QString::fromLatin1(name));
    // Without a platform dialog (as here) File → Open shows Qt's own, with
    // the exact labels; a platform dialog gets patterns in any letter case.
    QString shownFilter;
    WhenModalOpens<QFileDialog>([&shownFilter](QFileDialog& shown) {
        shownFilter = shown.nameFilters().value(0);
        shown.reject();
    });
    QCOMPARE(AskForImageFile(MainFrame()), std::string());
    QCOMPARE(shownFilter, QStringLiteral("Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)"));
    const QRegularExpression anyCaseJpg(
        QRegularExpression::wildcardToRegularExpression(AnyCasePattern(QStringLiteral("*.jpg"))));
    QVERIFY(anyCaseJpg.match(QStringLiteral("B.JPG")).hasMatch());
    QVERIFY(anyCaseJpg.match(QStringLiteral("b.Jpg")).hasMatch());

    QFileDialog dialog;
    PrepareImageFileDialog(dialog);
    dialog.setDirectory(photos_->Directory());
    QCOMPARE(dialog.nameFilters().front(),
             QStringLiteral("Image Files (*.bmp; *.gif; *.jpg; *.png; *.tif)"));

    auto* model = dialog.findChild<QFileSystemModel*>();
    QVERIFY(model != nullptr);
    const QModelIndex folder = model->index(photos_->Directory());
    auto listed = [&] {
        QStringList names;
        for (int row = 0; row < model->rowCount(folder); ++row) {
            const QModelIndex entry = model->index(row, 0, folder);
            // Entries the filter turns away are either hidden or disabled.
            if (model->flags(entry).testFlag(Qt::ItemIsEnabled))
                names << model->fileName(entry);
        }
        names.sort(Qt::CaseInsensitive);
        return names.join(QLatin1Char(' '));
    };
    QTRY_COMPARE(listed(), QStringLiteral("a.jpg B.JPG c.Png d.bmp e.gif f.tif"));

    // The second filter, All Pictures, lists every format the program reads.
    for (const char* name : {"g.HEIC", "h.avif", "i.jxl", "j.webp", "k.dng", "l.NEF", "m.wmf",
                             "n.emf", "o.ico", "p.cur"})
        photos_->AddNonImage(QString::fromLatin1(name));
    QVERIFY(dialog.nameFilters().value(1).startsWith(QStringLiteral("All Pictures (")));
    dialog.selectNameFilter(dialog.nameFilters().value(1));
    emit dialog.filterSelected(dialog.nameFilters().value(1));
    QTRY_COMPARE(listed(), QStringLiteral("a.jpg B.JPG c.Png d.bmp e.gif f.tif g.HEIC h.avif "
                                          "i.jxl j.webp k.dng l.NEF m.wmf n.emf o.ico p.cur"));
}

// Cascade overlaps the windows a title bar apart at the largest size the
// area allows; Tile shares the area out. Either way every window ends inside
// the area, also one that was maximised or dragged partly out of it.
void AppShellTest::windowArrangementsUseTheWholeArea_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("windows");
    QTest::addColumn<bool>("disarranged"); // one maximised, one dragged off
    QTest::newRow("Cascade, 3 windows") << int(ID_WINDOW_CASCADE) << 3 << false;
    QTest::newRow("Cascade, 3 windows out of place") << int(ID_WINDOW_CASCADE) << 3 << true;
    QTest::newRow("Cascade, 14 windows start again") << int(ID_WINDOW_CASCADE) << 14 << false;
    QTest::newRow("Tile, 3 windows") << int(ID_WINDOW_TILE) << 3 << false;
    QTest::newRow("Tile, 5 windows out of place") << int(ID_WINDOW_TILE) << 5 << true;
}

void AppShellTest::windowArrangementsUseTheWholeArea() {
    QFETCH(int, command);
    QFETCH(int, windows);
    QFETCH(bool, disarranged);
    QVERIFY(App()->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
    for (int i = 1; i < windows; ++i)
        MainFrame()->OnCommand(ID_WINDOW_NEW);
    QMdiArea* area = MainFrame()->MdiArea();
    if (disarranged) {
        const QList<QMdiSubWindow*> list = area->subWindowList();
        list[0]->move(area->viewport()->width() - 40, area->viewport()->height() - 40);
        list[1]->showMaximized();
    }
    QMdiSubWindow* active = area->activeSubWindow();

    MainFrame()->OnCommand(command);

    const QRect room = area->viewport()->rect();
    const QList<QMdiSubWindow*> stack = area->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(stack.size(), windows);
    QCOMPARE(area->activeSubWindow(), active);
    QRegion covered;
    int coveredArea = 0;
    for (const QMdiSubWindow* window : stack) {
        QVERIFY(!window->isMaximized());
        QVERIFY2(room.contains(window->geometry()), qPrintable(window->windowTitle()));
        covered += window->geometry();
        coveredArea += window->width() * window->height();
    }
    if (command == ID_WINDOW_TILE) {
        QCOMPARE(covered, QRegion(room));
        QCOMPARE(coveredArea, room.width() * room.height());
        return;
    }
    // Bottom of the stack first: each a title bar further in, or back at
    // the corner; the active one on top; the last of a cascade reaching the
    // area's far corner.
    QCOMPARE(stack.back(), active);
    const int titleBar = stack.front()->contentsMargins().top();
    QVERIFY(titleBar > 10);
    QCOMPARE(stack.front()->pos(), QPoint(0, 0));
    for (int i = 1; i < windows; ++i) {
        const QPoint step = stack[i]->pos() - stack[i - 1]->pos();
        QVERIFY2(step == QPoint(titleBar, titleBar) || stack[i]->pos() == QPoint(0, 0),
                 qPrintable(QStringLiteral("window %1").arg(i)));
        QCOMPARE(stack[i]->size(), stack[0]->size());
    }
    QVERIFY(stack[0]->width() >= room.width() / 2 && stack[0]->height() >= room.height() / 2);
    QVERIFY(covered.boundingRect() == room);
}

// Maximised, the window's caption moves into the main title in brackets,
// once; restored, the main title names the document again.
void AppShellTest::maximisedWindowShowsItsTitleOnce() {
    const std::string photo = photos_->AddPhoto("a.jpg", {64, 48});
    QVERIFY(App()->OpenDocumentFile(photo) != nullptr);
    ChildFrame* mosaicFrame = ActiveChildFrame();
    QVERIFY(OpenCurrentEntry(ActiveMosaic()) != nullptr);
    ChildFrame* photoFrame = ActiveChildFrame();
    const QString folder = photos_->Directory();
    const QString photoTitle = photoFrame->windowTitle();
    QVERIFY(photoTitle.endsWith("a.jpg"));

    photoFrame->showMaximized();
    QTRY_COMPARE(MainFrame()->windowTitle(), "Kolvira - [" + photoTitle + "]");
    MainFrame()->MdiArea()->setActiveSubWindow(mosaicFrame);
    QVERIFY(mosaicFrame->isMaximized());
    QTRY_COMPARE(MainFrame()->windowTitle(), "Kolvira - [" + folder + "]");
    mosaicFrame->showNormal();
    QTRY_COMPARE(MainFrame()->windowTitle(), "Kolvira - " + folder);
}

// The message pane goes back to its idle text, a blank, once what showed a
// text is over; a text a window shows while opening stays.
void AppShellTest::idleTextReturnsWhenItsCauseEnds_data() {
    QTest::addColumn<QString>("cause");
    QTest::newRow("context help left with Esc") << "Esc";
    QTest::newRow("context help left with a click") << "click";
    QTest::newRow("colour probe, then another window") << "probe";
    QTest::newRow("menu prompt, then another window") << "prompt";
    QTest::newRow("colour probe, then the last window closes") << "last window";
    QTest::newRow("a new window's own message stays") << "new window";
}

void AppShellTest::idleTextReturnsWhenItsCauseEnds() {
    QFETCH(QString, cause);
    KolviraStatusBar* statusBar = MainFrame()->StatusBar();
    const std::string photo = photos_->AddPhoto("a.jpg", {64, 48});

    if (cause == "Esc" || cause == "click") {
        MainFrame()->OnCommand(ID_CONTEXT_HELP);
        QCOMPARE(statusBar->currentMessage(),
                 QStringLiteral("Select an object on which to get Help"));
        if (cause == "Esc") {
            QTest::keyClick(MainFrame(), Qt::Key_Escape);
        } else {
            QWidget* openButton = MainFrame()->ToolBar()->widgetForAction(
                MainFrame()->Actions().Action(ID_FILE_OPEN));
            QTest::mouseClick(openButton, Qt::LeftButton);
            QWhatsThis::hideText();
        }
        QVERIFY(!QWhatsThis::inWhatsThisMode());
    } else if (cause == "probe" || cause == "prompt") {
        PhotoView* view = ShowPhoto(photo);
        QVERIFY(view != nullptr);
        if (cause == "probe") {
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
            QVERIFY(statusBar->currentMessage().startsWith("Red = "));
        } else {
            QStatusTipEvent tip(QStringLiteral("Show Paint Dialog"));
            QApplication::sendEvent(MainFrame(), &tip);
            QCOMPARE(statusBar->currentMessage(), QStringLiteral("Show Paint Dialog"));
        }
        MainFrame()->MdiArea()->activatePreviousSubWindow();
        QVERIFY(ActiveMosaic() != nullptr);
    } else if (cause == "last window") {
        App()->OpenPhotoWindow(photo);
        PhotoView* view = ActivePhotoView();
        QVERIFY(view != nullptr && QTest::qWaitForWindowExposed(view));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
        QVERIFY(statusBar->currentMessage().startsWith("Red = "));
        MainFrame()->OnCommand(ID_FILE_CLOSE);
        QTRY_COMPARE(DocumentWindowCount(), 0);
    } else {
        QVERIFY(App()->OpenDocumentFile(photo) != nullptr);
        App()->OpenPhotoWindow(photos_->AddNonImage("broken.jpg"));
        QVERIFY(ActivePhotoView() != nullptr);
    }

    if (cause == "new window")
        QVERIFY2(statusBar->currentMessage().startsWith("Cannot show"),
                 qPrintable(statusBar->currentMessage()));
    else
        QTRY_COMPARE(statusBar->currentMessage(), QStringLiteral(" "));
}

// F1 and Help Topics open the page that comes inside the program; Shift+F1
// asks for the object to explain.
void AppShellTest::helpTopicsShowTheBundledPage() {
    for (int command : {ID_HELP, ID_HELP_FINDER}) {
        MainFrame()->OnCommand(command);
        HelpWindow* help = MainFrame()->Help();
        QVERIFY(help != nullptr && help->isVisible());
        const QString text = help->Browser()->toPlainText();
        for (const char* topic : {"Mosaic", "Paint", "Photo Editor", "Printing", "Saving",
                                  "kolvira-render --contact-sheet"})
            QVERIFY2(text.contains(QLatin1String(topic)), topic);
        help->close();
    }

    // Shift+F1: what's-this mode, with its prompt.
    MainFrame()->OnCommand(ID_CONTEXT_HELP);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QCOMPARE(MainFrame()->StatusBar()->currentMessage(),
             QStringLiteral("Select an object on which to get Help"));
    QWhatsThis::leaveWhatsThisMode();
}

// The help window leaves the menu bar and the toolbar in sight, stays on
// the screen, and closes like any window of its kind.
void AppShellTest::helpWindowStaysClearOfTheBarsAndCloses_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("Close button") << "button";
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Ctrl+W") << "Ctrl+W";
}

void AppShellTest::helpWindowStaysClearOfTheBarsAndCloses() {
    QFETCH(QString, closeBy);
    MainWindow* frame = MainFrame();
    frame->OnCommand(ID_HELP);
    QPointer<HelpWindow> help = frame->Help();
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(help));

    auto globalRect = [](const QWidget* widget) {
        return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
    };
    const QRect placed = help->frameGeometry();
    QVERIFY(!placed.intersects(globalRect(frame->menuBar())));
    QVERIFY(!placed.intersects(globalRect(frame->ToolBar())));
    QVERIFY(placed.intersects(globalRect(frame->MdiArea())));
    QVERIFY(frame->screen()->availableGeometry().contains(placed));
    QVERIFY(placed.width() >= 400 && placed.height() >= 300);

    if (closeBy == "button") {
        QVERIFY(help->CloseButton() != nullptr);
        QTest::mouseClick(help->CloseButton(), Qt::LeftButton);
    } else {
        help->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(help));
        QTest::keySequence(help->Browser(), closeBy == "Esc" ? QKeySequence(Qt::Key_Escape)
                                                             : QKeySequence(Qt::CTRL | Qt::Key_W));
    }
    QTRY_VERIFY(help == nullptr);
}

// One version, the project's: the About box says it as it always has, and
// kolvira-render says the same, and how decoding is confined as the About box.
void AppShellTest::aboutAndKolviraRenderShowOneVersion() {
    QString aboutText, decodingText;
    WhenModalOpens<AboutDialog>([&](AboutDialog& about) {
        for (const QLabel* label : about.findChildren<QLabel*>()) {
            if (label->text().startsWith("Kolvira"))
                aboutText = label->text();
            if (label->text().startsWith("Decoding: "))
                decodingText = label->text();
        }
        about.accept();
    });
    MainFrame()->OnCommand(ID_APP_ABOUT);
    QCOMPARE(aboutText, QStringLiteral("Kolvira Version 1.2"));

    const QString render = QCoreApplication::applicationDirPath() + "/kolvira-render";
    if (!QFileInfo::exists(render))
        QSKIP("kolvira-render has not been built");
    QProcess process;
    process.start(render, {"--version"});
    QVERIFY(process.waitForFinished(10000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()),
             "kolvira-render " + aboutText.mid(QStringLiteral("Kolvira Version ").size()) + "\n" +
                 decodingText + "\n");
}

QTEST_MAIN(AppShellTest)
#include "AppShellTest.moc"
