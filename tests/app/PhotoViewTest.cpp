// The photo window: the photo scaled to the window's outer width, the
// double-click that fits the frame to the photo, and the empty window New
// makes before any photo was opened.
#include "AppTestSupport.h"

#include "app/KolviraApp.h"
#include "app/MainFrame.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/KolviraDoc.h"
#include "mosaicwindow/ListViewPhotos.h"
#include "photowindow/KolviraView.h"

#include <QFile>
#include <QTest>

#include "imageio/ImageSurface.h"
#include "imageio/PhotoScaling.h"
#include "render/RenderPass.h"

using namespace kolvira;
using namespace kolvira::test;

class PhotoViewTest : public AppTestCase {
    Q_OBJECT

private slots:

    void photoIsDrawnAtTheWindowWidth_data();
    void photoIsDrawnAtTheWindowWidth();
    void doubleClickFitsTheFrameToThePhoto_data();
    void doubleClickFitsTheFrameToThePhoto();
    void newBeforeAnyPhotoGivesAnEmptyWindow_data();
    void newBeforeAnyPhotoGivesAnEmptyWindow();
    void activeSettingsPreviewTheRenderPassOverThePhoto();
    void statusBarSaysWhyAPhotoIsIncompleteOrMissing();
};

void PhotoViewTest::photoIsDrawnAtTheWindowWidth_data() {
    QTest::addColumn<QSize>("photoSize");
    QTest::newRow("landscape") << QSize(640, 480);
    QTest::newRow("portrait, taller than the window") << QSize(300, 900);
    QTest::newRow("small, enlarged") << QSize(60, 40);
}

void PhotoViewTest::photoIsDrawnAtTheWindowWidth() {
    QFETCH(QSize, photoSize);
    CKolviraView* view = ShowPhoto(photos_->AddPhoto("photo.png", photoSize));
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
        QColor colour;
    } probes[] = {{{10, 10}, Qt::red},
                  {{midX - 6, 10}, Qt::red},
                  {{midX + 6, 10}, Qt::green},
                  {{10, midY - 6}, Qt::red},
                  {{10, midY + 6}, Qt::blue}};
    for (const auto& probe : probes) {
        if (!shown.rect().contains(probe.at))
            continue;
        const QColor seen = shown.pixelColor(probe.at);
        QVERIFY2(ColoursClose(seen, probe.colour),
                 qPrintable(QStringLiteral("(%1, %2) shows %3, expected %4")
                                .arg(probe.at.x())
                                .arg(probe.at.y())
                                .arg(seen.name(), probe.colour.name())));
    }
}

// The frame takes the picture's proportions at the view's height, 32 pixels
// taller than the view's client area.
void PhotoViewTest::doubleClickFitsTheFrameToThePhoto_data() {
    QTest::addColumn<QSize>("photoSize");
    QTest::newRow("4:3") << QSize(640, 480);
    QTest::newRow("wide") << QSize(800, 200);
}

void PhotoViewTest::doubleClickFitsTheFrameToThePhoto() {
    QFETCH(QSize, photoSize);
    CKolviraView* view = ShowPhoto(photos_->AddPhoto("photo.jpg", photoSize));
    QVERIFY(view != nullptr);
    const int clientHeight = view->viewport()->height();
    const QSize fitted(view->pictureWidth * clientHeight / view->pictureHeight, clientHeight + 32);

    DoubleClick(view->viewport(), QPoint(20, 20));

    QCOMPARE(ActiveChildFrame()->size(), fitted);
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
    CKolviraView* view = ActivePhotoView();
    QVERIFY(view != nullptr);
    const QString title = view->GetDocument()->GetTitle();
    QVERIFY2(title.isEmpty() || title.startsWith("Kolvira"), qPrintable(title));
    QVERIFY(view->photo.isNull());
    QVERIFY(QTest::qWaitForWindowExposed(view));
    view->viewport()->grab();
    QCOMPARE(view->pictureHeight, 0);

    const QSize frameSize = ActiveChildFrame()->size();
    DoubleClick(view->viewport(), QPoint(20, 20));
    QCOMPARE(ActiveChildFrame()->size(), frameSize);
}

// While the settings are active every paint shows the render pass over the
// photo as drawn: the window's pixels are those of the pass run over the
// scaled photo and the background around it.
void PhotoViewTest::activeSettingsPreviewTheRenderPassOverThePhoto() {
    const QSize photoSize(640, 480);
    CKolviraView* view = ShowPhoto(photos_->AddPhoto("photo.png", photoSize));
    QVERIFY(view != nullptr);
    view->settings.active = true;
    view->settings.style = kStylePicasso;
    view->settings.penPress = 0.25;
    view->settings.details = 0.75;
    view->viewport()->repaint();
    const QImage shown = view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);

    QImage expected(view->WindowRect().size(), QImage::Format_RGB32);
    expected.fill(view->palette().color(QPalette::Base));
    const QImage scaled = ScalePhoto(view->photo, QSize(view->pictureWidth, view->pictureHeight));
    for (int y = 0; y < scaled.height() && y < expected.height(); ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(scaled.constScanLine(y)), scaled.width(),
                    reinterpret_cast<QRgb*>(expected.scanLine(y)));
    PictureSurface surface = SurfaceOf(expected);
    RenderPicture(surface, view->settings, {0, 0, expected.width(), expected.height()});

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
    QVERIFY(theApp->OpenDocumentFile(damaged) != nullptr);
    CListView_Photos* mosaic = ActiveMosaic();
    QVERIFY(mosaic != nullptr);
    QCOMPARE(mosaic->count(), 1); // listed with what decoded
    CKolviraView* view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr);
    QCOMPARE(view->photo.size(), QSize(400, 300));
    QString message = MainFrame()->StatusBar()->currentMessage();
    QVERIFY2(message.contains("damaged.jpg is damaged: ") && message.contains("premature end"),
             qPrintable(message));

    photos_->Remove("damaged.jpg");
    photos_->AddNonImage("damaged.jpg");
    view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr);
    QVERIFY(view->photo.isNull());
    message = MainFrame()->StatusBar()->currentMessage();
    QVERIFY2(message.startsWith("Cannot show ") && message.contains("damaged.jpg: "),
             qPrintable(message));
}

QTEST_MAIN(PhotoViewTest)
#include "PhotoViewTest.moc"
