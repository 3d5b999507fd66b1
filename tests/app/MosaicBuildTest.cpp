// The Mosaic's thumbnails are made beside the event loop: the window answers
// while they come, Esc stops the build keeping what was made, Refresh makes
// the rest, and closing the window in the middle leaves nothing behind.
#include "AppTestSupport.h"

#include "app/MainWindow.h"
#include "app/StatusBar.h"
#include "framework/ChildFrame.h"
#include "framework/CommandIds.h"
#include "framework/StatusProgress.h"
#include "mosaic/ContactSheet.h"
#include "mosaic/ThumbnailBuilder.h"
#include "mosaicwindow/MosaicView.h"

#include <QFile>
#include <QTest>

using namespace kolvira;
using namespace kolvira::test;

class MosaicBuildTest : public AppTestCase {
    Q_OBJECT

private slots:
    void thumbnailsArriveWhileTheWindowAnswers();
    void escapeKeepsWhatWasMadeAndRefreshMakesTheRest();
    void closingDuringABuildLeavesNothingBehind();
    void aWarmBuildDecodesOnlyTheEntriesNearSight();

private:
    // `count` copies of one large PNG, slow enough to read that a build
    // takes a while, with files that are no pictures at `unreadable`; the
    // Mosaic opened on them, still building.
    MosaicView* OpenSlowMosaic(int count, const std::vector<int>& unreadable = {});
};

MosaicView* MosaicBuildTest::OpenSlowMosaic(int count, const std::vector<int>& unreadable) {
    const std::string first = photos_->AddPhoto(QStringLiteral("p000.png"), {1600, 1200});
    for (int k = 1; k < count; ++k) {
        const QString name = QStringLiteral("p%1.png").arg(k, 3, 10, QChar(u'0'));
        const bool picture = std::find(unreadable.begin(), unreadable.end(), k) == unreadable.end();
        if (picture ? !QFile::copy(QFile::decodeName(QByteArray::fromStdString(first)),
                                   photos_->Directory() + u'/' + name)
                    : photos_->AddNonImage(name).empty())
            return nullptr;
    }
    if (App()->OpenDocumentFile(first) == nullptr)
        return nullptr;
    return ActiveMosaic();
}

namespace {

// Entry k is path k, the labels in name order.
bool EntriesMatchPaths(const MosaicView* mosaic) {
    if (mosaic->count() != static_cast<int>(mosaic->photoPaths.size()))
        return false;
    for (int row = 0; row < mosaic->count(); ++row) {
        if (mosaic->item(row)->text() != EntryLabel(mosaic->photoPaths[row]) ||
            (row > 0 && mosaic->photoPaths[row - 1] >= mosaic->photoPaths[row]))
            return false;
    }
    return true;
}

int NotBuiltCount(const MosaicView* mosaic) {
    int notBuilt = 0;
    for (int row = 0; row < mosaic->count(); ++row)
        notBuilt += mosaic->item(row)->toolTip().contains(QStringLiteral("not built yet"));
    return notBuilt;
}

} // namespace

// Every entry is there at once; a timer keeps firing while the thumbnails
// come; the busy cursor and the progress bar last as long as the build, the
// commands that need the whole list wait for it, and Delete does not.
void MosaicBuildTest::thumbnailsArriveWhileTheWindowAnswers() {
    int ticks = 0;
    QTimer timer;
    connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    MosaicView* mosaic = OpenSlowMosaic(40, {20});
    QVERIFY(mosaic != nullptr);
    QVERIFY(mosaic->Building());
    QCOMPARE(mosaic->count(), 40);
    QVERIFY(QApplication::overrideCursor() != nullptr);
    QVERIFY(MainFrame()->Progress()->Bar() != nullptr);
    const int commands[] = {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_SAVE_AS};
    for (int id : commands)
        QVERIFY(!mosaic->HandlesCommand(id));
    mosaic->selectAll();
    QVERIFY(!mosaic->HandlesCommand(ID_RENDER_SELECTION));
    // Delete takes entries off at once; the thumbnails still to come find
    // their own entries.
    mosaic->clearSelection();
    for (int row : {36, 37, 38})
        mosaic->item(row)->setSelected(true);
    QTest::keyClick(mosaic, Qt::Key_Delete);
    QCOMPARE(mosaic->count(), 37);
    QVERIFY(EntriesMatchPaths(mosaic));
    const int ticksBefore = ticks;

    QVERIFY(QTest::qWaitFor([&] { return mosaic->BuiltCount() > 0; }));
    QVERIFY(mosaic->Building());
    QVERIFY(WaitForMosaicBuild(mosaic));

    QVERIFY(ticks > ticksBefore + 2);
    QCOMPARE(mosaic->BuiltCount(), 36); // without the three taken off and p020, no picture
    QCOMPARE(mosaic->count(), 36);
    QVERIFY(EntriesMatchPaths(mosaic));
    for (int row = 0; row < mosaic->count(); ++row)
        QVERIFY(!mosaic->thumbnails[row].isNull());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(MainFrame()->Progress()->Bar() == nullptr);
    for (int id : commands)
        QVERIFY(mosaic->HandlesCommand(id));
    mosaic->selectAll();
    QVERIFY(mosaic->HandlesCommand(ID_RENDER_SELECTION));
}

