// The photo window's Paint and Photo Editor commands as a user runs them:
// Apply previews behind the dialog, OK keeps the picture rendered from the
// photo, Cancel brings back every setting and what was shown; and the two
// mouse actions that read the colour shown under the pointer.
#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "photowindow/DrawingQuestion.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoEditorDialog.h"
#include "photowindow/PhotoView.h"

#include "imageio/ImageSurface.h"
#include "imageio/PhotoScaling.h"
#include "photowindow/PreviewCache.h"
#include "render/RenderPass.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QProcess>
#include <QSlider>
#include <QTest>

#include <functional>

using namespace kolvira;
using namespace kolvira::test;

namespace {

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

void SetSlider(QWidget& dialog, const char* name, int position) {
    auto* slider = dialog.findChild<QSlider*>(QString::fromLatin1(name));
    QVERIFY2(slider != nullptr, name);
    slider->setValue(position);
}

QImage Shown(PhotoView* view) {
    return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The screen pixels per logical pixel these tests run at (CTest runs them
// at 1 and at 2).
qreal TestedRatio() {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    return factor.isEmpty() ? 1.0 : factor.toDouble();
}

// The width of the picture a view makes, in screen pixels.
int DeviceWidth(const PhotoView* view) {
    return qRound(view->pictureWidth * TestedRatio());
}

// What the picture kept on OK must be: the photo drawn on black at the
// picture's size in screen pixels, and the render pass over it.
QImage ExpectedPicture(const PhotoView* view, const RenderSettings& settings) {
    const int width = DeviceWidth(view);
    QImage picture(width, static_cast<int>(ProportionalHeight(view->Photo().Image().size(), width)),
                   QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    DrawPhotoAtWidth(painter, view->Photo().Image(), width);
    painter.end();
    PictureSurface surface = SurfaceOf(picture);
    RenderPicture(surface, settings, {0, 0, picture.width(), picture.height()});
    return picture;
}

// Whether the window shows `picture` at its top-left corner, as far as the
// window reaches.
bool ShowsPicture(PhotoView* view, const QImage& picture) {
    const QImage shown = Shown(view);
    const QRect visible = shown.rect().intersected(picture.rect());
    if (visible.isEmpty())
        return false;
    for (int y = visible.top(); y <= visible.bottom(); ++y)
        for (int x = visible.left(); x <= visible.right(); ++x)
            if (shown.pixel(x, y) != picture.pixel(x, y))
                return false;
    return true;
}

void RunCommand(int commandId) {
    MainFrame()->OnCommand(commandId);
}

} // namespace

class RenderCommandsTest : public AppTestCase {
    Q_OBJECT

private slots:
    void applyPreviewsAndOkKeepsTheRenderedPhoto();
    void keptPictureEqualsKolviraRender();
    void photoEditorStartsFromTheViewsNumbers();
    void cancelRestoresEverySettingAndTheWindow_data();
    void cancelRestoresEverySettingAndTheWindow();
    void okWithoutApplyRendersTheRecordAsItWas();
    void secondOkRendersFromThePhotoAgain();
    void applyOverAKeptPicturePreviewsAndCancelKeepsIt();
    void rightClicksPickOldAndNewColorsInTurn();
    void probeReportsTheColorAsShown();
    void dialogsOnAWindowWithoutAPhoto();
    void previewIsRenderedOnlyWhenItsInputsChange();
    void dialogsOpenBesideThePhotoWindowOrWhereTheyWereLeft();
    void windowsOnOnePhotoShareItsDrawing();
};

void RenderCommandsTest::applyPreviewsAndOkKeepsTheRenderedPhoto() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(640, 480)));
    QVERIFY(view != nullptr);
    const QImage before = Shown(view);

