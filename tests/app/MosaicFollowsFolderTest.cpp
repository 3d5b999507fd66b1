// The Mosaic as users of file managers expect it: it follows its folder
// without Refresh, sorts, and hands files and pictures to other programs
// by drag and drop and the clipboard.
#include "AppTestSupport.h"
#include "ExifFixture.h"

#include "app/MainWindow.h"
#include "framework/CommandIds.h"
#include "mosaic/ContactSheet.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PhotoView.h"

#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QTest>
#include <QUrl>

using namespace kolvira;
using namespace kolvira::test;

namespace {

// Checks at every turn of the event loop that entry k is photoPaths[k].
class CorrespondenceWatch : public QObject {
public:
    explicit CorrespondenceWatch(const MosaicView* mosaic) : mosaic_(mosaic) { startTimer(0); }
    QString failure;

protected:
    void timerEvent(QTimerEvent*) override {
        if (!failure.isEmpty())
            return;
        if (mosaic_->count() != static_cast<int>(mosaic_->photoPaths.size()))
            failure = QStringLiteral("%1 entries, %2 paths")
                          .arg(mosaic_->count())
                          .arg(mosaic_->photoPaths.size());
        for (int row = 0; failure.isEmpty() && row < mosaic_->count(); ++row) {
            if (mosaic_->item(row)->text() != EntryLabel(mosaic_->photoPaths[row]))
                failure = QStringLiteral("entry %1 is %2").arg(row).arg(mosaic_->item(row)->text());
        }
    }

private:
    const MosaicView* mosaic_;
};

void SetFileTime(const QString& path, int year) {
    QFile file(path);
    file.open(QIODevice::ReadWrite);
    file.setFileTime(QDateTime(QDate(year, 6, 1), QTime(12, 0), Qt::UTC),
                     QFileDevice::FileModificationTime);
}

// Pads a picture file with bytes after its end, which decoders ignore.
void PadTo(const QString& path, qint64 size) {
    QFile file(path);
    file.open(QIODevice::Append);
    file.write(QByteArray(size - file.size(), '\0'));
}

} // namespace

class MosaicFollowsFolderTest : public AppTestCase {
    Q_OBJECT

private slots:
    void changesInTheFolderShowWithoutRefresh_data();
    void changesInTheFolderShowWithoutRefresh();
    void sortOrdersTheEntriesTheSheetAndNextPhoto_data();
    void sortOrdersTheEntriesTheSheetAndNextPhoto();
    void droppedFilesAndFoldersOpen_data();
    void droppedFilesAndFoldersOpen();
    void copyPutsFilesAndPicturesOnTheClipboard();
};

void MosaicFollowsFolderTest::changesInTheFolderShowWithoutRefresh_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("tooltipOfB");
    QTest::newRow("created") << "create d.jpg" << QStringList{"a.jpg", "b.jpg", "c.jpg", "d.jpg"}
                             << "80 × 60";
    QTest::newRow("created as no image, then written")
        << "write e.jpg" << QStringList{"a.jpg", "b.jpg", "c.jpg", "e.jpg"} << "80 × 60";
    QTest::newRow("written anew") << "rewrite b.jpg" << QStringList{"a.jpg", "b.jpg", "c.jpg"}
                                  << "120 × 90";
    QTest::newRow("renamed") << "rename b.jpg" << QStringList{"a.jpg", "c.jpg", "z.jpg"} << "";
    QTest::newRow("deleted") << "delete b.jpg" << QStringList{"a.jpg", "c.jpg"} << "";
    QTest::newRow("taken off with Delete, then touched")
        << "drop and touch b.jpg" << QStringList{"a.jpg", "c.jpg"} << "";
}

