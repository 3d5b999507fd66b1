// Camera raw files through LibRaw: DNGs written here (no Debian tool writes
// one) decode upright to their size, thumbnails come from the embedded
// preview when it is large enough, and damaged or oversized files are refused
// with a reason.
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <map>

namespace kolvira::test {
namespace {

// A TIFF field: its type and count, and its value's little-endian bytes.
struct Field {
    quint16 type;
    quint32 count;
    QByteArray value;
};
using Ifd = std::map<quint16, Field>; // in tag order, as TIFF wants

enum : quint16 { kByte = 1, kAscii = 2, kShort = 3, kLong = 4, kRational = 5, kSRational = 10 };

void Put16(QByteArray& out, quint16 value) {
    out.append(2, '\0');
    qToLittleEndian(value, out.data() + out.size() - 2);
}

void Put32(QByteArray& out, quint32 value) {
    out.append(4, '\0');
    qToLittleEndian(value, out.data() + out.size() - 4);
}

Field Shorts(std::initializer_list<quint16> values) {
    Field field{kShort, quint32(values.size()), {}};
    for (quint16 v : values)
        Put16(field.value, v);
    return field;
}

Field Long(quint32 value) {
    Field field{kLong, 1, {}};
    Put32(field.value, value);
    return field;
}

Field Bytes(std::initializer_list<quint8> values) {
    Field field{kByte, quint32(values.size()), {}};
    for (quint8 v : values)
        field.value.append(char(v));
    return field;
}

Field Ascii(const char* text) {
    const QByteArray value = QByteArray(text) + '\0';
    return {kAscii, quint32(value.size()), value};
}

Field Rationals(quint16 type, std::initializer_list<double> values) {
    Field field{type, quint32(values.size()), {}};
    for (double v : values) {
        Put32(field.value, quint32(qint32(qRound(v * 10000))));
        Put32(field.value, 10000);
    }
    return field;
}

// The IFD as it is written at `at`, its longer values right after it.
QByteArray IfdBytes(const Ifd& ifd, quint32 at) {
    QByteArray entries, values;
    const quint32 valuesAt = at + 2 + 12 * quint32(ifd.size()) + 4;
    Put16(entries, quint16(ifd.size()));
    for (const auto& [tag, field] : ifd) {
        Put16(entries, tag);
        Put16(entries, field.type);
        Put32(entries, field.count);
        if (field.value.size() <= 4) {
            entries.append(field.value.leftJustified(4, '\0'));
        } else {
            Put32(entries, valuesAt + quint32(values.size()));
            values.append(field.value);
            if (values.size() % 2 != 0)
                values.append('\0');
        }
    }
    Put32(entries, 0); // no further IFD
    return entries + values;
}

struct DngPhoto {
    QImage stored;       // as the sensor saw it, before the orientation turns it
    int orientation = 1; // EXIF's
    QSize claimed = {};  // the size the header tells, when it lies
    QImage preview = {}; // embedded as a JPEG when not null
};

// A DNG as cameras write it: IFD0 holds an uncompressed 16-bit RGGB mosaic of
// the stored picture with what developing it needs (levels, a colour matrix
// that makes the camera's colours those of sRGB, neutral white balance), and
// a SubIFD holds the preview.
QByteArray Dng(const DngPhoto& photo) {
    const QImage& stored = photo.stored;
    const QSize size = photo.claimed.isValid() ? photo.claimed : stored.size();
    const quint16 black = 256, white = 256 + 255 * 60;
    QByteArray pixels;
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            const QRgb color = stored.pixel(x, y);
            const int level = y % 2 == 0 ? (x % 2 == 0 ? qRed(color) : qGreen(color))
                                         : (x % 2 == 0 ? qGreen(color) : qBlue(color));
            Put16(pixels, quint16(black + level * 60));
        }
    }
    const QByteArray previewJpeg =
        photo.preview.isNull() ? QByteArray() : Encoded(photo.preview, "jpg");

    Ifd raw;
    raw[254] = Long(0); // the main picture
    raw[256] = Long(size.width());
    raw[257] = Long(size.height());
    raw[258] = Shorts({16});
    raw[259] = Shorts({1});     // uncompressed
    raw[262] = Shorts({32803}); // colour filter array
    raw[271] = Ascii("Kolvira");
    raw[272] = Ascii("Test Camera");
    raw[273] = Long(0); // set below
    raw[274] = Shorts({quint16(photo.orientation)});
    raw[277] = Shorts({1});
    raw[278] = Long(size.height());
    raw[279] = Long(pixels.size());
    raw[284] = Shorts({1});
    raw[33421] = Shorts({2, 2});
    raw[33422] = Bytes({0, 1, 1, 2}); // RGGB
    raw[50706] = Bytes({1, 4, 0, 0});
    raw[50707] = Bytes({1, 1, 0, 0});
    raw[50708] = Ascii("Kolvira Test Camera");
    raw[50714] = Shorts({black});
    raw[50717] = Shorts({white});
    raw[50721] = Rationals(kSRational, {3.2406, -1.5372, -0.4986, -0.9689, 1.8758, 0.0415, 0.0557,
                                        -0.2040, 1.0570}); // XYZ to linear sRGB
    raw[50728] = Rationals(kRational, {1, 1, 1});
    raw[50778] = Shorts({21}); // D65