    bool previewed = false;
    WhenModalOpens<PaintDialog>([&](PaintDialog& dialog) {
        Click(dialog, "coal");
        SetSlider(dialog, "details", 60);
        PaintCounter paints(view->viewport());
        Click(dialog, "apply");
        previewed = paints.count > 0 && Shown(view) != before;
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PAINT);

    QVERIFY(previewed);
    QCOMPARE(view->Photo().Settings().style, int{kStyleCoal});
    QCOMPARE(view->Photo().Settings().details, 0.4);
    QCOMPARE(view->Photo().Settings().penPress, 0.25);
    QVERIFY(view->Photo().Settings().active);
    QCOMPARE(view->Photo().Drawing(), ExpectedPicture(view, view->Photo().Settings()));
    QVERIFY(ShowsPicture(view, view->Photo().Drawing()));
}

// The window and the batch renderer make the same picture of the same photo
// at the same width with the same settings, to the byte.
void RenderCommandsTest::keptPictureEqualsKolviraRender() {
    const std::string photoPath = photos_->AddPhoto("photo.jpg", QSize(900, 600));
    PhotoView* view = ShowPhoto(photoPath);
    QVERIFY(view != nullptr);

    WhenModalOpens<PaintDialog>([&](PaintDialog& dialog) {
        Click(dialog, "picasso");
        SetSlider(dialog, "penPress", 30);
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PAINT);
    QVERIFY(!view->Photo().Drawing().isNull());
    // On a screen of ratio r the window renders r times its width: the
    // picture of a window r times as large.
    QCOMPARE(view->DeviceRatio(), TestedRatio());
    QCOMPARE(view->Photo().Drawing().width(), DeviceWidth(view));

    const QString output = photos_->Directory() + QStringLiteral("/rendered.png");
    // The record as the Paint dialog left it: the other levels are still 0.
    const QString settings = QStringLiteral(
        "--style picasso --pen-press 0.7 --details 0.75 --brightness 0 --red 0 --green 0 --blue 0");
    QProcess render;
    render.start(QStringLiteral(KOLVIRA_RENDER_EXE),
                 settings.split(' ') +
                     QStringList{"--quiet", "--width", QString::number(DeviceWidth(view)),
                                 QFile::decodeName(photoPath.c_str()), "-o", output});
    QVERIFY(render.waitForFinished(60000));
    QCOMPARE(render.exitCode(), 0);
    const QImage rendered = QImage(output).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(rendered, view->Photo().Drawing());
}

void RenderCommandsTest::photoEditorStartsFromTheViewsNumbers() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(320, 240)));
    QVERIFY(view != nullptr);
    view->Photo().Settings().penPress = 0.125;

    WhenModalOpens<PhotoEditorDialog>([&](PhotoEditorDialog& dialog) {
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PHOTO_EDITOR);

    // The numbers a decoded photo starts with; the strokes stay as they were.
    const RenderSettings& s = view->Photo().Settings();
    QCOMPARE(s.style, int{kStylePhotoEffects});
    QCOMPARE(s.replaceDepth, 40);
    QCOMPARE(s.brushSize, 2);
    QCOMPARE(s.penPress, 0.125);
}

void RenderCommandsTest::cancelRestoresEverySettingAndTheWindow_data() {
    QTest::addColumn<int>("commandId");
    QTest::newRow("Paint") << int{ID_PAINT};
    QTest::newRow("Photo Editor") << int{ID_PHOTO_EDITOR};
}

// Several Applies, then Cancel: the record is as it was when the dialog
// opened and the window shows the photo as before.
void RenderCommandsTest::cancelRestoresEverySettingAndTheWindow() {
    QFETCH(int, commandId);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(640, 480)));
    QVERIFY(view != nullptr);
    view->Photo().Settings().oldColor = 0x00112233;
    const QImage before = Shown(view);
    const RenderSettings opened = view->Photo().Settings();

    int applies = 0;
    auto applyTwiceThenCancel = [&](QWidget& dialog, const char* firstChoice,
                                    const char* secondChoice) {
        Click(dialog, firstChoice);
        Click(dialog, "apply");
        applies += !(view->Photo().Settings().Parameters() == opened.Parameters());
        Click(dialog, secondChoice);
        Click(dialog, "apply");
        applies += !(view->Photo().Settings().Parameters() == opened.Parameters());
        Click(dialog, "IDCANCEL");
    };
    if (commandId == ID_PAINT)
        WhenModalOpens<PaintDialog>(
            [&](PaintDialog& d) { applyTwiceThenCancel(d, "revolution", "waterColor"); });
    else
        WhenModalOpens<PhotoEditorDialog>(
            [&](PhotoEditorDialog& d) { applyTwiceThenCancel(d, "blur", "blackWhitePhoto"); });
    RunCommand(commandId);

    QCOMPARE(applies, 2);
    QVERIFY((view->Photo().Settings().Parameters() == opened.Parameters()));
    QVERIFY(view->Photo().Drawing().isNull());
    QCOMPARE(Shown(view), before);
}

