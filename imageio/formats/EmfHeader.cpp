#include "imageio/formats/EmfHeader.h"

#include "imageio/formats/MetafileCanvas.h"

#include <QtEndian>

namespace kolvira {
namespace {

constexpr quint32 kHeaderRecord = 1;       // EMR_HEADER
constexpr quint32 kSignature = 0x464D4520; // " EMF"
constexpr qsizetype kSignatureAt = 40;
constexpr qsizetype kSmallestHeader = 88;
// The header that carries szlMicrometers, the reference device's size in µm.
constexpr qsizetype kHeaderWithMicrometres = 108;
constexpr double kHundredthsOfMmPerInch = 2540;

quint32 U32At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<quint32>(data.data() + at);
}
qint32 S32At(QByteArrayView data, qsizetype at) {
    return qFromLittleEndian<qint32>(data.data() + at);
}

EmfEdges EdgesAt(QByteArrayView data, qsizetype at) {
    return {S32At(data, at), S32At(data, at + 4), S32At(data, at + 8), S32At(data, at + 12)};
}

} // namespace

bool IsEmf(QByteArrayView head) {
    return head.size() >= kSignatureAt + 4 && U32At(head, 0) == kHeaderRecord &&
           U32At(head, kSignatureAt) == kSignature;
}

QSize EmfSize(QByteArrayView data) {
    const std::optional<EmfHeader> header = ReadEmfHeader(data);
    if (!header)
        return {};
    const EmfEdges& frame = header->frame;
    if (frame.Width() > 0 && frame.Height() > 0)
        return {PixelsAt96Dpi(frame.Width() / kHundredthsOfMmPerInch),
                PixelsAt96Dpi(frame.Height() / kHundredthsOfMmPerInch)};
    const EmfEdges& bounds = header->bounds;
    if (bounds.Width() >= 0 && bounds.Height() >= 0)
        return {PixelsAt96Dpi((bounds.Width() + 1) / 96.0),
                PixelsAt96Dpi((bounds.Height() + 1) / 96.0)};
    return {};
}

std::optional<EmfHeader> ReadEmfHeader(QByteArrayView data) {
    if (!IsEmf(data) || data.size() < kSmallestHeader)
        return std::nullopt;
    // The rest of the header record (its description) may lie past `data`.
    const quint32 size = U32At(data, 4);
    if (size < kSmallestHeader)
        return std::nullopt;
    EmfHeader header;
    header.bounds = EdgesAt(data, 8);
    header.frame = EdgesAt(data, 24);
    const qint32 pixelsX = S32At(data, 72), pixelsY = S32At(data, 76);
    double millimetresX = S32At(data, 80), millimetresY = S32At(data, 84);
    if (size >= kHeaderWithMicrometres && data.size() >= kHeaderWithMicrometres &&
        S32At(data, 100) > 0 && S32At(data, 104) > 0) {
        millimetresX = S32At(data, 100) / 1000.0;
        millimetresY = S32At(data, 104) / 1000.0;
    }
    if (pixelsX > 0 && pixelsY > 0 && millimetresX > 0 && millimetresY > 0) {
        header.pixelsPerMmX = pixelsX / millimetresX;
        header.pixelsPerMmY = pixelsY / millimetresY;
    }
    return header;
}

} // namespace kolvira
