#include "TestPhotos.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QVector>

#include <gtest/gtest.h>

namespace kolvira::test {
namespace {

void Put16BigEndian(QByteArray& bytes, quint32 value) {
    bytes.append(char(value >> 8)).append(char(value & 0xFF));
}
void Put32BigEndian(QByteArray& bytes, quint32 value) {
    Put16BigEndian(bytes, value >> 16);
    Put16BigEndian(bytes, value & 0xFFFF);
}
void Put16LittleEndian(QByteArray& bytes, quint32 value) {
    bytes.append(char(value & 0xFF)).append(char(value >> 8));
}
void Put32LittleEndian(QByteArray& bytes, quint32 value) {
    Put16LittleEndian(bytes, value & 0xFFFF);
    Put16LittleEndian(bytes, value >> 16);
}

// One 12-byte TIFF directory entry holding a single SHORT or LONG.
void PutEntry(QByteArray& tiff, quint16 tag, bool isShort, quint32 value) {
    Put16BigEndian(tiff, tag);
    Put16BigEndian(tiff, isShort ? 3 : 4);
    Put32BigEndian(tiff, 1);
    if (isShort) {
        Put16BigEndian(tiff, value);
        Put16BigEndian(tiff, 0);
    } else {
        Put32BigEndian(tiff, value);
    }
}

} // namespace

QImage Quadrants(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    QPainter painter(&picture);
    painter.fillRect(0, 0, w, h, Qt::red);
    painter.fillRect(w, 0, size.width() - w, h, Qt::green);
    painter.fillRect(0, h, w, size.height() - h, Qt::blue);
    painter.fillRect(w, h, size.width() - w, size.height() - h, Qt::white);
    return picture;
}

char ColorLetter(QRgb color) {
    const auto high = [](int channel) { return channel > 160; };
    const auto low = [](int channel) { return channel < 90; };
    const int r = qRed(color), g = qGreen(color), b = qBlue(color);
    if (high(r) && high(g) && high(b))
        return 'W';
    if (low(r) && low(g) && low(b))
        return 'K';
    if (high(r) && low(g) && low(b))
        return 'R';
    if (low(r) && high(g) && low(b))
        return 'G';
    if (low(r) && low(g) && high(b))
        return 'B';
    return '?';
}

QString QuadrantColors(const QImage& picture) {
    const int w = picture.width(), h = picture.height();
    QString letters;
    for (const QPoint at : {QPoint(w / 4, h / 4), QPoint(3 * w / 4, h / 4),
                            QPoint(w / 4, 3 * h / 4), QPoint(3 * w / 4, 3 * h / 4)})
        letters += QChar(ColorLetter(picture.pixel(at)));
    return letters;
}

QImage StoredForOrientation(const QImage& upright, int orientation) {
    const int w = upright.width(), h = upright.height();
    const bool quarterTurn = orientation >= 5;
    QImage stored(quarterTurn ? QSize(h, w) : QSize(w, h), QImage::Format_RGB32);
    // Where the upright pixel (x, y) is stored, after the EXIF definitions of
    // where the stored first row and column are shown.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            QPoint at;
            switch (orientation) {
            case 1:
                at = {x, y};
                break;
            case 2:
                at = {w - 1 - x, y};
                break;
            case 3:
                at = {w - 1 - x, h - 1 - y};
                break;
            case 4:
                at = {x, h - 1 - y};
                break;
            case 5:
                at = {y, x};
                break;
            case 6:
                at = {y, w - 1 - x};
                break;
            case 7:
                at = {h - 1 - y, w - 1 - x};
                break;
            case 8:
                at = {h - 1 - y, x};
                break;
            }
            stored.setPixel(at, upright.pixel(x, y));
        }
    }
    return stored;
}

QByteArray Encoded(const QImage& picture, const char* format, int quality) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(picture.save(&buffer, format, quality)) << format;
    return bytes;
}