void RenderCommandsTest::okWithoutApplyRendersTheRecordAsItWas() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    const RenderSettings fresh = view->Photo().Settings();

    WhenModalOpens<PaintDialog>([](PaintDialog& dialog) { Click(dialog, "IDOK"); });
    RunCommand(ID_PAINT);

    QVERIFY((view->Photo().Settings().Parameters() == fresh.Parameters()));
    QVERIFY(!view->Photo().Settings().active);
    QCOMPARE(view->Photo().Drawing(), ExpectedPicture(view, fresh));
}

// Inverting twice would give the first picture back: the second OK must
// invert the photo, not the picture kept before.
void RenderCommandsTest::secondOkRendersFromThePhotoAgain() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    auto invert = [](PhotoEditorDialog& dialog) {
        Click(dialog, "impressionBrush"); // no impression brush
        Click(dialog, "invertColors");
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    };
    WhenModalOpens<PhotoEditorDialog>(invert);
    RunCommand(ID_PHOTO_EDITOR);
    const QImage first = view->Photo().Drawing();

    view->resize(view->width() + 40, view->height()); // a kept picture keeps its size
    WhenModalOpens<PhotoEditorDialog>(invert);
    RunCommand(ID_PHOTO_EDITOR);

    QCOMPARE(view->Photo().Drawing(), first);
    QCOMPARE(view->Photo().Drawing(), ExpectedPicture(view, view->Photo().Settings()));
    QCOMPARE(QColor(first.pixel(5, 5)), QColor(0, 255, 255)); // red inverted
}

void RenderCommandsTest::applyOverAKeptPicturePreviewsAndCancelKeepsIt() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(640, 480)));
    QVERIFY(view != nullptr);
    WhenModalOpens<PaintDialog>([](PaintDialog& dialog) {
        Click(dialog, "coal");
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PAINT);
    const QImage kept = view->Photo().Drawing();
    const RenderSettings keptSettings = view->Photo().Settings();

    bool previewedRainbow = false;
    WhenModalOpens<PaintDialog>([&](PaintDialog& dialog) {
        Click(dialog, "rainbow");
        Click(dialog, "apply");
        previewedRainbow = ShowsPicture(view, ExpectedPicture(view, view->Photo().Settings()));
        Click(dialog, "IDCANCEL");
    });
    RunCommand(ID_PAINT);

    QVERIFY(previewedRainbow);
    QVERIFY((view->Photo().Settings().Parameters() == keptSettings.Parameters()));
    QCOMPARE(view->Photo().Drawing(), kept);
    QVERIFY(ShowsPicture(view, kept));
}

// Right clicks pick the colour to replace, then its replacement, then the
// colour to replace again; each pick is announced in a message box and
// then in the status bar, and the Photo Editor opens with the picks.
void RenderCommandsTest::rightClicksPickOldAndNewColorsInTurn() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(640, 320)));
    QVERIFY(view != nullptr);
    const QPoint red(40, 40), green(view->pictureWidth - 40, 40),
        blue(40, view->pictureHeight - 40);

    struct Pick {
        QPoint at;
        QString box;
        QString status;
    } picks[] = {
        {red, "You have selected an \"old color\" for replacing:\n\nRed = 255, Green = 0, Blue = 0",
         "Selected old color for replacing: Red = 255, Green = 0, Blue = 0"},
        {green,
         "You have selected a \"new color\" for replacing:\n\nRed = 0, Green = 255, Blue = 0",
         "Selected new color for replacing: Red = 0, Green = 255, Blue = 0"},
        {blue,
         "You have selected an \"old color\" for replacing:\n\nRed = 0, Green = 0, Blue = 255",
         "Selected old color for replacing: Red = 0, Green = 0, Blue = 255"},
    };
    for (const Pick& pick : picks) {
        QString boxText, statusWhileShown;
        bool information = false;
        WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
            boxText = box.text();
            information = box.icon() == QMessageBox::Information && box.windowTitle() == "Kolvira";
            statusWhileShown = MainFrame()->StatusBar()->currentMessage();
            box.accept();
        });
        QTest::mousePress(view->viewport(), Qt::RightButton, {}, pick.at);
        QCOMPARE(boxText, pick.box);
        QVERIFY(information);
        QVERIFY(statusWhileShown != pick.status);
        QCOMPARE(MainFrame()->StatusBar()->currentMessage(), pick.status);
        QTest::mouseRelease(view->viewport(), Qt::RightButton, {}, pick.at);
    }
    QCOMPARE(view->Photo().Settings().oldColor, MakeColorref(0, 0, 255));
    QCOMPARE(view->Photo().Settings().newColor, MakeColorref(0, 255, 0));
    QVERIFY(view->pickNewColorNext);

    COLORREF shownOld = 0, shownNew = 0;
    WhenModalOpens<PhotoEditorDialog>([&](PhotoEditorDialog& dialog) {
        shownOld = dialog.oldColor;
        shownNew = dialog.newColor;
        Click(dialog, "apply");
        Click(dialog, "IDCANCEL");
    });
    RunCommand(ID_PHOTO_EDITOR);
    QCOMPARE(shownOld, MakeColorref(0, 0, 255));
    QCOMPARE(shownNew, MakeColorref(0, 255, 0));
    QVERIFY(view->pickNewColorNext); // dialogs leave the turn alone
}

