#include "imageio/formats/WmfPainter.h"

#include "imageio/PhotoDecoding.h"
#include "imageio/formats/MetafileFormat.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QtEndian>
#include <QtMath>

#include <algorithm>
#include <cmath>

#include <libwmf/api.h>
#include <libwmf/defs.h>
#include <libwmf/ipa.h>

namespace kolvira {
namespace {

QColor Color(const wmfRGB& rgb) {
    return QColor(rgb.r, rgb.g, rgb.b);
}

QPointF Point(const wmfD_Coord& point) {
    return {point.x, point.y};
}

QRectF Box(const wmfD_Coord& topLeft, const wmfD_Coord& bottomRight) {
    return QRectF(Point(topLeft), Point(bottomRight)).normalized();
}

Qt::BrushStyle HatchStyle(unsigned hatch) {
    switch (hatch) {
    case HS_HORIZONTAL:
        return Qt::HorPattern;
    case HS_VERTICAL:
        return Qt::VerPattern;
    case HS_FDIAGONAL:
        return Qt::FDiagPattern;
    case HS_BDIAGONAL:
        return Qt::BDiagPattern;
    case HS_CROSS:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

// Windows' ANSI code page, which metafile text is mostly written in: Latin-1
// but for the letters and signs it puts at 0x80-0x9F.
QString FromWindows1252(const char* text) {
    static constexpr char16_t kHigh[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString decoded = QString::fromLatin1(text);
    for (QChar& c : decoded) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(kHigh[c.unicode() - 0x80]);
    }
    return decoded;
}

// The size of the device-independent bitmap in `dib`, from its header.
QSize DibSize(const unsigned char* dib, long length) {
    if (dib == nullptr || length < 12)
        return {};
    const quint32 headerSize = qFromLittleEndian<quint32>(dib);
    if (headerSize == 12) // the old OS/2 header
        return {qFromLittleEndian<quint16>(dib + 4), qFromLittleEndian<quint16>(dib + 6)};
    if (headerSize < 40 || length < 16)
        return {};
    const qint64 width = qFromLittleEndian<qint32>(dib + 4);
    const qint64 height = std::abs(qint64{qFromLittleEndian<qint32>(dib + 8)}); // < 0: top-down
    if (width <= 0 || height <= 0 || width > 65535 || height > 65535)
        return {};
    return {int(width), int(height)};
}

// The bitmap in `dib` (a BMP file without its 14-byte file header), by Qt's
// BMP reader; null when it cannot be read or is over the pixel limit.
QImage DecodeDib(const unsigned char* dib, long length) {
    const QSize size = DibSize(dib, length);
    if (!size.isValid() || HasTooManyPixels(size.width(), size.height()))
        return {};
    const quint32 headerSize = qFromLittleEndian<quint32>(dib);
    quint32 colors = 0, entryBytes = 4, masks = 0;
    if (headerSize == 12) {
        const quint16 bits = qFromLittleEndian<quint16>(dib + 10);
        colors = bits <= 8 ? 1u << bits : 0;
        entryBytes = 3;
    } else {
        if (length < 36)
            return {};
        const quint16 bits = qFromLittleEndian<quint16>(dib + 14);
        const quint32 compression = qFromLittleEndian<quint32>(dib + 16);
        const quint32 used = qFromLittleEndian<quint32>(dib + 32);
        colors = used != 0 ? std::min(used, 256u) : (bits <= 8 ? 1u << bits : 0);
        masks = (compression == 3 && headerSize == 40) ? 12 : 0; // BI_BITFIELDS
    }
    const qint64 pixelsAt = 14 + qint64{headerSize} + qint64{colors} * entryBytes + masks;
    if (pixelsAt > 14 + qint64{length})
        return {};
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian(quint32(14 + length), file.data() + 2);
    qToLittleEndian(quint32(pixelsAt), file.data() + 10);
    file.append(reinterpret_cast<const char*>(dib), length);
    return QImage::fromData(file, "BMP");
}

} // namespace

struct WmfPainter::Device {
    Device(QImage& canvas, const QRectF& area)
        : painter(&canvas), scaleX(canvas.width() / area.width()),
          scaleY(canvas.height() / area.height()) {
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform |
                               QPainter::TextAntialiasing);
        painter.setTransform(QTransform::fromScale(scaleX, scaleY).translate(-area.x(), -area.y()));
    }

    QPainter painter;
    double scaleX;
    double scaleY;
    bool leftOutText = false;

    // The pen of `dc`. GDI draws a pen narrower than a pixel one pixel wide,
    // and styles (dashes, dots) only pens that thin.
    QPen PenOf(const wmfDC* dc) const {
        const wmfPen* pen = dc->pen;
        const unsigned style = pen->lopnStyle & PS_STYLE_MASK;
        if (style == PS_NULL)
            return Qt::NoPen;
        QPen qpen(Color(pen->lopnColor));
        const double width = std::max(std::abs(pen->width), std::abs(pen->height));
        const bool thin = width * std::min(std::abs(scaleX), std::abs(scaleY)) <= 1;
        qpen.setWidthF(thin ? 0 : width); // 0: one pixel, whatever the scale
        if (thin) {
            switch (style) {
            case PS_DASH:
                qpen.setStyle(Qt::DashLine);
                break;
            case PS_DOT:
            case PS_ALTERNATE:
                qpen.setStyle(Qt::DotLine);
                break;
            case PS_DASHDOT:
                qpen.setStyle(Qt::DashDotLine);
                break;
            case PS_DASHDOTDOT:
                qpen.setStyle(Qt::DashDotDotLine);
                break;
            default:
                break;
            }
        }
        switch (pen->lopnStyle & PS_ENDCAP_MASK) {
        case PS_ENDCAP_SQUARE:
            qpen.setCapStyle(Qt::SquareCap);
            break;
        case PS_ENDCAP_FLAT:
            qpen.setCapStyle(Qt::FlatCap);
            break;
        default:
            qpen.setCapStyle(Qt::RoundCap);
            break;
        }
        switch (pen->lopnStyle & PS_JOIN_MASK) {
        case PS_JOIN_BEVEL:
            qpen.setJoinStyle(Qt::BevelJoin);
            break;
        case PS_JOIN_MITER:
            qpen.setJoinStyle(Qt::MiterJoin);
            break;
        default:
            qpen.setJoinStyle(Qt::RoundJoin);
            break;
        }
        return qpen;
    }

    // The brush of `dc`. Hatches and patterns are laid out in output pixels,
    // as GDI lays them out in device pixels.
    QBrush BrushOf(const wmfDC* dc) const {
        const wmfBrush* brush = dc->brush;
        QBrush qbrush;
        switch (brush->lbStyle) {
        case BS_NULL:
            return Qt::NoBrush;
        case BS_HATCHED:
            qbrush = QBrush(Color(brush->lbColor), HatchStyle(brush->lbHatch));
            break;
        case BS_PATTERN:
        case BS_DIBPATTERN:
        case BS_DIBPATTERNPT:
            if (brush->bmp.data == nullptr)
                return QBrush(Color(brush->lbColor));
            qbrush = QBrush(*static_cast<const QImage*>(brush->bmp.data));
            break;
        default:
            return QBrush(Color(brush->lbColor));
        }
        qbrush.setTransform(QTransform::fromScale(1 / scaleX, 1 / scaleY));
        return qbrush;
    }

    // Draws with `dc`'s pen (when `outlined`) and with its brush (when
    // `filled`); `draw` makes the painter's one call, which Qt does far
    // faster for a polygon or a rectangle than for a path. A hatch's gaps
    // show the background colour unless the background is transparent.
    template <class Draw> void Paint(const wmfDC* dc, bool filled, bool outlined, Draw draw) {
        const QBrush brush = filled ? BrushOf(dc) : QBrush();
        const QPen pen = outlined ? PenOf(dc) : QPen(Qt::NoPen);
        if (brush.style() != Qt::NoBrush && dc->brush->lbStyle == BS_HATCHED &&
            dc->bgmode == OPAQUE) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(Color(dc->bgcolor));
            draw();
        }
        if (pen.style() == Qt::NoPen && brush.style() == Qt::NoBrush)
            return;
        painter.setPen(pen);
        painter.setBrush(brush);
        draw();
    }

