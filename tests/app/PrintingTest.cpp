// Printing and saving both kinds of window as a user does it, checked in
// the files themselves: the PDF's pages (pdfinfo, pdftotext, pdftoppm) and
// the saved picture's pixels; and the photo that is never written over.
#include "AppTestSupport.h"

#include "ExifFixture.h"
#include "PdfPages.h"
#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/PrintCommands.h"
#include "imageio/PrintScale.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PhotoView.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace kolvira;
using namespace kolvira::test;

namespace {

// A drawing of one colour kept in the view's document, as OK keeps one.
void KeepPlainDrawing(PhotoView& view, const QColor& color) {
    QImage drawing(view.pictureWidth, view.pictureHeight, QImage::Format_RGB32);
    drawing.fill(color);
    view.Photo().KeepDrawing(drawing, 1, drawing.size());
}

// Root may write into a read-only folder; this thread gives that power up
// while the object lives, so that a test sees what a user would.
class WithoutPermissionOverride {
public:
    WithoutPermissionOverride() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~(1u << CAP_DAC_OVERRIDE);
        syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutPermissionOverride() { syscall(SYS_capset, &header_, saved_); }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
};

// The program's printer made one whose printable area is the whole sheet.
QPrinter& SheetEdgePrinter() {
    QPrinter& printer = App()->Printer();
    printer.setPageMargins(QMarginsF(0, 0, 0, 0));
    return printer;
}

} // namespace

class PrintingTest : public AppTestCase {
    Q_OBJECT

private slots:
    void photoPrintsAtItsScreenSizeFromTheTopLeftCorner();
    void photoPrintsTheKeptRendering();
    void mosaicPrintsEveryThumbnailOnTheFewestPages();
    void mosaicPrintsPicturesAsFineAsTheDevice_data();
    void mosaicPrintsPicturesAsFineAsTheDevice();
    void printPreviewShowsThePagesOfThePrintout();
    void printDialogPrintsTheChosenPagesToAFile();
    void printWithoutDialogMakesAPdfWhenThereIsNoPrinter();
    void saveAsWritesTheShownPictureInTheNamedFormat_data();
    void saveAsWritesTheShownPictureInTheNamedFormat();
    void saveAsksForANameOnlyTheFirstTime();
    void saveAsKeepsThePhotosMetadata();
    void chosenFileTypeGivesTheExtension();
    void mosaicSaveAsksForAPdfName();
    void savingNeverReplacesAPhoto();
    void failedSaveLeavesNoFileBehind();

private:
    // A Mosaic of `count` photos, built.
    MosaicView* MosaicOf(int count, QSize photoSize = QSize(40, 30));
    QString OutputPath(const QString& name) const { return output_.filePath(name); }
    QTemporaryDir output_;
};

MosaicView* PrintingTest::MosaicOf(int count, QSize photoSize) {
    std::string first;
    for (int k = 0; k < count; ++k) {
        const std::string path =
            photos_->AddPhoto(QStringLiteral("p%1.jpg").arg(k, 3, 10, QChar(u'0')), photoSize);
        if (k == 0)
            first = path;
    }
    if (first.empty() || App()->OpenDocumentFile(first) == nullptr)
        return nullptr;
    MosaicView* mosaic = ActiveMosaic();
    return WaitForMosaicBuild(mosaic) ? mosaic : nullptr;
}