    Ifd preview;
    if (!previewJpeg.isEmpty()) {
        preview[254] = Long(1); // a reduced picture
        preview[256] = Long(photo.preview.width());
        preview[257] = Long(photo.preview.height());
        preview[258] = Shorts({8, 8, 8});
        preview[259] = Shorts({7}); // JPEG
        preview[262] = Shorts({6}); // YCbCr
        preview[273] = Long(0);     // set below
        preview[277] = Shorts({3});
        preview[278] = Long(photo.preview.height());
        preview[279] = Long(previewJpeg.size());
        raw[330] = Long(0); // SubIFDs, set below
    }
    // The IFDs come first, as in a camera's file, so a cut-off file keeps them.
    const quint32 rawAt = 8;
    const quint32 previewAt = rawAt + quint32(IfdBytes(raw, 0).size());
    const quint32 pixelsAt = previewAt + quint32(preview.empty() ? 0 : IfdBytes(preview, 0).size());
    const quint32 jpegAt = pixelsAt + quint32(pixels.size());
    raw[273] = Long(pixelsAt);
    if (!preview.empty()) {
        raw[330] = Long(previewAt);
        preview[273] = Long(jpegAt);
    }
    QByteArray file("II*\0", 4);
    Put32(file, rawAt);
    file += IfdBytes(raw, rawAt);
    if (!preview.empty())
        file += IfdBytes(preview, previewAt);
    return file + pixels + previewJpeg;
}

// The stored picture of a photo whose upright quadrants read "RGBW".
QImage StoredQuadrants(QSize upright, int orientation) {
    return StoredForOrientation(Quadrants(upright), orientation);
}

// The upright quadrants read "GRWB": told apart from the raw data's "RGBW".
QImage PreviewQuadrants(QSize upright, int orientation) {
    return StoredForOrientation(Quadrants(upright).mirrored(true, false), orientation);
}

TEST(RawFormatTest, DecodesUprightFromTheRawDataAndThumbnailsFromTheLargeEnoughPreview) {
    QTemporaryDir dir;
    struct Case {
        const char* name;
        int orientation;
        QSize upright;
        QSize previewUpright; // none when empty
        const char* thumbnailColors;
    } const cases[] = {
        {"small.dng", 1, {64, 48}, {}, "RGBW"}, // narrower than a thumbnail: decoded whole
        {"TURNED.DNG", 6, {48, 64}, {}, "RGBW"},
        {"landscape.dng", 1, {480, 320}, {300, 200}, "GRWB"},
        {"portrait.dng", 6, {320, 480}, {200, 300}, "GRWB"},
        {"portrait-left.dng", 8, {320, 480}, {200, 300}, "GRWB"},
        {"small-preview.dng", 1, {480, 320}, {150, 100}, "RGBW"},  // from a half-size decode
        {"padded-preview.dng", 6, {320, 480}, {225, 300}, "RGBW"}, // 3:4 for a 2:3 photo
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DngPhoto dng{.stored = StoredQuadrants(c.upright, c.orientation),
                     .orientation = c.orientation};
        if (!c.previewUpright.isEmpty())
            dng.preview = PreviewQuadrants(c.previewUpright, c.orientation);
        const QString path = dir.filePath(c.name);
        WriteFile(path, Dng(dng));

        const DecodedPhoto photo = DecodePhoto(Native(path));
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_EQ(photo.image.size(), c.upright);
        EXPECT_EQ(QuadrantColors(photo.image), "RGBW"); // never the preview
        EXPECT_TRUE(photo.damage.isEmpty()) << photo.damage.toStdString();

        const Thumbnail thumbnail = DecodeThumbnail(Native(path), 100);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.photoSize, c.upright);
        const int width = std::min(c.upright.width(), kLargestThumbWidth);
        EXPECT_EQ(thumbnail.image.size(), QSize(width, ThumbnailHeight(c.upright, width)));
        EXPECT_EQ(QuadrantColors(thumbnail.image), c.thumbnailColors);
    }
}

TEST(RawFormatTest, RefusesAnOversizedRawFromItsHeader) {
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.dng");
    // The pixels are those of a small photo: a decode would run out of them.
    WriteFile(
        path,
        Dng({.stored = StoredQuadrants({64, 48}, 6), .orientation = 6, .claimed = {10001, 20000}}));
    const std::string reason = "20000x10001 pixels is more than the limit of 200 megapixels";
    EXPECT_EQ(DecodePhoto(Native(path)).error.toStdString(), reason);
    EXPECT_EQ(DecodeThumbnail(Native(path), 100).error.toStdString(), reason);
}

TEST(RawFormatTest, RefusesWhatLibRawCannotDecodeWithAReason) {
    QTemporaryDir dir;
    const QByteArray dng = Dng({.stored = Quadrants({480, 320}), .preview = Quadrants({300, 200})});
    QByteArray noise(4096, '\0');
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    struct Case {
        const char* name;
        QByteArray bytes;
        const char* reason;
    } const cases[] = {
        {"cut-in-pixels.dng", dng.first(dng.size() / 2), "LibRaw could not unpack"},
        {"cut-in-header.dng", dng.first(100), "LibRaw could not read the file's header"},
        {"noise.cr2", noise, "Unsupported image format"},
        {"tiff-header.nef", QByteArray("II*\0\x08\0\0\0", 8), "LibRaw could not read"},
        // Told by its signature whatever the name; LibRaw finds no picture in it.
        {"fuji.bin", QByteArray("FUJIFILMCCD-RAW 0201FF383501") + noise, "LibRaw could not read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        WriteFile(path, c.bytes);
        const DecodedPhoto photo = DecodePhoto(Native(path));
        EXPECT_TRUE(photo.image.isNull());
        EXPECT_TRUE(photo.error.contains(c.reason)) << photo.error.toStdString();
        const Thumbnail thumbnail = DecodeThumbnail(Native(path), 100);
        EXPECT_TRUE(thumbnail.image.isNull());
        EXPECT_FALSE(thumbnail.error.isEmpty());
    }
}

} // namespace
} // namespace kolvira::test
