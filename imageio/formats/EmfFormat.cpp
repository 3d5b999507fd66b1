#include "imageio/formats/EmfFormat.h"

#include "imageio/decoding/RiskyDecodes.h"
#include "imageio/formats/EmfHeader.h"
#include "imageio/formats/EmfRecords.h"
#include "imageio/formats/MetafileCanvas.h"

#include <QByteArray>
#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <initializer_list>
#include <memory>
#include <optional>
#include <utility>

#include <emf2svg.h>

namespace kolvira {
namespace {

// The part of libemf2svg's drawing that is the picture. libemf2svg draws in
// the reference device's pixels, moved so that the bounds start at 0, 0.
QRectF PictureArea(const EmfHeader& header) {
    const EmfEdges& frame = header.frame;
    const EmfEdges& bounds = header.bounds;
    if (frame.Width() > 0 && frame.Height() > 0 && header.pixelsPerMmX > 0) {
        const double x = header.pixelsPerMmX / 100, y = header.pixelsPerMmY / 100;
        return QRectF(frame.left * x - bounds.left, frame.top * y - bounds.top, frame.Width() * x,
                      frame.Height() * y);
    }
    return QRectF(0, 0, bounds.Width() + 1, bounds.Height() + 1);
}

constexpr quint32 kSetWindowExtEx = 9, kSetViewportExtEx = 11, kMoveToEx = 27;
constexpr quint32 kBeginPath = 59, kEndPath = 60, kCloseFigure = 61, kStrokePath = 64;

// A record of `type` with the 32-bit `fields` after its type and length.
QByteArray Record(quint32 type, std::initializer_list<qint32> fields) {
    QByteArray record;
    const auto append = [&record](quint32 value) {
        char bytes[4];
        qToLittleEndian(value, bytes);
        record.append(bytes, 4);
    };
    append(type);
    append(quint32(8 + 4 * fields.size()));
    for (const qint32 field : fields)
        append(quint32(field));
    return record;
}

// Where a path's figure ends, followed through its records: libemf2svg
// closes the last figure of every path, so a stroked path whose last figure
// is open gets an empty figure at its end point to close instead.
class PathFigures {
public:
    // Follows `record` of `type` (its points' counts checked already).
    void Follow(quint32 type, QByteArrayView record) {
        const auto s32 = [&](qsizetype at) {
            return qFromLittleEndian<qint32>(record.data() + at);
        };
        const auto s16 = [&](qsizetype at) {
            return qFromLittleEndian<qint16>(record.data() + at);
        };
        const auto lastPoint = [&](bool wide) {
            const qint32 count = s32(24);
            if (count <= 0)
                return;
            if (wide)
                end_ = {s32(28 + 8 * (count - 1)), s32(32 + 8 * (count - 1))};
            else
                end_ = {s16(28 + 4 * (count - 1)), s16(30 + 4 * (count - 1))};
            open_ = true;
        };
        switch (type) {
        case kBeginPath:
            followed_ = true;
            open_ = false;
            break;
        case kMoveToEx:
        case 54: // EMR_LINETO
            if (record.size() < 16) {
                followed_ = false;
                break;
            }
            end_ = {s32(8), s32(12)};
            open_ = type != kMoveToEx;
            break;
        case 2: // EMR_POLYBEZIER, EMR_POLYLINE, EMR_POLYBEZIERTO, EMR_POLYLINETO
        case 4:
        case 5:
        case 6:
            lastPoint(true);
            break;
        case 85: // the same with 16-bit points
        case 87:
        case 88:
        case 89:
            lastPoint(false);
            break;
        case 3: // EMR_POLYGON, EMR_POLYGON16: closed figures
        case 86:
        case kCloseFigure:
            open_ = false;
            break;
        default:
            // Arcs, poly-polylines and other drawing records end where this
            // does not follow; state records (pens, colours) leave the path.
            if ((type >= 2 && type <= 8) || (type >= 41 && type <= 47) || type == 55 ||
                type == 56 || (type >= 85 && type <= 92))
                followed_ = false;
        }
    }

    // The records to play before the path's end so that its last figure
    // stays open when it is stroked.
    QByteArray BeforeEnd(quint32 operation) const {
        if (operation != kStrokePath || !followed_ || !open_)
            return {};
        return Record(kMoveToEx, {end_.first, end_.second});
    }

private:
    bool followed_ = false;
    bool open_ = false;
    std::pair<qint32, qint32> end_;
};

// The records up to the end-of-file record, for libemf2svg to play as GDI
// would: the window's and the viewport's extents first set to GDI's
// starting 1 x 1 (libemf2svg starts them at 0, so a file that turns to
// MM_ANISOTROPIC without setting both, pstoedit's for one, would be drawn at
// coordinates that are not numbers), stroked paths left open where the file
// leaves them, and the header's file length and record count made true.
QByteArray Playable(QByteArrayView data, const EmfRecords& records) {
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(data.data() + at); };
    const qsizetype headerBytes = u32(4);
    QByteArray file = data.first(headerBytes).toByteArray();
    file += Record(kSetWindowExtEx, {1, 1}) + Record(kSetViewportExtEx, {1, 1});
    quint32 count = records.count + 2;
    PathFigures figures;
    for (qsizetype at = headerBytes; at < records.end;) {
        const quint32 type = u32(at), length = u32(at + 4);
        const qsizetype next = at + length;
        if (type == kEndPath && next + 8 <= records.end) {
            const QByteArray before = figures.BeforeEnd(u32(next));
            file += before;
            count += before.isEmpty() ? 0 : 1;
        }
        figures.Follow(type, data.sliced(at, length));
        file += data.sliced(at, length);
        at = next;
    }
    qToLittleEndian(quint32(file.size()), file.data() + 48);
    qToLittleEndian(count, file.data() + 52);
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
    // free memory twice: EMF+ is drawn only in kolvira-decode-emf, which
    // converts one file and ends. Elsewhere (the fuzzers) the EMF records
    // EMF+ files carry beside their EMF+ ones (Office writes both) are drawn
    // instead.
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

QImage DrawEmf(QByteArrayView data, QSize size, QString& error, QStringList& warnings) {
    const std::optional<EmfHeader> header = ReadEmfHeader(data);
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
