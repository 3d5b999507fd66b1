// Pictures with a colour profile come out of every decode in sRGB, as
// LittleCMS converts them; pictures without one come out as they are stored.
#include "imageio/color/ColorProfile.h"
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/color/EmbeddedProfile.h"
#include "imageio/color/MatrixShaperConversion.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>
#include <lcms2.h>

#include <cmath>
#include <cstdlib>

namespace kolvira::test {
namespace {

// --- Profiles made with LittleCMS ------------------------------------------

QByteArray Saved(cmsHPROFILE profile) {
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    QByteArray bytes(size, '\0');
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return bytes;
}

cmsHPROFILE MatrixProfile(const cmsCIExyYTRIPLE& primaries, cmsToneCurve* curve) {
    const cmsCIExyY white{0.3127, 0.3290, 1.0}; // D65
    cmsToneCurve* curves[3] = {curve, curve, curve};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(curve);
    return profile;
}

cmsHPROFILE DisplayP3() {
    const double srgbCurve[5] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    return MatrixProfile({{0.680, 0.320, 1}, {0.265, 0.690, 1}, {0.150, 0.060, 1}},
                         cmsBuildParametricToneCurve(nullptr, 4, srgbCurve));
}

cmsHPROFILE AdobeRgb() {
    return MatrixProfile({{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}},
                         cmsBuildGamma(nullptr, 563.0 / 256.0));
}

struct Sampling {
    cmsHTRANSFORM toLab; // from an RGB profile
    bool inks;           // the device values are inks, put through InkModel first
};

// Inks that each darken a little in the other inks' colours too, printed on
// an off-white paper: far from Qt's rule of thumb (red = 1 - C, and so on).
void InkModel(const cmsUInt16Number in[4], cmsUInt16Number rgb[3]) {
    const double c = in[0] / 65535.0, m = in[1] / 65535.0, y = in[2] / 65535.0, k = in[3] / 65535.0;
    const double linear[3] = {0.96 * (1 - c) * (1 - 0.1 * m) * (1 - k),
                              0.95 * (1 - m) * (1 - 0.3 * c) * (1 - k),
                              0.93 * (1 - y) * (1 - 0.4 * m) * (1 - 0.1 * c) * (1 - k)};
    for (int i = 0; i < 3; ++i)
        rgb[i] = cmsUInt16Number(std::lround(linear[i] * 65535));
}

int Sample(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo) {
    const auto* sampling = static_cast<const Sampling*>(cargo);
    cmsUInt16Number rgb[3];
    if (sampling->inks)
        InkModel(in, rgb);
    cmsDoTransform(sampling->toLab, sampling->inks ? rgb : in, out, 1);
    return TRUE;
}

// A version 4 profile whose only colour data is an A2B0 lookup table (mAB)
// sampled from the RGB profile `source` (through InkModel for CMYK): the
// kind Qt cannot use.
QByteArray LookupTableProfile(cmsHPROFILE source, cmsColorSpaceSignature space, int grid) {
    const bool inks = space == cmsSigCmykData;
    const int inputs = inks ? 4 : 3;
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    const Sampling sampling{cmsCreateTransform(source, TYPE_RGB_16, lab, TYPE_Lab_16,
                                               INTENT_RELATIVE_COLORIMETRIC, cmsFLAGS_NOCACHE),
                            inks};
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(profile, 4.3);
    cmsSetDeviceClass(profile, inks ? cmsSigOutputClass : cmsSigDisplayClass);
    cmsSetColorSpace(profile, space);
    cmsSetPCS(profile, cmsSigLabData);
    cmsPipeline* pipeline = cmsPipelineAlloc(nullptr, inputs, 3);
    cmsStage* table = cmsStageAllocCLut16bit(nullptr, grid, inputs, 3, nullptr);
    cmsStageSampleCLut16bit(table, Sample, const_cast<Sampling*>(&sampling), 0);
    cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, inputs, nullptr));
    cmsPipelineInsertStage(pipeline, cmsAT_END, table);
    cmsPipelineInsertStage(pipeline, cmsAT_END, cmsStageAllocToneCurves(nullptr, 3, nullptr));
    cmsWriteTag(profile, cmsSigAToB0Tag, pipeline);
    cmsWriteTag(profile, cmsSigMediaWhitePointTag, cmsD50_XYZ());
    cmsPipelineFree(pipeline);
    cmsDeleteTransform(sampling.toLab);
    cmsCloseProfile(lab);
    cmsCloseProfile(source);
    return Saved(profile);
}

