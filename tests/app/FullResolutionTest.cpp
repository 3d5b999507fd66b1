// Save As and printing of a photo window at full resolution: the saved
// drawing is kolvira-render's, Save keeps the size chosen, Esc writes
// nothing, and Fit to page centres the picture within the margins.
#include "AppTestSupport.h"

#include "PdfPages.h"
#include "app/MainWindow.h"
#include "framework/CommandIds.h"
#include "framework/PrintCommands.h"
#include "framework/StatusProgress.h"
#include "imageio/LookFile.h"
#include "mosaic/BatchRendering.h"
#include "mosaicwindow/RenderSelectionDialog.h"
#include "photowindow/PhotoView.h"

#include <QClipboard>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QPrinter>
#include <QProcess>
#include <QProgressBar>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTest>

using namespace kolvira;
using namespace kolvira::test;

namespace {

// Stripes and gradients: a drawing of it differs at every scale.
QImage DetailedPhoto(QSize size) {
    QImage photo(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            photo.setPixel(x, y,
                           qRgb(((x * 7) ^ (y * 3)) & 255, (x * y / 64) & 255, (x + y) & 255));
    return photo;
}

QImage Pixels(const QString& path) {
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

// The rectangle of the page's pixels that are not white.
QRect InkBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class FullResolutionTest : public AppTestCase {
    Q_OBJECT

private slots:
    void saveWritesTheChosenSize_data();
    void saveWritesTheChosenSize();
    void escapeStopsAFullResolutionSave_data();
    void escapeStopsAFullResolutionSave();
    void fitToPageCentresWithinTheMargins_data();
    void fitToPageCentresWithinTheMargins();
    void aSavedLookDrawsTheSameEverywhere();
    void aDamagedLookChangesNothing();

private:
    // The photo window over a detailed photo, drawn in Coal.
    PhotoView* ShowCoalDrawing(QSize size);
    // Save As through the dialog, with size option `option` checked.
    void SaveAsWithOption(const QString& path, int option);
    QString OutputPath(const QString& name) const { return output_.filePath(name); }
    // Runs kolvira-render (the copied line when `shell`) in the output folder.
    void RunRender(const QStringList& arguments, bool shell = false);
    // Chooses `path` in the next file dialog and runs `commandId`.
    void RunWithFile(int commandId, const QString& path);
    QTemporaryDir output_;
    std::string photoPath_;
};

// The batch's own settings, which the dialog does not use here.
class NoLookSource : public LookSource {
public:
    bool EditLook(RenderParameters&, int, QWidget*) override { return false; }
    std::optional<PhotoWindowLook> ActivePhotoWindowLook() const override { return {}; }
};

PhotoView* FullResolutionTest::ShowCoalDrawing(QSize size) {
    photoPath_ = photos_->AddPicture("photo.png", DetailedPhoto(size));
    PhotoView* view = ShowPhoto(photoPath_);
    if (view == nullptr)
        return nullptr;
    RenderParameters coal = DefaultRenderSettings();
    coal.style = kStyleCoal;
    coal.penPress = 0.3;
    coal.details = 0.6;
    static_cast<RenderParameters&>(view->Photo().Settings()) = coal;
    return view;
}

void FullResolutionTest::SaveAsWithOption(const QString& path, int option) {
    const MessageBoxCloser boxes; // a question left open would hold the test up
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        auto* button = dialog.findChild<QRadioButton*>(QStringLiteral("saveOption%1").arg(option));
        QVERIFY(button != nullptr);
        QVERIFY(dialog.findChild<QRadioButton*>("saveOption0")->isChecked()); // as shown first
        button->setChecked(true);
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();
    });
    MainFrame()->OnCommand(ID_FILE_SAVE_AS);
}

void FullResolutionTest::RunRender(const QStringList& arguments, bool shell) {
    QProcess render;
    render.setWorkingDirectory(output_.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PATH",
                       QFileInfo(KOLVIRA_RENDER_EXE).path() + u':' + environment.value("PATH"));
    render.setProcessEnvironment(environment);
    if (shell)
        render.start("sh", {"-c", arguments.join(u' ')});
    else
        render.start(QStringLiteral(KOLVIRA_RENDER_EXE), QStringList{"--quiet"} + arguments);
    QVERIFY(render.waitForFinished(60000));
    QVERIFY2(render.exitCode() == 0, render.readAllStandardError().constData());
}

void FullResolutionTest::RunWithFile(int commandId, const QString& path) {
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();
    });
    MainFrame()->OnCommand(commandId);
}

