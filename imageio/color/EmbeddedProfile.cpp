#include "imageio/color/EmbeddedProfile.h"

#include "imageio/ExifDataPtr.h"

#include <QtEndian>

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

namespace kolvira {
namespace {

// Enough for any real file's metadata before its picture data; a file of
// empty segments or chunks is not walked to its end.
constexpr int kMaxStructures = 10'000;

// `length` bytes of `file` from `offset`, fewer where the file ends first.
// Never asks for bytes past the end, so the decoder's watch for a cut-off
// file sees nothing of these reads.
QByteArray ReadAt(QIODevice& file, qint64 offset, qint64 length) {
    const qint64 available = file.size() - offset;
    if (offset < 0 || length <= 0 || available <= 0 || !file.seek(offset))
        return {};
    return file.read(std::min(length, available));
}

quint16 Big16(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint16>(bytes.constData() + at);
}
quint32 Big32(const QByteArray& bytes, qsizetype at) {
    return qFromBigEndian<quint32>(bytes.constData() + at);
}
quint32 Little32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

// --- JPEG -----------------------------------------------------------------

constexpr uchar kApp1 = 0xE1, kApp2 = 0xE2, kStartOfScan = 0xDA, kEndOfImage = 0xD9;
const QByteArray kIccSignature("ICC_PROFILE\0", 12);

bool IsStartOfFrame(uchar marker) {
    // SOF0..SOF15 but for DHT (C4), JPG (C8) and DAC (CC), which share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool IsStandalone(uchar marker) {
    return (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01; // RSTn, TEM
}

// A profile split over APP2 segments, each numbered 1..count.
class IccChunks {
public:
    void Add(const QByteArray& payload) {
        if (payload.size() < kIccSignature.size() + 2 || !payload.startsWith(kIccSignature))
            return;
        const int number = uchar(payload[12]), count = uchar(payload[13]);
        if (number == 0 || number > count || (count_ != 0 && count != count_) ||
            chunks_.count(number) != 0) {
            broken_ = true;
            return;
        }
        count_ = count;
        chunks_[number] = payload.mid(kIccSignature.size() + 2);
    }

    // The profile, when every chunk was there once.
    QByteArray Joined() const {
        if (broken_ || count_ == 0 || int(chunks_.size()) != count_)
            return {};
        QByteArray icc;
        for (const auto& [number, chunk] : chunks_)
            icc += chunk;
        return icc;
    }

private:
    std::map<int, QByteArray> chunks_;
    int count_ = 0;
    bool broken_ = false;
};

EmbeddedProfile ReadJpeg(QIODevice& file) {
    EmbeddedProfile found;
    found.container = PictureContainer::Jpeg;
    IccChunks icc;
    qint64 pos = 2;
    for (int segment = 0; segment < kMaxStructures; ++segment) {
        const QByteArray head = ReadAt(file, pos, 4);
        if (head.size() < 2 || uchar(head[0]) != 0xFF)
            break;
        const uchar marker = uchar(head[1]);
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage)
            break;
        if (IsStandalone(marker)) {
            pos += 2;
            continue;
        }
        if (head.size() < 4)
            break;
        const int length = Big16(head, 2); // counts its own two bytes
        if (length < 2)
            break;
        const qint64 payloadAt = pos + 4;
        if (marker == kApp1 || marker == kApp2) {
            const QByteArray payload = ReadAt(file, payloadAt, length - 2);
            if (payload.size() < length - 2)
                break; // cut off
            if (marker == kApp2)
                icc.Add(payload);
            else
                found.exifAdobeRgb = found.exifAdobeRgb || ExifSaysAdobeRgb(payload);
        } else if (IsStartOfFrame(marker)) {
            // Precision, height, width, then the number of components.
            const QByteArray frame = ReadAt(file, payloadAt, 6);
            if (frame.size() == 6)
                found.jpegComponents = uchar(frame[5]);
        }
        pos += 2 + length;
    }
    found.icc = icc.Joined();
    return found;
}

// --- PNG ------------------------------------------------------------------

// The zlib stream `compressed` inflated, or empty when it is damaged or would
// come to more than kMaxProfileBytes.
QByteArray Inflated(QByteArrayView compressed) {
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return {};
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    QByteArray out;
    int result = Z_OK;
    while (result == Z_OK && out.size() < kMaxProfileBytes) {
        const qsizetype had = out.size();
        out.resize(std::min<qsizetype>(had + 64 * 1024, kMaxProfileBytes));
        stream.next_out = reinterpret_cast<Bytef*>(out.data() + had);
        stream.avail_out = static_cast<uInt>(out.size() - had);
        result = inflate(&stream, Z_NO_FLUSH);
        out.resize(out.size() - stream.avail_out);
    }
    inflateEnd(&stream);
    return result == Z_STREAM_END ? out : QByteArray();
}

EmbeddedProfile ReadPng(QIODevice& file) {
    EmbeddedProfile found;
    found.container = PictureContainer::Png;
    qint64 pos = 8;
    for (int chunk = 0; chunk < kMaxStructures; ++chunk) {
        const QByteArray head = ReadAt(file, pos, 8);
        if (head.size() < 8)
            break;
        const quint32 length = Big32(head, 0);
        const QByteArray type = head.mid(4, 4);
        if (length > 0x7FFFFFFF || type == "IDAT" || type == "IEND")
            break;
        if (type == "iCCP") {
            if (length > quint32(kMaxProfileBytes))
                break;
            // A name of 1 to 79 bytes, its terminating zero, the compression
            // method (0, zlib), then the profile.
            const QByteArray data = ReadAt(file, pos + 8, length);
            const qsizetype nameEnd = data.indexOf('\0');
            if (data.size() == qsizetype(length) && nameEnd > 0 && nameEnd < 80 &&
                nameEnd + 2 <= data.size() && data[nameEnd + 1] == 0)
                found.icc = Inflated(QByteArrayView(data).sliced(nameEnd + 2));
            break; // the only one allowed
        }
        pos += 12 + qint64(length); // length, type, data, CRC
    }
    return found;
}

// --- TIFF -----------------------------------------------------------------

constexpr quint16 kIccProfileTag = 34675;

EmbeddedProfile ReadTiff(QIODevice& file, bool bigEndian) {
    EmbeddedProfile found;
    found.container = PictureContainer::Tiff;
    const auto read16 = [&](const QByteArray& b, qsizetype at) {
        return bigEndian ? Big16(b, at) : qFromLittleEndian<quint16>(b.constData() + at);
    };
    const auto read32 = [&](const QByteArray& b, qsizetype at) {
        return bigEndian ? Big32(b, at) : Little32(b, at);
    };
    const QByteArray header = ReadAt(file, 0, 8);
    if (header.size() < 8)
        return found;
    const qint64 directory = read32(header, 4);
    const QByteArray countBytes = ReadAt(file, directory, 2);
    if (countBytes.size() < 2)
        return found;
    const int entries = read16(countBytes, 0);
    const QByteArray table = ReadAt(file, directory + 2, qint64(entries) * 12);
    for (qsizetype at = 0; at + 12 <= table.size(); at += 12) {
        if (read16(table, at) != kIccProfileTag)
            continue;
        const quint16 type = read16(table, at + 2); // BYTE or UNDEFINED
        const quint32 count = read32(table, at + 4);
        if ((type == 1 || type == 7) && count > 4 && count <= quint32(kMaxProfileBytes)) {
            QByteArray icc = ReadAt(file, read32(table, at + 8), count);
            if (icc.size() == qsizetype(count))
                found.icc = std::move(icc);
        }
        break;
    }
    return found;
}

// --- WebP -----------------------------------------------------------------

// The payload of the first `type` chunk of a RIFF (WebP) file.
QByteArray ReadRiffChunk(QIODevice& file, QByteArrayView type, qint64 largest) {
    qint64 pos = 12;
    for (int chunk = 0; chunk < kMaxStructures; ++chunk) {
        const QByteArray head = ReadAt(file, pos, 8);
        if (head.size() < 8)
            break;
        const quint32 length = Little32(head, 4);
        if (head.startsWith(type)) {
            if (length > largest)
                break;
            QByteArray payload = ReadAt(file, pos + 8, length);
            return payload.size() == qsizetype(length) ? payload : QByteArray();
        }
        pos += 8 + qint64(length) + (length & 1); // chunks are padded to even lengths
    }
    return {};
}

EmbeddedProfile ReadWebP(QIODevice& file) {
    EmbeddedProfile found;
    found.container = PictureContainer::WebP;
    found.icc = ReadRiffChunk(file, "ICCP", kMaxProfileBytes);
    return found;
}

// Puts the file's position back when the reading is done.
class PositionKeeper {
public:
    explicit PositionKeeper(QIODevice& file) : file_(file), pos_(file.pos()) {}
    ~PositionKeeper() { file_.seek(pos_); }

private:
    QIODevice& file_;
    qint64 pos_;
};

} // namespace

EmbeddedProfile ReadEmbeddedProfile(QIODevice& file) {
    if (file.isSequential())
        return {};
    const PositionKeeper keeper(file);
    const QByteArray magic = ReadAt(file, 0, 12);
    if (magic.startsWith("\xFF\xD8"))
        return ReadJpeg(file);
    if (magic.startsWith("\x89PNG\r\n\x1A\n"))
        return ReadPng(file);
    if (magic.startsWith(QByteArrayView("II*\0", 4)))
        return ReadTiff(file, false);
    if (magic.startsWith(QByteArrayView("MM\0*", 4)))
        return ReadTiff(file, true);
    if (magic.startsWith("RIFF") && magic.mid(8, 4) == "WEBP")
        return ReadWebP(file);
    return {};
}

QByteArray ReadWebpChunk(QIODevice& file, QByteArrayView type, qint64 largest) {
    if (file.isSequential())
        return {};
    const PositionKeeper keeper(file);
    const QByteArray magic = ReadAt(file, 0, 12);
    if (!magic.startsWith("RIFF") || magic.mid(8, 4) != "WEBP")
        return {};
    return ReadRiffChunk(file, type, largest);
}

bool ExifSaysAdobeRgb(QByteArrayView exif) {
    // The index is four bytes held in its directory entry: a file without
    // them needs no parsing.
    if (!exif.startsWith(QByteArrayView("Exif\0\0", 6)) || !exif.contains(QByteArrayView("R03")))
        return false;
    const ExifDataPtr data(exif_data_new());
    if (!data)
        return false;
    // As read, not completed with the standard's defaults.
    exif_data_unset_option(data.get(), EXIF_DATA_OPTION_FOLLOW_SPECIFICATION);
    exif_data_load_data(data.get(), reinterpret_cast<const unsigned char*>(exif.data()),
                        static_cast<unsigned int>(exif.size()));
    const ExifEntry* index = exif_content_get_entry(data->ifd[EXIF_IFD_INTEROPERABILITY],
                                                    EXIF_TAG_INTEROPERABILITY_INDEX);
    if (index == nullptr || index->format != EXIF_FORMAT_ASCII || index->size < 3 ||
        std::memcmp(index->data, "R03", 3) != 0)
        return false;
    const ExifEntry* space = exif_content_get_entry(data->ifd[EXIF_IFD_EXIF], EXIF_TAG_COLOR_SPACE);
    const bool sRgb = space != nullptr && space->format == EXIF_FORMAT_SHORT && space->size >= 2 &&
                      exif_get_short(space->data, exif_data_get_byte_order(data.get())) == 1;
    return !sRgb;
}

} // namespace kolvira
