// Thumbnails decoded from photo files made here: their sizes, orientation,
// when the EXIF thumbnail serves, transparency, and files that are no photo.
#include "TestPhotos.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kolvira::test {
namespace {

class ThumbnailTest : public testing::Test {
protected:
    QByteArray Write(const QString& name, const QByteArray& bytes) {
        WriteFile(dir_.filePath(name), bytes);
        return Native(dir_.filePath(name));
    }
    QTemporaryDir dir_;
};

TEST(ThumbnailHeightTest, TruncatesInSixtyFourBitsAndKeepsARow) {
    EXPECT_EQ(ThumbnailHeight({4000, 3000}, 100), 75);
    EXPECT_EQ(ThumbnailHeight({3000, 4000}, 100), 133);
    EXPECT_EQ(ThumbnailHeight({3000, 3000}, 100), 100);
    EXPECT_EQ(ThumbnailHeight({5000, 10}, 100), 1);                    // 0.2 rows
    EXPECT_EQ(ThumbnailHeight({10, 100'000'000}, 200), 2'000'000'000); // past 32 bits midway
}

TEST_F(ThumbnailTest, LargeJpegsDecodeSmallAndScaleToTheirProportions) {
    struct Case {
        QSize photo;
        QSize at100;
    } const cases[] = {{{4000, 3000}, {100, 75}},
                       {{3000, 4000}, {100, 133}},
                       {{3000, 3000}, {100, 100}},
                       {{4000, 20}, {100, 1}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.photo.width() << "x" << c.photo.height());
        const Thumbnail thumbnail =
            DecodeThumbnail(Write("big.jpg", Encoded(Quadrants(c.photo), "jpg")), 100);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.photoSize, c.photo);
        EXPECT_EQ(thumbnail.image.format(), QImage::Format_RGB32);
        // Decoded for the largest cell, so that a larger cell needs no decode.
        EXPECT_EQ(thumbnail.image.size(),
                  QSize(kLargestThumbWidth, ThumbnailHeight(c.photo, kLargestThumbWidth)));
        const QImage cell = ScaleThumbnail(thumbnail, 100);
        EXPECT_EQ(cell.size(), c.at100);
        if (c.at100.height() > 4) {
            EXPECT_EQ(QuadrantColors(cell), "RGBW");
        }
    }
}

// Each EXIF orientation, decoded from the photo (at half its size, which Qt
// takes in the stored orientation) and from an embedded thumbnail.
TEST_F(ThumbnailTest, EveryExifOrientationComesOutUpright) {
    const QImage upright = Quadrants({400, 300});
    for (int orientation = 1; orientation <= 8; ++orientation) {
        for (const bool embedded : {false, true}) {
            SCOPED_TRACE(testing::Message()
                         << "orientation " << orientation << (embedded ? ", EXIF thumbnail" : ""));
            const QByteArray thumbnailJpeg =
                embedded ? Encoded(StoredForOrientation(Quadrants({160, 120}), orientation), "jpg")
                         : QByteArray();
            const QByteArray jpeg =
                WithExif(Encoded(StoredForOrientation(upright, orientation), "jpg"), orientation,
                         thumbnailJpeg);
            const Thumbnail thumbnail = DecodeThumbnail(Write("turned.jpg", jpeg), 100);
            ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
            EXPECT_EQ(thumbnail.fromExif, embedded);
            EXPECT_EQ(thumbnail.photoSize, QSize(400, 300));
            EXPECT_EQ(thumbnail.image.size(), embedded ? QSize(160, 120) : QSize(200, 150));
            EXPECT_EQ(QuadrantColors(thumbnail.image), "RGBW");
        }
    }
}

TEST_F(ThumbnailTest, ExifThumbnailServesOnlyWhenLargeEnoughAndOfThePhotosShape) {
    struct Case {
        QSize photo;
        QSize embedded;
        int minWidth;
        bool used;
    } const cases[] = {
        {{800, 600}, {160, 120}, 100, true},
        {{800, 600}, {160, 119}, 100, true},  // within a pixel of the photo's shape
        {{800, 600}, {160, 120}, 161, false}, // too small for the cell
        {{900, 600}, {160, 120}, 100, false}, // a 3:2 photo with a 4:3 thumbnail
        {{800, 600}, {160, 117}, 100, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.embedded.width() << "x" << c.embedded.height() << " in "
                     << c.photo.width() << "x" << c.photo.height() << " for " << c.minWidth);
        QImage marker(c.embedded, QImage::Format_RGB32);
        marker.fill(Qt::white); // unlike any part of the photo
        const QByteArray jpeg =
            WithExif(Encoded(Quadrants(c.photo), "jpg"), 1, Encoded(marker, "jpg"));
        const Thumbnail thumbnail = DecodeThumbnail(Write("camera.jpg", jpeg), c.minWidth);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.fromExif, c.used);
        EXPECT_EQ(ColorLetter(thumbnail.image.pixel(2, 2)), c.used ? 'W' : 'R');
    }
}

