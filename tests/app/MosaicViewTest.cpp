// The Mosaic window: its entries and their order, the thumbnail size steps,
// removing entries, rebuilding, and opening an entry in a photo window.
#include "AppTestSupport.h"

#include "app/Application.h"
#include "app/CommandActions.h"
#include "app/MainWindow.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/Document.h"
#include "framework/DocumentTemplate.h"
#include "mosaicwindow/MosaicView.h"
#include "photowindow/PhotoView.h"

#include <QAction>
#include <QFile>
#include <QPainter>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace kolvira;
using namespace kolvira::test;

class MosaicViewTest : public AppTestCase {
    Q_OBJECT

private slots:

    void entriesFollowTheNamesAtTheStartingSize();
    void filesThatAreNoImagesLeaveTheList();
    void thumbnailsGrowAndShrinkInSteps_data();
    void thumbnailsGrowAndShrinkInSteps();
    void deleteDropsTheSelectedEntriesOnly();
    void rebuildingKeepsTheSelectionAndThePlace_data();
    void rebuildingKeepsTheSelectionAndThePlace();
    void aFolderThatCannotBeListedSaysWhy();
    void rebuildingDropsFilesThatHaveGone_data();
    void rebuildingDropsFilesThatHaveGone();
    void anEntryOpensInAPhotoWindow_data();
    void anEntryOpensInAPhotoWindow();
    void everyCellShowsItsWholeThumbnailAboveItsCaption();

private:
    // Writes the photos, opens the first and returns the Mosaic shown.
    MosaicView* OpenMosaicOf(const QStringList& names);
    QStringList Labels(const MosaicView* mosaic) const;
    std::vector<std::string> PathsOf(const QStringList& names) const;
};

MosaicView* MosaicViewTest::OpenMosaicOf(const QStringList& names) {
    return kolvira::test::OpenMosaicOf(*photos_, names);
}

QStringList MosaicViewTest::Labels(const MosaicView* mosaic) const {
    return EntryLabels(mosaic);
}

std::vector<std::string> MosaicViewTest::PathsOf(const QStringList& names) const {
    std::vector<std::string> paths;
    for (const QString& name : names)
        paths.push_back(photos_->PathOf(name));
    return paths;
}

void MosaicViewTest::entriesFollowTheNamesAtTheStartingSize() {
    MosaicView* mosaic = OpenMosaicOf({"b.jpg", "a.jpg", "C.jpg"});
    QVERIFY(mosaic != nullptr);
    QCOMPARE(Labels(mosaic), QStringList({"a.jpg", "b.jpg", "C.jpg"}));
    QCOMPARE(mosaic->photoPaths, PathsOf({"a.jpg", "b.jpg", "C.jpg"}));
    QCOMPARE(mosaic->iconSize(), QSize(100, 75));
    for (int row = 0; row < mosaic->count(); ++row)
        QVERIFY(!mosaic->thumbnails[row].isNull());
}

void MosaicViewTest::filesThatAreNoImagesLeaveTheList() {
    photos_->AddNonImage("x.jpg");
    MosaicView* mosaic = OpenMosaicOf({"a.jpg", "b.jpg"});
    QVERIFY(mosaic != nullptr);
    QCOMPARE(Labels(mosaic), QStringList({"a.jpg", "b.jpg"}));
    QCOMPARE(mosaic->photoPaths, PathsOf({"a.jpg", "b.jpg"}));
}

// The toolbar's More and Less size and the keypad's + and - step the width
// by 20 between 20 and 200; the main keyboard's + and - do nothing.
void MosaicViewTest::thumbnailsGrowAndShrinkInSteps_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("times");
    QTest::addColumn<QSize>("iconSize");
    QTest::newRow("More size x4") << "more" << 4 << QSize(180, 135);
    QTest::newRow("More size x5") << "more" << 5 << QSize(200, 150);
    QTest::newRow("More size x6") << "more" << 6 << QSize(200, 150);
    QTest::newRow("Less size x4") << "less" << 4 << QSize(20, 15);
    QTest::newRow("Less size x5") << "less" << 5 << QSize(20, 15);
    QTest::newRow("keypad + x2") << "keypad +" << 2 << QSize(140, 105);
    QTest::newRow("keypad - x2") << "keypad -" << 2 << QSize(60, 45);
    QTest::newRow("plain +") << "+" << 1 << QSize(100, 75);
    QTest::newRow("plain -") << "-" << 1 << QSize(100, 75);
}

