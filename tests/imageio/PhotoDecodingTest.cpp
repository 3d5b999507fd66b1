// The one decoding routine under the thumbnails, kolvira-render and the photo
// window: what it refuses to open, and the decoders' allocation limit.
#include "imageio/PhotoDecoding.h"
#include "TestPhotos.h"
#include "imageio/CodecMessages.h"
#include "imageio/DamageSigns.h"
#include "imageio/decoding/DecodeWatchdog.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QPluginLoader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace kolvira::test {
namespace {

TEST(PhotoDecodingTest, DecodesUprightByContentWhateverTheName) {
    QTemporaryDir dir;
    const QImage upright = Quadrants({40, 30});
    const QString path = dir.filePath("really-a-jpeg.png");
    WriteFile(path, WithExif(Encoded(StoredForOrientation(upright, 6), "jpg"), 6));
    const DecodedPhoto photo = DecodePhoto(Native(path));
    ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
    EXPECT_EQ(photo.image.size(), QSize(40, 30));
    EXPECT_EQ(QuadrantColors(photo.image), "RGBW");
}

// JPEG XL keeps a JPEG's EXIF data when cjxl recompresses it: orientation 6
// turns the photo and its thumbnail upright.
TEST(PhotoDecodingTest, JpegXlTurnsUprightByItsExifOrientation) {
    if (QStandardPaths::findExecutable("cjxl").isEmpty())
        GTEST_SKIP() << "cjxl (libjxl-tools) is not installed";
    QTemporaryDir dir;
    const QImage upright = Quadrants({48, 32});
    const QString jpeg = dir.filePath("turned.jpg"), jxl = dir.filePath("turned.jxl");
    WriteFile(jpeg, WithExif(Encoded(StoredForOrientation(upright, 6), "jpg", 100), 6));
    QProcess cjxl;
    cjxl.start("cjxl", {jpeg, jxl});
    ASSERT_TRUE(cjxl.waitForFinished(60'000));
    ASSERT_EQ(cjxl.exitCode(), 0) << cjxl.readAllStandardError().toStdString();
    const DecodedPhoto photo = DecodePhoto(Native(jxl));
    ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
    EXPECT_EQ(photo.image.size(), upright.size());
    EXPECT_EQ(QuadrantColors(photo.image), "RGBW");
    const Thumbnail thumbnail = DecodeThumbnail(Native(jxl), 24);
    ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
    EXPECT_EQ(thumbnail.photoSize, upright.size());
    EXPECT_EQ(QuadrantColors(thumbnail.image), "RGBW");
}

// A WebP of `stored` with an EXIF chunk saying `orientation`, in the
// extended layout (VP8X, the picture, EXIF) that cameras and editors write.
QByteArray WebpWithExif(const QImage& stored, int orientation) {
    const QByteArray simple = Encoded(stored, "webp", 100);
    const QByteArray jpegExif = WithExif(Encoded(stored, "jpg"), orientation);
    // The APP1 payload after its length: "Exif\0\0" and the TIFF data.
    const qsizetype app1 = jpegExif.indexOf(QByteArrayView("Exif\0\0", 6));
    const int length = (uchar(jpegExif[app1 - 2]) << 8 | uchar(jpegExif[app1 - 1])) - 2;
    const QByteArray exif = jpegExif.mid(app1, length);
    const auto le32 = [](quint32 v) {
        QByteArray b(4, 0);
        qToLittleEndian(v, b.data());
        return b;
    };
    QByteArray vp8x = "VP8X" + le32(10);
    vp8x += char(0x08) + QByteArray(3, 0); // the EXIF flag
    vp8x += le32(stored.width() - 1).left(3) + le32(stored.height() - 1).left(3);
    QByteArray exifChunk = "EXIF" + le32(exif.size()) + exif;
    if (exif.size() % 2)
        exifChunk += char(0);
    const QByteArray body = "WEBP" + vp8x + simple.mid(12) + exifChunk;
    return "RIFF" + le32(body.size()) + body;
}

// Qt's WebP reader leaves the EXIF orientation out; the photo and its
// thumbnail still come out upright.
TEST(PhotoDecodingTest, WebpTurnsUprightByItsExifOrientation) {
    QTemporaryDir dir;
    const QImage upright = Quadrants({48, 32});
    for (int orientation : {1, 6, 8}) {
        SCOPED_TRACE(orientation);
        const QString path = dir.filePath(QStringLiteral("turned%1.webp").arg(orientation));
        WriteFile(path, WebpWithExif(StoredForOrientation(upright, orientation), orientation));
        const DecodedPhoto photo = DecodePhoto(Native(path));
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_EQ(photo.image.size(), upright.size());
        EXPECT_EQ(QuadrantColors(photo.image), "RGBW");
        const Thumbnail thumbnail = DecodeThumbnail(Native(path), 24);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.photoSize, upright.size());
        EXPECT_EQ(QuadrantColors(thumbnail.image), "RGBW");
    }
}

TEST(PhotoDecodingTest, RefusesWhatIsNotARegularFileWithoutReadingIt) {
    QTemporaryDir dir;
    const QByteArray fifo = Native(dir.filePath("pipe.jpg"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    struct Case {
        QByteArray path;
        const char* reason;
    } const cases[] = {
        {fifo, "pipe"}, // opened without waiting for a writer
        {Native(dir.path()), "folder"},
        {"/dev/null", "device"},
        {Native(dir.filePath("gone.jpg")), "No such file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        QString error;
        EXPECT_EQ(OpenPhotoFile(c.path, error), nullptr);
        EXPECT_TRUE(error.contains(c.reason)) << error.toStdString();
        const DecodedPhoto photo = DecodePhoto(c.path);
        EXPECT_TRUE(photo.image.isNull());
        EXPECT_EQ(photo.error, error);
    }
}

TEST(PhotoDecodingTest, RefusesAnOversizedPhotoFromItsHeader) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("huge.bmp"), BmpHeaderOnly(20000, 10001));
    const DecodedPhoto photo = DecodePhoto(Native(dir.filePath("huge.bmp")));
    EXPECT_TRUE(photo.image.isNull());
    EXPECT_EQ(photo.error, "20000x10001 pixels is more than the limit of 200 megapixels");
}

TEST(PhotoDecodingTest, RefusesAFileOverTheSizeCapWithoutReadingIt) {
    QTemporaryDir dir;
    const QByteArray sparse = Native(dir.filePath("sparse.jpg"));
    WriteFile(dir.filePath("sparse.jpg"), {});
    ASSERT_EQ(::truncate(sparse.constData(), kMaxFileBytes + 1), 0); // no blocks written
    const DecodedPhoto photo = DecodePhoto(sparse);
    EXPECT_TRUE(photo.image.isNull());
    EXPECT_EQ(photo.error, "the file is 1024 MB, more than the limit of 1024 MB");
}

// Decoders return what they could read of a cut-off file with at most a
// warning; the damage is told apart from a complete photo.
TEST(PhotoDecodingTest, DamagedPhotoGivesWhatDecodedAndSaysWhy) {
    QTemporaryDir dir;
    const QImage photo = Quadrants({160, 120});
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* damage; // "" for a complete file
    } const cases[] = {
        {"whole.jpg", Encoded(photo, "jpg"), ""},
        {"whole.gif", Gif(photo), ""},
        {"half.jpg", Encoded(photo, "jpg").first(Encoded(photo, "jpg").size() / 2),
         "premature end"},
        {"half.gif", Gif(photo).first(Gif(photo).size() / 2), "ends before the picture"},
        {"whole.bmp", Encoded(photo, "bmp"), ""},
        {"most.bmp", Encoded(photo, "bmp").chopped(100), "ends before the picture"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteFile(dir.filePath(c.name), c.bytes);
        const DecodedPhoto decoded = DecodePhoto(Native(dir.filePath(c.name)));
        ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
        EXPECT_EQ(decoded.image.size(), photo.size());
        if (*c.damage == 0)
            EXPECT_TRUE(decoded.damage.isEmpty()) << decoded.damage.toStdString();
        else
            EXPECT_TRUE(decoded.damage.contains(c.damage, Qt::CaseInsensitive))
                << decoded.damage.toStdString();
    }
}

TEST(PhotoDecodingTest, OnlyDataLossCountsAsDamage) {
    EXPECT_EQ(DamageSign({"Corrupt JPEG data: 2 extraneous bytes before marker 0xd9",
                          "libpng warning: iCCP: known incorrect sRGB profile"}),
              "");
    EXPECT_EQ(DamageSign({"Unknown JFIF revision", "Premature end of JPEG file"}),
              "Premature end of JPEG file");
    EXPECT_EQ(DamageSign({"Corrupt JPEG data: bad Huffman code"}),
              "Corrupt JPEG data: bad Huffman code");
}

// The limit counts the processor time the decode had: a decode that waits
// for its turn (here: sleeps) longer than the limit still finishes, one
// that keeps a processor busy is stopped at the limit, and one that waits on
// and on is stopped at kWallAllowance times the limit.
TEST(DecodeWatchdogTest, LimitCountsProcessorTime) {
    using namespace std::chrono;
    using Clock = steady_clock;
    static constexpr milliseconds kLimit{200};
    const struct {
        const char* name;
        std::function<bool(const std::atomic<bool>&)> task;
        bool finishes;
        milliseconds earliest, latest; // when the call returns
    } cases[] = {
        {"waits twice the limit",
         [](const std::atomic<bool>&) {
             std::this_thread::sleep_for(2 * kLimit);
             return true;
         },
         true, 2 * kLimit, 2 * kWallAllowance * kLimit},
        {"busy",
         [](const std::atomic<bool>& stop) {
             while (!stop) {
             }
             return true;
         },
         false, kLimit, 2 * kWallAllowance * kLimit},
        {"waits on",
         [](const std::atomic<bool>& stop) {
             while (!stop)
                 std::this_thread::sleep_for(milliseconds(5));
             return true;
         },
         false, kWallAllowance * kLimit, 2 * kWallAllowance * kLimit},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto start = Clock::now();
        const std::optional<bool> result = RunWithinTime<bool>(c.task, kLimit);
        const auto took = duration_cast<milliseconds>(Clock::now() - start);
        EXPECT_EQ(result.has_value(), c.finishes);
        EXPECT_GE(took, c.earliest);
        EXPECT_LT(took, c.latest);
    }
}

// A decode cut off by its limit still counts as running until it has
// ended, so that a program can wait for it before tearing its libraries down.
TEST(DecodeWatchdogTest, OverrunDecodeCountsUntilItEnds) {
    using namespace std::chrono;
    const auto release = std::make_shared<std::atomic<bool>>(false);
    const std::optional<bool> result = RunWithinTime<bool>(
        [release](const std::atomic<bool>&) {
            while (!*release)
                std::this_thread::sleep_for(milliseconds(1));
            return true;
        },
        milliseconds(10));
    EXPECT_FALSE(result.has_value());
    EXPECT_FALSE(RunningDecodes::AwaitAll(milliseconds(50)));
    *release = true;
    EXPECT_TRUE(RunningDecodes::AwaitAll(seconds(10)));
}

// Qt makes a built-in plugin on its first use without a lock. Decodes that
// start together on several threads, as a Mosaic's do, used to make one
// each and lose all but one; the plugins are now made before any decode.
TEST(PhotoDecodingTest, EveryThreadFindsTheSameFormatPlugins) {
    constexpr int kThreads = 8;
    std::vector<QObjectList> found(kThreads);
    std::atomic<int> ready{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            ++ready;
            while (ready < kThreads) {
            }
            found[t] = QPluginLoader::staticInstances();
        });
    for (std::thread& thread : threads)
        thread.join();
    const QObjectList plugins = QPluginLoader::staticInstances();
    EXPECT_GE(plugins.size(), 4);
    for (const QObjectList& list : found)
        EXPECT_EQ(list, plugins);
}

// A decode past its time is given up; the caller gets a reason, not a hang.
// The photo is large enough that even its 1/8-scale thumbnail decode takes
// many times the 1 ms allowed, on any machine.
TEST(PhotoDecodingTest, GivesUpADecodeThatRunsOutOfTime) {
    QTemporaryDir dir;
    WriteFile(dir.filePath("slow.jpg"), Encoded(Quadrants({4000, 3000}), "jpg"));
    const QByteArray path = Native(dir.filePath("slow.jpg"));
    const DecodedPhoto photo = DecodePhoto(path, std::chrono::milliseconds(1));
    EXPECT_TRUE(photo.image.isNull());
    EXPECT_EQ(photo.error, "decoding took longer than 0.001 s, the limit");
    const Thumbnail thumbnail = DecodeThumbnail(path, 100, std::chrono::milliseconds(1));
    EXPECT_TRUE(thumbnail.image.isNull());
    EXPECT_TRUE(thumbnail.timedOut); // not kept as unreadable
    EXPECT_FALSE(DecodePhoto(path).image.isNull());
}

// The Mosaic's workers decode while the photo window opens a photo: each
// collector hears its own thread only.
TEST(CodecMessagesTest, CollectsTheMessagesOfItsOwnThread) {
    CodecMessages collector;
    std::thread([] {
        CodecMessages other;
        qWarning("from the worker");
        EXPECT_EQ(other.Finish(), QStringList{"from the worker"});
    }).join();
    qWarning("from the caller");
    EXPECT_EQ(collector.Finish(), QStringList{"from the caller"});
}

// libjxl's failures arrive as traces of dozens of lines (one of the public
// fuzz files gave an 18 kB message); a user reads the failure's own words.
TEST(CodecMessagesTest, ReasonLeavesOutACodecsTraceAndRepeats) {
    const QStringList trace = {
        "JPEG XL: the decoder found corrupt data",
        "./lib/jxl/dec_context_map.cc:95: JXL_FAILURE: Invalid context map",
        "./lib/jxl/dec_ans.cc:345: JXL_RETURN_IF_ERROR code=1: DecodeContextMap(...)",
        "./lib/jxl/dec_context_map.cc:95: JXL_FAILURE: Invalid context map",
        "libpng error: IDAT: CRC error",
        "one more",
        "and another"};
    EXPECT_EQ(FailureReason("Unable to read image data", trace),
              "Unable to read image data (JPEG XL: the decoder found corrupt data; Invalid "
              "context map; libpng error: IDAT: CRC error)");
    EXPECT_EQ(FailureReason("Unknown error", {"x.cc:1: JXL_RETURN_IF_ERROR code=1"}),
              "Unknown error");
}

// Qt reads QT_IMAGEIO_MAXALLOC once, at its first look at the limit, so this
// runs in a process of its own that has the variable from its start.
TEST(DecodeLimitsDeathTest, EnvironmentCannotSwitchTheLimitOff) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const char* value : {"0", "100000"}) {
        SCOPED_TRACE(value);
        ::setenv("QT_IMAGEIO_MAXALLOC", value, 1);
        EXPECT_EXIT(
            {
                ApplyDecodeLimits();
                std::exit(QImageReader::allocationLimit() == kDecodeAllocationLimitMB ? 0 : 1);
            },
            testing::ExitedWithCode(0), "");
        ::unsetenv("QT_IMAGEIO_MAXALLOC");
    }
}

} // namespace
} // namespace kolvira::test
