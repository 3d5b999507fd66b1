// JPEG thumbnails decoded by libjpeg-turbo: alike to Qt's decode at the same
// size, baseline or progressive, whole or from the DC scans alone; upright;
// in sRGB; damaged files told and shown as far as they go.
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/WatchedPhotoFile.h"
#include "imageio/formats/JpegThumbnailDecoder.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace kolvira::test {
namespace {

// Gradients, sharp edges and fine stripes, so that the scans after the DC
// ones carry real detail.
QImage Scene(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const int stripe = (x / 3 + y / 5) % 2 * 40;
            line[x] = qRgb(x * 255 / size.width(), (y * 255 / size.height() + stripe) % 256,
                           (x + y) % 200 + stripe / 2);
        }
    }
    QPainter(&picture).fillRect(size.width() / 3, size.height() / 3, size.width() / 5,
                                size.height() / 4, Qt::darkMagenta);
    return picture;
}

QByteArray Jpeg(const QImage& picture, bool progressive) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(picture));
    return buffer.data();
}

JpegThumbnail Decoded(QByteArray jpeg, QSize atLeast, DcScans dcScans = DcScans::StopAfter) {
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    return DecodeJpegThumbnail(buffer, atLeast, dcScans);
}

QImage QtDecoded(QByteArray jpeg, QSize size) {
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "jpeg");
    reader.setScaledSize(size);
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

// The mean difference of the colour channels of two pictures of one size.
double MeanDifference(const QImage& a, const QImage& b) {
    EXPECT_EQ(a.size(), b.size());
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

TEST(JpegThumbnailTest, LooksLikeQtsDecodeAtTheSameSize) {
    const QImage scene = Scene({1600, 1200});
    struct Case {
        const char* name;
        QImage picture;
        bool progressive;
        QSize atLeast, decoded; // 1/8, else 3/8
    } const cases[] = {
        {"baseline 1/8", scene, false, {200, 150}, {200, 150}},
        {"progressive 1/8", scene, true, {200, 150}, {200, 150}},
        {"progressive 3/8", scene, true, {560, 420}, {600, 450}},
        {"grey progressive",
         scene.convertToFormat(QImage::Format_Grayscale8),
         true,
         {200, 150},
         {200, 150}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray jpeg = Jpeg(c.picture, c.progressive);
        const JpegThumbnail whole = Decoded(jpeg, c.atLeast, DcScans::ReadAll);
        const JpegThumbnail fromDc = Decoded(jpeg, c.atLeast, DcScans::StopAfter);
        ASSERT_EQ(whole.image.size(), c.decoded);
        EXPECT_EQ(whole.image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(whole.damage.isEmpty()) << whole.damage.toStdString();
        EXPECT_LT(MeanDifference(whole.image, QtDecoded(jpeg, c.decoded)), 2.0);
        // Only the low bits the last scans refine are missing.
        EXPECT_LT(MeanDifference(fromDc.image, whole.image), 1.0);
    }
}

// Upright by the EXIF orientation, and converted through an embedded profile
// as Qt's decode of the whole photo is, when DecodeThumbnail takes this way.
TEST(JpegThumbnailTest, MosaicThumbnailIsUprightAndInSrgb) {
    QTemporaryDir dir;
    const QString turned = dir.filePath("turned.jpg"), p3 = dir.filePath("p3.jpg");
    const QImage quadrants = Quadrants({1600, 1200});
    WriteFile(turned, WithExif(Jpeg(StoredForOrientation(quadrants, 6), true), 6));
    QImage profiled = quadrants;
    profiled.setColorSpace(QColorSpace::DisplayP3);
    WriteFile(p3, Jpeg(profiled, true));

    const Thumbnail upright = DecodeThumbnail(Native(turned), 100);
    EXPECT_EQ(upright.photoSize, QSize(1600, 1200));
    EXPECT_EQ(QuadrantColors(upright.image), "RGBW");

    const QImage thumbnail = DecodeThumbnail(Native(p3), 100).image;
    const QImage photo = DecodePhoto(Native(p3)).image;
    ASSERT_EQ(photo.colorSpace(), QColorSpace(QColorSpace::SRgb));
    EXPECT_EQ(thumbnail.colorSpace(), QColorSpace(QColorSpace::SRgb));
    for (const QPointF at : {QPointF(0.25, 0.25), QPointF(0.75, 0.25), QPointF(0.25, 0.75)}) {
        const QRgb got =
            thumbnail.pixel(int(at.x() * thumbnail.width()), int(at.y() * thumbnail.height()));
        const QRgb want = photo.pixel(int(at.x() * photo.width()), int(at.y() * photo.height()));
        EXPECT_LE(std::abs(qRed(got) - qRed(want)) + std::abs(qGreen(got) - qGreen(want)) +
                      std::abs(qBlue(got) - qBlue(want)),
                  6);
    }
}

// A cut-off file is damaged and gives what it holds, unless the cut comes
// after the scans a 1/8 picture needs. A few stray bytes before the end
// marker are no damage. A called-off decode gives nothing.
TEST(JpegThumbnailTest, DamagedFilesGiveWhatTheyHold) {
    const QImage scene = Scene({1600, 1200});
    const QByteArray baseline = Jpeg(scene, false), progressive = Jpeg(scene, true);
    const QImage whole = Decoded(baseline, {200, 150}).image;
    // Halfway through the first scan, which carries every block's DC.
    const qsizetype firstScan = progressive.indexOf("\xFF\xDA");
    const qsizetype secondScan = progressive.indexOf("\xFF\xDA", firstScan + 2);
    struct Case {
        const char* name;
        QByteArray jpeg;
        DcScans dcScans;
        bool damaged;
        double within; // of the whole picture, in mean levels
    } const cases[] = {
        {"baseline cut in half", baseline.left(baseline.size() / 2), DcScans::StopAfter, true, 255},
        {"progressive cut in half", progressive.left(progressive.size() / 2), DcScans::StopAfter,
         false, 1},
        {"progressive cut in half, every scan", progressive.left(progressive.size() / 2),
         DcScans::ReadAll, true, 3},
        {"progressive cut in its first scan", progressive.left((firstScan + secondScan) / 2),
         DcScans::StopAfter, true, 255},
        {"stray bytes", baseline.chopped(2) + QByteArray("\x12\x34\x56\xFF\xD9", 5),
         DcScans::StopAfter, false, 0.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const JpegThumbnail decoded = Decoded(c.jpeg, {200, 150}, c.dcScans);
        ASSERT_EQ(decoded.image.size(), QSize(200, 150));
        EXPECT_EQ(!decoded.damage.isEmpty(), c.damaged) << decoded.damage.toStdString();
        EXPECT_LT(MeanDifference(decoded.image, whole), c.within);
    }

    QTemporaryDir dir;
    WriteFile(dir.filePath("p.jpg"), progressive);
    QFile file(dir.filePath("p.jpg"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::atomic<bool> stop{true};
    WatchedPhotoFile watched(file, stop);
    EXPECT_TRUE(DecodeJpegThumbnail(watched, {200, 150}).image.isNull());
}

} // namespace
} // namespace kolvira::test