// Esc stops the build: what was made stays, unreadable files made so far are
// gone, the rest waits as "not built yet" and Refresh makes it.
void MosaicBuildTest::escapeKeepsWhatWasMadeAndRefreshMakesTheRest() {
    MosaicView* mosaic = OpenSlowMosaic(60, {1, 30, 59});
    QVERIFY(mosaic != nullptr);
    QVERIFY(QTest::qWaitFor([&] { return mosaic->BuiltCount() >= 3; }));

    QTest::keyClick(mosaic, Qt::Key_Escape);

    QVERIFY(!mosaic->Building());
    const int built = mosaic->BuiltCount();
    QVERIFY(built >= 3 && built < 57);
    QCOMPARE(mosaic->count(), 59); // the unreadable p001 is gone already
    QVERIFY(EntriesMatchPaths(mosaic));
    QCOMPARE(NotBuiltCount(mosaic), 59 - built);
    QCOMPARE(
        MainFrame()->StatusBar()->currentMessage(),
        QStringLiteral("Stopped: %1 of 60 thumbnails made; Refresh makes the rest.").arg(built));
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(MainFrame()->Progress()->Bar() == nullptr);
    QTest::qWait(100);
    QCOMPARE(mosaic->BuiltCount(), built);

    QTest::keyClick(mosaic, Qt::Key_R);
    QVERIFY(WaitForMosaicBuild(mosaic));
    QCOMPARE(mosaic->count(), 57);
    QVERIFY(EntriesMatchPaths(mosaic));
    QCOMPARE(NotBuiltCount(mosaic), 0);
}

// Closing the window, or starting a new build, stops the one under way; the
// sanitizer run finds no use of the freed window and no leak.
void MosaicBuildTest::closingDuringABuildLeavesNothingBehind() {
    MosaicView* mosaic = OpenSlowMosaic(40);
    QVERIFY(mosaic != nullptr);
    mosaic->MoreSize(); // a restart at the new size
    QVERIFY(mosaic->Building());
    QVERIFY(QTest::qWaitFor([&] { return mosaic->BuiltCount() > 0; }));
    ActiveChildFrame()->close();
    FlushDeferredDeletes();
    QCOMPARE(DocumentWindowCount(), 0);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    QVERIFY(MainFrame()->Progress()->Bar() == nullptr);
    QTest::qWait(100);
}

// With the shared thumbnails filled by another program, the cells in sight
// get their thumbnails and the others only when scrolled to.
void MosaicBuildTest::aWarmBuildDecodesOnlyTheEntriesNearSight() {
    constexpr int kCount = 300;
    const std::string first = photos_->AddPhoto(QStringLiteral("p000.png"), {160, 120});
    std::vector<QByteArray> paths{QByteArray::fromStdString(first)};
    for (int k = 1; k < kCount; ++k) {
        const QString name =
            photos_->Directory() + QStringLiteral("/p%1.png").arg(k, 3, 10, QChar(u'0'));
        QVERIFY(QFile::copy(QFile::decodeName(paths.front()), name));
        paths.push_back(QFile::encodeName(name));
    }
    ThumbnailCache elsewhere;
    BuildThumbnails(paths, 100, elsewhere, [](std::size_t, const QImage&, QSize) {});

    QVERIFY(App()->OpenDocumentFile(first) != nullptr);
    MosaicView* mosaic = ActiveMosaic();
    QVERIFY(WaitForMosaicBuild(mosaic));
    QCOMPARE(mosaic->BuiltCount(), kCount);
    const auto inSightDecoded = [mosaic] {
        for (int row = 0; row < mosaic->count(); ++row)
            if (mosaic->visualItemRect(mosaic->item(row)).intersects(mosaic->viewport()->rect()) &&
                mosaic->thumbnails[row].isNull())
                return false;
        return true;
    };
    QTRY_VERIFY(inSightDecoded());
    QVERIFY(!mosaic->thumbnails[0].isNull());
    QVERIFY(mosaic->thumbnails[kCount - 1].isNull());
    mosaic->scrollToBottom();
    QTRY_VERIFY(inSightDecoded());
    QVERIFY(!mosaic->thumbnails[kCount - 1].isNull());
}

QTEST_MAIN(MosaicBuildTest)
#include "MosaicBuildTest.moc"