void PrintingTest::photoPrintsAtItsScreenSizeFromTheTopLeftCorner() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    QPdfWriter at600(OutputPath("scale.pdf"));
    at600.setResolution(600);
    QCOMPARE(ScreenToDeviceScale(at600, ScreenDpi()), QSizeF(6.25, 6.25));

    // By default the page starts within the printer's margins: Qt's for a PDF.
    QPrinter& printer = App()->Printer();
    const QMargins margins = printer.pageLayout().marginsPixels(96);
    const QPoint corner(margins.left(), margins.top());
    QVERIFY(corner.x() > 0 && corner.y() > 0);
    QVERIFY(PrintToPdfFile(*view, printer, OutputPath("margins.pdf")).IsWritten());
    const QImage withinMargins = PdfPageAtScreenSize(OutputPath("margins.pdf"), 1);
    QVERIFY(ColorsClose(withinMargins.pixelColor(corner + QPoint(2, 2)), Qt::red));
    QVERIFY(ColorsClose(withinMargins.pixelColor(corner - QPoint(2, 2)), Qt::white, 2));

    const QString pdf = OutputPath("photo.pdf");
    QVERIFY(PrintToPdfFile(*view, SheetEdgePrinter(), pdf).IsWritten());
    QCOMPARE(PdfPageCount(pdf), 1);
    QVERIFY2(PdfPageSize(pdf).contains(QLatin1String("(A4)")), qPrintable(PdfPageSize(pdf)));

    // At 96 DPI the page shows the window's picture pixel for pixel, from
    // the corner, with nothing beyond it.
    const QImage page = PdfPageAtScreenSize(pdf, 1);
    QVERIFY(!page.isNull());
    const int w = view->pictureWidth;
    const int h = view->pictureHeight;
    QVERIFY(ColorsClose(page.pixelColor(2, 2), Qt::red));
    QVERIFY(ColorsClose(page.pixelColor(w - 3, 2), Qt::green));
    QVERIFY(ColorsClose(page.pixelColor(2, h - 3), Qt::blue));
    QVERIFY(ColorsClose(page.pixelColor(w + 2, 2), Qt::white, 2));
    QVERIFY(ColorsClose(page.pixelColor(2, h + 2), Qt::white, 2));
}

void PrintingTest::photoPrintsTheKeptRendering() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    KeepPlainDrawing(*view, QColor(Qt::magenta));

    const QString pdf = OutputPath("rendered.pdf");
    QVERIFY(PrintToPdfFile(*view, App()->Printer(), pdf).IsWritten());
    const QImage page = PdfPageAtScreenSize(pdf, 1);
    QVERIFY(ColorsClose(page.pixelColor(view->pictureWidth / 2, view->pictureHeight / 2),
                        Qt::magenta, 2));
}

// A4 at 96 DPI holds 7 x 13 cells of 110 x 85: 200 thumbnails fill three
// pages, numbered on from page to page, at any printer resolution.
void PrintingTest::mosaicPrintsEveryThumbnailOnTheFewestPages() {
    MosaicView* mosaic = MosaicOf(200);
    QVERIFY(mosaic != nullptr);
    QCOMPARE(mosaic->count(), 200);

    // 720 DPI: far above six times the screen's, where a count from the
    // printer's dots lost thumbnails.
    SheetEdgePrinter().setResolution(720);
    const QString pdf = OutputPath(QStringLiteral("sheet.pdf"));
    QVERIFY(mosaic->SaveAs(pdf, *mosaic->Host()));
    QCOMPARE(PdfPageCount(pdf), 3);
    const QStringList first = PdfPageLines(pdf, 1);
    QVERIFY2(first.value(0).startsWith(QLatin1String("0, p000.jpg 1, p001.jpg")),
             qPrintable(first.value(0)));
    QCOMPARE(first.size(), 13); // rows
    QVERIFY(PdfPageLines(pdf, 2).value(0).startsWith(QLatin1String("91, p091.jpg")));
    QVERIFY(PdfPageLines(pdf, 3).join(u' ').endsWith(QLatin1String("199, p199.jpg")));

    // Larger thumbnails: 6 x 11 cells of 130 x 100.
    mosaic->MoreSize();
    const QString larger = OutputPath("larger.pdf");
    QVERIFY(mosaic->SaveAs(larger, *mosaic->Host()));
    QCOMPARE(PdfPageCount(larger), 4);

    // The thumbnails themselves are printed: the first one's red corner.
    const QImage page = PdfPageAtScreenSize(larger, 1);
    QVERIFY(ColorsClose(page.pixelColor(5, 5), Qt::red));
}

