#include "imageio/formats/EmfRecords.h"

#include "imageio/decoding/DecodeLimits.h"

#include <QtEndian>

#include <array>
#include <cstdlib>
#include <optional>

namespace kolvira {
namespace {

constexpr quint32 kEndOfFileRecord = 14;  // EMR_EOF
constexpr qsizetype kRecordHeadBytes = 8; // its type and its length in bytes

quint32 U32At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.data() + at);
}
qint32 S32At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<qint32>(data.data() + at);
}

// The records that carry bitmaps, and where in them each bitmap's four
// fields start: its header's offset and length, its bits' offset and length.
struct BitmapRecord {
    quint32 type;
    std::array<qsizetype, 2> fields; // 0: no second bitmap
};
constexpr std::array<BitmapRecord, 11> kBitmapRecords = {{
    {76, {84, 0}},   // EMR_BITBLT
    {77, {84, 0}},   // EMR_STRETCHBLT
    {78, {84, 112}}, // EMR_MASKBLT: the source and the mask
    {79, {96, 124}}, // EMR_PLGBLT: the source and the mask
    {80, {48, 0}},   // EMR_SETDIBITSTODEVICE
    {81, {48, 0}},   // EMR_STRETCHDIBITS
    {93, {16, 0}},   // EMR_CREATEMONOBRUSH
    {94, {16, 0}},   // EMR_CREATEDIBPATTERNBRUSHPT
    {95, {12, 0}},   // EMR_EXTCREATEPEN
    {114, {84, 0}},  // EMR_ALPHABLEND
    {116, {84, 0}},  // EMR_TRANSPARENTBLT
}};

// Whether the bitmap whose fields start at `at` lies within `record`, with
// all the colours and rows its header announces. libemf2svg trusts these
// fields (it even copies as many bytes as the bits take from the header on),
// so a record that lies about them would make it read past the file.
bool BitmapFits(QByteArrayView record, qsizetype at) {
    constexpr quint32 kInfoHeaderBytes = 40;
    if (record.size() < at + 16)
        return false;
    const quint64 size = quint64(record.size());
    const quint64 headerAt = U32At(record, at), headerBytes = U32At(record, at + 4);
    const quint64 bitsAt = U32At(record, at + 8), bitsBytes = U32At(record, at + 12);
    if (headerBytes == 0 && bitsBytes == 0)
        return true; // no bitmap: a plain raster operation
    if (headerAt + headerBytes > size || bitsAt + bitsBytes > size || headerAt + bitsBytes > size ||
        headerBytes < kInfoHeaderBytes)
        return false;
    const QByteArrayView header = record.sliced(qsizetype(headerAt), qsizetype(headerBytes));
    const quint32 ownSize = U32At(header, 0);
    const qint64 width = S32At(header, 4);
    const qint64 height = std::abs(qint64{S32At(header, 8)}); // < 0: top-down
    const quint32 bitCount = qFromLittleEndian<quint16>(header.data() + 14);
    const quint32 compression = U32At(header, 16);
    const quint64 used = U32At(header, 32);
    if (ownSize < kInfoHeaderBytes || ownSize > headerBytes || width <= 0 || height <= 0 ||
        HasTooManyPixels(width, height))
        return false;
    const quint64 colors = used != 0 ? used : (bitCount <= 8 ? 1u << bitCount : 0);
    const quint64 masks = (compression == 3 && ownSize == kInfoHeaderBytes) ? 12 : 0;
    if (ownSize + masks + 4 * colors > headerBytes)
        return false;
    switch (compression) {
    case 0: // BI_RGB
    case 3: // BI_BITFIELDS: rows of whole 32-bit words
        if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 &&
            bitCount != 32)
            return false;
        return (quint64(width) * bitCount + 31) / 32 * 4 * quint64(height) <= bitsBytes;
    case 1: // BI_RLE8
        return bitCount == 8;
    case 2: // BI_RLE4
        return bitCount == 4;
    default: // JPEG or PNG, within the record
        return true;
    }
}

bool BitmapsFit(QByteArrayView record, quint32 type) {
    for (const BitmapRecord& carrier : kBitmapRecords) {
        if (carrier.type != type)
            continue;
        for (const qsizetype at : carrier.fields) {
            if (at != 0 && !BitmapFits(record, at))
                return false;
        }
    }
    return true;
}

