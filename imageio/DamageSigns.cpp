#include "imageio/DamageSigns.h"

#include <QCoreApplication>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstdlib>

namespace kolvira {
namespace {

// Lower-case fragments of the codecs' messages about lost picture data.
constexpr std::array<const char*, 9> damageFragments = {
    "premature end",  "corrupt jpeg data", "truncated",   "crc error",    "read error",
    "unexpected end", "incomplete",        "bad huffman", "corrupt data",
};

// Corrupt in name only: the picture is complete, with a few bytes to spare.
constexpr const char* harmlessFragment = "extraneous bytes";

// libpng's warnings about a chunk other than the picture data ("zTXt:
// truncated" for a huge comment) concern the file's metadata.
bool IsAboutMetadataChunk(const QString& message) {
    static const QLatin1String prefix("libpng warning: ");
    if (!message.startsWith(prefix) || message.size() < prefix.size() + 5)
        return false;
    const QString chunk = message.mid(prefix.size(), 4);
    return message.at(prefix.size() + 4) == QLatin1Char(':') && chunk != QLatin1String("IDAT");
}

} // namespace

QString DamageSign(const QStringList& codecMessages) {
    for (const QString& message : codecMessages) {
        const QString lower = message.toLower();
        if (lower.contains(QLatin1String(harmlessFragment)) || IsAboutMetadataChunk(message))
            continue;
        for (const char* fragment : damageFragments) {
            if (lower.contains(QLatin1String(fragment)))
                return message;
        }
    }
    return {};
}

bool BmpEndsEarly(const QByteArray& header, qint64 fileSize) {
    if (header.size() < 54 || !header.startsWith("BM"))
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const std::int64_t pixelOffset = qFromLittleEndian<quint32>(bytes + 10);
    const quint32 infoSize = qFromLittleEndian<quint32>(bytes + 14);
    std::int64_t width = 0, height = 0, bitsPerPixel = 0;
    quint32 compression = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = qFromLittleEndian<quint16>(bytes + 18);
        height = qFromLittleEndian<quint16>(bytes + 20);
        bitsPerPixel = qFromLittleEndian<quint16>(bytes + 24);
    } else if (infoSize >= 40) {
        width = qFromLittleEndian<qint32>(bytes + 18);
        height = std::abs(std::int64_t{qFromLittleEndian<qint32>(bytes + 22)}); // < 0: top-down
        bitsPerPixel = qFromLittleEndian<quint16>(bytes + 28);
        compression = qFromLittleEndian<quint32>(bytes + 30);
    } else {
        return false;
    }
    constexpr quint32 uncompressed = 0, bitFields = 3;
    if ((compression != uncompressed && compression != bitFields) || width <= 0)
        return false;
    const std::int64_t rowBytes =
        (width * bitsPerPixel + 31) / 32 * 4; // rows are padded to 4 bytes
    return pixelOffset + rowBytes * height > fileSize;
}

bool GifEndsEarly(const QByteArray& file) {
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    const qsizetype size = file.size();
    // A colour table follows when the flags' top bit is set; its size is
    // their low three bits.
    auto tableBytes = [](uchar flags) { return (flags & 0x80) ? 3 << ((flags & 7) + 1) : 0; };
    // The end of the sub-blocks from `at`, or -1 when the file ends first.
    auto afterSubBlocks = [&](qsizetype at) -> qsizetype {
        while (at < size) {
            if (bytes[at] == 0)
                return at + 1;
            at += 1 + bytes[at];
        }
        return -1;
    };
    constexpr qsizetype screenDescriptorEnd = 13;
    if (size < screenDescriptorEnd || !file.startsWith("GIF"))
        return false;
    qsizetype at = screenDescriptorEnd + tableBytes(bytes[10]);
    while (at < size) {
        if (bytes[at] == 0x21) { // an extension: its label, then sub-blocks
            at = at + 2 <= size ? afterSubBlocks(at + 2) : -1;
        } else if (bytes[at] == 0x2c) { // the first picture
            constexpr qsizetype descriptorBytes = 10;
            if (at + descriptorBytes > size)
                return true;
            at += descriptorBytes + tableBytes(bytes[at + 9]) + 1; // + the LZW code size
            return at > size || afterSubBlocks(at) < 0;
        } else {
            return false; // the trailer, or no GIF Qt would read
        }
        if (at < 0)
            return true;
    }
    return true;
}

QString EndsEarlyReason() {
    return QCoreApplication::translate("Decoding", "the file ends before the picture does");
}

} // namespace kolvira