// A look saved in the window draws the window's full-resolution drawing
// again in kolvira-render, from the drawing itself, from the copied command
// and in Render Selection.
void FullResolutionTest::aSavedLookDrawsTheSameEverywhere() {
    PhotoView* view = ShowCoalDrawing(QSize(300, 200));
    QVERIFY(view != nullptr);
    view->Photo().Settings().blur = true;
    view->Photo().Settings().details = SliderValue(37);
    const QString lookPath = SavedLookPath(QStringLiteral("kolvira test coal"));
    QFile::remove(lookPath);
    RunWithFile(ID_SAVE_LOOK, lookPath);
    const auto removeLook = qScopeGuard([&lookPath] { QFile::remove(lookPath); });
    QVERIFY(SavedLookNames().contains("kolvira test coal"));
    SaveAsWithOption(OutputPath("window.png"), 1);
    const QImage expected = Pixels(OutputPath("window.png"));
    QCOMPARE(expected.size(), QSize(300, 200));

    const QString photo = QFile::decodeName(photoPath_.c_str());
    RunRender({"--look", lookPath, photo, "-o", "look.png"});
    QCOMPARE(Pixels(OutputPath("look.png")), expected);
    RunRender({"--look-from", "window.png", photo, "-o", "drawing.png"});
    QCOMPARE(Pixels(OutputPath("drawing.png")), expected);
    MainFrame()->OnCommand(ID_COPY_RENDER_COMMAND);
    const QString copied = QApplication::clipboard()->text();
    QVERIFY2(!copied.contains("--width"), qPrintable(copied)); // full resolution was saved
    RunRender({copied}, /*shell=*/true);
    QCOMPARE(Pixels(OutputPath("photo-drawing.png")), expected);

    NoLookSource noLook;
    RenderSelectionDialog selection(noLook, output_.path(), 1);
    auto* names = selection.findChild<QComboBox*>("savedLookName");
    names->setCurrentText("kolvira test coal");
    selection.findChild<QRadioButton*>("savedLook")->setChecked(true);
    static_cast<QDialog&>(selection).accept();
    QVERIFY(selection.Request().settings == view->Photo().Settings().Parameters());

    // Applied to a fresh window, the look draws the same.
    static_cast<RenderParameters&>(view->Photo().Settings()) = DefaultRenderSettings();
    RunWithFile(ID_APPLY_LOOK_FROM_FILE, OutputPath("window.png"));
    QCOMPARE(view->FullResolutionPicture(false).convertToFormat(QImage::Format_RGB32), expected);
}

