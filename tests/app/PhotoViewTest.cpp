// The photo window: the photo scaled to the window's outer width, the
// scroll range over a kept picture, the double-click that fits the frame to
// the photo, and the empty window New makes before any photo was opened.
#include "AppTestSupport.h"

#include "app/Application.h"
#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentTemplate.h"
#include "framework/SaveTargets.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoView.h"

#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "imageio/ImageSurface.h"
#include "imageio/NativePath.h"
#include "imageio/PhotoScaling.h"
#include "render/RenderPass.h"

using namespace kolvira;
using namespace kolvira::test;

namespace {

// Paint with OK: the view keeps its picture from then on.
void KeepRenderedPicture(PhotoView* view) {
    WhenModalOpens<PaintDialog>(
        [](PaintDialog& dialog) { dialog.findChild<QPushButton*>("IDOK")->click(); });
    view->OnCommand(ID_PAINT);
}

} // namespace

class PhotoViewTest : public AppTestCase {
    Q_OBJECT

private slots:

    void photoIsDrawnAtTheWindowWidth_data();
    void photoIsDrawnAtTheWindowWidth();
    void keptPictureScrollsAsTheWindowChanges_data();
    void keptPictureScrollsAsTheWindowChanges();
    void doubleClickFitsTheFrameToThePhoto_data();
    void doubleClickFitsTheFrameToThePhoto();
    void newBeforeAnyPhotoGivesAnEmptyWindow_data();
    void newBeforeAnyPhotoGivesAnEmptyWindow();
    void newWindowShowsItsDocumentsPhoto();
    void activeSettingsPreviewTheRenderPassOverThePhoto();
    void statusBarSaysWhyAPhotoIsIncompleteOrMissing();
    void saveRefusesANameOfAFormatItDoesNotWrite();
};

void PhotoViewTest::photoIsDrawnAtTheWindowWidth_data() {
    QTest::addColumn<QSize>("photoSize");
    QTest::newRow("landscape") << QSize(640, 480);
    QTest::newRow("portrait, taller than the window") << QSize(300, 900);
    QTest::newRow("small, enlarged") << QSize(60, 40);
}

void PhotoViewTest::photoIsDrawnAtTheWindowWidth() {
    QFETCH(QSize, photoSize);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", photoSize));
    QVERIFY(view != nullptr);

    // Scaled to the outer width, frame and scroll bar included.
    QCOMPARE(view->pictureWidth, view->width());
    QCOMPARE(view->pictureHeight, photoSize.height() * view->width() / photoSize.width());

    // The quadrants' edges fall where the scale puts them.
    const QImage shown = view->viewport()->grab().toImage();
    const int midX = view->pictureWidth / 2;
    const int midY = view->pictureHeight / 2;
    const struct {
        QPoint at;
        QColor color;
    } probes[] = {{{10, 10}, Qt::red},
                  {{midX - 6, 10}, Qt::red},
                  {{midX + 6, 10}, Qt::green},
                  {{10, midY - 6}, Qt::red},
                  {{10, midY + 6}, Qt::blue}};
    for (const auto& probe : probes) {
        const QPoint at = probe.at * shown.devicePixelRatio(); // the grab is in screen pixels
        if (!shown.rect().contains(at))
            continue;
        const QColor seen = shown.pixelColor(at);
        QVERIFY2(ColorsClose(seen, probe.color),
                 qPrintable(QStringLiteral("(%1, %2) shows %3, expected %4")
                                .arg(probe.at.x())
                                .arg(probe.at.y())
                                .arg(seen.name(), probe.color.name())));
    }
}

// A kept picture no longer follows the window's width, but the scroll bars
// still follow the window, as they do over the live photo: narrowed or
// shortened, the window scrolls to the picture's last row and as far right
// as the live range reaches.
void PhotoViewTest::keptPictureScrollsAsTheWindowChanges_data() {
    QTest::addColumn<QSize>("change");
    QTest::newRow("narrower") << QSize(-300, 0);
    QTest::newRow("shorter") << QSize(0, -150);
    QTest::newRow("narrower and shorter") << QSize(-300, -150);
    QTest::newRow("larger than the picture") << QSize(200, 300);
}

void PhotoViewTest::keptPictureScrollsAsTheWindowChanges() {
    QFETCH(QSize, change);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(640, 400)));
    QVERIFY(view != nullptr);
    KeepRenderedPicture(view);
    QVERIFY(!view->Photo().Drawing().isNull());
    const QSize picture(view->pictureWidth, view->pictureHeight);

    ChildFrame* frame = ActiveChildFrame();
    frame->resize(frame->size() + change);
    QScrollBar* across = view->horizontalScrollBar();
    QScrollBar* down = view->verticalScrollBar();
    const auto client = [view] { return view->viewport()->size(); };
    QTRY_COMPARE(across->maximum(), std::max(0, picture.width() - 32 - client().width()));
    QTRY_COMPARE(down->maximum(), std::max(0, picture.height() - client().height()));
    QCOMPARE(view->pictureWidth, picture.width()); // the kept picture does not rescale

    across->setValue(across->maximum());
    down->setValue(down->maximum());
    const QImage shown = view->viewport()->grab().toImage();
    const QPoint corner(client().width() - 1, client().height() - 1);
    const QPoint inPicture = corner + QPoint(across->value(), down->value());
    if (QRect(QPoint(0, 0), picture).contains(inPicture))
        QCOMPARE(shown.pixel(corner), view->Photo().Drawing().pixel(inPicture));
    else
        QCOMPARE(shown.pixelColor(corner), view->palette().color(QPalette::Base));
}

