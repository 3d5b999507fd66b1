// The build job that hands thumbnails over to the event loop, and the store
// that keeps only a budget of them decoded.
#include "TestPhotos.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ThumbnailBuildJob.h"
#include "mosaic/ThumbnailBuilder.h"
#include "mosaic/ThumbnailStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace kolvira::test {
namespace {

// Runs the event loop until `done` holds, or for `ms` when it never does.
template <class Done> bool Spin(Done done, int ms = 20'000) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

double MeanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

class ThumbnailJobTest : public testing::Test {
protected:
    // `count` photos, the fourth of them no picture.
    void MakePhotos(int count, QSize size) {
        qputenv("XDG_CACHE_HOME", QFile::encodeName(dir_.filePath("cache")));
        const QByteArray photo = Encoded(Quadrants(size), "jpg");
        for (int i = 0; i < count; ++i) {
            const QString path = dir_.filePath(QStringLiteral("photo%1.jpg").arg(i));
            WriteFile(path, i == 3 ? QByteArray("not a photo") : photo);
            paths_.push_back(Native(path));
        }
    }
    void TearDown() override { FreedesktopThumbnails::SetWriting(true); }

    QTemporaryDir dir_;
    std::vector<QByteArray> paths_;
    ThumbnailCache noCache_{0}; // every photo decoded, so that cancelling finds work left
};

// Results come in order; after Cancel() returns nothing more comes, and
// those handed over stay as they were.
TEST_F(ThumbnailJobTest, DeliversInOrderUntilCancelled) {
    MakePhotos(120, {640, 480});
    ThumbnailBuildJob job(paths_, 100, noCache_, {.threads = 2});
    std::vector<ThumbnailBuildJob::Result> got;
    bool cancelled = false, afterCancel = false, finished = false;
    QObject::connect(&job, &ThumbnailBuildJob::Arrived, [&](const auto& batch) {
        afterCancel |= cancelled;
        got.insert(got.end(), batch.begin(), batch.end());
        job.Cancel();
        cancelled = true;
    });
    QObject::connect(&job, &ThumbnailBuildJob::Finished, [&] { finished = true; });
    job.Start();
    ASSERT_TRUE(Spin([&] { return cancelled; }));
    Spin([] { return false; }, 300);

    EXPECT_FALSE(afterCancel || finished || job.Running());
    EXPECT_EQ(job.Delivered(), got.size());
    EXPECT_LT(got.size(), paths_.size());
    for (std::size_t k = 0; k < got.size(); ++k) {
        EXPECT_EQ(got[k].k, k);
        EXPECT_EQ(got[k].image.isNull(), k == 3) << k;
    }
}

// Destroyed before its first batch, between two, or after a cancel, the job
// stops and joins its threads (the sanitizer runs catch the rest).
TEST_F(ThumbnailJobTest, DestroyingARunningJobStopsIt) {
    MakePhotos(40, {640, 480});
    for (const int batchesFirst : {0, 1, 2}) {
        auto job = std::make_unique<ThumbnailBuildJob>(
            paths_, 60, noCache_, ThumbnailBuildJob::Options{.keepCompressed = true});
        int batches = 0;
        QObject::connect(job.get(), &ThumbnailBuildJob::Arrived, [&](const auto&) { ++batches; });
        job->Start();
        ASSERT_TRUE(Spin([&] { return batches >= batchesFirst; }));
        if (batchesFirst == 2)
            job->Cancel();
        job.reset();
    }
}

// The store keeps the decoded thumbnails within its budget; one dropped comes
// back when painted again, from the shared thumbnails on disk or from its
// compressed copy, looking as it did.
TEST_F(ThumbnailJobTest, StoreStaysInBudgetAndEvictedThumbnailsComeBack) {
    MakePhotos(12, {320, 240});
    for (const bool onDisk : {true, false}) {
        SCOPED_TRACE(onDisk ? "shared thumbnails" : "compressed copies");
        FreedesktopThumbnails::SetWriting(onDisk);
        ThumbnailCache buildCache;
        std::vector<QImage> built(paths_.size());
        BuildThumbnails(paths_, 100, buildCache,
                        [&](std::size_t k, const QImage& image, QSize) { built[k] = image; });

        const auto one = static_cast<std::size_t>(built[0].sizeInBytes());
        const std::size_t budget = 3 * one + one / 2;
        ThumbnailStore store(noCache_, budget);
        store.Reset(100);
        for (std::size_t k = 0; k < paths_.size(); ++k) {
            if (!built[k].isNull())
                store.Add(paths_[k], built[k], {320, 240},
                          onDisk ? QByteArray() : CompressedThumbnail(built[k]));
        }
        EXPECT_EQ(store.DecodedCount(), 3u);
        EXPECT_TRUE(store.Image(paths_[3]).isNull()) << "never recorded";
        if (!onDisk) {
            EXPECT_LT(store.RecordBytes(), 11 * one / 4) << "compressed well";
        }

        for (const std::size_t k : {0u, 1u, 11u}) {
            ASSERT_TRUE(Spin([&] { return !store.Image(paths_[k]).isNull(); })) << k;
            const QImage back = store.Image(paths_[k]);
            ASSERT_EQ(back.size(), built[k].size());
            EXPECT_LT(MeanDifference(back, built[k]), onDisk ? 1.5 : 3.0) << k;
            EXPECT_LE(store.DecodedBytes(), budget);
        }
    }
}

} // namespace
} // namespace kolvira::test