// Adobe RGB's primaries with a gamma of -2, which LittleCMS evaluates to
// up to 1e22 near black: what a hostile file may carry.
const QByteArray& HugeCurveIcc() {
    static const double kGamma[] = {-2.0};
    static const QByteArray icc =
        Saved(MatrixProfile({{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}},
                            cmsBuildParametricToneCurve(nullptr, 1, kGamma)));
    return icc;
}

const QByteArray& DisplayP3Icc() {
    static const QByteArray icc = Saved(DisplayP3());
    return icc;
}
const QByteArray& AdobeRgbIcc() {
    static const QByteArray icc = Saved(AdobeRgb());
    return icc;
}
// Display P3 as a 33-point table: over 64 KiB, so a JPEG splits it over
// several APP2 segments.
const QByteArray& DisplayP3TableIcc() {
    static const QByteArray icc = LookupTableProfile(DisplayP3(), cmsSigRgbData, 33);
    return icc;
}
const QByteArray& PressCmykIcc() {
    static const QByteArray icc = LookupTableProfile(cmsCreate_sRGBProfile(), cmsSigCmykData, 9);
    return icc;
}

// What LittleCMS makes of `device` (3 or 4 bytes) in `icc`, in sRGB.
QRgb LcmsSrgb(const QByteArray& icc, const uchar* device, cmsUInt32Number type) {
    cmsHPROFILE source = cmsOpenProfileFromMem(icc.constData(), cmsUInt32Number(icc.size()));
    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHTRANSFORM transform =
        cmsCreateTransform(source, type, srgb, TYPE_RGB_8, INTENT_PERCEPTUAL, 0);
    uchar out[3] = {};
    if (transform != nullptr)
        cmsDoTransform(transform, device, out, 1);
    EXPECT_NE(transform, nullptr);
    cmsDeleteTransform(transform);
    cmsCloseProfile(srgb);
    cmsCloseProfile(source);
    return qRgb(out[0], out[1], out[2]);
}

QRgb LcmsSrgb(const QByteArray& icc, QRgb color) {
    const uchar device[3] = {uchar(qRed(color)), uchar(qGreen(color)), uchar(qBlue(color))};
    return LcmsSrgb(icc, device, TYPE_RGB_8);
}

bool Near(QRgb a, QRgb b, int levels = 2) {
    return std::abs(qRed(a) - qRed(b)) <= levels && std::abs(qGreen(a) - qGreen(b)) <= levels &&
           std::abs(qBlue(a) - qBlue(b)) <= levels;
}

std::string Hex(QRgb color) {
    return QString::number(color & 0xFFFFFF, 16).rightJustified(6, '0').toStdString();
}

// --- Picture files -----------------------------------------------------------

// Inside every gamut here, and moved by each conversion.
const QRgb kTan = qRgb(180, 120, 90);

// Two flat halves, pure red on the left, tan on the right.
QImage RedAndTan() {
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(kTan);
    QPainter(&picture).fillRect(0, 0, 200, 200, Qt::red);
    return picture;
}

// The centres of the two halves of a picture of that shape, at any size.
QPoint LeftCentre(const QImage& picture) {
    return {picture.width() / 4, picture.height() / 2};
}
QPoint RightCentre(const QImage& picture) {
    return {picture.width() * 3 / 4, picture.height() / 2};
}