// The frame takes the picture's proportions at the view's height, sized so
// that the picture fills the client area exactly: no strip of background
// below it and no scroll bar. A kept picture, which no longer scales, is
// fitted as it is.
void PhotoViewTest::doubleClickFitsTheFrameToThePhoto_data() {
    QTest::addColumn<QSize>("photoSize");
    QTest::addColumn<bool>("kept");
    QTest::newRow("4:3") << QSize(640, 480) << false;
    QTest::newRow("wide") << QSize(800, 200) << false;
    QTest::newRow("wider than the workspace") << QSize(1600, 200) << false;
    QTest::newRow("portrait, scrolled before") << QSize(480, 640) << false;
    QTest::newRow("kept picture") << QSize(640, 480) << true;
    QTest::newRow("kept picture taller than the workspace") << QSize(300, 900) << true;
}

void PhotoViewTest::doubleClickFitsTheFrameToThePhoto() {
    QFETCH(QSize, photoSize);
    QFETCH(bool, kept);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.jpg", photoSize));
    QVERIFY(view != nullptr);
    if (kept)
        KeepRenderedPicture(view);
    const QSize picture(view->pictureWidth, view->pictureHeight);
    const int clientHeight = view->viewport()->height();
    ChildFrame* frame = ActiveChildFrame();
    const QRect workspace = frame->mdiArea()->viewport()->rect();

    DoubleClick(view->viewport(), QPoint(20, 20));

    // Never past the workspace's edges: a taller picture scrolls.
    QTRY_VERIFY(workspace.contains(frame->geometry()));
    QTRY_VERIFY(!view->horizontalScrollBar()->isVisible());
    if (kept && picture.height() > workspace.height()) {
        QCOMPARE(frame->height(), workspace.height());
        QTRY_VERIFY(view->verticalScrollBar()->isVisible());
        QCOMPARE(view->width() - view->verticalScrollBar()->width(), picture.width());
        return;
    }
    QTRY_COMPARE(view->viewport()->height(), view->pictureHeight);
    QTRY_VERIFY(!view->verticalScrollBar()->isVisible());
    QCOMPARE(view->pictureWidth, view->width());
    if (kept) {
        QCOMPARE(QSize(view->pictureWidth, view->pictureHeight), picture);
    } else if (frame->width() < workspace.width()) {
        // The client area keeps its height, as near as whole pixels allow.
        QVERIFY2(std::abs(view->pictureHeight - clientHeight) <=
                     photoSize.height() / photoSize.width() + 1,
                 qPrintable(QStringLiteral("%1 -> %2").arg(clientHeight).arg(view->pictureHeight)));
    }
    // The bottom row is the photo's bottom-left quadrant, blue.
    const QImage shown = view->viewport()->grab().toImage();
    const QPoint bottomLeft(10, shown.height() - 1);
    const QColor bottom = shown.pixelColor(bottomLeft);
    if (kept)
        QCOMPARE(bottom, view->Photo().Drawing().pixelColor(bottomLeft));
    else
        QVERIFY2(ColorsClose(bottom, Qt::blue), qPrintable(bottom.name()));
}

void PhotoViewTest::newBeforeAnyPhotoGivesAnEmptyWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("New command") << "command";
    QTest::newRow("Ctrl+N") << "keys";
}

void PhotoViewTest::newBeforeAnyPhotoGivesAnEmptyWindow() {
    QFETCH(QString, how);
    if (how == "command")
        MainFrame()->OnCommand(ID_FILE_NEW);
    else
        QTest::keyClick(MainFrame(), Qt::Key_N, Qt::ControlModifier);

    QCOMPARE(DocumentWindowCount(), 1);
    PhotoView* view = ActivePhotoView();
    QVERIFY(view != nullptr);
    const QString title = view->GetDocument()->GetTitle();
    QVERIFY2(title.isEmpty() || title.startsWith("Kolvira"), qPrintable(title));
    QVERIFY(view->Photo().Image().isNull());
    QVERIFY(QTest::qWaitForWindowExposed(view));
    view->viewport()->grab();
    QCOMPARE(view->pictureHeight, 0);

    const QSize frameSize = ActiveChildFrame()->size();
    DoubleClick(view->viewport(), QPoint(20, 20));
    QCOMPARE(ActiveChildFrame()->size(), frameSize);
}

