// The one decoding routine under the thumbnails, kolvira-render and the photo
// window: what it refuses to open, and the decoders' allocation limit.
#include "PhotoDecoding.h"
#include "TestPhotos.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

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
    EXPECT_EQ(QuadrantColours(photo.image), "RGBW");
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
