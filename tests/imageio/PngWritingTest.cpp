// Saved PNGs hold the picture's exact pixels, whatever its width and pixel
// layout, and keep the photo's EXIF and the sRGB profile.
#include "ExifFixture.h"
#include "imageio/writing/PictureFiles.h"
#include "imageio/writing/PngWriter.h"
#include "imageio/writing/WritableFormats.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kolvira {
namespace {

// Every channel of every pixel differs from its neighbours', so a lost,
// swapped or shifted byte shows.
QImage Scrambled(int width, int height, QImage::Format format) {
    QImage picture(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const unsigned hash = (static_cast<unsigned>(x) * 2654435761u) ^
                                  (static_cast<unsigned>(y) * 40503u + 0x9e3779b9u);
            line[x] = qRgba(hash & 0xff, (hash >> 8) & 0xff, (hash >> 16) & 0xff, hash >> 24);
        }
    }
    return picture.convertToFormat(format);
}

TEST(PngWritingTest, PixelsComeBackExactly) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("picture.png");
    const QSize sizes[] = {{1, 1}, {3, 1}, {7, 5}, {333, 2}, {5, 1201}};
    const QImage::Format formats[] = {QImage::Format_RGB32, QImage::Format_ARGB32,
                                      QImage::Format_RGB888, QImage::Format_RGBA8888};
    for (const QImage::Format format : formats) {
        for (const QSize size : sizes) {
            SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height() << " format "
                                            << static_cast<int>(format));
            const QImage picture = Scrambled(size.width(), size.height(), format);
            ASSERT_TRUE(PngWriterTakes(picture));
            ASSERT_TRUE(WritePicture(picture, path, "png").IsWritten());
            const QImage read(path);
            ASSERT_EQ(read.size(), size);
            EXPECT_EQ(read.hasAlphaChannel(), picture.hasAlphaChannel());
            const QImage::Format compared =
                picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32;
            EXPECT_EQ(read.convertToFormat(compared), picture.convertToFormat(compared));
        }
    }
}

// A camera photo in `dir` with the fixture's EXIF; empty when it could not be made.
QString CameraPhoto(const QTemporaryDir& dir, int orientation) {
    const QString photo = dir.filePath("photo.jpg");
    if (!Scrambled(40, 30, QImage::Format_RGB32).save(photo) ||
        !test::AddCameraExif(photo, orientation))
        return {};
    return photo;
}

TEST(PngWritingTest, KeepsExifAndSrgb) {
    QTemporaryDir dir;
    const QString photo = CameraPhoto(dir, 6);
    ASSERT_FALSE(photo.isEmpty());
    QImage drawing = Scrambled(31, 41, QImage::Format_RGB32);
    drawing.setColorSpace(QColorSpace::SRgb);

    const QString path = dir.filePath("drawing.png");
    ASSERT_TRUE(
        WritePicture(drawing, path, "png", CarriedMetadata::Of(photo.toLocal8Bit())).IsWritten());
    const QMap<QString, QString> exif = test::ReadExif(path);
    for (auto it = test::CameraExif().begin(); it != test::CameraExif().end(); ++it)
        EXPECT_EQ(exif.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(exif.value("Exif.Image.Orientation"), "1");
    const QImage read(path);
    EXPECT_EQ(read.colorSpace(), QColorSpace(QColorSpace::SRgb));
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), drawing);
}

// Each format the program offers is written under each of its names, and
// carries the photo's EXIF exactly when the table says it does.
TEST(PngWritingTest, EveryWritableFormatIsWrittenUnderEachOfItsNames) {
    QTemporaryDir dir;
    const QString photo = CameraPhoto(dir, 1);
    ASSERT_FALSE(photo.isEmpty());
    const CarriedMetadata metadata = CarriedMetadata::Of(photo.toLocal8Bit());
    const QImage drawing = Scrambled(23, 17, QImage::Format_RGB32);
    for (const WritableFormat& format : WritableFormats()) {
        for (const QString& suffix : format.suffixes) {
            SCOPED_TRACE(suffix.toStdString());
            EXPECT_EQ(WritableFormatOf(suffix.toUpper()), &format);
            const QString path = dir.filePath("drawing." + suffix);
            const QByteArray writer = WriterFormatForSuffix(suffix);
            ASSERT_FALSE(writer.isEmpty());
            ASSERT_TRUE(WritePicture(drawing, path, writer, metadata).IsWritten());
            EXPECT_EQ(QImage(path).size(), drawing.size());
            EXPECT_EQ(test::ReadExif(path).contains("Exif.Image.Model"), format.keepsExif);
        }
    }
    EXPECT_EQ(WritableFormatOf("gif"), nullptr);
}

TEST(PngWritingTest, ReportsADeviceThatTakesNothing) {
    QBuffer unopened; // every write fails
    const WriteOutcome written = WritePng(Scrambled(9, 9, QImage::Format_RGB32), unopened);
    EXPECT_TRUE(written.IsFailed());
    EXPECT_FALSE(written.Reason().isEmpty());
}

} // namespace
} // namespace kolvira