// Each change shows within a second (the thumbnails may take longer on a
// busy machine), and entry k stands for path k at every turn meanwhile.
void MosaicFollowsFolderTest::changesInTheFolderShowWithoutRefresh() {
    QFETCH(QString, change);
    QFETCH(QStringList, labels);
    QFETCH(QString, tooltipOfB);
    MosaicView* mosaic = OpenMosaicOf(*photos_, {"a.jpg", "b.jpg", "c.jpg"});
    QVERIFY(mosaic != nullptr);
    CorrespondenceWatch watch(mosaic);
    const QString folder = photos_->Directory() + QLatin1Char('/');

    if (change == "create d.jpg") {
        photos_->AddPhoto("d.jpg", {80, 60});
    } else if (change == "write e.jpg") {
        photos_->AddNonImage("e.jpg");
        QTest::qWait(2 * MosaicView::kFolderSettleMs);
        photos_->AddPhoto("e.jpg", {80, 60});
    } else if (change == "rewrite b.jpg") {
        photos_->AddPhoto("b.jpg", {120, 90});
    } else if (change == "rename b.jpg") {
        QVERIFY(QFile::rename(folder + "b.jpg", folder + "z.jpg"));
    } else if (change == "delete b.jpg") {
        QVERIFY(photos_->Remove("b.jpg"));
    } else {
        mosaic->setCurrentRow(1);
        mosaic->RemoveSelectedEntries();
        SetFileTime(folder + "b.jpg", 2001);
    }
    QTRY_COMPARE_WITH_TIMEOUT(EntryLabels(mosaic), labels, 1000);
    if (!tooltipOfB.isEmpty())
        QTRY_VERIFY(mosaic->item(1)->toolTip().contains(tooltipOfB));
    QTest::qWait(2 * MosaicView::kFolderSettleMs);
    QCOMPARE(EntryLabels(mosaic), labels);
    QVERIFY2(watch.failure.isEmpty(), qPrintable(watch.failure));
}

void MosaicFollowsFolderTest::sortOrdersTheEntriesTheSheetAndNextPhoto_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<bool>("reversed");
    QTest::addColumn<QStringList>("labels");
    // a and e were taken at the same time; b and d carry no date.
    QTest::newRow("name") << int{ID_SORT_BY_NAME} << false
                          << QStringList{"a.jpg", "b.jpg", "c.jpg", "d.png", "e.jpg"};
    QTest::newRow("date taken, then the file's")
        << int{ID_SORT_BY_DATE_TAKEN} << false
        << QStringList{"c.jpg", "b.jpg", "a.jpg", "e.jpg", "d.png"};
    QTest::newRow("date taken, reversed")
        << int{ID_SORT_BY_DATE_TAKEN} << true
        << QStringList{"d.png", "e.jpg", "a.jpg", "b.jpg", "c.jpg"};
    QTest::newRow("file date") << int{ID_SORT_BY_FILE_DATE} << false
                               << QStringList{"a.jpg", "e.jpg", "c.jpg", "b.jpg", "d.png"};
    QTest::newRow("size") << int{ID_SORT_BY_SIZE} << false
                          << QStringList{"e.jpg", "b.jpg", "d.png", "c.jpg", "a.jpg"};
    QTest::newRow("type") << int{ID_SORT_BY_TYPE} << false
                          << QStringList{"a.jpg", "b.jpg", "c.jpg", "e.jpg", "d.png"};
}