    static Qt::FillRule FillRule(const wmfDC* dc) {
        return dc->polyfillmode == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
    }

    void Text(const wmfDrawText_t* text) {
        if (!CanDrawText()) {
            leftOutText = true;
            return;
        }
        const wmfDC* dc = text->dc;
        const wmfFont* font = dc->font;
        if (text->str == nullptr || font == nullptr)
            return;
        // Text is laid out in output pixels: a font size in device units may
        // be a fraction of one.
        const QTransform toImage = painter.transform();
        if (text->flags & ETO_OPAQUE)
            painter.fillRect(Box(text->TL, text->BR), Color(dc->bgcolor));
        painter.save();
        if (text->flags & ETO_CLIPPED)
            painter.setClipRect(Box(text->TL, text->BR), Qt::IntersectClip);
        if (dc->bgmode == OPAQUE) {
            QPolygonF around;
            around << Point(text->bbox.TL) << Point(text->bbox.TR) << Point(text->bbox.BR)
                   << Point(text->bbox.BL);
            painter.setPen(Qt::NoPen);
            painter.setBrush(Color(dc->bgcolor));
            painter.drawPolygon(around);
        }
        QFont qfont(QString::fromLatin1(font->lfFaceName != nullptr ? font->lfFaceName : ""));
        const double pixels = std::abs(text->font_height * scaleY);
        if (!std::isfinite(pixels) || pixels < 0.5) {
            painter.restore();
            return;
        }
        qfont.setPointSizeF(pixels * 72 / 96); // a QImage has 96 dots an inch
        qfont.setWeight(
            QFont::Weight(std::clamp<int>(font->lfWeight == 0 ? 400 : font->lfWeight, 1, 1000)));
        qfont.setItalic(font->lfItalic != 0);
        qfont.setUnderline(font->lfUnderline != 0);
        qfont.setStrikeOut(font->lfStrikeOut != 0);
        painter.setTransform(QTransform());
        painter.translate(toImage.map(Point(text->pt)));
        painter.rotate(-font->lfEscapement / 10.0); // tenths of a degree, anticlockwise
        painter.scale(std::abs(scaleX / scaleY), 1);
        painter.setFont(qfont);
        painter.setPen(Color(dc->textcolor));
        painter.drawText(QPointF(0, 0), FromWindows1252(text->str)); // from the baseline
        painter.restore();
    }