void MosaicViewTest::thumbnailsGrowAndShrinkInSteps() {
    QFETCH(QString, input);
    QFETCH(int, times);
    QFETCH(QSize, iconSize);
    MosaicView* mosaic = OpenMosaicOf({"b.jpg", "a.jpg", "C.jpg"});
    QVERIFY(mosaic != nullptr);
    CommandActions& actions = MainFrame()->Actions();
    for (int i = 0; i < times; ++i) {
        if (input == "more")
            actions.Action(ID_MORE_SIZE)->trigger();
        else if (input == "less")
            actions.Action(ID_LESS_SIZE)->trigger();
        else if (input == "keypad +")
            QTest::keyClick(mosaic, Qt::Key_Plus, Qt::KeypadModifier);
        else if (input == "keypad -")
            QTest::keyClick(mosaic, Qt::Key_Minus, Qt::KeypadModifier);
        else
            QTest::keyClick(mosaic, input.front().toLatin1());
    }
    QVERIFY(WaitForMosaicBuild(mosaic));
    QCOMPARE(mosaic->iconSize(), iconSize);
    QCOMPARE(QSize(mosaic->thumbWidth, mosaic->thumbHeight), iconSize);
    QCOMPARE(Labels(mosaic), QStringList({"a.jpg", "b.jpg", "C.jpg"}));
}

void MosaicViewTest::deleteDropsTheSelectedEntriesOnly() {
    MosaicView* mosaic = OpenMosaicOf({"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg", "p4.jpg"});
    QVERIFY(mosaic != nullptr);
    QCOMPARE(mosaic->count(), 5);
    QItemSelectionModel* selection = mosaic->selectionModel();
    selection->select(mosaic->model()->index(1, 0), QItemSelectionModel::Select);
    selection->select(mosaic->model()->index(3, 0), QItemSelectionModel::Select);

    QTest::keyClick(mosaic, Qt::Key_Delete, Qt::ShiftModifier); // Cut's key
    QCOMPARE(mosaic->count(), 5);
    QTest::keyClick(mosaic, Qt::Key_Delete);

    QCOMPARE(mosaic->photoPaths, PathsOf({"p0.jpg", "p2.jpg", "p4.jpg"}));
    QCOMPARE(Labels(mosaic), QStringList({"p0.jpg", "p2.jpg", "p4.jpg"}));
    // The files themselves stay.
    QVERIFY(QFile::exists(photos_->Directory() + "/p1.jpg"));
    QVERIFY(QFile::exists(photos_->Directory() + "/p3.jpg"));
}

void MosaicViewTest::rebuildingKeepsTheSelectionAndThePlace_data() {
    QTest::addColumn<int>("command");
    QTest::newRow("More size") << int{ID_MORE_SIZE};
    QTest::newRow("Less size") << int{ID_LESS_SIZE};
    QTest::newRow("Refresh") << int{ID_REFRESH_MOSAIC};
}

// The entries chosen stay chosen and in sight, and Enter opens the current one.
void MosaicViewTest::rebuildingKeepsTheSelectionAndThePlace() {
    QFETCH(int, command);
    QStringList names;
    for (int k = 0; k < 80; ++k)
        names << QStringLiteral("p%1.jpg").arg(k, 2, 10, QChar(u'0'));
    MosaicView* mosaic = OpenMosaicOf(names);
    QVERIFY(mosaic != nullptr);
    mosaic->setCurrentRow(70);
    mosaic->item(60)->setSelected(true);
    mosaic->scrollToItem(mosaic->item(70));
    const int scrolled = mosaic->verticalScrollBar()->value();
    QVERIFY(scrolled > 0);

    MainFrame()->OnCommand(command);
    QVERIFY(WaitForMosaicBuild(mosaic));

    QCOMPARE(mosaic->SelectedPhotoPaths(), PathsOf({"p60.jpg", "p70.jpg"}));
    QCOMPARE(mosaic->currentItem, 70);
    if (command == ID_REFRESH_MOSAIC)
        QCOMPARE(mosaic->verticalScrollBar()->value(), scrolled);
    QVERIFY(mosaic->viewport()->rect().intersects(mosaic->visualItemRect(mosaic->item(70))));
    PhotoView* view = OpenCurrentEntry(mosaic);
    QVERIFY(view != nullptr);
    QCOMPARE(view->Photo().PhotoPath(), photos_->PathOf("p70.jpg"));
}

