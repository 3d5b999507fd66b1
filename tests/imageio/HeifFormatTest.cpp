// HEIC and AVIF photos, written here by heif-enc (as phones and converters
// write them) and by libheif's encoder (for the orientations, thumbnails and
// nclx colours heif-enc cannot write), read through the one decoding routine
// and the Mosaic's thumbnails.
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/formats/ExtraFormats.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QBuffer>
#include <QColorSpace>
#include <QImageReader>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include <cstring>

namespace kolvira::test {
namespace {

heif_error WriteToByteArray(heif_context*, const void* data, size_t size, void* bytes) {
    static_cast<QByteArray*>(bytes)->append(static_cast<const char*>(data),
                                            static_cast<qsizetype>(size));
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// `picture` as libheif's 8-bit RGB picture, to be released by the caller.
heif_image* LibheifImage(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    heif_image* image = nullptr;
    heif_image_create(rgb.width(), rgb.height(), heif_colorspace_RGB, heif_chroma_interleaved_RGB,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgb.width(), rgb.height(), 8);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(plane + y * stride, rgb.constScanLine(y), rgb.width() * 3);
    return image;
}

struct HeicContent {
    QImage stored;
    int orientation = 1; // EXIF's values, written as 'irot' and 'imir' boxes
    QImage thumbnail;    // stored like the photo; shrunk to fit a thumbnailBox square
    int thumbnailBox = 0;
    heif_color_primaries nclxPrimaries = heif_color_primaries_unspecified; // with sRGB's curve
};

// The HEIC file of `content`, written by libheif's encoder; empty when it
// fails (every step's failure makes the last one fail).
QByteArray LibheifHeic(const HeicContent& content) {
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = static_cast<heif_orientation>(content.orientation);
    options->macOS_compatibility_workaround_no_nclx_profile = 0; // write the nclx box
    heif_image* photo = LibheifImage(content.stored);
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    heif_nclx_color_profile_set_color_primaries(nclx, content.nclxPrimaries);
    heif_nclx_color_profile_set_transfer_characteristics(
        nclx, heif_transfer_characteristic_IEC_61966_2_1);
    if (content.nclxPrimaries != heif_color_primaries_unspecified)
        heif_image_set_nclx_color_profile(photo, nclx);
    heif_image_handle* primary = nullptr;
    heif_context_encode_image(context, photo, encoder, options, &primary);
    if (!content.thumbnail.isNull()) {
        heif_image* thumbnail = LibheifImage(content.thumbnail);
        heif_context_encode_thumbnail(context, thumbnail, primary, encoder, options,
                                      content.thumbnailBox, nullptr);
        heif_image_release(thumbnail);
    }
    QByteArray file;
    heif_writer writer{1, WriteToByteArray};
    if (primary == nullptr || heif_context_write(context, &writer, &file).code != heif_error_Ok)
        file.clear();
    heif_image_handle_release(primary);
    heif_nclx_color_profile_free(nclx);
    heif_image_release(photo);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(context);
    return file;
}

// `file` with the width and height in its first 'ispe' box (after the box's
// version and flags) set to `size`.
QByteArray WithIspe(QByteArray file, QSize size) {
    const qsizetype at = file.indexOf("ispe");
    if (at < 0)
        return {};
    qToBigEndian<quint32>(size.width(), file.data() + at + 8);
    qToBigEndian<quint32>(size.height(), file.data() + at + 12);
    return file;
}

// Files heif-enc makes from PNGs written here; the tests skip without it.
class HeifFormatTest : public testing::Test {
protected:
    void SetUp() override {
        LoadExtraFormats();
        if (QStandardPaths::findExecutable("heif-enc").isEmpty())
            GTEST_SKIP() << "heif-enc (libheif-examples) is not installed";
    }

    // `picture` encoded by heif-enc with `arguments`.
    QByteArray HeifEnc(const QImage& picture, const QStringList& arguments) {
        const QString png = dir_.filePath("source.png");
        // 8-bit RGB: the AV1 encoder aborts on a palette PNG.
        EXPECT_TRUE(picture.convertToFormat(QImage::Format_RGB888).save(png, "png"));
        const QString out = dir_.filePath(arguments.contains("-A") ? "out.avif" : "out.heic");
        QProcess encoder;
        encoder.start("heif-enc", arguments + QStringList{png, "-o", out});
        EXPECT_TRUE(encoder.waitForFinished(60'000));
        EXPECT_EQ(encoder.exitCode(), 0) << encoder.readAllStandardError().toStdString();
        QFile file(out);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    // The files get no extension: the content alone tells the format.
    QByteArray Write(const QString& name, const QByteArray& bytes) {
        WriteFile(dir_.filePath(name), bytes);
        return Native(dir_.filePath(name));
    }

    QTemporaryDir dir_;
};

// Lossy coding shifts the colours a little; the quadrants stay recognisable.
TEST_F(HeifFormatTest, HeicAndAvifDecodeWholeAndAsThumbnails) {
    const QImage photo = Quadrants({480, 360});
    struct Case {
        const char* name;
        QStringList arguments;
    } const cases[] = {{"heic", {"-q", "80"}}, {"avif", {"-A", "-q", "80"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray path = Write(c.name, HeifEnc(photo, c.arguments));
        const DecodedPhoto decoded = DecodePhoto(path);
        ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
        EXPECT_EQ(decoded.image.size(), photo.size());
        EXPECT_EQ(QuadrantColors(decoded.image), "RGBW");
        EXPECT_TRUE(decoded.damage.isEmpty()) << decoded.damage.toStdString();

        const Thumbnail thumbnail = DecodeThumbnail(path, 100);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.photoSize, photo.size());
        EXPECT_EQ(thumbnail.image.size(), QSize(kLargestThumbWidth, 150));
        EXPECT_EQ(QuadrantColors(thumbnail.image), "RGBW");
    }
}

// The stored thumbnail shows the quadrants mirrored, so the picture tells
// which one was decoded. Every orientation turns photo and thumbnail upright.
TEST_F(HeifFormatTest, TurnsUprightAndUsesTheStoredThumbnailWhenLargeEnough) {
    const QImage photo = Quadrants({480, 360});
    const QImage mirrored = Quadrants(photo.size()).mirrored(true, false); // "GRWB"
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(testing::Message() << "orientation " << orientation);
        const QByteArray file = LibheifHeic({StoredForOrientation(photo, orientation), orientation,
                                             StoredForOrientation(mirrored, orientation), 240});
        ASSERT_FALSE(file.isEmpty());
        const QByteArray path = Write("turned", file);

        const DecodedPhoto decoded = DecodePhoto(path);
        ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
        EXPECT_EQ(decoded.image.size(), photo.size());
        EXPECT_EQ(QuadrantColors(decoded.image), "RGBW");

        const Thumbnail fromStored = DecodeThumbnail(path, 100); // 200 wide: the 240 x 180 one
        ASSERT_FALSE(fromStored.image.isNull()) << fromStored.error.toStdString();
        EXPECT_EQ(fromStored.photoSize, photo.size());
        EXPECT_EQ(fromStored.image.size(), QSize(200, 150));
        EXPECT_EQ(QuadrantColors(fromStored.image), "GRWB");

        const Thumbnail fromPhoto = DecodeThumbnail(path, 300); // more than the thumbnail has
        ASSERT_FALSE(fromPhoto.image.isNull()) << fromPhoto.error.toStdString();
        EXPECT_EQ(fromPhoto.image.size(), QSize(300, 225));
        EXPECT_EQ(QuadrantColors(fromPhoto.image), "RGBW");
    }
}

// The photo is decoded by the child program, which a crash ends alone; the
// small stored thumbnail is decoded here.
TEST_F(HeifFormatTest, CrashOfThePhotosDecoderLeavesTheStoredThumbnail) {
    const QImage photo = Quadrants({480, 360});
    const QByteArray file = LibheifHeic({photo, 1, photo.mirrored(true, false), 240});
    ASSERT_FALSE(file.isEmpty());
    const QByteArray path = Write("crashing", file);
    qputenv("KOLVIRA_DECODE_TEST_FAULT", "crash");
    const DecodedPhoto decoded = DecodePhoto(path);
    const Thumbnail fromStored = DecodeThumbnail(path, 100);
    qunsetenv("KOLVIRA_DECODE_TEST_FAULT");
    EXPECT_TRUE(decoded.image.isNull());
    EXPECT_TRUE(decoded.error.contains("the decoder stopped (signal 11)"))
        << decoded.error.toStdString();
    ASSERT_FALSE(fromStored.image.isNull()) << fromStored.error.toStdString();
    EXPECT_EQ(QuadrantColors(fromStored.image), "GRWB");
}

// The reader hands the profile over as the picture's colour space, which
// the decoding routine then converts to sRGB.
TEST_F(HeifFormatTest, ReaderCarriesTheColorSpaceOfItsProfile) {
    const QImage photo = Quadrants({64, 48});
    QImage p3 = photo;
    p3.setColorSpace(QColorSpace::DisplayP3); // the PNG's ICC profile, which heif-enc keeps
    struct Case {
        const char* name;
        QByteArray file;
        QColorSpace expected; // invalid: none, which is taken for sRGB
    } const cases[] = {
        {"plain", HeifEnc(photo, {}), {}},
        {"icc", HeifEnc(p3, {}), QColorSpace::DisplayP3},
        {"nclx-p3", LibheifHeic({photo, 1, {}, 0, heif_color_primaries_SMPTE_EG_432_1}),
         QColorSpace::DisplayP3},
        {"nclx-srgb", LibheifHeic({photo, 1, {}, 0, heif_color_primaries_ITU_R_BT_709_5}), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.isEmpty());
        QByteArray file = c.file;
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer); // by the content
        const QImage picture = reader.read();
        ASSERT_FALSE(picture.isNull()) << reader.errorString().toStdString();
        const QColorSpace space = picture.colorSpace();
        EXPECT_EQ(space.isValid(), c.expected.isValid());
        if (c.expected.isValid()) {
            EXPECT_EQ(space.primaries(), c.expected.primaries());
            EXPECT_EQ(space.transferFunction(), c.expected.transferFunction());
        }
    }
}

// Sizes the header claims are checked before any pixel is decoded.
TEST_F(HeifFormatTest, RefusesPicturesLargerThanTheirHeadersAllow) {
    const QImage photo = Quadrants({160, 120});
    const QByteArray hugeHeic = WithIspe(HeifEnc(photo, {}), {20000, 10001});
    const QByteArray hugeAvif = WithIspe(HeifEnc(photo, {"-A"}), {20000, 10001});
    // heif-enc codes an odd-sized picture as a grid of one even-sized tile.
    // The grid's 'idat' holds its version, flags, rows and columns, then its
    // 16-bit width and height: here 9000 x 9000, for a header of 161 x 121.
    QByteArray grid = HeifEnc(Quadrants({161, 121}), {});
    const qsizetype idat = grid.indexOf("idat");
    ASSERT_GT(idat, 0);
    ASSERT_EQ(grid.at(idat + 5), 0) << "16-bit grid fields";
    qToBigEndian<quint16>(9000, grid.data() + idat + 8);
    qToBigEndian<quint16>(9000, grid.data() + idat + 10);
    struct Case {
        const char* name;
        QByteArray file;
        const char* reason;
    } const cases[] = {
        {"huge-heic", hugeHeic, "20000x10001 pixels is more than the limit of 200 megapixels"},
        {"huge-avif", hugeAvif, "20000x10001 pixels is more than the limit of 200 megapixels"},
        {"grid", grid, "Image size 9000x9000 exceeds the maximum image size"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.isEmpty());
        const QByteArray path = Write(c.name, c.file);
        const DecodedPhoto decoded = DecodePhoto(path);
        EXPECT_TRUE(decoded.image.isNull());
        EXPECT_TRUE(decoded.error.contains(c.reason)) << decoded.error.toStdString();
        const Thumbnail thumbnail = DecodeThumbnail(path, 100);
        EXPECT_TRUE(thumbnail.image.isNull());
        EXPECT_FALSE(thumbnail.error.isEmpty());
    }
}

// A file cut off on its way from the phone gives a reason, or what could be
// decoded marked as damaged; never a crash.
TEST_F(HeifFormatTest, CutOffFileIsRefusedOrDamaged) {
    const QImage photo = Quadrants({320, 240});
    for (const QStringList& arguments : {QStringList{}, QStringList{"-A"}}) {
        const QByteArray whole = HeifEnc(photo, arguments);
        for (const qsizetype kept : {whole.size() / 2, qsizetype{40}, whole.size() - 1}) {
            SCOPED_TRACE(testing::Message() << arguments.join(" ").toStdString() << " " << kept
                                            << " of " << whole.size() << " bytes");
            const QByteArray path = Write("cut", whole.first(kept));
            const DecodedPhoto decoded = DecodePhoto(path);
            EXPECT_TRUE(decoded.image.isNull() ? !decoded.error.isEmpty()
                                               : !decoded.damage.isEmpty());
            const Thumbnail thumbnail = DecodeThumbnail(path, 100);
            EXPECT_TRUE(!thumbnail.image.isNull() || !thumbnail.error.isEmpty());
        }
    }
}

} // namespace
} // namespace kolvira::test
