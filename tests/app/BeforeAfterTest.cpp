// Comparing and moving on in a photo window: Show Original (the `\` key or
// the menu), Split View, Revert to Photo, the question about an unsaved
// drawing, and Next and Previous Photo through the Mosaic.
#include "AppTestSupport.h"

#include "app/CommandActions.h"
#include "app/MainWindow.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "imageio/NativePath.h"
#include "imageio/PhotoScaling.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoView.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

using namespace kolvira;
using namespace kolvira::test;

namespace {

// A pen drawing kept with OK in the Paint dialog; `whileOpen` runs with the
// dialog still open, after an Apply.
void KeepDrawing(PhotoView* view, const std::function<void(PaintDialog&)>& whileOpen = {}) {
    WhenModalOpens<PaintDialog>([whileOpen](PaintDialog& dialog) {
        dialog.findChild<QAbstractButton*>("coal")->click();
        dialog.findChild<QAbstractButton*>("apply")->click();
        if (whileOpen)
            whileOpen(dialog);
        dialog.findChild<QAbstractButton*>("IDOK")->click();
    });
    view->OnCommand(ID_PAINT);
}

QImage Shown(PhotoView* view) {
    view->viewport()->repaint();
    return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Whether the window shows the photo (true) or the kept drawing (false) at x.
bool ShowsPhotoAt(PhotoView* view, int x) {
    const QImage shown = Shown(view);
    const int width =
        view->Photo().Drawing().isNull() ? view->pictureWidth : view->Photo().Drawing().width();
    const QImage photo = PhotoAtWidth(view->Photo().Image(), width);
    if (photo.isNull())
        return false;
    for (int y = 2; y < std::min(shown.height(), photo.height()); y += 9) {
        if (shown.pixel(x, y) != photo.pixel(x, y))
            return false;
    }
    return true;
}

bool ShowsDrawingAt(PhotoView* view, int x) {
    const QImage shown = Shown(view);
    for (int y = 2; y < std::min(shown.height(), view->Photo().Drawing().height()); y += 9) {
        if (shown.pixel(x, y) != view->Photo().Drawing().pixel(x, y))
            return false;
    }
    return true;
}

} // namespace

class BeforeAfterTest : public AppTestCase {
    Q_OBJECT

private slots:
    void theOriginalShowsWhileTheKeyIsHeldOrTheItemIsOn();
    void splitViewShowsThePhotoLeftOfTheLine();
    void revertDropsTheDrawing();
    void closingAsksAboutAnUnsavedDrawing_data();
    void closingAsksAboutAnUnsavedDrawing();
    void nextAndPreviousWalkTheMosaic();
};

void BeforeAfterTest::theOriginalShowsWhileTheKeyIsHeldOrTheItemIsOn() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", {640, 480}));
    QVERIFY(view != nullptr);
    bool originalInDialog = false;
    bool previewAfterRelease = false;
    KeepDrawing(view, [&](PaintDialog& dialog) {
        // The keys go to the dialog; the window behind it still answers `\`.
        QWidget* keys = dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog;
        QTest::keyPress(keys, Qt::Key_Backslash);
        originalInDialog = ShowsPhotoAt(view, 10);
        QTest::keyRelease(keys, Qt::Key_Backslash);
        previewAfterRelease = !ShowsPhotoAt(view, 10);
    });
    QVERIFY(!view->Photo().Drawing().isNull());
    QVERIFY(originalInDialog);
    QVERIFY(previewAfterRelease);

    const int x = view->pictureWidth / 3;
    QVERIFY(ShowsDrawingAt(view, x));
    QTest::keyPress(view, Qt::Key_Backslash);
    QVERIFY(ShowsPhotoAt(view, x));
    QTest::keyRelease(view, Qt::Key_Backslash);
    QVERIFY(ShowsDrawingAt(view, x));

    MainFrame()->OnCommand(ID_SHOW_ORIGINAL);
    QVERIFY(view->IsCommandChecked(ID_SHOW_ORIGINAL));
    QVERIFY(ShowsPhotoAt(view, x));
    MainFrame()->OnCommand(ID_SHOW_ORIGINAL);
    QVERIFY(ShowsDrawingAt(view, x));
}

void BeforeAfterTest::splitViewShowsThePhotoLeftOfTheLine() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", {640, 480}));
    QVERIFY(view != nullptr);
    KeepDrawing(view);
    MainFrame()->OnCommand(ID_SPLIT_VIEW);
    const int middle = view->pictureWidth / 2;
    QVERIFY(ShowsPhotoAt(view, middle / 2));
    QVERIFY(ShowsDrawingAt(view, middle + middle / 2));

    // Dragging the line moves the border.
    const QPoint line(middle, 40);
    QTest::mousePress(view->viewport(), Qt::LeftButton, {}, line);
    QMouseEvent move(QEvent::MouseMove, QPointF(middle / 4, 40), QPointF(middle / 4, 40),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, QPoint(middle / 4, 40));
    QVERIFY(ShowsDrawingAt(view, middle / 2));
    QVERIFY(ShowsPhotoAt(view, middle / 8));
}