// A red square in the top-left quarter of a transparent picture.
QImage RedOnTransparent(QSize size) {
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    QPainter(&picture).fillRect(0, 0, size.width() / 2, size.height() / 2, Qt::red);
    return picture;
}

TEST_F(ThumbnailTest, EveryFormatDecodesWithTransparentPartsBlack) {
    const QImage picture = RedOnTransparent({32, 32});
    const QByteArray ico = Encoded(picture, "ico");
    QByteArray cur = ico;
    cur[2] = 2; // the icon directory's type: 2 is a cursor
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* quadrants;
    } const cases[] = {
        {"a.png", Encoded(picture, "png"), "RKKK"},
        {"a.ico", ico, "RKKK"},
        {"a.cur", cur, "RKKK"},
        {"a.gif", Gif(picture), "RKKK"},
        {"a.tif", Encoded(picture, "tif"), "RKKK"},
        {"a.bmp", Encoded(Quadrants({32, 32}), "bmp"), "RGBW"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Thumbnail thumbnail = DecodeThumbnail(Write(c.name, c.bytes), 100);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.image.format(), QImage::Format_RGB32);
        EXPECT_EQ(thumbnail.photoSize, QSize(32, 32));
        EXPECT_EQ(QuadrantColors(thumbnail.image), c.quadrants);
        EXPECT_EQ(QuadrantColors(ScaleThumbnail(thumbnail, 100)), c.quadrants);
    }
}

TEST_F(ThumbnailTest, WhatIsNoPhotoGivesANullThumbnailAndAReason) {
    const QByteArray text = Write("notes.jpg", "shopping list\n");
    const QByteArray fifo = Native(dir_.filePath("pipe.jpg"));
    ASSERT_EQ(::mkfifo(fifo.constData(), 0600), 0);
    const QByteArray huge = Write("huge.bmp", BmpHeaderOnly(20000, 10001));
    for (const QByteArray& path :
         {text, fifo, Native(dir_.path()), huge, Native(dir_.filePath("gone.jpg"))}) {
        SCOPED_TRACE(path.toStdString());
        const Thumbnail thumbnail = DecodeThumbnail(path, 100); // a FIFO must not block
        EXPECT_TRUE(thumbnail.image.isNull());
        EXPECT_FALSE(thumbnail.error.isEmpty());
        EXPECT_TRUE(ScaleThumbnail(thumbnail, 100).isNull());
    }
    EXPECT_TRUE(DecodeThumbnail(huge, 100).error.contains("megapixels"));
}

// A 2 x 20000 strip at width 100 would be 100 x 1000000; made as narrow as
// fits 4 widths of height, it looks the same fitted into the cell.
TEST_F(ThumbnailTest, VeryTallPhotoGivesANarrowerThumbnailNotAGiantOne) {
    QImage strip(2, 20000, QImage::Format_RGB32);
    strip.fill(Qt::red);
    const Thumbnail thumbnail = DecodeThumbnail(Write("strip.png", Encoded(strip, "png")), 100);
    EXPECT_EQ(thumbnail.photoSize, strip.size());
    EXPECT_EQ(ScaleThumbnail(thumbnail, 100).size(), QSize(1, 400));
    EXPECT_EQ(ScaleThumbnail(thumbnail, 200).size(), QSize(1, 800));
}

} // namespace
} // namespace kolvira::test