// A look file that cannot be used is named in a message and the window's
// settings stay as they were.
void FullResolutionTest::aDamagedLookChangesNothing() {
    PhotoView* view = ShowCoalDrawing(QSize(60, 40));
    QVERIFY(view != nullptr);
    const RenderParameters before = view->Photo().Settings().Parameters();
    QFile bad(OutputPath("bad.json"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("{\"kolvira-look\": 9}");
    bad.close();
    const MessageBoxCloser boxes;
    RunWithFile(ID_APPLY_LOOK_FROM_FILE, bad.fileName());
    QTRY_COMPARE(boxes.Count(), 1);
    QVERIFY2(boxes.Texts().constFirst().contains("newer Kolvira"),
             qPrintable(boxes.Texts().constFirst()));
    QVERIFY(view->Photo().Settings().Parameters() == before);
}

void FullResolutionTest::saveWritesTheChosenSize_data() {
    QTest::addColumn<int>("option");
    QTest::newRow("as shown") << 0;
    QTest::newRow("full resolution") << 1;
}

// Save As writes the chosen size, and Save writes it again without asking.
void FullResolutionTest::saveWritesTheChosenSize() {
    QFETCH(int, option);
    PhotoView* view = ShowCoalDrawing(QSize(2400, 1600));
    QVERIFY(view != nullptr);
    QImage expected = view->ShownPicture();
    QVERIFY(expected.width() < 2400);
    if (option == 1) {
        const QString rendered = OutputPath("kolvira-render.png");
        QProcess render;
        render.start(QStringLiteral(KOLVIRA_RENDER_EXE),
                     {"--quiet", "--style", "coal", "--pen-press", "0.3", "--details", "0.6",
                      QFile::decodeName(photoPath_.c_str()), "-o", rendered});
        QVERIFY(render.waitForFinished(60000));
        QCOMPARE(render.exitCode(), 0);
        expected = Pixels(rendered);
        QCOMPARE(expected.size(), QSize(2400, 1600));
    }

    const QString target = OutputPath(QStringLiteral("drawn %1.png").arg(option));
    SaveAsWithOption(target, option);
    QCOMPARE(Pixels(target), expected);

    QVERIFY(QFile::remove(target));
    MainFrame()->OnCommand(ID_FILE_SAVE);
    QCOMPARE(Pixels(target), expected);
}

void FullResolutionTest::escapeStopsAFullResolutionSave_data() {
    QTest::addColumn<QString>("when");
    QTest::addColumn<QSize>("photoSize"); // large enough for the moment to be seen
    QTest::newRow("as the pass starts") << "start" << QSize(1600, 1200);
    QTest::newRow("while the file is written") << "writing" << QSize(4800, 3600);
}

// Esc at any moment stops at once: no position of the pass shows after it,
// and no file appears.
void FullResolutionTest::escapeStopsAFullResolutionSave() {
    QFETCH(QString, when);
    QFETCH(QSize, photoSize);
    PhotoView* view = ShowCoalDrawing(photoSize);
    QVERIFY(view != nullptr);
    if (when == "writing")
        view->FullResolutionPicture(/*stoppable=*/false); // kept: the save only writes
    bool pressed = false;
    int positionAtEscape = -1;
    int lastPosition = -1;
    QTimer escape;
    QObject::connect(&escape, &QTimer::timeout, [&] {
        const QString message = MainFrame()->statusBar()->currentMessage();
        const int position = MainFrame()->Progress()->Bar() != nullptr
                                 ? MainFrame()->Progress()->Bar()->value()
                                 : -1;
        lastPosition = std::max(lastPosition, position);
        if (pressed)
            return;
        if ((when == "start" && message.startsWith("Full resolution")) ||
            (when == "writing" && message.startsWith("Writing stopped.png (Esc stops)"))) {
            pressed = true;
            positionAtEscape = position;
            QTest::keyClick(MainFrame(), Qt::Key_Escape);
        }
    });
    escape.start(0);
    const QStringList before = QDir(output_.path()).entryList(QDir::Files | QDir::Hidden);
    SaveAsWithOption(OutputPath("stopped.png"), 1);
    QVERIFY(pressed);
    QVERIFY2(lastPosition <= positionAtEscape,
             qPrintable(QStringLiteral("%1 after %2").arg(lastPosition).arg(positionAtEscape)));
    QVERIFY(MainFrame()->statusBar()->currentMessage().startsWith("Save stopped"));
    QTRY_COMPARE(QDir(output_.path()).entryList(QDir::Files | QDir::Hidden), before);
}

void FullResolutionTest::fitToPageCentresWithinTheMargins_data() {
    QTest::addColumn<QSize>("photoSize");
    QTest::addColumn<bool>("fullResolution");
    QTest::newRow("wide, as shown") << QSize(800, 300) << false;
    QTest::newRow("tall, full resolution") << QSize(300, 900) << true;
}

void FullResolutionTest::fitToPageCentresWithinTheMargins() {
    QFETCH(QSize, photoSize);
    QFETCH(bool, fullResolution);
    QImage dark(photoSize, QImage::Format_RGB32);
    dark.fill(QColor(40, 60, 80));
    PhotoView* view = ShowPhoto(photos_->AddPicture("dark.png", dark));
    QVERIFY(view != nullptr);
    view->printChoice = {fullResolution, /*fitToPage=*/true};
    QPrinter& printer = App()->Printer();
    printer.setPageMargins(QMarginsF(20, 30, 20, 30), QPageLayout::Millimeter);

    const QString pdf = OutputPath("fit.pdf");
    QVERIFY(PrintToPdfFile(*view, printer, pdf).IsWritten());
    const QImage page = PdfPageAtScreenSize(pdf, 1);
    QVERIFY(!page.isNull());
    const QSizeF picture = fullResolution ? QSizeF(photoSize) : QSizeF(view->ShownPicture().size());

    // At 96 DPI a millimetre is 96 / 25.4 pixels.
    const double mm = 96 / 25.4;
    const QRectF area =
        QRectF(0, 0, page.width(), page.height()).adjusted(20 * mm, 30 * mm, -20 * mm, -30 * mm);
    const double scale = std::min(area.width() / picture.width(), area.height() / picture.height());
    QRectF expected(0, 0, picture.width() * scale, picture.height() * scale);
    expected.moveCenter(area.center());

    const QRect box = InkBox(page);
    const QRect want = expected.toRect();
    QString text;
    QDebug(&text) << "printed" << box << "expected" << want;
    for (const int off : {box.left() - want.left(), box.top() - want.top(),
                          box.right() - want.right(), box.bottom() - want.bottom()})
        QVERIFY2(std::abs(off) <= 2, qPrintable(text));
}

QTEST_MAIN(FullResolutionTest)
#include "FullResolutionTest.moc"
