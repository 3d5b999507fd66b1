// A photo view made and driven on its own, as a template makes one, through
// a fake host: what it tells the program and what it shows of it, without
// starting the program.
#include "AppTestSupport.h"

#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/StatusProgress.h"
#include "framework/WindowHost.h"
#include "imageio/NativePath.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoView.h"

#include <QAbstractButton>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

#include <memory>

using namespace kolvira;
using namespace kolvira::test;

namespace {

// Counts the paints of the progress bars shown in a status bar, so that a
// test can tell a bar that was seen.
class ProgressBarPaints : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildAdded)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        else if (event->type() == QEvent::Paint && qobject_cast<QProgressBar*>(watched))
            ++count;
        return false;
    }
    int count = 0;
};

// Records what a view tells the program, and gives it a window with a real
// status bar and progress, and a printer.
class FakeHost : public WindowHost {
public:
    FakeHost()
        : statusBar_(new QStatusBar(&window_)),
          progress_(statusBar_, [this] { return statusBar_->rect(); }) {
        auto* layout = new QVBoxLayout(&window_);
        layout->addStretch();
        layout->addWidget(statusBar_);
        window_.resize(500, 80);
        window_.show();
        statusBar_->installEventFilter(&progressBarPaints);
    }

    void ShowStatusMessage(const QString& text) override { messages << text; }
    StatusProgress* Progress() override { return &progress_; }
    void OpenPhotoWindow(const std::string&) override { ++photoWindowsOpened; }
    kolvira::ProtectedFiles OpenPhotos() const override { return {}; }
    QPrinter& Printer() override { return printer_; }
    QWidget* DialogParent() const override { return &window_; }
    void CommandStateChanged() override {}

    ProgressBarPaints progressBarPaints; // outlives the window it watches
    QStringList messages;
    int photoWindowsOpened = 0;

private:
    mutable QWidget window_; // dialogs are parented to it
    QStatusBar* statusBar_;
    StatusProgress progress_;
    QPrinter printer_;
};

// A view as a template makes it: on a document, with the host, then its
// initial update.
struct ViewOnItsOwn {
    ViewOnItsOwn(const std::string& path, FakeHost& host)
        : document(nullptr, QStringLiteral("untitled"), path), view(document) {
        view.AttachDocument(&document);
        view.AttachHost(&host);
        view.OnInitialUpdate();
        view.resize(400, 300);
        view.show();
    }
    PhotoDocument document;
    PhotoView view;
};

void ClickIn(QWidget& dialog, const char* name) {
    dialog.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
}

} // namespace

class FakeHostTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { PrepareTestProgram(); }
    void init() { photos_ = std::make_unique<PhotoFolder>(); }

    void unreadablePhotoIsReportedThroughTheHost_data();
    void unreadablePhotoIsReportedThroughTheHost();
    void applyShowsTheRenderProgress_data();
    void applyShowsTheRenderProgress();

private:
    std::unique_ptr<PhotoFolder> photos_;
};

// The window stays empty and the status bar says why; the caption still
// shows the path.
void FakeHostTest::unreadablePhotoIsReportedThroughTheHost_data() {
    QTest::addColumn<bool>("exists");
    QTest::newRow("not a picture") << true;
    QTest::newRow("missing") << false;
}

void FakeHostTest::unreadablePhotoIsReportedThroughTheHost() {
    QFETCH(bool, exists);
    const std::string path =
        exists ? photos_->AddNonImage("photo.jpg") : photos_->PathOf("gone.jpg");
    FakeHost host;
    ViewOnItsOwn shown(path, host);

    QVERIFY(shown.view.Photo().Image().isNull());
    QCOMPARE(host.messages.size(), 1);
    QVERIFY2(host.messages[0].startsWith(QStringLiteral("Cannot show %1: ").arg(ShownPath(path))),
             qPrintable(host.messages[0]));
    QCOMPARE(shown.document.GetTitle(), ShownPath(path));
    QCOMPARE(host.photoWindowsOpened, 0);
}

// The pass an Apply starts shows the status bar's progress as OK's does,
// over the live photo and over a kept picture alike.
void FakeHostTest::applyShowsTheRenderProgress_data() {
    QTest::addColumn<bool>("kept");
    QTest::newRow("live photo") << false;
    QTest::newRow("kept picture") << true;
}

void FakeHostTest::applyShowsTheRenderProgress() {
    QFETCH(bool, kept);
    FakeHost host;
    ViewOnItsOwn shown(photos_->AddPhoto("photo.png", QSize(320, 240)), host);
    QVERIFY(QTest::qWaitForWindowExposed(&shown.view));
    QTRY_VERIFY(shown.view.pictureHeight > 0);
    if (kept) {
        WhenModalOpens<PaintDialog>([](PaintDialog& dialog) { ClickIn(dialog, "IDOK"); });
        shown.view.OnCommand(kolvira::ID_PAINT);
        QVERIFY(!shown.view.Photo().Drawing().isNull());
    }

    int barPaintsOnApply = 0;
    WhenModalOpens<PaintDialog>([&](PaintDialog& dialog) {
        ClickIn(dialog, "picasso");
        const int before = host.progressBarPaints.count;
        ClickIn(dialog, "apply");
        barPaintsOnApply = host.progressBarPaints.count - before;
        ClickIn(dialog, "IDOK");
    });
    shown.view.OnCommand(kolvira::ID_PAINT);

    QVERIFY(barPaintsOnApply > 0);
    QCOMPARE(host.Progress()->Bar(), nullptr); // gone once the pass has ended
}

QTEST_MAIN(FakeHostTest)
#include "FakeHostTest.moc"