// Root reads any folder; without these capabilities this thread meets the
// folder's permissions as any user does.
class WithoutPermissionOverrides {
public:
    WithoutPermissionOverrides() {
        syscall(SYS_capget, &header_, saved_);
        __user_cap_data_struct reduced[2] = {saved_[0], saved_[1]};
        reduced[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
        syscall(SYS_capset, &header_, reduced);
    }
    ~WithoutPermissionOverrides() { syscall(SYS_capset, &header_, saved_); }

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2] = {};
};

// A folder that can be entered but not listed opens an empty Mosaic that
// says why.
void MosaicViewTest::aFolderThatCannotBeListedSaysWhy() {
    const std::string photo = photos_->AddPhoto("a.jpg", {80, 60});
    QFile folder(photos_->Directory());
    QVERIFY(folder.setPermissions(QFile::ExeOwner | QFile::ExeGroup | QFile::ExeOther));
    {
        const WithoutPermissionOverrides asAnyUser;
        QVERIFY(App()->OpenDocumentFile(photo) != nullptr);
    }
    QVERIFY(folder.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QCOMPARE(ActiveMosaic()->count(), 0);
    QCOMPARE(MainFrame()->statusBar()->currentMessage(),
             "Cannot list the files of " + photos_->Directory() + ": Permission denied");
}

void MosaicViewTest::rebuildingDropsFilesThatHaveGone_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("R key") << "R";
    QTest::newRow("Refresh command") << "Refresh";
}

void MosaicViewTest::rebuildingDropsFilesThatHaveGone() {
    QFETCH(QString, how);
    MosaicView* mosaic = OpenMosaicOf({"b.jpg", "a.jpg", "C.jpg"});
    QVERIFY(mosaic != nullptr);
    QVERIFY(photos_->Remove("b.jpg"));
    QCOMPARE(mosaic->count(), 3);

    if (how == "R")
        QTest::keyClick(mosaic, Qt::Key_R);
    else
        MainFrame()->Actions().Action(ID_REFRESH_MOSAIC)->trigger();
    QVERIFY(WaitForMosaicBuild(mosaic));

    QCOMPARE(Labels(mosaic), QStringList({"a.jpg", "C.jpg"}));
    QCOMPARE(mosaic->photoPaths, PathsOf({"a.jpg", "C.jpg"}));
}

// Enter opens the current entry (the first right after a build); a
// double-click opens the entry under the pointer.
void MosaicViewTest::anEntryOpensInAPhotoWindow_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("opened");
    QTest::newRow("Enter after the build") << "Enter" << -1 << "a.jpg";
    QTest::newRow("Enter on the third entry") << "Enter" << 2 << "C.jpg";
    QTest::newRow("double-click on the second entry") << "double-click" << 1 << "b.jpg";
    QTest::newRow("double-click on the third entry") << "double-click" << 2 << "C.jpg";
}

void MosaicViewTest::anEntryOpensInAPhotoWindow() {
    QFETCH(QString, how);
    QFETCH(int, row);
    QFETCH(QString, opened);
    MosaicView* mosaic = OpenMosaicOf({"b.jpg", "a.jpg", "C.jpg"});
    QVERIFY(mosaic != nullptr);

    if (how == "Enter") {
        if (row >= 0)
            mosaic->setCurrentRow(row);
        QTest::keyClick(mosaic, Qt::Key_Return);
    } else {
        const QRect cell = mosaic->visualItemRect(mosaic->item(row));
        QVERIFY(!cell.isEmpty());
        DoubleClick(mosaic->viewport(), cell.center());
    }

    QCOMPARE(DocumentWindowCount(), 2);
    PhotoView* view = ActivePhotoView();
    QVERIFY(view != nullptr);
    const std::string path = photos_->PathOf(opened);
    QCOMPARE(view->Photo().PhotoPath(), path);
    QCOMPARE(view->GetDocument()->GetTitle(), QFile::decodeName(QByteArray::fromStdString(path)));
    QCOMPARE(view->Photo().Image().size(), QSize(80, 60));
    // The Mosaic's document is not the photo's.
    QCOMPARE(App()->mosaicTemplate->Documents().size(), std::size_t{1});
}