QByteArray WithExif(const QByteArray& jpeg, int orientation, const QByteArray& thumbnail) {
    // Big-endian TIFF: IFD0 at 8 with the orientation; IFD1 at 26 locates
    // the thumbnail, which follows it at 68.
    QByteArray tiff("MM\0\x2a", 4);
    Put32BigEndian(tiff, 8);
    Put16BigEndian(tiff, 1);
    PutEntry(tiff, 0x0112, true, orientation);
    Put32BigEndian(tiff, thumbnail.isEmpty() ? 0 : 26);
    if (!thumbnail.isEmpty()) {
        Put16BigEndian(tiff, 3);
        PutEntry(tiff, 0x0103, true, 6); // compression: JPEG
        PutEntry(tiff, 0x0201, false, 68);
        PutEntry(tiff, 0x0202, false, thumbnail.size());
        Put32BigEndian(tiff, 0);
        tiff += thumbnail;
    }
    QByteArray segment("\xFF\xE1");
    Put16BigEndian(segment, 2 + 6 + tiff.size());
    segment += QByteArray("Exif\0\0", 6) + tiff;
    return jpeg.left(2) + segment + jpeg.mid(2); // right after the start-of-image marker
}

QByteArray Gif(const QImage& picture) {
    QVector<QRgb> palette;
    QByteArray indices;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb color = qAlpha(picture.pixel(x, y)) == 0 ? 0 : picture.pixel(x, y);
            if (!palette.contains(color))
                palette << color;
            indices.append(char(palette.indexOf(color)));
        }
    }
    EXPECT_LE(palette.size(), 4);
    palette.resize(4);

    QByteArray gif("GIF89a");
    Put16LittleEndian(gif, picture.width());
    Put16LittleEndian(gif, picture.height());
    gif.append("\xF1\x00\x00", 3); // a global colour table of 4 entries
    for (const QRgb color : palette)
        gif.append(char(qRed(color))).append(char(qGreen(color))).append(char(qBlue(color)));
    const int transparent = palette.indexOf(0);
    gif.append("\x21\xF9\x04", 3).append(char(transparent >= 0 ? 1 : 0)).append("\0\0", 2);
    gif.append(char(transparent >= 0 ? transparent : 0)).append('\0');
    gif.append('\x2C');
    Put32LittleEndian(gif, 0);
    Put16LittleEndian(gif, picture.width());
    Put16LittleEndian(gif, picture.height());
    gif.append('\0');

    // LZW with 3-bit codes that never grow: a clear code before every pair
    // of pixels keeps the code table from filling.
    QByteArray codes;
    quint32 bits = 0;
    int bitCount = 0;
    const auto put = [&](int code) {
        bits |= quint32(code) << bitCount;
        bitCount += 3;
        while (bitCount >= 8) {
            codes.append(char(bits & 0xFF));
            bits >>= 8;
            bitCount -= 8;
        }
    };
    for (qsizetype i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0)
            put(4);
        put(indices[i]);
    }
    put(5);
    if (bitCount > 0)
        codes.append(char(bits & 0xFF));
    gif.append('\x02');
    for (qsizetype at = 0; at < codes.size(); at += 255) {
        const QByteArray block = codes.mid(at, 255);
        gif.append(char(block.size())).append(block);
    }
    gif.append('\0').append('\x3B');
    return gif;
}

QByteArray BmpHeaderOnly(int width, int height) {
    QByteArray bmp("BM");
    Put32LittleEndian(bmp, 54); // file size, as if the pixels were missing
    Put32LittleEndian(bmp, 0);
    Put32LittleEndian(bmp, 54);
    Put32LittleEndian(bmp, 40);
    Put32LittleEndian(bmp, width);
    Put32LittleEndian(bmp, height);
    Put16LittleEndian(bmp, 1);
    Put16LittleEndian(bmp, 24);
    for (int i = 0; i < 6; ++i)
        Put32LittleEndian(bmp, 0);
    return bmp;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

} // namespace kolvira::test