// The file's pixels as stored, without conversion.
QImage Stored(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    return reader.read();
}

// Runs ImageMagick's convert (the real one, not a stand-in on the path).
void Convert(const QStringList& arguments) {
    QProcess convert;
    convert.start(QStringLiteral("/usr/bin/convert"), arguments);
    ASSERT_TRUE(convert.waitForFinished(60'000));
    ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
}

// ImageMagick attaches `icc` to a picture that has none, keeping its values.
void AttachProfile(const QStringList& source, const QString& icc, const QString& target) {
    Convert(source + QStringList{QStringLiteral("-profile"), icc, QStringLiteral("-quality"),
                                 QStringLiteral("100"), target});
}

void Put16(QByteArray& bytes, quint32 value) {
    bytes.append(char(value >> 8)).append(char(value & 0xFF));
}
void Put32(QByteArray& bytes, quint32 value) {
    Put16(bytes, value >> 16);
    Put16(bytes, value & 0xFFFF);
}

// `jpeg` with `icc` in APP2 segments of at most `chunk` bytes, numbered in
// profile order and written in the order `numbers` gives (1-based).
QByteArray WithIccSegments(const QByteArray& jpeg, const QByteArray& icc, int chunk,
                           const QList<int>& numbers) {
    const int count = int((icc.size() + chunk - 1) / chunk);
    QByteArray segments;
    for (const int number : numbers) {
        const QByteArray part = icc.mid(qsizetype(number - 1) * chunk, chunk);
        segments += "\xFF\xE2";
        Put16(segments, 2 + 14 + part.size());
        segments += QByteArray("ICC_PROFILE\0", 12) + char(number) + char(count) + part;
    }
    return jpeg.left(2) + segments + jpeg.mid(2);
}

// `jpeg` with EXIF data as a camera in Adobe RGB mode writes it: colour space
// "uncalibrated", interoperability index "R03", and `thumbnail`.
QByteArray WithAdobeRgbExif(const QByteArray& jpeg, const QByteArray& thumbnail) {
    const auto entry = [](QByteArray& tiff, quint16 tag, quint16 type, quint32 value) {
        Put16(tiff, tag);
        Put16(tiff, type);
        Put32(tiff, 1);
        if (type == 3) { // a SHORT, left-justified in the value field
            Put16(tiff, value);
            Put16(tiff, 0);
        } else {
            Put32(tiff, value);
        }
    };
    // Big-endian TIFF: IFD0 at 8 points to the EXIF directory at 68; IFD1 at
    // 26 to the thumbnail at 116; the EXIF directory to the
    // interoperability directory at 98.
    QByteArray tiff("MM\0\x2a", 4);
    Put32(tiff, 8);
    Put16(tiff, 1);
    entry(tiff, 0x8769, 4, 68);
    Put32(tiff, 26);
    Put16(tiff, 3);
    entry(tiff, 0x0103, 3, 6); // compression: JPEG
    entry(tiff, 0x0201, 4, 116);
    entry(tiff, 0x0202, 4, quint32(thumbnail.size()));
    Put32(tiff, 0);
    Put16(tiff, 2);
    entry(tiff, 0xA001, 3, 0xFFFF); // colour space: uncalibrated
    entry(tiff, 0xA005, 4, 98);
    Put32(tiff, 0);
    Put16(tiff, 1);
    Put16(tiff, 0x0001);
    Put16(tiff, 2); // ASCII, four bytes held in the entry
    Put32(tiff, 4);
    tiff += QByteArray("R03\0", 4);
    Put32(tiff, 0);
    EXPECT_EQ(tiff.size(), 116);
    tiff += thumbnail;
    QByteArray segment("\xFF\xE1");
    Put16(segment, 2 + 6 + tiff.size());
    segment += QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

// --- The tests ---------------------------------------------------------------

class ColorProfileTest : public ::testing::Test {
protected:
    QString ProfileFile(const QByteArray& icc) {
        const QString path = dir.filePath(QString::number(qHash(icc), 16) + ".icc");
        WriteFile(path, icc);
        return path;
    }

    // The red and tan halves of `decoded` are within 2 levels of what
    // LittleCMS makes of the stored halves of `path` through `icc`.
    void ExpectConverted(const QImage& decoded, const QString& path, const QByteArray& icc) {
        ASSERT_FALSE(decoded.isNull());
        const QImage stored = Stored(path);
        ASSERT_FALSE(stored.isNull());
        const QRgb red = LcmsSrgb(icc, stored.pixel(LeftCentre(stored)));
        const QRgb tan = LcmsSrgb(icc, stored.pixel(RightCentre(stored)));
        ASSERT_FALSE(Near(tan, stored.pixel(RightCentre(stored)))) << "the profile changes nothing";
        const QRgb gotRed = decoded.pixel(LeftCentre(decoded));
        const QRgb gotTan = decoded.pixel(RightCentre(decoded));
        EXPECT_TRUE(Near(gotRed, red)) << Hex(gotRed) << " for " << Hex(red);
        EXPECT_TRUE(Near(gotTan, tan)) << Hex(gotTan) << " for " << Hex(tan);
    }

    QTemporaryDir dir;
};

// Matrix profiles Qt writes and reads itself, and a lookup-table profile Qt
// cannot use, attached by ImageMagick, in each container that carries one.
TEST_F(ColorProfileTest, ProfiledPicturesComeOutInSrgb) {
    struct Case {
        const char* name;
        const QByteArray* icc;
        bool tableProfile;
    } const cases[] = {
        {"p3.jpg", &DisplayP3Icc(), false},        {"p3.png", &DisplayP3Icc(), false},
        {"adobe.jpg", &AdobeRgbIcc(), false},      {"adobe.png", &AdobeRgbIcc(), false},
        {"table.jpg", &DisplayP3TableIcc(), true}, {"table.png", &DisplayP3TableIcc(), true},
        {"table.tif", &DisplayP3TableIcc(), true},
    };
    const QString plain = dir.filePath("plain.png");
    WriteFile(plain, Encoded(RedAndTan(), "png"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        if (c.tableProfile) {
            ASSERT_FALSE(QColorSpace::fromIccProfile(*c.icc).isValid());
            AttachProfile({plain}, ProfileFile(*c.icc), path);
        } else {
            QImage picture = RedAndTan();
            picture.setColorSpace(QColorSpace::fromIccProfile(*c.icc));
            const QByteArray format = QFileInfo(path).suffix().toLatin1();
            WriteFile(path, Encoded(picture, format.constData(), 100));
            EXPECT_TRUE(Stored(path).colorSpace().isValid()) << "Qt wrote no profile";
        }

        const DecodedPhoto photo = DecodePhoto(Native(path));
        ExpectConverted(photo.image, path, *c.icc);
        EXPECT_EQ(photo.image.colorSpace(), QColorSpace(QColorSpace::SRgb));
        const Thumbnail thumbnail = DecodeThumbnail(Native(path), 100);
        EXPECT_EQ(thumbnail.image.width(), kLargestThumbWidth);
        ExpectConverted(thumbnail.image, path, *c.icc);
    }
}

// Untagged pictures, and a PNG whose gAMA and cHRM chunks are all it says of
// its colours (ImageMagick writes them for plain sRGB), keep their values.
TEST_F(ColorProfileTest, PicturesWithoutProfileKeepTheirValues) {
    const QString plainPng = dir.filePath("plain.png"), plainJpeg = dir.filePath("plain.jpg"),
                  gamma = dir.filePath("gamma.png");
    WriteFile(plainPng, Encoded(RedAndTan(), "png"));
    WriteFile(plainJpeg, Encoded(RedAndTan(), "jpg"));
    Convert({plainPng, "-define", "png:include-chunk=gAMA,cHRM", gamma});
    ASSERT_TRUE(Stored(gamma).colorSpace().isValid()) << "Qt made no colour space of gAMA";

    for (const QString& path : {plainPng, plainJpeg, gamma}) {
        SCOPED_TRACE(path.toStdString());
        const QImage stored = Stored(path);
        const DecodedPhoto photo = DecodePhoto(Native(path));
        ASSERT_EQ(photo.image.size(), stored.size());
        for (const QPoint at : {LeftCentre(stored), RightCentre(stored)})
            EXPECT_EQ(Hex(photo.image.pixel(at)), Hex(stored.pixel(at)));
        const Thumbnail thumbnail = DecodeThumbnail(Native(path), 100);
        EXPECT_TRUE(Near(thumbnail.image.pixel(RightCentre(thumbnail.image)), kTan, 3));
    }
}

// A CMYK JPEG as Photoshop and ImageMagick write it (inverted inks, an Adobe
// segment) is decoded from its inks and converted through its profile, also
// when its EXIF data turns it and when it is decoded small.
TEST_F(ColorProfileTest, CmykJpegIsConvertedFromItsInks) {
    const QString path = dir.filePath("press.jpg"), turned = dir.filePath("press-turned.jpg");
    AttachProfile({"-size", "200x200", "xc:cmyk(0,255,255,0)", "xc:cmyk(40,100,160,30)", "+append"},
                  ProfileFile(PressCmykIcc()), path);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    WriteFile(turned, WithExif(file.readAll(), 6)); // the left half shown on top

    const uchar redInks[4] = {0, 255, 255, 0}, otherInks[4] = {40, 100, 160, 30};
    const QRgb red = LcmsSrgb(PressCmykIcc(), redInks, TYPE_CMYK_8);
    const QRgb other = LcmsSrgb(PressCmykIcc(), otherInks, TYPE_CMYK_8);
    ASSERT_FALSE(Near(Stored(path).pixel(300, 100), other, 10)) << "Qt's own rule was right";

    struct Case {
        const char* name;
        QImage image;
        QPoint redAt, otherAt; // as fractions of the size, in quarters
    } const cases[] = {
        {"photo", DecodePhoto(Native(path)).image, {1, 2}, {3, 2}},
        {"thumbnail", DecodeThumbnail(Native(path), 100).image, {1, 2}, {3, 2}},
        {"turned photo", DecodePhoto(Native(turned)).image, {2, 1}, {2, 3}},
        {"turned thumbnail", DecodeThumbnail(Native(turned), 100).image, {2, 1}, {2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.image.isNull());
        const auto at = [&](QPoint quarters) {
            return c.image.pixel(c.image.width() * quarters.x() / 4,
                                 c.image.height() * quarters.y() / 4);
        };
        EXPECT_TRUE(Near(at(c.redAt), red)) << Hex(at(c.redAt)) << " for " << Hex(red);
        EXPECT_TRUE(Near(at(c.otherAt), other)) << Hex(at(c.otherAt)) << " for " << Hex(other);
    }
}

// A camera's EXIF thumbnail has no profile of its own: it takes the photo's,
// and Adobe RGB where the EXIF data says "R03" and the photo embeds none.
TEST_F(ColorProfileTest, ExifThumbnailSharesThePhotosColors) {
    const QByteArray thumbnail = Encoded(RedAndTan().scaled(200, 100), "jpg", 100);
    QImage profiled = RedAndTan();
    profiled.setColorSpace(QColorSpace::fromIccProfile(DisplayP3Icc()));
    const QString p3 = dir.filePath("p3-exif.jpg"), r03 = dir.filePath("r03.jpg");
    WriteFile(p3, WithExif(Encoded(profiled, "jpg", 100), 1, thumbnail));
    WriteFile(r03, WithAdobeRgbExif(Encoded(RedAndTan(), "jpg", 100), thumbnail));

    const QRgb tan = Stored(p3).pixel(300, 100);
    for (const auto& [path, icc] : {std::pair{p3, DisplayP3Icc()}, std::pair{r03, AdobeRgbIcc()}}) {
        SCOPED_TRACE(path.toStdString());
        ExpectConverted(DecodePhoto(Native(path)).image, path, icc);
        const Thumbnail fromExif = DecodeThumbnail(Native(path), 100);
        EXPECT_TRUE(fromExif.fromExif);
        const QRgb got = fromExif.image.pixel(RightCentre(fromExif.image));
        EXPECT_TRUE(Near(got, LcmsSrgb(icc, tan), 3)) << Hex(got);
    }
}

// Every 15th level of each channel, over and over, in rows of an odd width
// so that the vector code's last pixels of a row go through its plain loop;
// alpha varies.
QImage ColorGrid(QImage::Format format, QSize size) {
    constexpr int kSteps = 18;
    QImage grid(size, QImage::Format_ARGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int i = (y * size.width() + x) % (kSteps * kSteps * kSteps);
            grid.setPixel(x, y,
                          qRgba(i % kSteps * 15, i / kSteps % kSteps * 15, i / kSteps / kSteps * 15,
                                i % 256));
        }
    }
    return grid.convertToFormat(format);
}

// The fast conversion for matrix profiles agrees with LittleCMS to a level,
// on a thumbnail and on a picture large enough to be split between threads,
// keeps alpha, and declines the pictures and profiles it cannot take.
TEST(MatrixShaperConversionTest, MatchesLittleCmsOrDeclines) {
    struct Case {
        const char* name;
        const QByteArray* icc;
        QImage::Format format;
        bool converts;
        QSize size = {37, 158}; // each colour once
    } const cases[] = {
        {"P3, RGB32", &DisplayP3Icc(), QImage::Format_RGB32, true},
        {"Adobe RGB, ARGB32", &AdobeRgbIcc(), QImage::Format_ARGB32, true},
        {"P3, RGB888", &DisplayP3Icc(), QImage::Format_RGB888, true},
        {"P3, RGB32, 1.1 MP", &DisplayP3Icc(), QImage::Format_RGB32, true, {1111, 1001}},
        {"Adobe RGB, RGB888, 1.1 MP", &AdobeRgbIcc(), QImage::Format_RGB888, true, {1111, 1001}},
        {"premultiplied", &DisplayP3Icc(), QImage::Format_ARGB32_Premultiplied, false},
        {"lookup table", &DisplayP3TableIcc(), QImage::Format_RGB32, false},
        {"CMYK", &PressCmykIcc(), QImage::Format_RGB32, false},
        {"curve beyond 0..1", &HugeCurveIcc(), QImage::Format_RGB32, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage grid = ColorGrid(c.format, c.size);
        QImage converted = grid;
        ASSERT_EQ(MatrixShaperToSrgb(converted, *c.icc), c.converts);
        if (!c.converts) {
            EXPECT_EQ(converted, grid);
            continue;
        }
        EXPECT_EQ(converted.colorSpace(), QColorSpace(QColorSpace::SRgb));
        const QImage source = grid.convertToFormat(QImage::Format_ARGB32);
        const QImage result = converted.convertToFormat(QImage::Format_ARGB32);
        QImage expected = source;
        cmsHPROFILE profile = cmsOpenProfileFromMem(c.icc->constData(), c.icc->size());
        cmsHPROFILE srgb = cmsCreate_sRGBProfile();
        cmsHTRANSFORM transform = cmsCreateTransform(profile, TYPE_BGRA_8, srgb, TYPE_BGRA_8,
                                                     INTENT_PERCEPTUAL, cmsFLAGS_COPY_ALPHA);
        for (int y = 0; y < source.height(); ++y)
            cmsDoTransform(transform, source.constScanLine(y), expected.scanLine(y),
                           source.width());
        cmsDeleteTransform(transform);
        cmsCloseProfile(srgb);
        cmsCloseProfile(profile);
        int off = 0;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x) {
                const QRgb got = result.pixel(x, y), want = expected.pixel(x, y);
                off += !Near(got, want, 1) || qAlpha(got) != qAlpha(source.pixel(x, y));
            }
        }
        EXPECT_EQ(off, 0);
    }
}

QByteArray Png(const QByteArray& chunkType, const QByteArray& data) {
    QByteArray png("\x89PNG\r\n\x1A\n");
    const auto chunk = [&](const QByteArray& type, const QByteArray& bytes) {
        Put32(png, quint32(bytes.size()));
        png += type + bytes;
        Put32(png, 0); // the CRC, not checked
    };
    chunk("IHDR", QByteArray(13, '\1'));
    chunk(chunkType, data);
    chunk("IDAT", "x");
    return png;
}

QByteArray Iccp(const QByteArray& icc) {
    return QByteArray("name\0\0", 6) + qCompress(icc).mid(4); // zlib stream without Qt's length
}

// A little-endian TIFF whose IFD0 holds only the profile tag, giving `count`
// bytes at `offset`; the profile follows the directory.
QByteArray Tiff(const QByteArray& icc, quint32 count, quint32 offset) {
    QByteArray tiff("II*\0\x08\0\0\0\x01\0", 10);
    const auto put16 = [&](quint16 v) { tiff.append(char(v & 0xFF)).append(char(v >> 8)); };
    const auto put32 = [&](quint32 v) {
        put16(v & 0xFFFF);
        put16(v >> 16);
    };
    put16(34675);
    put16(7);
    put32(count);
    put32(offset);
    put32(0);
    return tiff + icc;
}

// The profile reader on damaged and hostile files: a profile is whole or
// not there, and the reader leaves the file where it found it.
TEST_F(ColorProfileTest, EmbeddedProfileIsWholeOrNone) {
    const QByteArray& icc = DisplayP3TableIcc(); // four APP2 segments of 64000 bytes
    const QByteArray jpeg = Encoded(RedAndTan(), "jpg");
    const QByteArray inOrder = WithIccSegments(jpeg, icc, 64000, {1, 2, 3, 4});
    const QByteArray bomb = Iccp(QByteArray(kMaxProfileBytes + 1, '\0'));
    const quint32 tiffAt = 26;
    struct Case {
        const char* name;
        QByteArray file;
        bool whole;
    } const cases[] = {
        {"jpeg", inOrder, true},
        {"jpeg, segments shuffled", WithIccSegments(jpeg, icc, 64000, {3, 1, 4, 2}), true},
        {"jpeg, a segment missing", WithIccSegments(jpeg, icc, 64000, {1, 2, 4}), false},
        {"jpeg, a segment twice", WithIccSegments(jpeg, icc, 64000, {1, 2, 2, 3, 4}), false},
        {"jpeg, cut off in the profile", inOrder.left(200'000), false},
        {"png", Png("iCCP", Iccp(icc)), true},
        {"png, cut off in the profile", Png("iCCP", Iccp(icc)).left(3000), false},
        {"png, a profile that inflates without end", Png("iCCP", bomb), false},
        {"tiff", Tiff(icc, quint32(icc.size()), tiffAt), true},
        {"tiff, profile past the end", Tiff(icc, quint32(icc.size()), tiffAt + 100), false},
        {"tiff, length past the end", Tiff(icc, 0xFFFFFFF0u, tiffAt), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QByteArray bytes = c.file;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        buffer.seek(5);
        const EmbeddedProfile found = ReadEmbeddedProfile(buffer);
        EXPECT_EQ(found.icc.size(), c.whole ? icc.size() : 0);
        EXPECT_TRUE(!c.whole || found.icc == icc);
        EXPECT_EQ(buffer.pos(), 5);
    }
}

} // namespace
} // namespace kolvira::test
