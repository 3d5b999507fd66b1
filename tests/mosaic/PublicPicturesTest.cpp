// Pictures nobody here made, from Debian packages, decoded as the photo
// window, kolvira-render and the thumbnails decode them, and compared with
// what ImageMagick makes of the same files.
#include "PublicSamples.h"
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/PhotoScaling.h"
#include "imageio/formats/IconEntries.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace kolvira::test {
namespace {

// ImageMagick's picture of `input` ("file.ico[4]" names one entry), its
// samples as stored: the program, like most viewers, takes a PNG's gAMA
// chunk for sRGB. Null when it cannot make one.
QImage ReferenceDecode(const QString& input) {
    QTemporaryDir dir;
    const QString output = dir.filePath("reference.png");
    QProcess convert;
    convert.start("convert",
                  {input, "-set", "colorspace", "sRGB", "-depth", "8", "png32:" + output});
    if (!convert.waitForFinished(60'000) || convert.exitCode() != 0)
        return {};
    return QImage(output);
}

// How many channels of premultiplied pixels (so that the colour of a clear
// pixel does not count) differ by more than one level; -1 for another size.
int Differences(const QImage& decoded, const QImage& reference) {
    const QImage a = decoded.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = reference.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (a.size() != b.size())
        return -1;
    int differences = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int i = 0; i < a.width() * 4; ++i)
            differences += std::abs(a.constScanLine(y)[i] - b.constScanLine(y)[i]) > 1;
    }
    return differences;
}

// PNGs with transparency of every kind, among them the 16-bit RGB ones with
// a transparent colour that Qt's reader garbles.
TEST(PublicPicturesTest, PngTransparencyDecodesAsImageMagickDecodesIt) {
    for (const char* name :
         {"transparency/tbbn2c16.png", "transparency/tbgn2c16.png", "transparency/tbwn0g16.png",
          "transparency/tbrn2c08.png", "basic/basn6a16.png", "basic/basn2c16.png",
          "interlacing/basi2c16.png"}) {
        SCOPED_TRACE(name);
        const PublicSample sample = PngSuite(name);
        if (const QString missing = sample.Missing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        const QImage reference = ReferenceDecode(sample.path);
        ASSERT_FALSE(reference.isNull()) << "ImageMagick's convert cannot decode it";

        const DecodedPhoto photo = DecodePhoto(Native(sample.path));
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_EQ(Differences(photo.image, reference), 0);
        const Thumbnail thumbnail = DecodeThumbnail(Native(sample.path), 32);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(Differences(thumbnail.image, FlattenOnBlack(reference)), 0);
    }
}

TEST(IconEntriesTest, TheLargestEntryThenTheDeepestIsShown) {
    const std::pair<QList<IconEntry>, int> cases[] = {
        {{{{16, 16}, 4}, {{48, 48}, 4}, {{48, 48}, 32}, {{48, 48}, 8}}, 2},
        {{{{32, 32}, 32}, {{256, 256}, 8}, {{64, 64}, 32}}, 1},
        {{{{48, 48}, 32}, {{48, 48}, 32}}, 0},
        {{{{16, 16}, 4}}, 0},
        {{}, -1},
    };
    for (const auto& [entries, chosen] : cases)
        EXPECT_EQ(LargestIconEntry(entries), chosen) << entries.size() << " entries";
}

// An icon whose first entry is 48 x 48 in 16 colours, and the same file
// marked as a cursor: both show the 256 x 256 PNG entry.
TEST(PublicPicturesTest, IconsAndCursorsShowTheirLargestEntry) {
    const PublicSample sample = ManySizesIcon();
    if (const QString missing = sample.Missing(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    QFile icon(sample.path);
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    EXPECT_EQ(LargestIconEntry(ReadIconDirectory(icon)), 4);
    const QImage reference = ReferenceDecode(sample.path + "[4]");
    ASSERT_EQ(reference.size(), QSize(256, 256)) << "ImageMagick's convert cannot decode it";

    QTemporaryDir dir;
    QByteArray bytes = icon.readAll();
    WriteFile(dir.filePath("icon.ico"), bytes);
    bytes[2] = 2; // the directory's type: a cursor
    WriteFile(dir.filePath("cursor.cur"), bytes);
    for (const char* name : {"icon.ico", "cursor.cur"}) {
        SCOPED_TRACE(name);
        const DecodedPhoto photo = DecodePhoto(Native(dir.filePath(name)));
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_EQ(Differences(photo.image, reference), 0);
        EXPECT_EQ(DecodeThumbnail(Native(dir.filePath(name)), 100).photoSize, QSize(256, 256));
    }
}

} // namespace
} // namespace kolvira::test
