// A whole session over a folder of photos as a user runs it: the Mosaic,
// a photo window, a drawing style, Save As, printing, and attempts to save
// the picture and print a PDF over photos. Afterwards each photo must be as
// it was, to the byte, the inode and the timestamps, and the folder must
// hold nothing new, not even for a moment.
#include "AppTestSupport.h"

#include "PdfPages.h"
#include "app/CommandActions.h"
#include "app/MainWindow.h"
#include "framework/CommandIds.h"
#include "framework/View.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PaintDialog.h"
#include "photowindow/PhotoView.h"

#include <QAbstractButton>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImageReader>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

#include <sys/stat.h>

using namespace kolvira;
using namespace kolvira::test;

namespace {

qint64 Nanoseconds(const timespec& time) {
    return qint64{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
}

// Everything about a folder entry that any write, truncation, replacement,
// rename or change of mode would alter. For the folder itself ("."), its
// modification time moves whenever a file is made or removed in it.
QString Fingerprint(const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return name + QStringLiteral(": gone");
    QByteArray sha256;
    if (S_ISREG(status.st_mode)) {
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
            return name + QStringLiteral(": unreadable");
        sha256 = hash.result().toHex();
    }
    return QStringLiteral("%1: sha256 %2, %3 bytes, mtime %4, ctime %5, inode %6")
        .arg(name, QString::fromLatin1(sha256))
        .arg(status.st_size)
        .arg(Nanoseconds(status.st_mtim))
        .arg(Nanoseconds(status.st_ctim))
        .arg(status.st_ino);
}

// Every entry, hidden ones too, in code-point order.
QStringList Names(const QDir& folder) {
    QStringList names =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QStringList Fingerprints(const QDir& folder) {
    QStringList prints{Fingerprint(folder, QStringLiteral("."))};
    for (const QString& name : Names(folder))
        prints << Fingerprint(folder, name);
    return prints;
}

// Says Yes when asked whether to replace an existing file, as a user set on
// that name would, so that the program's own refusal is what protects the
// photo; closes every other message box and keeps its text.
class ReplaceConfirmer {
public:
    ReplaceConfirmer() {
        QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerVisibleBoxes(); });
        timer_.start(10);
    }
    qsizetype Count() const { return texts_.size(); }
    QString All() const { return texts_.join(u'|'); }
    // Whether a box came after the first `earlier` ones, and the last one
    // refused to write over a photo.
    bool LastRefusedAPhoto(qsizetype earlier) const {
        return texts_.size() > earlier &&
               texts_.last().contains(QLatin1String("never writes over a photo"));
    }
    // Whether the one box after the first `earlier` was a refusal: nobody
    // was asked to replace a file that was not going to be written.
    bool OnlyRefusedAPhoto(qsizetype earlier) const {
        return texts_.size() == earlier + 1 && LastRefusedAPhoto(earlier);
    }
    bool AskedToReplace(qsizetype earlier) const {
        return texts_.size() == earlier + 1 && texts_.last().contains(QLatin1String("replace"));
    }

private:
    void AnswerVisibleBoxes() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            texts_ << box->text();
            if (QAbstractButton* yes = box->button(QMessageBox::Yes))
                yes->click();
            else
                box->reject();
        }
    }

    QTimer timer_;
    QStringList texts_;
};

void Click(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(QString::fromLatin1(name));
    QVERIFY2(button != nullptr, name);
    button->click();
}

void SaveAsThroughTheDialog(const QString& path) {
    WhenModalOpens<QFileDialog>([path](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept(); // the Save button, with the name typed
    });
    MainFrame()->OnCommand(ID_FILE_SAVE_AS);
}

// Answers the print dialog with a PDF file at `path`.
void PrintThroughTheDialog(View& view, const QString& path) {
    QPrinter& printer = App()->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    WhenModalOpens<QPrintDialog>([](QPrintDialog& dialog) { dialog.accept(); });
    view.OnCommand(ID_FILE_PRINT);
}

int RowLabelled(const MosaicView* mosaic, const QString& name) {
    for (int row = 0; row < mosaic->count(); ++row)
        if (mosaic->item(row)->text() == name)
            return row;
    return -1;
}

} // namespace

class PhotosUntouchedTest : public AppTestCase {
    Q_OBJECT

private slots:
    void aWholeSessionLeavesEveryPhotoAsItWas();

private:
    QTemporaryDir output_;
};