namespace {

// The bounding box of the pixels in `area` of `shot` that are close to `colour`.
QRect BoxOf(const QImage& shot, const QRect& area, const QColor& color) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ColorsClose(shot.pixelColor(x, y), color, 40))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

// Red photos of 4:3, 3:2 and 3:4: at every size the cell shows the whole
// thumbnail, fitted to the thumbnail box, and the caption below it in dark
// text; the tooltip names the file and its size in pixels.
void MosaicViewTest::everyCellShowsItsWholeThumbnailAboveItsCaption() {
    const QSize shapes[] = {{400, 300}, {450, 300}, {300, 400}};
    const QStringList names = {"four by three.png", "three by two.png", "portrait.png"};
    for (int i = 0; i < 3; ++i) {
        QImage red(shapes[i], QImage::Format_RGB32);
        red.fill(Qt::red);
        photos_->AddPicture(names[i], red);
    }
    QVERIFY(App()->OpenDocumentFile(photos_->PathOf(names[0])) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(WaitForMosaicBuild(mosaic));
    mosaic->window()->resize(1400, 1000);
    ActiveChildFrame()->showMaximized();
    mosaic->clearSelection();
    mosaic->setCurrentRow(-1);
    while (mosaic->thumbWidth > MosaicView::kSmallestThumbWidth)
        mosaic->LessSize();

    for (int width = 20; width <= 200; width += 20, mosaic->MoreSize()) {
        QVERIFY(WaitForMosaicBuild(mosaic));
        QCOMPARE(mosaic->thumbWidth, width);
        const int boxHeight = mosaic->thumbHeight;
        QCoreApplication::processEvents();
        const QImage shot = mosaic->viewport()->grab().toImage();
        // The shot is in screen pixels: at ratio 2 each thumbnail shows twice
        // as many pixels, decoded for the screen.
        const qreal ratio = shot.devicePixelRatio();
        for (int row = 0; row < mosaic->count(); ++row) {
            const QString label = mosaic->item(row)->text();
            const QRect logicalCell = mosaic->visualItemRect(mosaic->item(row));
            const QRect cell(logicalCell.topLeft() * ratio, logicalCell.size() * ratio);
            const QRect red = BoxOf(shot, cell, Qt::red);
            const QSize shape = shapes[names.indexOf(label)];
            // Fitted into width x boxHeight with its proportions kept.
            const QSize fitted = shape.scaled(QSize(width, boxHeight) * ratio, Qt::KeepAspectRatio);
            const int slack = qCeil(ratio);
            QVERIFY2(std::abs(red.width() - fitted.width()) <= slack &&
                         std::abs(red.height() - fitted.height()) <= slack,
                     qPrintable(QStringLiteral("%1 at %2: red %3x%4, expected %5x%6")
                                    .arg(label)
                                    .arg(width)
                                    .arg(red.width())
                                    .arg(red.height())
                                    .arg(fitted.width())
                                    .arg(fitted.height())));
            QVERIFY(mosaic->thumbnails[row].width() >= fitted.width()); // not enlarged
            const QRect below(cell.left(), red.bottom() + 1, cell.width(),
                              cell.bottom() - red.bottom());
            const QRect text = BoxOf(shot, below, mosaic->palette().color(QPalette::Text));
            QVERIFY2(!text.isEmpty(), qPrintable(label + QStringLiteral(" has no caption")));
            QVERIFY(text.bottom() <= cell.bottom());
            QVERIFY(mosaic->item(row)->toolTip().contains(label));
            QVERIFY(mosaic->item(row)->toolTip().contains(
                QStringLiteral("%1 × %2").arg(shape.width()).arg(shape.height())));
        }
        if (width == 200)
            break;
    }
}

QTEST_MAIN(MosaicViewTest)
#include "MosaicViewTest.moc"