    void Bitmap(const wmfBMP_Draw_t* draw) {
        const auto* image = static_cast<const QImage*>(draw->bmp.data);
        if (image == nullptr)
            return;
        // The crop is counted from the bitmap's bottom row, as in a DIB.
        const QRectF source(draw->crop.x, image->height() - draw->crop.y - draw->crop.h,
                            draw->crop.w, draw->crop.h);
        painter.save();
        switch (draw->type) {
        case SRCAND:
            painter.setCompositionMode(QPainter::CompositionMode_Multiply);
            break;
        case SRCPAINT:
            painter.setCompositionMode(QPainter::CompositionMode_Lighten);
            break;
        case SRCINVERT:
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            break;
        default:
            break;
        }
        painter.translate(Point(draw->pt));
        painter.scale(draw->pixel_width, draw->pixel_height);
        painter.drawImage(QRectF(0, 0, draw->crop.w, draw->crop.h), *image, source);
        painter.restore();
    }

    void Rop(const wmfROP_Draw_t* draw) {
        const QRectF box = Box(draw->TL, draw->BR);
        switch (draw->ROP) {
        case PATCOPY:
            Paint(draw->dc, true, false, [&] { painter.drawRect(box); });
            break;
        case BLACKNESS:
            painter.fillRect(box, Qt::black);
            break;
        case WHITENESS:
            painter.fillRect(box, Qt::white);
            break;
        case DSTINVERT:
            painter.save();
            painter.setCompositionMode(QPainter::CompositionMode_Difference);
            painter.fillRect(box, Qt::white);
            painter.restore();
            break;
        default:
            break;
        }
    }

    static QPainterPath Rectangles(const wmfPolyRectangle_t* rectangles) {
        QPainterPath path;
        for (unsigned i = 0; i < rectangles->count; ++i)
            path.addRect(Box(rectangles->TL[i], rectangles->BR[i]));
        return path;
    }

    // A region's frame: bars `width` and `height` wide around each rectangle.
    void Frame(const wmfPolyRectangle_t* rectangles) {
        const double w = rectangles->width, h = rectangles->height;
        QPainterPath path;
        for (unsigned i = 0; i < rectangles->count; ++i) {
            const QRectF box = Box(rectangles->TL[i], rectangles->BR[i]);
            path.addRect(box.adjusted(-w, -h, w, h));
            path.addRect(box);
        }
        path.setFillRule(Qt::OddEvenFill);
        Paint(rectangles->dc, true, false, [&] { painter.drawPath(path); });
    }