void PhotosUntouchedTest::aWholeSessionLeavesEveryPhotoAsItWas() {
    const QString shownName = QStringLiteral("Ålesund fjord – 夏.jpg");
    const QString listedName = QStringLiteral("scan.png");
    const QString printedOverName = QStringLiteral("negative.tif");
    const struct {
        QString name;
        QSize size;
    } photos[] = {{QStringLiteral("IMG_0001.jpg"), {640, 480}},
                  {QStringLiteral("IMG_0002.JPG"), {480, 640}},
                  {QStringLiteral("IMG_0003.jpg"), {1024, 768}},
                  {shownName, {800, 600}},
                  {listedName, {300, 200}},
                  {QStringLiteral("old.bmp"), {200, 150}},
                  {printedOverName, {320, 240}}};
    for (const auto& photo : photos)
        QVERIFY(!photos_->AddPhoto(photo.name, photo.size).empty());
    const QDir folder(photos_->Directory());
    const QStringList namesBefore = Names(folder);
    QCOMPARE(namesBefore.size(), 7);
    const QStringList printsBefore = Fingerprints(folder);
    const QDir output(output_.path());
    ReplaceConfirmer boxes;

    // The Mosaic: two entries dropped, the thumbnails a step larger.
    QVERIFY(App()->OpenDocumentFile(photos_->PathOf(photos[0].name)) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(WaitForMosaicBuild(mosaic));
    QCOMPARE(mosaic->count(), 7);
    for (const QString& name : {QStringLiteral("IMG_0002.JPG"), QStringLiteral("old.bmp")})
        mosaic->selectionModel()->select(mosaic->model()->index(RowLabelled(mosaic, name), 0),
                                         QItemSelectionModel::Select);
    QTest::keyClick(mosaic, Qt::Key_Delete);
    QCOMPARE(mosaic->count(), 5);
    MainFrame()->Actions().Action(ID_MORE_SIZE)->trigger();
    QCOMPARE(mosaic->iconSize(), QSize(120, 90));

    // A photo window, painted in the Coal style: Apply, then OK.
    mosaic->setCurrentRow(RowLabelled(mosaic, shownName));
    PhotoView* view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr && QTest::qWaitForWindowExposed(view));
    QVERIFY(QTest::qWaitFor([view] { return view->pictureHeight > 0; }));
    WhenModalOpens<PaintDialog>([](PaintDialog& dialog) {
        Click(dialog, "coal");
        Click(dialog, "apply");
        Click(dialog, "IDOK");
    });
    MainFrame()->OnCommand(ID_PAINT);
    const QImage painted = view->Photo().Drawing();
    QVERIFY(!painted.isNull());

    // Save As elsewhere writes the painting, asking before it replaces a
    // file of its own; onto the shown photo, one the Mosaic lists or one
    // dropped from it, it is refused without asking whether to replace it.
    SaveAsThroughTheDialog(output.filePath("painted.png"));
    QCOMPARE(QImage(output.filePath("painted.png")).convertToFormat(QImage::Format_RGB32), painted);
    const qsizetype beforeAgain = boxes.Count();
    SaveAsThroughTheDialog(output.filePath("painted.png"));
    QVERIFY2(boxes.AskedToReplace(beforeAgain), qPrintable(boxes.All()));
    // The refusal names the file chosen, and the dialog comes back.
    for (const QString& name : {shownName, listedName, QStringLiteral("old.bmp")}) {
        const qsizetype earlier = boxes.Count();
        bool cameBack = false;
        WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
            WhenModalOpens<QFileDialog>([&](QFileDialog& again) {
                cameBack = true;
                static_cast<QDialog&>(again).reject();
            });
            dialog.selectFile(folder.filePath(name));
            static_cast<QDialog&>(dialog).accept();
        });
        MainFrame()->OnCommand(ID_FILE_SAVE_AS);
        QVERIFY(cameBack);
        QVERIFY2(boxes.OnlyRefusedAPhoto(earlier), qPrintable(boxes.All()));
        QVERIFY2(boxes.All().endsWith(name + " is a photo, and Kolvira never writes over a "
                                             "photo: choose another name."),
                 qPrintable(boxes.All()));
    }

    // Printing: the photo window through the print dialog, the Mosaic
    // without one (a PDF in the home folder on a machine with no printer),
    // and the Mosaic onto a photo through the dialog, which is refused.
    PrintThroughTheDialog(*view, output.filePath("photo.pdf"));
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(output.path()));
    mosaic->OnCommand(ID_FILE_PRINT_DIRECT);
    qputenv("HOME", home);
    const QString sheetName = mosaic->PrintJobName() + QStringLiteral(".pdf");
    const qsizetype earlier = boxes.Count();
    PrintThroughTheDialog(*mosaic, folder.filePath(printedOverName));
    QVERIFY2(boxes.LastRefusedAPhoto(earlier), qPrintable(boxes.All()));

    // Exit, and the program gone entirely before anything is looked at.
    MainFrame()->OnCommand(ID_APP_EXIT);
    QTRY_COMPARE(DocumentWindowCount(), 0);
    StopApp(app_);

    QCOMPARE(Names(folder), namesBefore);
    QCOMPARE(Fingerprints(folder), printsBefore);
    QStringList written{"painted.png", "photo.pdf", sheetName};
    written.sort();
    QCOMPARE(Names(output), written);
    QCOMPARE(QImageReader(output.filePath("painted.png")).format(), QByteArray("png"));
    QCOMPARE(PdfPageCount(output.filePath("photo.pdf")), 1);
    QCOMPARE(PdfPageCount(output.filePath(sheetName)), 1);
}

QTEST_MAIN(PhotosUntouchedTest)
#include "PhotosUntouchedTest.moc"
