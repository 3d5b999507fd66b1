#include "imageio/EmfFormat.h"

#include "imageio/DecoderProcess.h"
#include "imageio/EmfRecords.h"
#include "imageio/MetafileFormat.h"

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

#include <emf2svg.h>

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

// A rectangle as the header stores it: four 32-bit edges.
struct Edges {
    qint64 left = 0, top = 0, right = 0, bottom = 0;
    qint64 Width() const { return right - left; }
    qint64 Height() const { return bottom - top; }
};

Edges EdgesAt(QByteArrayView data, qsizetype at) {
    return {S32At(data, at), S32At(data, at + 4), S32At(data, at + 8), S32At(data, at + 12)};
}

struct Header {
    Edges bounds; // the drawing's extent in the reference device's pixels, both ends included
    Edges frame;  // the picture in hundredths of a millimetre
    // The reference device's pixels a millimetre; 0 when the header does not tell.
    double pixelsPerMmX = 0;
    double pixelsPerMmY = 0;
};

std::optional<Header> ReadHeader(QByteArrayView data) {
    if (!IsEmf(data) || data.size() < kSmallestHeader)
        return std::nullopt;
    // The rest of the header record (its description) may lie past `data`.
    const quint32 size = U32At(data, 4);
    if (size < kSmallestHeader)
        return std::nullopt;
    Header header;
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

// The part of libemf2svg's drawing that is the picture. libemf2svg draws in
// the reference device's pixels, moved so that the bounds start at 0, 0.
QRectF PictureArea(const Header& header) {
    const Edges& frame = header.frame;
    const Edges& bounds = header.bounds;
    if (frame.Width() > 0 && frame.Height() > 0 && header.pixelsPerMmX > 0) {
        const double x = header.pixelsPerMmX / 100, y = header.pixelsPerMmY / 100;
        return QRectF(frame.left * x - bounds.left, frame.top * y - bounds.top, frame.Width() * x,
                      frame.Height() * y);
    }
    return QRectF(0, 0, bounds.Width() + 1, bounds.Height() + 1);
}

// The records up to the end-of-file record, with the header's file length
// and record count made true to them.
QByteArray Playable(QByteArrayView data, const EmfRecords& records) {
    QByteArray file = data.first(records.end).toByteArray();
    qToLittleEndian(quint32(records.end), file.data() + 48);
    qToLittleEndian(records.count, file.data() + 52);
    return file;
}

// libemf2svg reads the fixed part of some records without checking that it
// fits in the record; zeros after the end keep such reads within our memory.
constexpr qsizetype kReadSlack = 64 * 1024;

QByteArray ToSvg(QByteArray emf, QString& error) {
    const std::size_t emfBytes = std::size_t(emf.size());
    emf.append(QByteArray(kReadSlack, '\0'));
    generatorOptions options{};
    options.nameSpace = nullptr;
    options.verbose = false;
    // libemf2svg keeps the EMF+ records' state in static variables, shared by
    // every conversion on every thread, and a second EMF+ file can make it
    // free memory twice: EMF+ is drawn only in kolvira-decode, which converts
    // one file and ends. Elsewhere the EMF records EMF+ files carry beside
    // their EMF+ ones (Office writes both) are drawn instead.
    options.emfplus = CurrentRiskyDecodes() == RiskyDecodes::OneShotProcess;
    options.svgDelimiter = true;
    char* out = nullptr;
    std::size_t length = 0;
    const int converted = emf2svg(emf.data(), emfBytes, &out, &length, &options);
    const std::unique_ptr<char, decltype(&std::free)> owned(out, &std::free);
    if (converted == 0 || out == nullptr || length == 0) {
        error = QStringLiteral("libemf2svg could not read the metafile");
        return {};
    }
    return QByteArray(out, qsizetype(length));
}

// Whether `href` is a PNG or JPEG carried in the SVG itself, as libemf2svg
// writes its bitmaps. Qt SVG reads any other image from disk, and an inline
// one whatever its kind, an SVG showing files too; so the bytes it would
// decode, those after the last "base64,", are looked at as it looks at them.
bool IsInlinePicture(QStringView href) {
    const qsizetype payload = href.lastIndexOf(QLatin1String("base64,"));
    if (!href.startsWith(QLatin1String("data")) || payload < 0)
        return false;
    const QStringView start =
        href.sliced(payload + 7)
            .first(std::min<qsizetype>(12, href.size() - payload -
                                               7)); // 12 characters: the first 9 bytes
    const QByteArray head = QByteArray::fromBase64(start.toLatin1());
    return head.startsWith("\x89PNG") || head.startsWith("\xFF\xD8\xFF");
}

// Whether an element may be drawn. libemf2svg copies a file's text into the
// SVG as it stands, so a file can slip in elements of its own, an image of a
// file on disk for one. References within the SVG and inline pictures are
// kept; text is left out when it cannot be drawn.
bool Kept(const QXmlStreamReader& reader, bool withText, bool& leftOutText) {
    if (reader.name() == QLatin1String("text") && !withText) {
        leftOutText = true;
        return false;
    }
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
        if (attribute.name() == QLatin1String("href") &&
            !attribute.value().startsWith(QLatin1Char('#')) && !IsInlinePicture(attribute.value()))
            return false;
    }
    return true;
}

