// The cache of thumbnails and the parallel build that delivers them in order.
#include "TestPhotos.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ThumbnailBuilder.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace kolvira::test {
namespace {

Thumbnail Solid(QSize size) {
    Thumbnail thumbnail;
    thumbnail.image = QImage(size, QImage::Format_RGB32);
    thumbnail.image.fill(Qt::gray);
    thumbnail.photoSize = size * 10;
    return thumbnail;
}

TEST(ThumbnailCacheTest, FindsOnlyTheFileAsItWasAndForgetsTheLeastRecentlyUsed) {
    const QSize size(100, 75);
    const std::size_t entry = [&] {
        ThumbnailCache probe;
        probe.Store({"x.jpg", 1, 1}, Solid(size));
        return probe.BytesUsed();
    }();
    ThumbnailCache cache(3 * entry);
    const ThumbnailKey a{"a.jpg", 10, 1}, b{"b.jpg", 10, 1}, c{"c.jpg", 10, 1}, d{"d.jpg", 10, 1};
    for (const ThumbnailKey& key : {a, b, c})
        cache.Store(key, Solid(size));
    EXPECT_TRUE(cache.Find(a)); // now the most recently used
    EXPECT_FALSE(cache.Find({"a.jpg", 10, 2})) << "modified since";
    EXPECT_FALSE(cache.Find({"a.jpg", 11, 1})) << "another size";
    cache.Store(d, Solid(size));
    EXPECT_TRUE(cache.Find(a) && cache.Find(c) && cache.Find(d));
    EXPECT_FALSE(cache.Find(b));
    EXPECT_EQ(cache.BytesUsed(), 3 * entry);

    cache.Store({"a.jpg", 10, 2}, Solid(size)); // the file changed: its old entry goes
    EXPECT_FALSE(cache.Find(a));
    EXPECT_EQ(cache.BytesUsed(), 3 * entry);
}

class ThumbnailBuildTest : public testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 8; ++i) {
            const QString path = dir_.filePath(QStringLiteral("photo%1.jpg").arg(i));
            WriteFile(path, Encoded(Quadrants({400 + 40 * i, 300}), "jpg"));
            paths_.push_back(Native(path));
        }
        WriteFile(dir_.filePath("notes.jpg"), "not a photo");
        paths_.insert(paths_.begin() + 3, Native(dir_.filePath("notes.jpg")));
    }

    struct Delivered {
        std::vector<QImage> thumbnails;
        ThumbnailBuildStats stats;
    };
    Delivered Build(int width, int threads, ThumbnailCache& cache) {
        Delivered delivered;
        delivered.stats = BuildThumbnails(
            paths_, width, cache,
            [&](std::size_t k, const QImage& thumbnail, QSize) {
                EXPECT_EQ(k, delivered.thumbnails.size()) << "in order";
                delivered.thumbnails.push_back(thumbnail);
            },
            threads);
        EXPECT_EQ(delivered.thumbnails.size(), paths_.size());
        return delivered;
    }

    QTemporaryDir dir_;
    std::vector<QByteArray> paths_;
    ThumbnailCache cache_;
};

TEST_F(ThumbnailBuildTest, DeliversInOrderTheSameOnOneOrFourThreads) {
    FreedesktopThumbnails::SetWriting(false); // so that both builds decode every file
    ThumbnailCache other;
    const Delivered one = Build(100, 1, cache_);
    const Delivered four = Build(100, 4, other);
    for (std::size_t k = 0; k < paths_.size(); ++k) {
        SCOPED_TRACE(paths_[k].toStdString());
        EXPECT_EQ(one.thumbnails[k].isNull(), k == 3);
        EXPECT_EQ(one.thumbnails[k], four.thumbnails[k]);
        if (k != 3) {
            EXPECT_EQ(one.thumbnails[k].width(), 100);
        }
    }
    EXPECT_EQ(four.stats.decoded, 9);
    EXPECT_EQ(four.stats.unreadable, 1);
    FreedesktopThumbnails::SetWriting(true);
}

TEST_F(ThumbnailBuildTest, ResizingDecodesNothingAndAChangedFileIsDecodedAgain) {
    const Delivered first = Build(100, 2, cache_);
    EXPECT_EQ(first.stats.decoded, 9);
    const Delivered larger = Build(200, 2, cache_);
    EXPECT_EQ(larger.stats.decoded, 0);
    EXPECT_EQ(larger.stats.fromCache, 9);
    EXPECT_EQ(larger.stats.unreadable, 1);
    EXPECT_EQ(larger.thumbnails[0].size(), QSize(200, 150));

    QFile changed(QFile::decodeName(paths_[5]));
    ASSERT_TRUE(changed.open(QIODevice::ReadWrite));
    ASSERT_TRUE(changed.setFileTime(changed.fileTime(QFileDevice::FileModificationTime).addSecs(60),
                                    QFileDevice::FileModificationTime));
    changed.close();
    const Delivered refreshed = Build(120, 2, cache_);
    EXPECT_EQ(refreshed.stats.decoded, 1);
    EXPECT_EQ(refreshed.stats.fromCache, 8);
}

TEST(ThumbnailBuildBoundTest, WorkersStayAFewFilesAheadOfASlowCaller) {
    QTemporaryDir dir;
    const QByteArray jpeg = Encoded(Quadrants({64, 48}), "jpg");
    std::vector<QByteArray> paths;
    for (int i = 0; i < 48; ++i) {
        const QString path = dir.filePath(QStringLiteral("photo%1.jpg").arg(i, 2, 10, QChar('0')));
        WriteFile(path, jpeg);
        paths.push_back(Native(path));
    }
    ThumbnailCache cache; // every file made is stored in it at once
    std::size_t storedWhileWaiting = 0;
    BuildThumbnails(
        paths, 100, cache,
        [&](std::size_t k, const QImage&, QSize) {
            if (k == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                storedWhileWaiting = cache.BytesUsed();
            }
        },
        2);
    const std::size_t oneEntry = cache.BytesUsed() / paths.size();
    EXPECT_LE(storedWhileWaiting, 8 * oneEntry);
}

} // namespace
} // namespace kolvira::test