void RenderCommandsTest::probeReportsTheColorAsShown() {
    QImage nearlyWhite(640, 160, QImage::Format_RGB32);
    nearlyWhite.fill(QColor(255, 255, 254));
    PhotoView* view = ShowPhoto(photos_->AddPicture("white.png", nearlyWhite));
    QVERIFY(view != nullptr);
    auto probe = [view](QPoint at) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        return MainFrame()->StatusBar()->currentMessage();
    };

    QCOMPARE(probe(QPoint(30, 30)), QString("Red = 255, Green = 255, Blue = 254, Middle = 254"));

    // Below the picture: the window's background.
    const QColor base = view->palette().color(QPalette::Base);
    const QPoint below(30, view->pictureHeight + 20);
    QVERIFY(below.y() < view->viewport()->height());
    QCOMPARE(probe(below), QString("Red = %1, Green = %2, Blue = %3, Middle = %4")
                               .arg(base.red())
                               .arg(base.green())
                               .arg(base.blue())
                               .arg((base.red() + base.green() + base.blue()) / 3));

    // On a kept picture: the rendered colour, not the photo's.
    WhenModalOpens<PhotoEditorDialog>([](PhotoEditorDialog& dialog) {
        Click(dialog, "impressionBrush");
        Click(dialog, "invertColors");
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PHOTO_EDITOR);
    QCOMPARE(probe(QPoint(30, 30)), QString("Red = 0, Green = 0, Blue = 1, Middle = 0"));
}