void PrintingTest::mosaicPrintsPicturesAsFineAsTheDevice_data() {
    QTest::addColumn<int>("dpi");
    QTest::addColumn<bool>("photosGone");
    QTest::addColumn<int>("width"); // 0: the screen's thumbnails
    QTest::newRow("600 DPI: decoded for the printer") << 600 << false << 625;
    QTest::newRow("96 DPI: the screen's thumbnails") << 96 << false << 0;
    QTest::newRow("photos gone since: as shown") << 600 << true << 0;
}

void PrintingTest::mosaicPrintsPicturesAsFineAsTheDevice() {
    QFETCH(int, dpi);
    QFETCH(bool, photosGone);
    QFETCH(int, width);
    MosaicView* mosaic = MosaicOf(2, QSize(1600, 1200));
    QVERIFY(mosaic != nullptr);
    QCOMPARE(mosaic->count(), 2);
    if (photosGone) {
        for (const std::string& path : mosaic->photoPaths)
            QVERIFY(QFile::remove(QFile::decodeName(path.c_str())));
    }
    App()->Printer().setResolution(dpi);
    const QString pdf = OutputPath(QStringLiteral("fine.pdf"));
    QVERIFY(mosaic->SaveAs(pdf, *mosaic->Host()));
    const int expected = width > 0 ? width : qRound(100 * mosaic->devicePixelRatioF());
    QCOMPARE(PdfImageWidths(pdf), (QList<int>{expected, expected}));
}

void PrintingTest::printPreviewShowsThePagesOfThePrintout() {
    MosaicView* mosaic = MosaicOf(92);
    QVERIFY(mosaic != nullptr);
    int previewPages = -1;
    WhenModalOpens<QPrintPreviewDialog>([&](QPrintPreviewDialog& preview) {
        auto* pages = preview.findChild<QPrintPreviewWidget*>();
        if (pages != nullptr) {
            pages->updatePreview();
            previewPages = pages->pageCount();
        }
        preview.reject();
    });
    MainFrame()->OnCommand(ID_FILE_PRINT_PREVIEW);
    QCOMPARE(previewPages, 2);
}

void PrintingTest::printDialogPrintsTheChosenPagesToAFile() {
    MosaicView* mosaic = MosaicOf(200);
    QVERIFY(mosaic != nullptr);
    const QString pdf = OutputPath("chosen.pdf");
    QPrinter& printer = SheetEdgePrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    WhenModalOpens<QPrintDialog>([](QPrintDialog& dialog) {
        // "Pages from 2 to 3" on the dialog's second tab.
        auto* range = dialog.findChild<QRadioButton*>(QStringLiteral("printRange"));
        auto* from = dialog.findChild<QSpinBox*>(QStringLiteral("from"));
        auto* to = dialog.findChild<QSpinBox*>(QStringLiteral("to"));
        QVERIFY(range != nullptr && from != nullptr && to != nullptr);
        QCOMPARE(to->maximum(), 3); // the Mosaic's pages
        range->setChecked(true);
        to->setValue(3);
        from->setValue(2);
        dialog.accept();
    });
    MainFrame()->OnCommand(ID_FILE_PRINT);
    QCOMPARE(PdfPageCount(pdf), 2);
    QVERIFY(PdfPageLines(pdf, 1).value(0).startsWith(QLatin1String("91, p091.jpg")));
}

void PrintingTest::printWithoutDialogMakesAPdfWhenThereIsNoPrinter() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    const QByteArray home = qgetenv("HOME");
    const QString newHome = OutputPath("home");
    QVERIFY(QDir().mkpath(newHome));
    qputenv("HOME", QFile::encodeName(newHome));
    view->OnCommand(ID_FILE_PRINT_DIRECT);
    view->OnCommand(ID_FILE_PRINT_DIRECT); // a second job does not replace the first
    qputenv("HOME", home);

    QCOMPARE(PdfPageCount(OutputPath("home/photo.pdf")), 1);
    QCOMPARE(PdfPageCount(OutputPath("home/photo (2).pdf")), 1);
    const QString message = MainFrame()->StatusBar()->currentMessage();
    QVERIFY2(message.contains(OutputPath("home/photo (2).pdf")), qPrintable(message));
}