// `svg` with what may not be drawn left out, whole elements at a time, and
// without processing instructions: Qt SVG reads the style sheet file an
// xml-stylesheet instruction names. Empty when it is not well-formed.
QByteArray Sanitised(const QByteArray& svg, bool withText, bool& leftOutText) {
    QXmlStreamReader reader(svg);
    QByteArray kept;
    QXmlStreamWriter writer(&kept);
    int depthLeftOut = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.hasError())
            return {};
        if (depthLeftOut > 0) {
            depthLeftOut += reader.isStartElement() ? 1 : reader.isEndElement() ? -1 : 0;
            continue;
        }
        if (reader.isStartElement() && !Kept(reader, withText, leftOutText)) {
            depthLeftOut = 1;
            continue;
        }
        if (!reader.isProcessingInstruction())
            writer.writeCurrentToken(reader);
    }
    return kept;
}

} // namespace

bool IsEmf(QByteArrayView head) {
    return head.size() >= kSignatureAt + 4 && U32At(head, 0) == kHeaderRecord &&
           U32At(head, kSignatureAt) == kSignature;
}

QSize EmfSize(QByteArrayView data) {
    const std::optional<Header> header = ReadHeader(data);
    if (!header)
        return {};
    const Edges& frame = header->frame;
    if (frame.Width() > 0 && frame.Height() > 0)
        return {PixelsAt96Dpi(frame.Width() / kHundredthsOfMmPerInch),
                PixelsAt96Dpi(frame.Height() / kHundredthsOfMmPerInch)};
    const Edges& bounds = header->bounds;
    if (bounds.Width() >= 0 && bounds.Height() >= 0)
        return {PixelsAt96Dpi((bounds.Width() + 1) / 96.0),
                PixelsAt96Dpi((bounds.Height() + 1) / 96.0)};
    return {};
}

QImage DrawEmf(QByteArrayView data, QSize size, QString& error, QStringList& warnings) {
    const std::optional<Header> header = ReadHeader(data);
    if (!header) {
        error = QStringLiteral("the EMF header is damaged");
        return {};
    }
    const EmfRecords records = CheckEmfRecords(data);
    if (!records.error.isEmpty()) {
        error = records.error;
        return {};
    }
    QImage canvas = WhiteCanvas(size.isValid() ? size : EmfSize(data), error);
    if (canvas.isNull())
        return {};
    QByteArray svg = ToSvg(Playable(data, records), error);
    if (svg.isEmpty())
        return {};
    bool leftOutText = false;
    svg = Sanitised(svg, CanDrawText(), leftOutText);
    if (leftOutText)
        warnings << TextLeftOutWarning();
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        error = QStringLiteral("libemf2svg made no drawing Qt SVG can read of the metafile");
        return {};
    }
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    renderer.setViewBox(PictureArea(*header));
    QPainter painter(&canvas);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                           QPainter::TextAntialiasing);
    renderer.render(&painter, QRectF(canvas.rect()));
    return canvas;
}

} // namespace kolvira
