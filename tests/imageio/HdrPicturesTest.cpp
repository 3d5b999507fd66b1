// HDR pictures (PQ and HLG) in JPEG XL, HEIC and AVIF, written by libjxl's
// cjxl, libheif's encoder and libavif's avifenc, shown in sRGB by one curve whatever the format:
// the same light gives the same grey in every format, reference white (203 nits; HLG's 75% signal)
// is near white, and a PQ gradient runs from black to white.
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <libheif/heif.h>

namespace kolvira::test {
namespace {

constexpr double kPq203Nits = 0.5806; // PQ's signal for 203 nits
constexpr double kHlgReferenceWhite = 0.75;
// libjxl's test picture: a grey PQ ramp over the whole 10,000 nits.
constexpr const char* kPqGradient = "/usr/share/libjxl-testdata/jxl/pq_gradient.jxl";

heif_error AppendTo(heif_context*, const void* data, size_t size, void* bytes) {
    static_cast<QByteArray*>(bytes)->append(static_cast<const char*>(data),
                                            static_cast<qsizetype>(size));
    return heif_error{heif_error_Ok, heif_suberror_Unspecified, "ok"};
}

// A 64 x 32 grey HEIC of 10-bit `signal` (0 to 1) with BT.2020 primaries and
// `transfer` in its nclx box, as HDR phones write them.
QByteArray GreyHeic(double signal, heif_transfer_characteristics transfer) {
    constexpr int width = 64, height = 32;
    heif_image* image = nullptr;
    heif_image_create(width, height, heif_colorspace_RGB, heif_chroma_interleaved_RRGGBB_LE,
                      &image);
    heif_image_add_plane(image, heif_channel_interleaved, width, height, 10);
    int stride = 0;
    uint8_t* plane = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    const auto code = static_cast<uint16_t>(std::lround(signal * 1023));
    for (int y = 0; y < height; ++y) {
        for (int i = 0; i < width * 3; ++i) {
            plane[y * stride + 2 * i] = code & 0xff;
            plane[y * stride + 2 * i + 1] = code >> 8;
        }
    }
    heif_color_profile_nclx* nclx = heif_nclx_color_profile_alloc();
    heif_nclx_color_profile_set_color_primaries(nclx,
                                                heif_color_primaries_ITU_R_BT_2020_2_and_2100_0);
    heif_nclx_color_profile_set_transfer_characteristics(nclx, transfer);
    heif_image_set_nclx_color_profile(image, nclx);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, heif_compression_HEVC, &encoder);
    heif_encoder_set_lossless(encoder, 1);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->macOS_compatibility_workaround_no_nclx_profile = 0;
    options->output_nclx_profile = nclx;
    QByteArray file;
    heif_writer writer{1, AppendTo};
    if (heif_context_encode_image(context, image, encoder, options, nullptr).code !=
            heif_error_Ok ||
        heif_context_write(context, &writer, &file).code != heif_error_Ok)
        file.clear();
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_context_free(context);
    heif_nclx_color_profile_free(nclx);
    heif_image_release(image);
    return file;
}

// A 64 x 32 grey JPEG XL of 16-bit `signal`, tagged by cjxl with the colour
// encoding `space` (libjxl's name) and, when set, a peak of `peakNits`.
QByteArray GreyJxl(double signal, const char* space, int peakNits = 0) {
    QTemporaryDir dir;
    const QString ppm = dir.filePath("grey.ppm"), jxl = dir.filePath("grey.jxl");
    QImage grey(64, 32, QImage::Format_RGBX64);
    const auto code = static_cast<quint16>(std::lround(signal * 65535));
    grey.fill(QColor::fromRgba64(code, code, code));
    grey.save(ppm); // no colour profile for cjxl to prefer to `space`
    QStringList arguments = {ppm, jxl, "-d", "0", "-x", QStringLiteral("color_space=") + space};
    if (peakNits > 0)
        arguments << QStringLiteral("--intensity_target=%1").arg(peakNits);
    QProcess cjxl;
    cjxl.start("cjxl", arguments);
    if (!cjxl.waitForFinished(30'000) || cjxl.exitCode() != 0)
        return {};
    QFile file(jxl);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// `png` (16 bits) as a 10-bit AVIF written by avifenc, with BT.2020 primaries
// and `transfer` (8 BT.709, 16 PQ, 18 HLG) in its nclx box.
QByteArray AvifFromPng(const QString& png, int transfer) {
    const QString avif = png + QStringLiteral(".avif");
    QProcess avifenc;
    avifenc.start("avifenc", {"--cicp", QStringLiteral("9/%1/9").arg(transfer), "-d", "10", "-y",
                              "444", "--min", "0", "--max", "0", "--ignore-icc", png, avif});
    if (!avifenc.waitForFinished(60'000) || avifenc.exitCode() != 0)
        return {};
    QFile file(avif);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray GreyAvif(double signal, int transfer) {
    QTemporaryDir dir;
    const QString png = dir.filePath("grey.png");
    QImage grey(64, 32, QImage::Format_RGBX64);
    const auto code = static_cast<quint16>(std::lround(signal * 65535));
    grey.fill(QColor::fromRgba64(code, code, code));
    grey.save(png);
    return AvifFromPng(png, transfer);
}

// libjxl's PQ ramp as an AVIF: its code values, as djxl writes them, tagged PQ.
QByteArray PqGradientAvif() {
    QTemporaryDir dir;
    const QString png = dir.filePath("ramp.png");
    QProcess djxl;
    djxl.start("djxl", {QString::fromLatin1(kPqGradient), png});
    if (!djxl.waitForFinished(60'000) || djxl.exitCode() != 0)
        return {};
    return AvifFromPng(png, 16);
}

// The grey the decoding routine shows for `bytes`, or -1.
int ShownGrey(const QByteArray& bytes, const char* extension) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("hdr.") + extension);
    WriteFile(path, bytes);
    const DecodedPhoto decoded = DecodePhoto(Native(path));
    if (decoded.image.isNull())
        return -1;
    const QRgb pixel = decoded.image.pixel(10, 10);
    EXPECT_EQ(qRed(pixel), qBlue(pixel));
    return qGreen(pixel);
}

TEST(HdrPicturesTest, TheSameLightShowsTheSameGreyInEveryFormat) {
    struct Case {
        const char* name;
        int grey;
        int sameAs; // the index of the case that must show the same grey, or -1
    };
    const int pqJxl = ShownGrey(GreyJxl(kPq203Nits, "RGB_D65_202_Rel_PeQ"), "jxl");
    const int pqHeic =
        ShownGrey(GreyHeic(kPq203Nits, heif_transfer_characteristic_ITU_R_BT_2100_0_PQ), "heic");
    const int hlgJxl = ShownGrey(GreyJxl(kHlgReferenceWhite, "RGB_D65_202_Rel_HLG"), "jxl");
    const int hlgHeic = ShownGrey(
        GreyHeic(kHlgReferenceWhite, heif_transfer_characteristic_ITU_R_BT_2100_0_HLG), "heic");
    // HLG's reference display peaks at 1000 nits: a PQ picture mastered for
    // one shows 203 nits as HLG shows its reference white.
    const int pq1000Jxl = ShownGrey(GreyJxl(kPq203Nits, "RGB_D65_202_Rel_PeQ", 1000), "jxl");
    const int pqAvif = ShownGrey(GreyAvif(kPq203Nits, 16), "avif");
    const int hlgAvif = ShownGrey(GreyAvif(kHlgReferenceWhite, 18), "avif");
    const Case cases[] = {
        {"PQ 203 nits, JPEG XL", pqJxl, -1},
        {"PQ 203 nits, HEIC", pqHeic, 0},
        {"HLG 75%, JPEG XL", hlgJxl, -1},
        {"HLG 75%, HEIC", hlgHeic, 2},
        {"PQ 203 nits of 1000, JPEG XL", pq1000Jxl, 2},
        {"PQ 203 nits, AVIF", pqAvif, 0},
        {"HLG 75%, AVIF", hlgAvif, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Reference white is shown near white, not as its code value (148
        // for PQ, 191 for HLG) and not clipped.
        EXPECT_GE(c.grey, 185);
        EXPECT_LE(c.grey, 245);
        if (c.sameAs >= 0) {
            EXPECT_NEAR(c.grey, cases[c.sameAs].grey, 2);
        }
    }
}

TEST(HdrPicturesTest, PqGradientRunsFromBlackToWhite) {
    QTemporaryDir dir;
    const QString avif = dir.filePath("pq_gradient.avif");
    WriteFile(avif, PqGradientAvif());
    for (const QString& path : {QString::fromLatin1(kPqGradient), avif}) {
        SCOPED_TRACE(path.toStdString());
        const DecodedPhoto decoded = DecodePhoto(Native(path));
        ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
        const int y = decoded.image.height() / 2;
        int previous = 0;
        for (int x = 0; x < decoded.image.width(); ++x) {
            const int grey = qGreen(decoded.image.pixel(x, y));
            ASSERT_GE(grey, previous) << "at x = " << x;
            previous = grey;
        }
        EXPECT_LE(qGreen(decoded.image.pixel(0, y)), 8);
        EXPECT_GE(previous, 250);
    }
}

} // namespace
} // namespace kolvira::test