void PrintingTest::saveAsWritesTheShownPictureInTheNamedFormat_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<bool>("lossless");
    QTest::newRow("png") << "out.png" << QByteArray("png") << true;
    QTest::newRow("no extension: png") << "out" << QByteArray("png") << true;
    QTest::newRow("jpeg") << "out.JPG" << QByteArray("jpeg") << false;
    QTest::newRow("bmp") << "out.bmp" << QByteArray("bmp") << true;
    QTest::newRow("tiff") << "out.tiff" << QByteArray("tiff") << true;
}

void PrintingTest::saveAsWritesTheShownPictureInTheNamedFormat() {
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    QFETCH(bool, lossless);
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    // In screen pixels: twice the window's width on a screen of ratio 2.
    const QImage shown = view->ShownPicture();
    QCOMPARE(shown.width(), qRound(view->pictureWidth * view->DeviceRatio()));
    QVERIFY(std::abs(shown.height() - view->pictureHeight * view->DeviceRatio()) <= 1);

    QVERIFY(view->SaveAs(OutputPath(name), *view->Host()));
    QImageReader reader(OutputPath(name));
    QCOMPARE(reader.format(), format);
    const QImage saved = reader.read().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), shown.size());
    if (lossless)
        QCOMPARE(saved, shown);
    else
        QVERIFY(ColorsClose(saved.pixelColor(10, 10), shown.pixelColor(10, 10), 8));
}

// The saved drawing carries the photo's date and camera, marked upright.
void PrintingTest::saveAsKeepsThePhotosMetadata() {
    const std::string photo = photos_->AddPhoto("camera.jpg", QSize(400, 300));
    QVERIFY(kolvira::test::AddCameraExif(QFile::decodeName(QByteArray::fromStdString(photo)), 8));
    PhotoView* view = ShowPhoto(photo);
    QVERIFY(view != nullptr);
    QVERIFY(view->SaveAs(OutputPath("drawn.jpg"), *view->Host()));
    const QMap<QString, QString> exif = kolvira::test::ReadExif(OutputPath("drawn.jpg"));
    QCOMPARE(exif.value("Exif.Photo.DateTimeOriginal"),
             kolvira::test::CameraExif().value("Exif.Photo.DateTimeOriginal"));
    QCOMPARE(exif.value("Exif.Image.Model"), kolvira::test::CameraExif().value("Exif.Image.Model"));
    QCOMPARE(exif.value("Exif.Image.Orientation"), QStringLiteral("1"));
}

void PrintingTest::saveAsksForANameOnlyTheFirstTime() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    const QString target = OutputPath("kept.png");
    int dialogs = 0;
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        ++dialogs;
        dialog.selectFile(target);
        static_cast<QDialog&>(dialog).accept(); // as the Save button does, once a name is typed
    });
    MainFrame()->OnCommand(ID_FILE_SAVE);
    QCOMPARE(dialogs, 1);
    QVERIFY(QFile::exists(target));

    // Render something, then Save again: same file, no dialog.
    KeepPlainDrawing(*view, Qt::yellow);
    QFile::remove(target);
    MainFrame()->OnCommand(ID_FILE_SAVE);
    QCOMPARE(QImage(target).convertToFormat(QImage::Format_RGB32), view->Photo().Drawing());
    QCOMPARE(dialogs, 1);
    QVERIFY(QTest::qWaitFor([] { return QApplication::activeModalWidget() == nullptr; }, 100));
}

// A name typed without an extension takes the type chosen in the dialog.
void PrintingTest::chosenFileTypeGivesTheExtension() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        QTest::keyClick(types, Qt::Key_Down); // JPEG, the second type
        dialog.selectFile(OutputPath("typed"));
        static_cast<QDialog&>(dialog).accept();
    });
    MainFrame()->OnCommand(ID_FILE_SAVE_AS);
    QCOMPARE(QImageReader(OutputPath("typed.jpg")).format(), QByteArray("jpeg"));
}