void BeforeAfterTest::revertDropsTheDrawing() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", {640, 480}));
    QVERIFY(view != nullptr);
    KeepDrawing(view);
    QVERIFY(view->HandlesCommand(ID_REVERT_TO_PHOTO));
    MainFrame()->OnCommand(ID_REVERT_TO_PHOTO);
    QVERIFY(view->Photo().Drawing().isNull());
    QVERIFY(!view->Photo().Settings().active);
    const QImage shown = Shown(view);
    const QImage photo = PhotoAtWidth(view->Photo().Image(), view->pictureWidth);
    QCOMPARE(shown.pixel(10, 10), photo.pixel(10, 10));
    QVERIFY(!view->HandlesCommand(ID_REVERT_TO_PHOTO));
}

void BeforeAfterTest::closingAsksAboutAnUnsavedDrawing_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asking");
    QTest::addColumn<bool>("closes");
    QTest::newRow("Cancel keeps the window") << int{QMessageBox::Cancel} << true << false;
    QTest::newRow("Discard closes it") << int{QMessageBox::Discard} << true << true;
    QTest::newRow("not asked by default") << int{QMessageBox::Cancel} << false << true;
}

void BeforeAfterTest::closingAsksAboutAnUnsavedDrawing() {
    QFETCH(int, answer);
    QFETCH(bool, asking);
    QFETCH(bool, closes);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", {320, 240}));
    QVERIFY(view != nullptr);
    if (asking)
        MainFrame()->OnCommand(ID_ASK_TO_SAVE_DRAWINGS); // the checkable item turns it on
    QCOMPARE(MainFrame()->Actions().Action(ID_ASK_TO_SAVE_DRAWINGS)->isChecked(), asking);
    KeepDrawing(view);
    QString question;
    if (asking) {
        WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
            question = box.text();
            box.button(static_cast<QMessageBox::StandardButton>(answer))->click();
        });
    }
    const MessageBoxCloser unexpected; // closes any box the "off" case would show
    ActiveChildFrame()->close();
    QTRY_COMPARE(DocumentWindowCount(), closes ? 1 : 2);
    QCOMPARE(question, asking ? QStringLiteral("Save the drawing of photo.png?") : QString());
    QCOMPARE(unexpected.Count(), 0);
}

void BeforeAfterTest::nextAndPreviousWalkTheMosaic() {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg", "d.jpg"})
        photos_->AddPhoto(QString::fromLatin1(name), {80, 60});
    QVERIFY(App()->OpenDocumentFile(photos_->PathOf("a.jpg")) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(mosaic != nullptr);
    QVERIFY(WaitForMosaicBuild(mosaic));
    // c.jpg taken off the list: the walk passes over it.
    mosaic->setCurrentRow(2);
    mosaic->RemoveSelectedEntries();
    QCOMPARE(mosaic->count(), 3);
    PhotoView* view = OpenCurrentEntry(mosaic); // a.jpg
    QVERIFY(view != nullptr);
    QCOMPARE(view->Photo().PhotoPath(), photos_->PathOf("a.jpg"));
    view->Photo().Settings().penPress = 0.125; // kept from photo to photo

    // Alt+Right works before any menu has been opened.
    QVERIFY(MainFrame()->Actions().Action(ID_NEXT_PHOTO)->isEnabled());
    const auto step = [](int command) { MainFrame()->OnCommand(command); };
    QVERIFY(!view->HandlesCommand(ID_PREVIOUS_PHOTO)); // the first photo
    step(ID_NEXT_PHOTO);
    QCOMPARE(view->Photo().PhotoPath(), photos_->PathOf("b.jpg"));
    step(ID_NEXT_PHOTO);
    QCOMPARE(view->Photo().PhotoPath(), photos_->PathOf("d.jpg"));
    QVERIFY(!view->HandlesCommand(ID_NEXT_PHOTO)); // the last
    step(ID_PREVIOUS_PHOTO);
    QCOMPARE(view->Photo().PhotoPath(), photos_->PathOf("b.jpg"));
    QCOMPARE(view->GetDocument()->GetTitle(), ShownPath(photos_->PathOf("b.jpg")));
    QCOMPARE(view->Photo().Settings().penPress, 0.125);
    QCOMPARE(view->Photo().Image().size(), QSize(80, 60));
}

QTEST_MAIN(BeforeAfterTest)
#include "BeforeAfterTest.moc"
