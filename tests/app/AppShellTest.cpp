// The program's shell: the empty main window it starts with, opening files
// into Mosaic windows, the recent-file list across runs, and closing
// without questions.
#include "AppTestSupport.h"

#include "app/CommandActions.h"
#include "app/KolviraApp.h"
#include "app/MainFrame.h"
#include "app/OpenFileDialog.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/KolviraDoc.h"
#include "mosaicwindow/ListViewPhotos.h"
#include "photowindow/KolviraView.h"

#include <QAction>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
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

    void recentFilesComeBackNewestFirstInTheNextRun();

    void closingNeverAsksToSave_data();
    void closingNeverAsksToSave();

    void helpTopicsShowTheBundledPage();
};

void AppShellTest::startsWithMenu128AndNoDocumentWindow() {
    CMainFrame* frame = MainFrame();
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
    CKolviraDoc* document = theApp->OpenDocumentFile(path);
    QVERIFY(document != nullptr);
    QCOMPARE(DocumentWindowCount(), 1);
    CListView_Photos* mosaic = ActiveMosaic();
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
    QVERIFY(theApp->OpenDocumentFile(path) != nullptr);
    CListView_Photos* mosaic = ActiveMosaic();
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

    CKolviraDoc* firstDocument = theApp->OpenDocumentFile(first);
    CKolviraDoc* inFront = theApp->OpenDocumentFile(photos_->PathOf(secondFile));

    const QList<QMdiSubWindow*> windows = MainFrame()->MdiArea()->subWindowList();
    QCOMPARE(windows.size(), 2);
    QCOMPARE(theApp->mosaicTemplate->Documents().size(), std::size_t{2});
    QCOMPARE(ActiveChildFrame(), windows[windowInFront]);
    QVERIFY(ActiveMosaic() != nullptr);
    QCOMPARE(ActiveMosaic()->GetDocument(), inFront);
    QCOMPARE(inFront == firstDocument, windowInFront == 0);
    QCOMPARE(MainFrame()->windowTitle(), "Kolvira - " + photos_->Directory());
}

void AppShellTest::aMissingFileIsReportedOnceAndMakesNoWindow() {
    const std::string missing = photos_->PathOf("missing.jpg");
    MessageBoxCloser boxes;
    QVERIFY(theApp->OpenDocumentFile(missing) == nullptr);
    QCOMPARE(boxes.Count(), 1);
    QVERIFY2(boxes.Texts().front().contains("missing.jpg"), qPrintable(boxes.Texts().front()));
    QCOMPARE(DocumentWindowCount(), 0);
    QVERIFY(theApp->mosaicTemplate->Documents().empty());
    QVERIFY(theApp->Recent().Paths().empty());
}

void AppShellTest::recentFilesComeBackNewestFirstInTheNextRun() {
    const std::string older = photos_->AddPhoto("a.jpg", {64, 48});
    const std::string newer = photos_->AddPhoto("b.jpg", {64, 48});
    QVERIFY(theApp->OpenDocumentFile(older) != nullptr);
    QVERIFY(theApp->OpenDocumentFile(newer) != nullptr);

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
    QVERIFY(theApp->OpenDocumentFile(photos_->AddPhoto("a.jpg", {64, 48})) != nullptr);
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
}

// F1 and Help Topics open the page that comes inside the program; Shift+F1
// asks for the object to explain.
void AppShellTest::helpTopicsShowTheBundledPage() {
    for (int command : {ID_HELP, ID_HELP_FINDER}) {
        MainFrame()->OnCommand(command);
        QTextBrowser* browser = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            browser = browser != nullptr ? browser : qobject_cast<QTextBrowser*>(window);
        QVERIFY(browser != nullptr && browser->isVisible());
        const QString text = browser->toPlainText();
        for (const char* topic : {"Mosaic", "Paint", "Photo Editor", "Printing", "Saving",
                                  "kolvira-render --contact-sheet"})
            QVERIFY2(text.contains(QLatin1String(topic)), topic);
        browser->close();
    }

    // Shift+F1: what's-this mode, with its prompt.
    MainFrame()->OnCommand(ID_CONTEXT_HELP);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QCOMPARE(MainFrame()->StatusBar()->currentMessage(),
             QStringLiteral("Select an object on which to get Help"));
    QWhatsThis::leaveWhatsThisMode();
}

QTEST_MAIN(AppShellTest)
#include "AppShellTest.moc"