    void Clip(const wmfPolyRectangle_t* rectangles) {
        if (rectangles->count == 0) {
            painter.setClipping(false);
            return;
        }
        QPainterPath path = Rectangles(rectangles);
        path.setFillRule(Qt::WindingFill);
        painter.setClipPath(path);
    }
};

namespace {

WmfPainter::Device* DeviceOf(wmfAPI* api) {
    auto* painter = static_cast<WmfPainter*>(api->device_data);
    return painter != nullptr ? &painter->GetDevice() : nullptr;
}

enum class ArcEnd { Open, Chord, Pie };

// An arc of the ellipse in the box, from its start to its end point (given
// from the centre), anticlockwise on the picture as GDI draws it. Qt's angles
// are those of the circle the ellipse is squashed from.
QPainterPath ArcPath(const wmfDrawArc_t* arc, ArcEnd end) {
    const QRectF box = Box(arc->TL, arc->BR);
    const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
    auto angle = [&](const wmfD_Coord& p) {
        return qRadiansToDegrees(std::atan2(-p.y / ry, p.x / rx));
    };
    const double start = angle(arc->start);
    double sweep = angle(arc->end) - start;
    while (sweep <= 0)
        sweep += 360; // the same point twice: the whole ellipse
    QPainterPath path;
    if (end == ArcEnd::Pie)
        path.moveTo(box.center());
    else
        path.arcMoveTo(box, start);
    path.arcTo(box, start, sweep);
    if (end != ArcEnd::Open)
        path.closeSubpath();
    return path;
}

void DrawArc(wmfAPI* api, wmfDrawArc_t* arc, ArcEnd end) {
    if (WmfPainter::Device* device = DeviceOf(api)) {
        const QPainterPath path = ArcPath(arc, end);
        device->Paint(arc->dc, end != ArcEnd::Open, true, [&] { device->painter.drawPath(path); });
    }
}

void DrawPie(wmfAPI* api, wmfDrawArc_t* arc) {
    DrawArc(api, arc, ArcEnd::Pie);
}
void DrawChord(wmfAPI* api, wmfDrawArc_t* arc) {
    DrawArc(api, arc, ArcEnd::Chord);
}
void DrawOpenArc(wmfAPI* api, wmfDrawArc_t* arc) {
    DrawArc(api, arc, ArcEnd::Open);
}

void DrawEllipse(wmfAPI* api, wmfDrawArc_t* arc) {
    if (WmfPainter::Device* device = DeviceOf(api)) {
        const QRectF box = Box(arc->TL, arc->BR);
        device->Paint(arc->dc, true, true, [&] { device->painter.drawEllipse(box); });
    }
}

void DrawLine(wmfAPI* api, wmfDrawLine_t* line) {
    if (WmfPainter::Device* device = DeviceOf(api)) {
        const QLineF segment(Point(line->from), Point(line->to));
        device->Paint(line->dc, false, true, [&] { device->painter.drawLine(segment); });
    }
}

QPolygonF Polygon(const wmfD_Coord* points, unsigned count) {
    QPolygonF polygon;
    polygon.reserve(count);
    for (unsigned i = 0; i < count; ++i)
        polygon << Point(points[i]);
    return polygon;
}

void DrawPolyline(wmfAPI* api, wmfPolyLine_t* line) {
    WmfPainter::Device* device = DeviceOf(api);
    if (device == nullptr || line->pt == nullptr || line->count < 2)
        return;
    const QPolygonF polyline = Polygon(line->pt, line->count);
    device->Paint(line->dc, false, true, [&] { device->painter.drawPolyline(polyline); });
}

void DrawPolygon(wmfAPI* api, wmfPolyLine_t* line) {
    WmfPainter::Device* device = DeviceOf(api);
    if (device == nullptr || line->pt == nullptr || line->count < 2)
        return;
    const QPolygonF polygon = Polygon(line->pt, line->count);
    const Qt::FillRule rule = WmfPainter::Device::FillRule(line->dc);
    device->Paint(line->dc, true, true, [&] { device->painter.drawPolygon(polygon, rule); });
}

void DrawPolyPolygon(wmfAPI* api, wmfPolyPoly_t* polygons) {
    WmfPainter::Device* device = DeviceOf(api);
    if (device == nullptr || polygons->pt == nullptr || polygons->count == nullptr)
        return;
    QPainterPath path;
    for (unsigned i = 0; i < polygons->npoly; ++i) {
        if (polygons->pt[i] == nullptr || polygons->count[i] < 2)
            continue;
        path.addPolygon(Polygon(polygons->pt[i], polygons->count[i]));
        path.closeSubpath();
    }
    path.setFillRule(WmfPainter::Device::FillRule(polygons->dc));
    device->Paint(polygons->dc, true, true, [&] { device->painter.drawPath(path); });
}

void DrawRectangle(wmfAPI* api, wmfDrawRectangle_t* rectangle) {
    WmfPainter::Device* device = DeviceOf(api);
    if (device == nullptr)
        return;
    const QRectF box = Box(rectangle->TL, rectangle->BR);
    // Rounded corners are quarters of an ellipse `width` by `height`.
    const double rx = rectangle->width / 2, ry = rectangle->height / 2;
    device->Paint(rectangle->dc, true, true, [&] {
        if (rx > 0 || ry > 0)
            device->painter.drawRoundedRect(box, rx, ry);
        else
            device->painter.drawRect(box);
    });
}

void DrawPixel(wmfAPI* api, wmfDrawPixel_t* pixel) {
    if (WmfPainter::Device* device = DeviceOf(api))
        device->painter.fillRect(
            QRectF(Point(pixel->pt), QSizeF(pixel->pixel_width, pixel->pixel_height)),
            Color(pixel->color));
}

void DrawRop(wmfAPI* api, wmfROP_Draw_t* rop) {
    if (WmfPainter::Device* device = DeviceOf(api))
        device->Rop(rop);
}

void DrawBitmap(wmfAPI* api, wmfBMP_Draw_t* bitmap) {
    if (WmfPainter::Device* device = DeviceOf(api))
        device->Bitmap(bitmap);
}

// While libwmf only scans the records, a bitmap's size is all it needs.
void ReadBitmap(wmfAPI* api, wmfBMP_Read_t* read) {
    read->bmp.data = nullptr;
    const QSize size = DibSize(read->buffer, read->length);
    read->bmp.width = quint16(size.isValid() ? size.width() : 0);
    read->bmp.height = quint16(size.isValid() ? size.height() : 0);
    if (!size.isValid() || DeviceOf(api) == nullptr)
        return;
    QImage image = DecodeDib(read->buffer, read->length);
    if (!image.isNull())
        read->bmp.data = new QImage(std::move(image));
}

void FreeBitmap(wmfAPI*, wmfBMP* bitmap) {
    delete static_cast<QImage*>(bitmap->data);
    bitmap->data = nullptr;
}

void DrawText(wmfAPI* api, wmfDrawText_t* text) {
    if (WmfPainter::Device* device = DeviceOf(api))
        device->Text(text);
}

void PaintRegion(wmfAPI* api, wmfPolyRectangle_t* rectangles) {
    if (WmfPainter::Device* device = DeviceOf(api)) {
        const QPainterPath path = WmfPainter::Device::Rectangles(rectangles);
        device->Paint(rectangles->dc, true, false, [&] { device->painter.drawPath(path); });
    }
}

void FrameRegion(wmfAPI* api, wmfPolyRectangle_t* rectangles) {
    if (WmfPainter::Device* device = DeviceOf(api))
        device->Frame(rectangles);
}

void ClipRegion(wmfAPI* api, wmfPolyRectangle_t* rectangles) {
    if (WmfPainter::Device* device = DeviceOf(api))
        device->Clip(rectangles);
}

} // namespace

void InstallWmfPainter(wmfAPI* api) {
    auto* functions = static_cast<wmfFunctionReference*>(api->function_reference);
    functions->draw_pixel = &DrawPixel;
    functions->draw_pie = &DrawPie;
    functions->draw_chord = &DrawChord;
    functions->draw_arc = &DrawOpenArc;
    functions->draw_ellipse = &DrawEllipse;
    functions->draw_line = &DrawLine;
    functions->poly_line = &DrawPolyline;
    functions->draw_polygon = &DrawPolygon;
    functions->draw_polypolygon = &DrawPolyPolygon;
    functions->draw_rectangle = &DrawRectangle;
    functions->rop_draw = &DrawRop;
    functions->bmp_draw = &DrawBitmap;
    functions->bmp_read = &ReadBitmap;
    functions->bmp_free = &FreeBitmap;
    functions->draw_text = &DrawText;
    functions->region_frame = &FrameRegion;
    functions->region_paint = &PaintRegion;
    functions->region_clip = &ClipRegion;
    // Flood fills need the pixels already drawn; they are left out.
    api->device_data = nullptr;
}

WmfPainter::WmfPainter(QImage& canvas, const QRectF& area)
    : device_(std::make_unique<Device>(canvas, area)) {}

WmfPainter::~WmfPainter() = default;

bool WmfPainter::LeftOutText() const {
    return device_->leftOutText;
}

} // namespace kolvira