// Whether the arrays `record` announces lie within it: the points of lines
// and polygons, the characters and spacing of text, the rectangles of
// regions, the vertices of gradients, the dashes of pens, the colours of
// palettes. Counts are read as 64-bit numbers, so no product overflows.
bool ArraysFit(QByteArrayView record, quint32 type) {
    const quint64 size = quint64(record.size());
    // The 32-bit field at `at`, or a count too large for any record when the
    // record ends before it.
    auto field = [&](quint64 at) -> quint64 {
        return at + 4 <= size ? U32At(record, qsizetype(at)) : quint64{1} << 40;
    };
    auto fits = [&](quint64 end) { return end <= size; };
    // A region's data: a 32-byte header, then as many rectangles as it counts.
    auto regionFits = [&](quint64 lengthAt, quint64 dataAt) {
        const quint64 length = field(lengthAt);
        return length == 0 ||
               (length >= 32 && fits(dataAt + length) && 32 + 16 * field(dataAt + 8) <= length);
    };
    switch (type) {
    case 2: // EMR_POLYBEZIER, EMR_POLYGON, EMR_POLYLINE, EMR_POLYBEZIERTO,
    case 3: // EMR_POLYLINETO: 32-bit points
    case 4:
    case 5:
    case 6:
        return fits(28 + 8 * field(24));
    case 85: // the same with 16-bit points
    case 86:
    case 87:
    case 88:
    case 89:
        return fits(28 + 4 * field(24));
    case 7: // EMR_POLYPOLYLINE, EMR_POLYPOLYGON
    case 8: // and with 16-bit points
    case 90:
    case 91: {
        const quint64 polygons = field(24), points = field(28);
        const quint64 pointBytes = type < 90 ? 8 : 4;
        if (!fits(32 + 4 * polygons + pointBytes * points))
            return false;
        quint64 counted = 0;
        for (quint64 i = 0; i < polygons; ++i)
            counted += field(32 + 4 * i);
        return counted <= points;
    }
    case 56: // EMR_POLYDRAW: points and a type byte each
        return fits(28 + 9 * field(24));
    case 92: // EMR_POLYDRAW16
        return fits(28 + 5 * field(24));
    case 83: // EMR_EXTTEXTOUTA, EMR_EXTTEXTOUTW
    case 84: {
        const quint64 characters = field(44), options = field(48 + 4);
        const quint64 stringAt = field(48);
        // The clipping rectangle is left out with ETO_NO_RECT; ETO_PDY
        // gives each character a vertical step too.
        const quint64 spacingAt = field((options & 0x100) != 0 ? 56 : 72);
        const quint64 spacingBytes = (options & 0x2000) != 0 ? 8 : 4;
        return fits(stringAt + characters * (type == 84 ? 2 : 1)) &&
               (spacingAt == 0 || fits(spacingAt + characters * spacingBytes));
    }
    case 108: { // EMR_SMALLTEXTOUT: ETO_SMALL_CHARS stores one byte a character
        const quint64 characters = field(16), options = field(20);
        const quint64 textAt = (options & 0x100) != 0 ? 36 : 52;
        return fits(textAt + characters * ((options & 0x200) != 0 ? 1 : 2));
    }
    case 71: // EMR_FILLRGN
        return regionFits(24, 32);
    case 72: // EMR_FRAMERGN
        return regionFits(24, 40);
    case 73: // EMR_INVERTRGN, EMR_PAINTRGN
    case 74:
        return regionFits(24, 28);
    case 75: // EMR_EXTSELECTCLIPRGN
        return regionFits(8, 16);
    case 118: { // EMR_GRADIENTFILL: vertices, then triangles or rectangles of their indices
        const quint64 vertices = field(24), shapes = field(28);
        const quint64 indices = field(32) == 2 ? 3 : 2; // GRADIENT_FILL_TRIANGLE
        const quint64 shapesAt = 36 + 16 * vertices;
        if (!fits(shapesAt + 4 * indices * shapes))
            return false;
        for (quint64 i = 0; i < indices * shapes; ++i) {
            if (field(shapesAt + 4 * i) >= vertices)
                return false;
        }
        return true;
    }
    case 95: // EMR_EXTCREATEPEN: its own dash pattern
        return fits(52 + 4 * field(48));
    case 49: // EMR_CREATEPALETTE: a 16-bit count
        return size >= 16 && fits(16 + 4 * quint64{qFromLittleEndian<quint16>(record.data() + 14)});
    case 50: // EMR_SETPALETTEENTRIES
        return fits(20 + 4 * field(16));
    case 70: // EMR_COMMENT
        return fits(12 + field(8));
    default:
        return true;
    }
}

} // namespace

EmfRecords CheckEmfRecords(QByteArrayView data) {
    EmfRecords records;
    for (qsizetype at = 0; data.size() - at >= kRecordHeadBytes;) {
        const quint32 type = U32At(data, at), length = U32At(data, at + 4);
        if (length < kRecordHeadBytes || length % 4 != 0) {
            records.error = QStringLiteral("a record of the metafile has an impossible length");
            return records;
        }
        if (length > quint64(data.size() - at))
            break;
        const QByteArrayView record = data.sliced(at, length);
        if (!BitmapsFit(record, type)) {
            records.error = QStringLiteral("a bitmap in the metafile does not fit in its record");
            return records;
        }
        if (!ArraysFit(record, type)) {
            records.error = QStringLiteral("a record of the metafile counts more than it holds");
            return records;
        }
        at += length;
        ++records.count;
        if (type == kEndOfFileRecord) {
            records.end = at;
            return records;
        }
    }
    records.error = QStringLiteral("the file ends before the metafile's end-of-file record");
    return records;
}

} // namespace kolvira