// A further window on a photo document shows that photo, not the one opened
// last from a Mosaic, and neither window takes the other's title.
void PhotoViewTest::newWindowShowsItsDocumentsPhoto() {
    const std::string first = photos_->AddPhoto("first.png", QSize(320, 240));
    const std::string second = photos_->AddPhoto("second.png", QSize(240, 320));
    PhotoView* firstView = ShowPhoto(first);
    QVERIFY(firstView != nullptr);
    QVERIFY(App()->OpenDocumentFile(second) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(mosaic != nullptr);
    mosaic->setCurrentRow(1);
    PhotoView* secondView = OpenCurrentEntry(mosaic); // now the photo opened last
    QVERIFY(secondView != nullptr);
    QCOMPARE(secondView->Photo().PhotoPath(), second);
    ChildFrame* firstFrame = nullptr;
    for (ChildFrame* frame : FramesOf(firstView->GetDocument()))
        firstFrame = frame;
    QVERIFY(firstFrame != nullptr);
    MainFrame()->MdiArea()->setActiveSubWindow(firstFrame);

    MainFrame()->OnCommand(ID_WINDOW_NEW);
    PhotoView* newView = ActivePhotoView();
    QVERIFY(newView != nullptr && newView != firstView);
    QCOMPARE(newView->GetDocument(), firstView->GetDocument());
    QCOMPARE(newView->Photo().PhotoPath(), first);
    QCOMPARE(newView->Photo().Image().size(), QSize(320, 240));
    QCOMPARE(firstView->GetDocument()->GetTitle(), ShownPath(first));
}

// While the settings are active every paint shows the render pass over the
// photo as drawn: the window's pixels are those of the pass run over the
// scaled photo and the background around it.
void PhotoViewTest::activeSettingsPreviewTheRenderPassOverThePhoto() {
    const QSize photoSize(640, 480);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", photoSize));
    QVERIFY(view != nullptr);
    view->Photo().Settings().active = true;
    view->Photo().Settings().style = kStylePicasso;
    view->Photo().Settings().penPress = 0.25;
    view->Photo().Settings().details = 0.75;
    view->viewport()->repaint();
    const QImage shown = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // In screen pixels, as the window renders it.
    const qreal ratio = view->DeviceRatio();
    QImage expected(view->WindowRect().size() * ratio, QImage::Format_RGB32);
    expected.fill(view->palette().color(QPalette::Base));
    const int width = expected.width();
    const QImage scaled =
        ScalePhoto(view->Photo().Image(),
                   QSize(width, static_cast<int>(ProportionalHeight(photoSize, width))));
    for (int y = 0; y < scaled.height() && y < expected.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(scaled.constScanLine(y)), scaled.width(),
                    reinterpret_cast<QRgb*>(expected.scanLine(y)));
    PictureSurface surface = SurfaceOf(expected);
    RenderPicture(surface, view->Photo().Settings(), {0, 0, expected.width(), expected.height()});

    const QRect visible = shown.rect().intersected(expected.rect());
    QVERIFY(!visible.isEmpty());
    for (int y = visible.top(); y <= visible.bottom(); y += 7)
        for (int x = visible.left(); x <= visible.right(); x += 5)
            QCOMPARE(shown.pixel(x, y), expected.pixel(x, y));
}

// A cut-off photo shows what could be decoded and the status bar says it is
// damaged; a photo that turned unreadable after the Mosaic listed it leaves
// the window empty, with the reason.
void PhotoViewTest::statusBarSaysWhyAPhotoIsIncompleteOrMissing() {
    const std::string damaged = photos_->AddPhoto("damaged.jpg", QSize(400, 300));
    QVERIFY(QFile::resize(QString::fromStdString(damaged), 4000));
    QVERIFY(App()->OpenDocumentFile(damaged) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(mosaic != nullptr);
    QCOMPARE(mosaic->count(), 1); // listed with what decoded
    PhotoView* view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr);
    QCOMPARE(view->Photo().Image().size(), QSize(400, 300));
    QString message = MainFrame()->StatusBar()->currentMessage();
    QVERIFY2(message.contains("damaged.jpg is damaged: ") && message.contains("premature end"),
             qPrintable(message));

    photos_->Remove("damaged.jpg");
    photos_->AddNonImage("damaged.jpg");
    view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr);
    QVERIFY(view->Photo().Image().isNull());
    message = MainFrame()->StatusBar()->currentMessage();
    QVERIFY2(message.startsWith("Cannot show ") && message.contains("damaged.jpg: "),
             qPrintable(message));
    // Nothing to save or print.
    for (int id : {ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_DIRECT})
        QVERIFY(!MainFrame()->RouteHandles(id));
}

void PhotoViewTest::saveRefusesANameOfAFormatItDoesNotWrite() {
    const QTemporaryDir dir;
    const WriteOutcome refused =
        SavePictureFile(QImage(8, 8, QImage::Format_RGB32), dir.filePath("drawing.gif"));
    QVERIFY(refused.IsFailed());
    QCOMPARE(refused.Reason(), QStringLiteral("Kolvira saves pictures as PNG, JPEG, BMP or TIFF: "
                                              "end the name with .png, .jpg, .bmp or .tif."));
}

QTEST_MAIN(PhotoViewTest)
#include "PhotoViewTest.moc"
