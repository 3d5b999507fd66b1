// Windows metafiles (WMF with and without the placeable header, EMF) written
// here record by record: drawn onto white at their physical size at 96 DPI,
// as thumbnails drawn at the cell's size, and refused with a reason when they
// claim too many pixels, are cut off or are no metafile at all.
#include "imageio/formats/MetafileFormat.h"
#include "TestPhotos.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecoderProcess.h"
#include "imageio/decoding/DecoderWire.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QDir>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <bit>
#include <cstring>
#include <thread>
#include <unistd.h>
#include <vector>

namespace kolvira::test {
namespace {

// Little-endian bytes, as metafiles store their numbers.
class Bytes {
public:
    Bytes& U16(int value) { return Put<quint16>(quint16(value)); }
    Bytes& U32(quint32 value) { return Put<quint32>(value); }
    Bytes& S32(qint32 value) { return Put<qint32>(value); }
    Bytes& Edges(int left, int top, int right, int bottom) {
        return S32(left).S32(top).S32(right).S32(bottom);
    }
    QByteArray data;

private:
    template <class T> Bytes& Put(T value) {
        char bytes[sizeof(T)];
        qToLittleEndian(value, bytes);
        data.append(bytes, sizeof(T));
        return *this;
    }
};

quint32 ColorRef(QRgb color) { // 0x00BBGGRR
    return quint32(qRed(color)) | quint32(qGreen(color)) << 8 | quint32(qBlue(color)) << 16;
}

// A device-independent bitmap of four coloured quadrants (see Quadrants), as
// metafiles embed them: a BMP file without its 14-byte file header.
QByteArray QuadrantsDib() {
    return Encoded(Quadrants({8, 8}), "bmp").mid(14);
}

// A filled rectangle without an outline, in the metafile's coordinates,
// right and bottom edges excluded as GDI draws them.
struct Shape {
    int left, top, right, bottom;
    QRgb color;
};

constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kSteel = 0xff3a7bc8; // no named SVG colour: it must come out exact

QByteArray WmfRecord(int function, std::initializer_list<int> parameters) {
    Bytes record;
    record.U32(quint32(3 + parameters.size())).U16(function);
    for (const int parameter : parameters)
        record.U16(parameter);
    return record.data;
}

struct WmfFile {
    bool placeable = true;
    int left = 0, top = 0, right = 0, bottom = 0, inch = 1440; // the placeable header
    QPoint windowOrigin;
    QSize windowExtent;
    std::vector<Shape> shapes;
    QByteArray extraRecords; // after the shapes
};

QByteArray Wmf(const WmfFile& file) {
    QByteArray records =
        WmfRecord(0x020B, {file.windowOrigin.y(), file.windowOrigin.x()}) +
        WmfRecord(0x020C, {file.windowExtent.height(), file.windowExtent.width()}) +
        WmfRecord(0x02FA, {5, 0, 0, 0, 0}) + // a PS_NULL pen: object 0
        WmfRecord(0x012D, {0});
    int object = 1;
    for (const Shape& shape : file.shapes) {
        const quint32 color = ColorRef(shape.color);
        records += WmfRecord(0x02FC, {0, int(color & 0xffff), int(color >> 16), 0}); // solid
        records += WmfRecord(0x012D, {object++});
        records += WmfRecord(0x041B, {shape.bottom, shape.right, shape.top, shape.left});
    }
    records += file.extraRecords;
    records += WmfRecord(0x0000, {});
    Bytes header;
    header.U16(1).U16(9).U16(0x0300).U32(quint32(9 + records.size() / 2)).U16(object + 8);
    header.U32(64).U16(0);
    if (!file.placeable)
        return header.data + records;
    Bytes placeable;
    placeable.U32(0x9AC6CDD7).U16(0).U16(file.left).U16(file.top).U16(file.right).U16(file.bottom);
    placeable.U16(file.inch).U32(0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(placeable.data.constData() + 2 * i);
    placeable.U16(checksum);
    return placeable.data + header.data + records;
}

QByteArray EmfRecord(quint32 type, const Bytes& payload) {
    Bytes record;
    record.U32(type).U32(quint32(8 + payload.data.size()));
    return record.data + payload.data;
}

struct EmfFile {
    int frameRight = 0, frameBottom = 0;   // hundredths of a millimetre, from 0, 0
    int boundsRight = 0, boundsBottom = 0; // reference device pixels, both ends included
    int devicePixelsPerInch = 96;          // the reference device's resolution
    std::vector<Shape> shapes;             // in reference device pixels
    QByteArray extraRecords;               // after the shapes
};

QByteArray Emf(const EmfFile& file) {
    QByteArray records = EmfRecord(37, Bytes().U32(0x80000008)); // select NULL_PEN
    quint32 object = 1;
    for (const Shape& shape : file.shapes) {
        records += EmfRecord(39, Bytes().U32(object).U32(0).U32(ColorRef(shape.color)).U32(0));
        records += EmfRecord(37, Bytes().U32(object++));
        records += EmfRecord(43, Bytes().Edges(shape.left, shape.top, shape.right, shape.bottom));
    }
    records += file.extraRecords;
    records += EmfRecord(14, Bytes().U32(0).U32(16).U32(20));
    // A reference device of one square metre.
    const int micrometres = 1'000'000;
    const int pixels = int(file.devicePixelsPerInch * micrometres / 25'400.0);
    Bytes header;
    header.U32(1).U32(108).Edges(0, 0, file.boundsRight, file.boundsBottom);
    header.Edges(0, 0, file.frameRight, file.frameBottom).U32(0x464D4520).U32(0x10000);
    header.U32(quint32(108 + records.size())).U32(0); // the record count is not checked
    header.U16(int(object)).U16(0).U32(0).U32(0).U32(0);
    header.S32(pixels).S32(pixels).S32(micrometres / 1000).S32(micrometres / 1000);
    header.U32(0).U32(0).U32(0).S32(micrometres).S32(micrometres);
    return header.data + records;
}

// 240 x 160 pixels: 3600 x 2400 twips. The steel rectangle ends at the
// edge; the bitmap lies at 130, 10 - 230, 90, and its red quarter alone at
// 10, 95 - 110, 150.
WmfFile PlaceableWmf() {
    WmfFile file;
    file.right = 3600;
    file.bottom = 2400;
    file.windowExtent = {3600, 2400};
    file.shapes = {{300, 300, 1500, 1200, kRed}, {1800, 1500, 3600, 2400, kSteel}};
    // META_STRETCHDIB: SRCCOPY, RGB colours, the whole 8 x 8 source, the
    // destination; all stored last first.
    const QByteArray dib = QuadrantsDib();
    auto stretched = [&](QRect source, QRect destination) {
        Bytes bitmap;
        bitmap.U32(quint32(3 + 11 + dib.size() / 2)).U16(0x0F43).U32(0x00CC0020).U16(0);
        bitmap.U16(source.height()).U16(source.width()).U16(source.y()).U16(source.x());
        bitmap.U16(destination.height()).U16(destination.width());
        bitmap.U16(destination.y()).U16(destination.x());
        return bitmap.data + dib;
    };
    // A bottom-up bitmap counts its source rows from the bottom.
    file.extraRecords = stretched({0, 0, 8, 8}, {1950, 150, 1500, 1200}) +
                        stretched({0, 4, 4, 4}, {150, 1425, 1500, 825});
    return file;
}

// 240 x 120 pixels at 96 DPI: 63.5 x 31.75 mm.
EmfFile SimpleEmf(int devicePixelsPerInch) {
    const int scale = devicePixelsPerInch / 96;
    EmfFile file;
    file.frameRight = 6350;
    file.frameBottom = 3175;
    file.boundsRight = 240 * scale - 1;
    file.boundsBottom = 120 * scale - 1;
    file.devicePixelsPerInch = devicePixelsPerInch;
    file.shapes = {{20 * scale, 20 * scale, 100 * scale, 80 * scale, kRed},
                   {120 * scale, 60 * scale, 240 * scale, 120 * scale, kSteel}};
    // EMR_STRETCHDIBITS of the whole 8 x 8 source onto 130, 5 - 230, 55.
    const QByteArray dib = QuadrantsDib();
    const int headerBytes = 40, bitsBytes = int(dib.size()) - headerBytes;
    Bytes bitmap;
    bitmap.Edges(130 * scale, 5 * scale, 230 * scale - 1, 55 * scale - 1);
    bitmap.S32(130 * scale).S32(5 * scale).S32(0).S32(0).S32(8).S32(8);
    bitmap.U32(80).U32(headerBytes).U32(80 + headerBytes).U32(quint32(bitsBytes));
    bitmap.U32(0).U32(0x00CC0020).S32(100 * scale).S32(50 * scale);
    bitmap.data += dib;
    file.extraRecords = EmfRecord(81, bitmap);
    return file;
}

// Where a shape lands in the picture, in pixels.
struct Expected {
    QRectF pixels;
    QRgb color;
};

// Each shape's colour two pixels inside its corners and at its middle, and
// white two pixels outside its edges (where the picture goes on): the edges
// are where they belong, sharp within a pixel or two.
void ExpectShapes(const QImage& picture, const std::vector<Expected>& shapes, double scaleX = 1,
                  double scaleY = 1) {
    ASSERT_EQ(picture.format(), QImage::Format_RGB32);
    const QRectF inside = QRectF(picture.rect()).adjusted(0, 0, -1, -1);
    auto colorAt = [&](double x, double y) { return picture.pixel(int(x), int(y)) | 0xff000000; };
    for (const Expected& shape : shapes) {
        const QRectF box(shape.pixels.x() * scaleX, shape.pixels.y() * scaleY,
                         shape.pixels.width() * scaleX, shape.pixels.height() * scaleY);
        SCOPED_TRACE(testing::Message() << "shape at " << box.x() << "," << box.y());
        const QRectF in = box.adjusted(2, 2, -2.01, -2.01);
        for (const QPointF p :
             {in.topLeft(), in.topRight(), in.bottomLeft(), in.bottomRight(), box.center()})
            EXPECT_EQ(colorAt(p.x(), p.y()), shape.color) << p.x() << "," << p.y();
        const QRectF out = box.adjusted(-2, -2, 2, 2);
        for (const QPointF p :
             {QPointF(out.left(), box.center().y()), QPointF(out.right(), box.center().y()),
              QPointF(box.center().x(), out.top()), QPointF(box.center().x(), out.bottom())}) {
            if (inside.contains(p)) {
                EXPECT_EQ(colorAt(p.x(), p.y()), 0xffffffffu) << p.x() << "," << p.y();
            }
        }
    }
}

struct Case {
    const char* name;
    QByteArray bytes;
    QSize size;
    std::vector<Expected> shapes;
    QRectF bitmap; // where the quadrants' bitmap lands; empty when there is none
};

// The bitmap in `picture` at `box` (scaled by `scaleX`, `scaleY`) is the
// right way up and round.
void ExpectBitmap(const QImage& picture, const QRectF& box, double scaleX = 1, double scaleY = 1) {
    if (box.isEmpty())
        return;
    const QRect at =
        QRectF(box.x() * scaleX, box.y() * scaleY, box.width() * scaleX, box.height() * scaleY)
            .toRect();
    EXPECT_EQ(QuadrantColors(picture.copy(at)), "RGBW");
}

std::vector<Case> Cases() {
    WmfFile plain;
    plain.placeable = false;
    plain.windowOrigin = {100, 50}; // logical units are pixels without the placeable header
    plain.windowExtent = {300, 200};
    plain.shapes = {{120, 70, 200, 150, kRed}, {300, 150, 400, 250, kSteel}};
    const std::vector<Expected> emfShapes = {{{20, 20, 80, 60}, kRed},
                                             {{120, 60, 120, 60}, kSteel}};
    return {
        {"placeable.wmf",
         Wmf(PlaceableWmf()),
         {240, 160},
         {{{20, 20, 80, 60}, kRed}, {{120, 100, 120, 60}, kSteel}, {{10, 95, 100, 55}, kRed}},
         {130, 10, 100, 80}},
        {"plain.wmf",
         Wmf(plain),
         {300, 200},
         {{{20, 20, 80, 80}, kRed}, {{200, 100, 100, 100}, kSteel}},
         {}},
        {"screen.emf", Emf(SimpleEmf(96)), {240, 120}, emfShapes, {130, 5, 100, 50}},
        // A reference device of 192 DPI: its pixels are half the size.
        {"printer.emf", Emf(SimpleEmf(192)), {240, 120}, emfShapes, {130, 5, 100, 50}},
    };
}

class MetafileFormatTest : public testing::Test {
protected:
    QByteArray Write(const QString& name, const QByteArray& bytes) {
        WriteFile(dir_.filePath(name), bytes);
        return Native(dir_.filePath(name));
    }
    QTemporaryDir dir_;
};

TEST_F(MetafileFormatTest, DrawsAtItsPhysicalSizeOnWhiteWithTheShapesInPlace) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const QByteArray path = Write(c.name, c.bytes);
        QImageReader reader(QFile::decodeName(path)); // the header alone tells the size
        EXPECT_EQ(reader.size(), c.size);
        const DecodedPhoto photo = DecodePhoto(path);
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_TRUE(photo.warnings.isEmpty()) << photo.warnings.join('\n').toStdString();
        EXPECT_TRUE(photo.damage.isEmpty()) << photo.damage.toStdString();
        EXPECT_EQ(photo.image.size(), c.size);
        EXPECT_EQ(photo.image.pixel(2, photo.image.height() - 3), 0xffffffffu); // background
        ExpectShapes(photo.image, c.shapes);
        ExpectBitmap(photo.image, c.bitmap);
    }
}

TEST_F(MetafileFormatTest, ThumbnailIsDrawnAtTheCellsSize) {
    for (const Case& c : Cases()) {
        if (c.size.width() <= kLargestThumbWidth)
            continue;
        SCOPED_TRACE(c.name);
        const Thumbnail thumbnail = DecodeThumbnail(Write(c.name, c.bytes), 100);
        ASSERT_FALSE(thumbnail.image.isNull()) << thumbnail.error.toStdString();
        EXPECT_EQ(thumbnail.photoSize, c.size);
        const QSize cell(kLargestThumbWidth, ThumbnailHeight(c.size, kLargestThumbWidth));
        EXPECT_EQ(thumbnail.image.size(), cell);
        const double scaleX = double(cell.width()) / c.size.width();
        const double scaleY = double(cell.height()) / c.size.height();
        ExpectShapes(thumbnail.image, c.shapes, scaleX, scaleY);
        ExpectBitmap(thumbnail.image, c.bitmap, scaleX, scaleY);
    }
}

TEST_F(MetafileFormatTest, HeaderClaimingTooManyPixelsIsRefusedBeforeDrawing) {
    WmfFile hugeWmf = PlaceableWmf();
    hugeWmf.right = 30000;
    hugeWmf.bottom = 30000;
    hugeWmf.inch = 100; // 300 inches square
    EmfFile hugeEmf = SimpleEmf(96);
    hugeEmf.frameRight = hugeEmf.frameBottom = 2'540'000; // 1000 inches square
    struct Huge {
        const char* name;
        QByteArray bytes;
        QSize size;
    } const cases[] = {
        // Only the headers: drawing would fail on the missing records.
        {"huge.wmf", Wmf(hugeWmf).first(40), {28800, 28800}},
        {"huge.emf", Emf(hugeEmf).first(108), {96000, 96000}},
    };
    for (const Huge& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray path = Write(c.name, c.bytes);
        const QString reason = TooManyPixelsReason(c.size.width(), c.size.height());
        const DecodedPhoto photo = DecodePhoto(path);
        EXPECT_TRUE(photo.image.isNull());
        EXPECT_EQ(photo.error, reason);
        const Thumbnail thumbnail = DecodeThumbnail(path, 100);
        EXPECT_TRUE(thumbnail.image.isNull());
        EXPECT_EQ(thumbnail.error, reason);
    }
}

TEST_F(MetafileFormatTest, CutOffDamagedOrForeignFilesAreRefusedWithAReason) {
    const QByteArray wmf = Wmf(PlaceableWmf());
    const QByteArray emf = Emf(SimpleEmf(96));
    QByteArray noise(4096, '\0');
    QRandomGenerator random(20240607);
    random.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QByteArray zeroLengthRecord = wmf;
    qToLittleEndian<quint32>(0, zeroLengthRecord.data() + 40); // the first record's length
    struct Refused {
        const char* name;
        QByteArray bytes;
        const char* reason; // a part of it
    } const cases[] = {
        {"last-byte.wmf", wmf.chopped(2), "ends before"},
        {"half.wmf", wmf.first(wmf.size() / 2), "ends before"},
        {"header-only.wmf", wmf.first(40), "ends before"},
        {"zero-length-record.wmf", zeroLengthRecord, "record"},
        {"last-byte.emf", emf.chopped(4), "ends before"},
        {"half.emf", emf.first(emf.size() / 2), "ends before"},
        {"header-only.emf", emf.first(108), "ends before"},
        {"too-short.emf", emf.first(30), "Unsupported image format"},
        {"noise.wmf", noise, "Unsupported image format"},
        {"noise.emf", noise, "Unsupported image format"},
    };
    for (const Refused& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray path = Write(c.name, c.bytes);
        const DecodedPhoto photo = DecodePhoto(path);
        EXPECT_TRUE(photo.image.isNull());
        EXPECT_TRUE(photo.error.contains(QLatin1String(c.reason))) << photo.error.toStdString();
        const Thumbnail thumbnail = DecodeThumbnail(path, 100);
        EXPECT_TRUE(thumbnail.image.isNull());
        EXPECT_FALSE(thumbnail.error.isEmpty());
    }
}

// Records well framed but full of noise reach deep into libwmf and
// libemf2svg: each file is drawn or refused with a reason, never a crash.
TEST_F(MetafileFormatTest, RecordsOfNoiseAreDrawnOrRefusedButNeverCrash) {
    QRandomGenerator random(7);
    // Mostly small numbers, which pass for coordinates, counts and indices,
    // now and then any number at all.
    auto number = [&](quint32 any) { return random.bounded(4) ? random.bounded(300u) : any; };
    auto noise16 = [&](int words) {
        Bytes bytes;
        for (int i = 0; i < words; ++i)
            bytes.U16(int(number(random.generate() & 0xffff)));
        return bytes.data;
    };
    auto noise32 = [&](int words) {
        Bytes bytes;
        for (int i = 0; i < words; ++i)
            bytes.U32(number(random.generate()));
        return bytes;
    };
    // Real record functions, so that the noise lands in their parameters.
    const int wmfFunctions[] = {0x0103, 0x020B, 0x020C, 0x020E, 0x02FA, 0x02FC, 0x012D, 0x01F0,
                                0x041B, 0x0324, 0x0325, 0x0538, 0x0817, 0x081A, 0x0521, 0x0A32,
                                0x0B41, 0x0F43, 0x06FF, 0x0142, 0x0626, 0x0418, 0x061C, 0x012C};
    const quint32 emfTypes[] = {2,  3,  4,  5,  6,  9,  10, 11, 12, 17, 27, 37, 38, 39, 40, 42,
                                43, 44, 54, 56, 59, 60, 70, 76, 77, 81, 82, 84, 85, 86, 96};
    for (int file = 0; file < 100; ++file) {
        WmfFile wmf = PlaceableWmf();
        EmfFile emfFile = SimpleEmf(96);
        QByteArray emfRecords;
        for (int record = random.bounded(1, 4); record > 0; --record) {
            const int words = random.bounded(1, 24);
            const int function = wmfFunctions[random.bounded(int(std::size(wmfFunctions)))];
            wmf.extraRecords += Bytes().U32(quint32(3 + words)).U16(function).data + noise16(words);
            emfRecords +=
                EmfRecord(emfTypes[random.bounded(int(std::size(emfTypes)))], noise32(words));
        }
        QByteArray emf = Emf(emfFile);
        emf.insert(emf.size() - 20, emfRecords); // before the end-of-file record
        qToLittleEndian<quint32>(quint32(emf.size()), emf.data() + 48);
        for (const auto& [name, bytes] :
             {std::pair{"noise.wmf", Wmf(wmf)}, std::pair{"noise.emf", emf}}) {
            SCOPED_TRACE(testing::Message() << name << " " << file);
            const DecodedPhoto photo = DecodePhoto(Write(name, bytes));
            EXPECT_NE(photo.image.isNull(), photo.error.isEmpty());
        }
    }
}

TEST_F(MetafileFormatTest, TextIsLeftOutWithAWarningWhereThereAreNoFonts) {
    // These tests run without a QGuiApplication, as kolvira-render does for
    // single pictures: Qt has no fonts then.
    ASSERT_FALSE(CanDrawText());
    WmfFile file = PlaceableWmf();
    Bytes font;
    font.U32(3 + 9 + 16).U16(0x02FB).U16(-400).U16(0).U16(0).U16(0).U16(400); // height, weight
    font.U16(0).U16(0).U16(0).U16(0); // italic, underline ... pitch and family
    font.data += QByteArray("Arial").leftJustified(32, '\0');
    Bytes text;
    text.U32(3 + 1 + 3 + 2).U16(0x0521).U16(5).data += QByteArray("Hello", 6);
    text.U16(800).U16(200); // y, x
    file.extraRecords += font.data + WmfRecord(0x012D, {3}) + text.data;
    const DecodedPhoto photo = DecodePhoto(Write("text.wmf", Wmf(file)));
    ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
    EXPECT_TRUE(photo.warnings.contains(TextLeftOutWarning()))
        << photo.warnings.join('\n').toStdString();
    ExpectShapes(photo.image, Cases().front().shapes);
}

// EMR_EXTTEXTOUTW of `text` at 10, 50.
QByteArray EmfText(const QString& text) {
    QByteArray utf16(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    utf16 += QByteArray((4 - utf16.size() % 4) % 4, '\0');
    Bytes record;
    record.Edges(0, 0, 240, 120).U32(1).U32(0x3f800000).U32(0x3f800000); // scales of 1.0
    record.S32(10).S32(50).U32(quint32(text.size())).U32(76).U32(0);     // the string at byte 76
    record.Edges(0, 0, 240, 120).U32(0);                                 // no character spacing
    record.data += utf16;
    return EmfRecord(84, record);
}

// libemf2svg copies a file's text into its SVG in a CDATA section, which the
// text can close to add elements of its own: an image of a file on disk, an
// SVG inside the SVG that shows one, or a style sheet read from disk.
TEST_F(MetafileFormatTest, TextCannotSmuggleInAPictureFromDisk) {
    QImage blue(240, 120, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QString secret = dir_.filePath("secret.png");
    WriteFile(secret, Encoded(blue, "png"));
    const QByteArray nestedSvg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                       "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"240\" "
                       "height=\"120\"><image width=\"240\" height=\"120\" "
                       "xlink:href=\"%1\"/></svg>")
            .arg(secret)
            .toUtf8();
    const QString styleSheet = dir_.filePath("blue.css");
    WriteFile(styleSheet, ".smuggled { fill: blue; }");
    const QString image =
        QStringLiteral("<image x=\"0\" y=\"0\" width=\"240\" height=\"120\" xlink:href=\"%1\"/>");
    const QString smuggled[] = {
        image.arg(secret),
        image.arg(QStringLiteral("data:image/png;base64,") +
                  QString::fromLatin1(nestedSvg.toBase64())),
        QStringLiteral("<?xml-stylesheet type=\"text/css\" href=\"%1\"?><rect "
                       "class=\"smuggled\" x=\"0\" y=\"100\" width=\"20\" height=\"20\"/>")
            .arg(styleSheet),
    };
    for (const QString& elements : smuggled) {
        SCOPED_TRACE(elements.left(60).toStdString());
        EmfFile file = SimpleEmf(96);
        file.extraRecords =
            EmfText(QStringLiteral("]]></text>") + elements + QStringLiteral("<text><![CDATA["));
        const DecodedPhoto photo = DecodePhoto(Write("smuggler.emf", Emf(file)));
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_NE(photo.image.pixel(10, 110), 0xff0000ffu); // not blue from the disk
        EXPECT_TRUE(photo.warnings.contains(TextLeftOutWarning()));
    }
}

// An EMF+ record (type, flags, data) as the EMF comments carry them.
QByteArray EmfPlusRecord(int type, int flags, const QByteArray& data) {
    Bytes record;
    record.U16(type).U16(flags).U32(quint32(12 + data.size())).U32(quint32(data.size()));
    return record.data + data;
}

QByteArray EmfPlusComment(const QByteArray& records) {
    Bytes comment;
    comment.U32(quint32(4 + records.size())).U32(0x2B464D45); // "EMF+"
    comment.data += records;
    return EmfRecord(70, comment); // EMR_COMMENT
}

// SimpleEmf as Office writes EMF+ ("dual"): EMF+ records, a brush object
// among them, beside the EMF records that draw the same picture.
QByteArray DualEmfPlus(QRgb brush) {
    EmfFile file = SimpleEmf(96);
    Bytes header; // version, for a video display, 96 DPI
    header.U32(0xDBC01002).U32(0).U32(96).U32(96);
    Bytes solid; // object 0, a brush: version, solid colour
    solid.U32(0xDBC01002).U32(0).U32(brush);
    Bytes fill; // with brush 0, one rectangle of floats
    fill.U32(0).U32(1);
    for (const float edge : {0.0f, 0.0f, 240.0f, 120.0f})
        fill.U32(std::bit_cast<quint32>(edge));
    file.extraRecords = EmfPlusComment(EmfPlusRecord(0x4001, 1, header.data) +
                                       EmfPlusRecord(0x4008, 0x100, solid.data)) +
                        EmfPlusComment(EmfPlusRecord(0x400A, 0, fill.data)) +
                        EmfPlusComment(EmfPlusRecord(0x4002, 0, {})) + file.extraRecords;
    return Emf(file);
}

// The kolvira-decode-emf children of this process still running (or not yet
// reaped); the kernel keeps the first 15 characters of a program's name.
int RunningDecoders() {
    const QByteArray name = "(" + QByteArray("kolvira-decode-emf").left(15) + ")";
    int running = 0;
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + pid + "/stat");
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = stat.readAll().split(' ');
        running += fields.size() > 3 && fields[1] == name && fields[3].toLongLong() == ::getpid();
    }
    return running;
}

TEST_F(MetafileFormatTest, EmfPlusFilesAreDrawnEachInAFreshProcess) {
    ASSERT_FALSE(DecoderProgram("emf").isEmpty());
    // In a row: libemf2svg's EMF+ state would outlive the first in one process.
    for (const QRgb brush : {kSteel, kRed, kSteel}) {
        const DecodedPhoto photo = DecodePhoto(Write("plus.emf", DualEmfPlus(brush)));
        ASSERT_FALSE(photo.image.isNull()) << photo.error.toStdString();
        EXPECT_EQ(photo.image.size(), QSize(240, 120));
        ExpectShapes(photo.image, {{{20, 20, 80, 60}, kRed}, {{120, 60, 120, 60}, kSteel}});
    }
}

TEST_F(MetafileFormatTest, DecoderThatCrashesOrRunsOnIsStoppedAndTheProgramGoesOn) {
    ASSERT_FALSE(DecoderProgram("emf").isEmpty());
    const QByteArray path = Write("screen.emf", Emf(SimpleEmf(96)));
    const struct {
        const char* fault;
        std::chrono::milliseconds limit;
        QString error;
    } cases[] = {
        {"crash", kPhotoDecodeTime,
         QStringLiteral("the picture is damaged: the decoder stopped (signal 11)")},
        {"hang", std::chrono::milliseconds(500), TookTooLongReason(std::chrono::milliseconds(500))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fault);
        qputenv("KOLVIRA_DECODE_TEST_FAULT", c.fault);
        const DecodedPhoto failed = DecodePhoto(path, c.limit);
        const Thumbnail thumbnail = DecodeThumbnail(path, 100, c.limit);
        qunsetenv("KOLVIRA_DECODE_TEST_FAULT");
        EXPECT_TRUE(failed.image.isNull());
        EXPECT_TRUE(failed.error.contains(c.error)) << failed.error.toStdString();
        EXPECT_TRUE(thumbnail.image.isNull());
        // The child is killed, not left to run: soon none is left.
        for (int tries = 0; RunningDecoders() > 0 && tries < 100; ++tries)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        EXPECT_EQ(RunningDecoders(), 0);
        EXPECT_FALSE(DecodePhoto(path).image.isNull());
    }
}

// The programs do not link the EMF drawer: without its child an EMF is
// refused, saying which program is missing, and WMF is still drawn.
TEST_F(MetafileFormatTest, WithoutTheEmfChildEmfIsRefusedWithAReason) {
    SetRiskyDecodes(RiskyDecodes::InThisProcess);
    const DecodedPhoto emf = DecodePhoto(Write("screen.emf", Emf(SimpleEmf(96))));
    const Thumbnail thumbnail = DecodeThumbnail(Write("screen.emf", Emf(SimpleEmf(96))), 100);
    const DecodedPhoto wmf = DecodePhoto(Write("placeable.wmf", Wmf(PlaceableWmf())));
    SetRiskyDecodes(RiskyDecodes::InChildProcess);
    EXPECT_TRUE(emf.image.isNull());
    EXPECT_TRUE(emf.error.contains(QLatin1String("kolvira-decode-emf"))) << emf.error.toStdString();
    EXPECT_TRUE(thumbnail.image.isNull());
    EXPECT_FALSE(thumbnail.error.isEmpty());
    EXPECT_FALSE(wmf.image.isNull()) << wmf.error.toStdString();
}

// What the program accepts of a child's answer: only a picture of a format it
// sends, within the pixel limit, with rows of the format's length.
TEST(DecoderAnswerTest, HeaderIsCheckedBeforeThePictureIsAllocated) {
    const auto header = [](const char* magic, int width, int height, QImage::Format format,
                           quint32 rowBytes) {
        WireHeader made{};
        std::memcpy(made.magic, magic, 4);
        made.width = width;
        made.height = height;
        made.format = format;
        made.rowBytes = rowBytes;
        return made;
    };
    const struct {
        WireHeader header;
        bool accepted;
        bool picture;
    } cases[] = {
        {header("KVD1", 3, 2, QImage::Format_RGB888, 9), true, true},
        {header("KVD1", 3, 2, QImage::Format_RGB32, 12), true, true},
        {header("KVD1", 0, 0, QImage::Format_Invalid, 0), true, false}, // failed, said why
        {header("KVDX", 3, 2, QImage::Format_RGB888, 9), false, false},
        {header("KVD1", 3, 2, QImage::Format_Mono, 1), false, false},
        {header("KVD1", 3, 2, QImage::Format_RGB888, 12), false, false},
        {header("KVD1", -3, 2, QImage::Format_RGB888, 9), false, false},
        {header("KVD1", 20'000, 20'000, QImage::Format_RGB32, 80'000), false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.header.width << "x" << c.header.height << " format " << c.header.format);
        QString error;
        const std::optional<QImage> picture = PictureFor(c.header, error);
        EXPECT_EQ(picture.has_value(), c.accepted) << error.toStdString();
        EXPECT_EQ(picture && !picture->isNull(), c.picture);
        EXPECT_EQ(error.isEmpty(), c.accepted);
    }
}

} // namespace
} // namespace kolvira::test