// A Mosaic's document is the photo it was opened from: Save asks for a new
// PDF instead of writing there.
void PrintingTest::mosaicSaveAsksForAPdfName() {
    MosaicView* mosaic = MosaicOf(3);
    QVERIFY(mosaic != nullptr);
    QString suggested;
    WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
        suggested = dialog.selectedFiles().value(0);
        dialog.selectFile(OutputPath("mosaic.pdf"));
        static_cast<QDialog&>(dialog).accept();
    });
    MainFrame()->OnCommand(ID_FILE_SAVE);
    QVERIFY2(suggested.endsWith(QLatin1String(" contact sheet.pdf")), qPrintable(suggested));
    QCOMPARE(PdfPageCount(OutputPath("mosaic.pdf")), 1);
    MessageBoxCloser boxes;
    QVERIFY(!mosaic->SaveAs(OutputPath("mosaic.png"), *mosaic->Host()));
    QCOMPARE(boxes.Count(), 1);
    QVERIFY(!QFile::exists(OutputPath("mosaic.png")));
    QCOMPARE(QImageReader(photos_->Directory() + QStringLiteral("/p000.jpg")).format(),
             QByteArray("jpeg"));
}

// The window's photo by its path, a symbolic link or a hard link to it,
// and on a Mosaic any listed photo and the file it was opened from.
void PrintingTest::savingNeverReplacesAPhoto() {
    const std::string photoPath = photos_->AddPhoto("photo.png", QSize(400, 300));
    PhotoView* view = ShowPhoto(photoPath);
    QVERIFY(view != nullptr);
    MosaicView* mosaic = nullptr;
    for (QMdiSubWindow* window : MainFrame()->MdiArea()->subWindowList()) {
        if (auto* frame = qobject_cast<ChildFrame*>(window))
            mosaic = mosaic != nullptr ? mosaic : dynamic_cast<MosaicView*>(frame->DocumentView());
    }
    QVERIFY(mosaic != nullptr);
    const QString photo = QFile::decodeName(QByteArray::fromStdString(photoPath));
    QFile::link(photo, OutputPath("link.png"));
    QVERIFY(::link(photoPath.c_str(), QFile::encodeName(OutputPath("hard.png")).constData()) == 0);
    QFile original(photo);
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray bytes = original.readAll();

    MessageBoxCloser boxes;
    QVERIFY(!view->SaveAs(photo, *view->Host()));
    QVERIFY(!view->SaveAs(OutputPath("link.png"), *view->Host()));
    QVERIFY(!view->SaveAs(OutputPath("hard.png"), *view->Host()));
    QVERIFY(!mosaic->SaveAs(photo, *mosaic->Host()));
    QCOMPARE(boxes.Count(), 4);
    for (const QString& text : boxes.Texts())
        QVERIFY2(text.contains(QLatin1String("never writes over a photo")), qPrintable(text));
    QFile again(photo);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), bytes);
    QVERIFY(QFileInfo(OutputPath("link.png")).isSymLink());

    // A name Kolvira cannot write a picture as is refused, not saved as PNG.
    QVERIFY(!view->SaveAs(OutputPath("out.gif"), *view->Host()));
    QVERIFY(!QFile::exists(OutputPath("out.gif")));
}

void PrintingTest::failedSaveLeavesNoFileBehind() {
    PhotoView* view = ShowPhoto(photos_->AddPhoto("photo.png", QSize(400, 300)));
    QVERIFY(view != nullptr);
    QDir locked(OutputPath("locked"));
    QVERIFY(QDir().mkpath(locked.path()));
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::ExeOwner);
    MessageBoxCloser boxes;
    {
        WithoutPermissionOverride asAUser;
        QVERIFY(!view->SaveAs(locked.filePath("out.png"), *view->Host()));
    }
    QFile::setPermissions(locked.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(boxes.Count(), 1);
    QVERIFY(boxes.Texts().value(0).contains(QLatin1String("Cannot save")));
    QCOMPARE(locked.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
}

QTEST_MAIN(PrintingTest)
#include "PrintingTest.moc"
