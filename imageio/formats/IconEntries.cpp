#include "imageio/formats/IconEntries.h"

#include <QtEndian>

#include <cstdint>
#include <tuple>

namespace kolvira {
namespace {

constexpr int kDirectoryHeaderBytes = 6;
constexpr int kEntryBytes = 16;
// Real icons have about a dozen entries; a directory claiming more than this
// is looked at no further.
constexpr int kMostEntries = 256;

int BitsPerPixel(std::uint8_t colorCount, std::uint16_t bitCount) {
    if (bitCount != 0)
        return bitCount;
    // Old icons give only the palette's size; 0 there means 256 or more.
    if (colorCount == 0)
        return 8;
    int bits = 1;
    while ((1 << bits) < colorCount)
        ++bits;
    return bits;
}

} // namespace

QList<IconEntry> ReadIconDirectory(QIODevice& file) {
    const QByteArray header = file.peek(kDirectoryHeaderBytes + kMostEntries * kEntryBytes);
    QList<IconEntry> entries;
    if (header.size() < kDirectoryHeaderBytes)
        return entries;
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const std::uint16_t type = qFromLittleEndian<std::uint16_t>(bytes + 2);
    if (qFromLittleEndian<std::uint16_t>(bytes) != 0 || (type != 1 && type != 2))
        return entries;
    const int count = qFromLittleEndian<std::uint16_t>(bytes + 4);
    for (int i = 0; i < count && i < kMostEntries; ++i) {
        const uchar* entry = bytes + kDirectoryHeaderBytes + i * kEntryBytes;
        if (entry + kEntryBytes > bytes + header.size())
            break;
        // A width or height of 0 stands for 256. A cursor keeps its hot spot
        // where an icon keeps planes and bits, so its depth is the palette's.
        const QSize size(entry[0] != 0 ? entry[0] : 256, entry[1] != 0 ? entry[1] : 256);
        const std::uint16_t bitCount = type == 1 ? qFromLittleEndian<std::uint16_t>(entry + 6) : 0;
        entries.append({size, BitsPerPixel(entry[2], bitCount)});
    }
    return entries;
}

int LargestIconEntry(const QList<IconEntry>& entries) {
    int chosen = -1;
    auto rank = [](const IconEntry& entry) {
        return std::make_tuple(std::int64_t{entry.size.width()} * entry.size.height(),
                               entry.bitsPerPixel);
    };
    for (int i = 0; i < entries.size(); ++i) {
        if (chosen < 0 || rank(entries[i]) > rank(entries[chosen]))
            chosen = i;
    }
    return chosen;
}

void ReadLargestIconEntry(QImageReader& reader) {
    const QByteArray format = reader.format();
    if ((format != "ico" && format != "cur") || reader.device() == nullptr)
        return;
    const int chosen = LargestIconEntry(ReadIconDirectory(*reader.device()));
    if (chosen > 0)
        reader.jumpToImage(chosen);
}

} // namespace kolvira