void MosaicFollowsFolderTest::sortOrdersTheEntriesTheSheetAndNextPhoto() {
    QFETCH(int, command);
    QFETCH(bool, reversed);
    QFETCH(QStringList, labels);
    struct Photo {
        QString name;
        QString taken; // empty: none
        int fileYear;
        qint64 size;
    };
    const Photo photos[] = {{"a.jpg", "2020:06:01 10:00:00", 2001, 50000},
                            {"b.jpg", "", 2019, 20000},
                            {"c.jpg", "2018:06:01 10:00:00", 2003, 40000},
                            {"d.png", "", 2021, 30000},
                            {"e.jpg", "2020:06:01 10:00:00", 2002, 10000}};
    for (const Photo& photo : photos) {
        const QString path = QString::fromStdString(photos_->AddPhoto(photo.name, {80, 60}));
        if (!photo.taken.isEmpty())
            QVERIFY(SetDateTaken(path, photo.taken));
        PadTo(path, photo.size);
        SetFileTime(path, photo.fileYear);
    }
    QVERIFY(App()->OpenDocumentFile(photos_->PathOf("a.jpg")) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(WaitForMosaicBuild(mosaic));

    MainFrame()->OnCommand(command);
    if (reversed)
        MainFrame()->OnCommand(ID_SORT_REVERSE);
    QVERIFY(WaitForMosaicBuild(mosaic));
    QCOMPARE(EntryLabels(mosaic), labels);
    QCOMPARE(mosaic->Sheet().labels, labels);
    QVERIFY(mosaic->IsCommandChecked(command));
    QCOMPARE(mosaic->IsCommandChecked(ID_SORT_REVERSE), reversed);
    QCOMPARE(EntryLabel(mosaic->PhotoBeside(photos_->PathOf(labels[1]), 1)), labels[2]);
    QCOMPARE(EntryLabel(mosaic->PhotoBeside(photos_->PathOf(labels[1]), -1)), labels[0]);

    // A photo arriving later takes its place in the order shown.
    const QString late = QString::fromStdString(photos_->AddPhoto("f.jpg", {80, 60}));
    PadTo(late, 35000);
    SetFileTime(late, 2020);
    if (command == ID_SORT_BY_SIZE)
        QTRY_COMPARE_WITH_TIMEOUT(mosaic->item(3)->text(), QStringLiteral("f.jpg"), 1000);
}

void MosaicFollowsFolderTest::droppedFilesAndFoldersOpen_data() {
    QTest::addColumn<bool>("dropFolder");
    QTest::newRow("a photo") << false;
    QTest::newRow("a folder") << true;
}

void MosaicFollowsFolderTest::droppedFilesAndFoldersOpen() {
    QFETCH(bool, dropFolder);
    photos_->AddPhoto("a.jpg", {80, 60});
    photos_->AddPhoto("b.jpg", {80, 60});
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(
        dropFolder ? photos_->Directory() : QString::fromStdString(photos_->PathOf("b.jpg")))});
    MainWindow* frame = MainFrame();
    const QPoint centre = frame->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame, &drop);
    QTRY_VERIFY(ActiveMosaic() != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(WaitForMosaicBuild(mosaic));
    QCOMPARE(EntryLabels(mosaic), (QStringList{"a.jpg", "b.jpg"}));
    if (!dropFolder)
        QCOMPARE(mosaic->currentRow(), 1);
}

// Copy on Mosaic entries gives their files as URLs and paths; Copy Picture
// on a photo window gives the photo at its own size. The Edit keys stay
// without effect (their own tests).
void MosaicFollowsFolderTest::copyPutsFilesAndPicturesOnTheClipboard() {
    photos_->AddPhoto("d.jpg", {400, 300});
    MosaicView* mosaic = OpenMosaicOf(*photos_, {"a.jpg", "b.jpg", "c.jpg"});
    QVERIFY(mosaic != nullptr);
    mosaic->item(0)->setSelected(true);
    mosaic->item(2)->setSelected(true);
    mosaic->CopySelectedFiles();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied != nullptr);
    const QList<QUrl> urls{QUrl::fromLocalFile(QString::fromStdString(photos_->PathOf("a.jpg"))),
                           QUrl::fromLocalFile(QString::fromStdString(photos_->PathOf("c.jpg")))};
    QCOMPARE(copied->urls(), urls);
    QCOMPARE(copied->text(), urls[0].toLocalFile() + '\n' + urls[1].toLocalFile());

    mosaic->setCurrentRow(3);
    PhotoView* view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr);
    view->CopyPicture();
    const QImage picture = QApplication::clipboard()->image();
    QCOMPARE(picture.size(), QSize(400, 300));
    QVERIFY(ColorsClose(picture.pixelColor(10, 10), QuadrantColorAt({400, 300}, 10, 10)));
}

QTEST_MAIN(MosaicFollowsFolderTest)
#include "MosaicFollowsFolderTest.moc"