// New before any photo gives a window with nothing drawn: Apply, OK and the
// probe find no picture and must not fail.
void RenderCommandsTest::dialogsOnAWindowWithoutAPhoto() {
    RunCommand(ID_FILE_NEW);
    PhotoView* view = ActivePhotoView();
    QVERIFY(view != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(view));
    QVERIFY(MainFrame()->RouteHandles(ID_PAINT));

    WhenModalOpens<PhotoEditorDialog>([](PhotoEditorDialog& dialog) {
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PHOTO_EDITOR);

    QCOMPARE(view->Photo().Settings().brushSize, 1); // nothing set it to 2: no photo was decoded
    QVERIFY(view->Photo().Drawing().isNull());
    const QColor base = view->palette().color(QPalette::Base);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(MainFrame()->StatusBar()->currentMessage().startsWith(
        QStringLiteral("Red = %1, ").arg(base.red())));
}

void RenderCommandsTest::previewIsRenderedOnlyWhenItsInputsChange() {
    const QImage photo = QuadrantPhoto(QSize(200, 100));
    PreviewCache cache;
    int renders = 0;
    const PreviewCache::RenderFunction count = [&renders](QImage&, const RenderParameters&) {
        ++renders;
    };
    RenderSettings settings;
    settings.active = true;

    cache.Preview(photo, QSize(300, 200), qRgb(255, 255, 255), settings, count);
    cache.Preview(photo, QSize(300, 200), qRgb(255, 255, 255), settings, count);
    QCOMPARE(renders, 1);
    QCOMPARE(cache.DrawnSize(), QSize(300, 150));

    settings.details = 0.5;
    cache.Preview(photo, QSize(300, 200), qRgb(255, 255, 255), settings, count);
    cache.Preview(photo, QSize(320, 200), qRgb(255, 255, 255), settings, count);
    cache.Preview(photo, QSize(320, 200), qRgb(0, 0, 0), settings, count);
    cache.Preview(photo.copy(), QSize(320, 200), qRgb(0, 0, 0), settings, count);
    QCOMPARE(renders, 5);
}

// The dialogs open right of the photo window, where Apply's preview stays
// in sight; a dialog the user moved opens where it was left, and the other
// kind still opens beside the window.
void RenderCommandsTest::dialogsOpenBesideThePhotoWindowOrWhereTheyWereLeft() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(320, 240)));
    QVERIFY(view != nullptr);
    ChildFrame* frame = ActiveChildFrame();
    frame->setGeometry(0, 0, 300, 250);
    const QRect photoWindow(frame->mapToGlobal(QPoint(0, 0)), frame->size());

    const auto openedAt = [](int commandId, QPoint moveTo = QPoint()) {
        QRect opened;
        const auto note = [&](QDialog& dialog) {
            opened = dialog.frameGeometry();
            if (!moveTo.isNull())
                dialog.move(moveTo);
            dialog.reject();
        };
        if (commandId == ID_PAINT)
            WhenModalOpens<PaintDialog>(note);
        else
            WhenModalOpens<PhotoEditorDialog>(note);
        RunCommand(commandId);
        return opened;
    };
    const QRect paint = openedAt(ID_PAINT, QPoint(60, 50));
    QCOMPARE(paint.topLeft(), QPoint(photoWindow.right() + 1, photoWindow.top()));

    QCOMPARE(openedAt(ID_PAINT).topLeft(), QPoint(60, 50));
    const QRect editor = openedAt(ID_PHOTO_EDITOR);
    QCOMPARE(editor.topLeft(), QPoint(photoWindow.right() + 1, photoWindow.top()));
}

// New Window on a photo with a drawing shows that drawing; an Apply in
// either window repaints the other before it returns; closing one window
// leaves the drawing to the other without asking about it.
void RenderCommandsTest::windowsOnOnePhotoShareItsDrawing() {
    PhotoView* first = ShowPhoto(photos_->AddPhoto("photo.png", QSize(640, 480)));
    QVERIFY(first != nullptr);
    WhenModalOpens<PaintDialog>([&](PaintDialog& dialog) {
        Click(dialog, "coal");
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PAINT);
    QVERIFY(first->Photo().HasDrawing());

    RunCommand(ID_WINDOW_NEW);
    PhotoView* second = ActivePhotoView();
    QVERIFY(second != nullptr && second != first);
    QVERIFY(QTest::qWaitForWindowExposed(second));
    QCOMPARE(&second->Photo(), &first->Photo());
    QVERIFY(ShowsPicture(second, first->Photo().Drawing()));

    bool firstRepainted = false;
    QImage applied;
    WhenModalOpens<PaintDialog>([&](PaintDialog& dialog) {
        SetSlider(dialog, "details", 60);
        PaintCounter paints(first->viewport());
        Click(dialog, "apply");
        firstRepainted = paints.count > 0;
        applied = Shown(first);
        Click(dialog, "IDOK");
    });
    RunCommand(ID_PAINT);
    QVERIFY(firstRepainted);
    QVERIFY(ShowsPicture(first, applied));
    const QImage kept = second->Photo().Drawing();
    QVERIFY(ShowsPicture(first, kept));

    SetAskingToSaveDrawings(true);
    const MessageBoxCloser questions;
    const int windows = DocumentWindowCount();
    ActiveChildFrame()->close();
    SetAskingToSaveDrawings(false);
    FlushDeferredDeletes();
    QCOMPARE(questions.Count(), 0);
    QCOMPARE(DocumentWindowCount(), windows - 1);
    QCOMPARE(first->Photo().Drawing(), kept);
    QVERIFY(!first->Photo().DrawingSaved());
}

QTEST_MAIN(RenderCommandsTest)
#include "RenderCommandsTest.moc"
