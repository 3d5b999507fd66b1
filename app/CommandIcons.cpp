#include "app/CommandIcons.h"

#include "framework/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

namespace kolvira {
namespace {

// One small palette for every icon keeps the toolbar looking like one set.
constexpr QColor kOutline{0x30, 0x30, 0x30};
constexpr QColor kWhite{0xff, 0xff, 0xff};
constexpr QColor kLightGrey{0xd8, 0xd8, 0xd8};
constexpr QColor kGrey{0xa0, 0xa0, 0xa0};
constexpr QColor kDarkGrey{0x68, 0x68, 0x68};
constexpr QColor kPaleYellow{0xff, 0xe8, 0x88};
constexpr QColor kYellow{0xf0, 0xc0, 0x38};
constexpr QColor kOchre{0xb0, 0x80, 0x18};
constexpr QColor kSky{0x90, 0xc8, 0xf8};
constexpr QColor kBlue{0x28, 0x68, 0xc8};
constexpr QColor kGreen{0x58, 0xb0, 0x40};
constexpr QColor kDarkGreen{0x28, 0x70, 0x20};
constexpr QColor kSlate{0x70, 0x88, 0xa8};
constexpr QColor kRed{0xd8, 0x38, 0x28};
constexpr QColor kOrange{0xf0, 0x90, 0x30};
constexpr QColor kBrown{0x98, 0x5c, 0x28};

constexpr std::array kIconSizes{16, 32, 48};

// Paints one size of an icon on a 16-unit grid: one unit is size/16 pixels,
// so whole-unit shapes land on whole pixels at 16, 32 and 48, while outlines
// stay one pixel wide at every size, as classic toolbar art has them.
class Canvas {
public:
    explicit Canvas(QPixmap& pixmap)
        : painter_(&pixmap), size_(pixmap.width()), unit_(pixmap.width() / 16.0) {}

    // Whether there is room for details that would be noise at 16 pixels.
    bool Large() const { return size_ >= 32; }
    double Unit() const { return unit_; }
    QPainter& Painter() { return painter_; }

    QPointF Point(double x, double y) const { return {x * unit_, y * unit_}; }
    QRectF Rect(double x, double y, double w, double h) const {
        return {x * unit_, y * unit_, w * unit_, h * unit_};
    }

    QPainterPath Box(double x, double y, double w, double h) const {
        QPainterPath path;
        path.addRect(Rect(x, y, w, h));
        return path;
    }

    QPainterPath Polygon(std::initializer_list<QPointF> gridPoints) const {
        QPolygonF polygon;
        for (const QPointF& point : gridPoints)
            polygon << point * unit_;
        QPainterPath path;
        path.addPolygon(polygon);
        path.closeSubpath();
        return path;
    }

    QPainterPath Ellipse(double cx, double cy, double rx, double ry) const {
        QPainterPath path;
        path.addEllipse(Point(cx, cy), rx * unit_, ry * unit_);
        return path;
    }

    // A grid-unit shape drawn in a frame turned by `degrees` about `origin`,
    // for tools that lie slanted across an icon.
    QTransform Turned(QPointF origin, double degrees) const {
        return QTransform()
            .translate(origin.x() * unit_, origin.y() * unit_)
            .rotate(degrees)
            .scale(unit_, unit_);
    }

    // A line widened into a shape `width` units across, so that it can be outlined.
    QPainterPath Band(const QPainterPath& line, double width) const {
        QPainterPathStroker stroker;
        stroker.setWidth(width * unit_);
        stroker.setCapStyle(Qt::FlatCap);
        stroker.setJoinStyle(Qt::MiterJoin);
        return stroker.createStroke(line).simplified();
    }

    void Fill(const QPainterPath& shape, const QColor& colour) {
        painter_.setRenderHint(QPainter::Antialiasing, Smooth());
        painter_.fillPath(shape, colour);
    }

    // Fills whole pixels, for one-pixel details that must not blur.
    void FillPixels(const QRectF& pixels, const QColor& colour) {
        painter_.fillRect(pixels, colour);
    }

    // Clears the shape and a pixel around it, so that a small sign laid over
    // other art stands apart from it without an outline of its own.
    void Cutout(const QPainterPath& shape) {
        QPainterPathStroker border;
        border.setWidth(2.0);
        border.setJoinStyle(Qt::MiterJoin);
        painter_.save();
        painter_.setCompositionMode(QPainter::CompositionMode_Clear);
        Fill(shape.united(border.createStroke(shape)), Qt::transparent);
        painter_.restore();
    }

    // The shape in `fill` inside a one-pixel `outline`.
    void Outlined(const QPainterPath& shape, const QColor& fill, const QColor& outline = kOutline) {
        Fill(shape, outline);
        Fill(Inset(shape), fill);
    }

    // Light from the top left: a lit top and left edge and a shaded bottom and
    // right edge just inside the outline of a box of whole pixels.
    void Bevel(const QRectF& pixels, const QColor& light, const QColor& shade) {
        const QRectF inner = pixels.adjusted(1, 1, -1, -1);
        FillPixels({inner.left(), inner.bottom() - 1, inner.width(), 1}, shade);
        FillPixels({inner.right() - 1, inner.top(), 1, inner.height()}, shade);
        FillPixels({inner.left(), inner.top(), inner.width() - 1, 1}, light);
        FillPixels({inner.left(), inner.top(), 1, inner.height() - 1}, light);
    }

private:
    // At 16 pixels every edge stays on whole pixels, as in pixel art; the
    // larger sizes smooth their slanted and round edges.
    bool Smooth() const { return size_ > 16; }

    // The shape less its one-pixel rim. At 16 pixels the rim is one whole pixel
    // across or down, so slanted outlines come out as clean pixel stairs; the
    // smoothed sizes take one pixel square to the edge.
    QPainterPath Inset(const QPainterPath& shape) const {
        if (size_ <= 16) {
            QPainterPath inner = shape;
            for (QPointF step : {QPointF(1, 0), QPointF(-1, 0), QPointF(0, 1), QPointF(0, -1)})
                inner = inner.intersected(shape.translated(step));
            return inner;
        }
        QPainterPathStroker stroker;
        stroker.setWidth(2.0);
        stroker.setJoinStyle(Qt::MiterJoin);
        return shape.subtracted(stroker.createStroke(shape));
    }

    QPainter painter_;
    int size_;
    double unit_;
};

using Drawing = void (*)(Canvas&);

QIcon MakeIcon(Drawing draw) {
    QIcon icon;
    for (int size : kIconSizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        {
            Canvas canvas(pixmap);
            draw(canvas);
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

// ---- Shared pieces ----

// Rows of one-pixel "text" across `pixels`, with ragged line ends.
void TextLines(Canvas& c, const QRectF& pixels, const QColor& colour = kGrey) {
    constexpr std::array kLineLengths{1.0, 0.85, 0.95, 0.6, 0.9, 0.75};
    const double pitch = c.Large() ? c.Unit() + 1 : 2;
    int row = 0;
    for (double y = pixels.top(); y < pixels.bottom(); y += pitch, ++row) {
        const double length = std::round(pixels.width() * kLineLengths[row % kLineLengths.size()]);
        c.FillPixels({pixels.left(), y, length, 1}, colour);
    }
}

// A sheet of paper with a folded top-right corner, in grid units.
void Page(Canvas& c, double x, double y, double w, double h, double fold) {
    c.Outlined(
        c.Polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}}),
        kWhite);
    c.Outlined(c.Polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}}),
               kLightGrey);
}

// The sun, the mountain and the hill of a landscape filling `pixels`, placed
// on whole pixels so that the small sizes stay crisp.
struct LandscapeShapes {
    QPainterPath sun;
    QPainterPath mountain;
    QPainterPath snow;
    QPainterPath hill;
    double horizon;
};

LandscapeShapes LandscapeIn(const QRectF& pixels) {
    const auto x = [&](double f) { return std::round(pixels.left() + f * pixels.width()); };
    const auto y = [&](double f) { return std::round(pixels.top() + f * pixels.height()); };
    LandscapeShapes shapes;
    const double sunSize = std::max(2.0, std::round(pixels.height() * 0.26));
    shapes.sun.addEllipse(QRectF(x(0.7), y(0.12), sunSize, sunSize));
    shapes.horizon = y(0.72);
    const double peakX = x(0.35);
    const double peakY = y(0.22);
    const double footLeft = pixels.left() - 1;
    const double footRight = x(0.78);
    shapes.mountain.addPolygon(
        QPolygonF({{footLeft, shapes.horizon}, {peakX, peakY}, {footRight, shapes.horizon}}));
    shapes.mountain.closeSubpath();
    // The snow cap is the top third of the mountain.
    const double capY = peakY + (shapes.horizon - peakY) / 3;
    const double capHalf = (footRight - peakX) / 3;
    shapes.snow.addPolygon(
        QPolygonF({{peakX - capHalf, capY}, {peakX, peakY}, {peakX + capHalf, capY}}));
    shapes.snow.closeSubpath();
    shapes.hill.addPolygon(QPolygonF({{x(0.45), shapes.horizon + 1},
                                      {x(0.72), y(0.45)},
                                      {pixels.right() + 1, shapes.horizon + 1}}));
    shapes.hill.closeSubpath();
    return shapes;
}

// A landscape photo filling `pixels`: sky, sun, a mountain and a meadow.
void Landscape(Canvas& c, const QRectF& pixels) {
    QPainter& p = c.Painter();
    p.save();
    p.setClipRect(pixels);
    const LandscapeShapes shapes = LandscapeIn(pixels);
    c.FillPixels(pixels, kSky);
    c.Fill(shapes.sun, kYellow);
    c.Fill(shapes.mountain, kSlate);
    if (c.Large())
        c.Fill(shapes.snow, kWhite);
    c.Fill(shapes.hill, kDarkGreen);
    c.FillPixels({pixels.left(), shapes.horizon, pixels.width(), pixels.bottom() - shapes.horizon},
                 kGreen);
    p.restore();
}

// The same landscape as a pencil drawing: grey lines on white paper.
void LandscapeDrawing(Canvas& c, const QRectF& pixels) {
    QPainter& p = c.Painter();
    p.save();
    p.setClipRect(pixels);
    const LandscapeShapes shapes = LandscapeIn(pixels);
    c.FillPixels(pixels, kWhite);
    p.setRenderHint(QPainter::Antialiasing, c.Large());
    p.setPen(QPen(kDarkGrey, 1));
    p.setBrush(Qt::NoBrush);
    p.translate(0.5, 0.5); // one-pixel lines run through pixel centres
    p.drawPath(shapes.sun);
    p.drawPath(shapes.mountain);
    p.drawPath(shapes.hill);
    p.restore();
}

// A framed photo of a landscape in grid units, with a `border` of pixels.
void Photo(Canvas& c, const QRectF& grid, double border, const QColor& frame) {
    const QRectF pixels = c.Rect(grid.x(), grid.y(), grid.width(), grid.height());
    c.Outlined(c.Box(grid.x(), grid.y(), grid.width(), grid.height()), frame);
    const QRectF picture = pixels.adjusted(border, border, -border, -border);
    Landscape(c, picture);
}

// The colours of the photo tiles, so that a grid of them reads as different photos.
struct TileLook {
    QColor sky;
    QColor ground;
};
constexpr std::array kTileLooks{TileLook{kSky, kGreen}, TileLook{kOrange, kBrown},
                                TileLook{kSky, kBlue}, TileLook{kPaleYellow, kDarkGreen}};

// One photo tile in grid units; `look` picks its colours.
void Tile(Canvas& c, double x, double y, double size, int look) {
    const TileLook& colours = kTileLooks[look % kTileLooks.size()];
    c.Outlined(c.Box(x, y, size, size), colours.sky);
    const QRectF inner = c.Rect(x, y, size, size).adjusted(1, 1, -1, -1);
    const double ground = std::round(inner.height() * 0.45);
    c.FillPixels({inner.left(), inner.bottom() - ground, inner.width(), ground}, colours.ground);
    if (inner.height() >= 8) {
        const double sun = std::round(inner.height() / 4);
        c.FillPixels({inner.right() - 2 * sun, inner.top() + sun / 2 + 1, sun, sun}, kYellow);
    }
}

// A grid of `count` x `count` photo tiles of `tile` units, `gap` units apart.
void TileGrid(Canvas& c, double x, double y, int count, double tile, double gap) {
    for (int row = 0; row < count; ++row) {
        for (int column = 0; column < count; ++column)
            Tile(c, x + column * (tile + gap), y + row * (tile + gap), tile, row * 3 + column);
    }
}

// Tools (pencil, brush, wand) lie at 45 degrees, from the lower left up to
// the upper right, and are built from parts along their length in a turned
// frame of grid units.
class SlantedTool {
public:
    // `largeWidth` is the tool's width at 32 and 48. At 16 a tool whose axis
    // runs through pixel corners (x + y a whole number plus one half) is made
    // as wide as four pixels of a row: outline, two pixels of colour, outline.
    SlantedTool(Canvas& c, QPointF start, double largeWidth)
        : canvas_(c), turned_(c.Turned(start, -45)),
          width_(c.Large() ? largeWidth : 1.9 * std::numbers::sqrt2) {}

    double Width() const { return width_; }

    // A straight part from `from` to `to` along the tool, `widthShare` of its width across.
    void Part(double from, double to, const QColor& colour, double widthShare = 1.0) {
        const double half = width_ * widthShare / 2;
        QPainterPath part;
        part.addRect(QRectF(from, -half, to - from, 2 * half));
        canvas_.Outlined(turned_.map(part), colour);
    }

    // A part narrowing from the full width at `to` down to a point at `from`.
    void Point(double from, double to, const QColor& colour) {
        const double half = width_ / 2;
        QPainterPath cone;
        cone.addPolygon(QPolygonF({{from, 0}, {to, -half}, {to, half}}));
        cone.closeSubpath();
        canvas_.Outlined(turned_.map(cone), colour);
    }

    // A fill without outline, for the lead of a pencil.
    void Tip(double to, const QColor& colour) {
        const double half = width_ / 2 * to / (to + width_);
        QPainterPath tip;
        tip.addPolygon(QPolygonF({{0, 0}, {to, -half}, {to, half}}));
        tip.closeSubpath();
        canvas_.Fill(turned_.map(tip), colour);
    }

private:
    Canvas& canvas_;
    QTransform turned_;
    double width_;
};

// A pencil from its point at `tip`, `length` grid units long.
void Pencil(Canvas& c, QPointF tip, double length) {
    SlantedTool pencil(c, tip, 2.6);
    const double cone = pencil.Width() * 1.2;
    const double eraser = pencil.Width() * 0.9;
    pencil.Part(cone, length - eraser, kYellow);
    pencil.Point(0, cone, kPaleYellow);
    pencil.Tip(cone * 0.35, kOutline);
    pencil.Part(length - eraser, length, kRed);
}

// A paint brush from the tip of its bristles at `tip`, `length` grid units long.
void Brush(Canvas& c, QPointF tip, double length) {
    SlantedTool brush(c, tip, 2.6);
    const double bristles = brush.Width() * 1.3;
    const double ferrule = bristles + brush.Width() * 0.8;
    brush.Part(ferrule - 0.5, length, kBrown, c.Large() ? 0.7 : 1.0);
    brush.Part(bristles, ferrule, kLightGrey);
    brush.Point(0, bristles, kRed);
}

// A magic wand from its handle at `start`, its white end at the far side.
void Wand(Canvas& c, QPointF start, double length) {
    SlantedTool wand(c, start, 2.0);
    const double end = wand.Width() * 1.1;
    wand.Part(0, length - end, kDarkGrey);
    wand.Part(length - end, length, kWhite);
}

// A plus or a minus over the bottom-right corner, for the tile size buttons.
void PlusSign(Canvas& c) {
    c.Outlined(c.Box(8, 10, 8, 4).united(c.Box(10, 8, 4, 8)), kGreen, kDarkGreen);
}

void MinusSign(Canvas& c) {
    c.Outlined(c.Box(8, 10, 8, 4), kRed, kOutline);
}

// ---- Toolbar buttons ----

void DrawOpen(Canvas& c) {
    // The folder's back with its tab, a sheet inside, and the front flap swung open.
    c.Outlined(c.Box(1, 2, 6, 3).united(c.Box(1, 3, 12, 11)), kOchre);
    c.Outlined(c.Box(3, 4, 9, 7), kWhite);
    if (c.Large())
        TextLines(c, c.Rect(4, 5, 7, 2));
    c.Outlined(c.Polygon({{3, 7}, {16, 7}, {13, 14}, {1, 14}}), kYellow);
    if (c.Large())
        c.Fill(c.Polygon({{3, 7}, {16, 7}, {15.6, 8}, {2.6, 8}}).translated(1, 1), kPaleYellow);
}

void DrawPrintPreview(Canvas& c) {
    Page(c, 1, 0, 10, 15, 3);
    TextLines(c, c.Rect(2, 4, 7, 10).adjusted(1, 0, 0, 0));
    // A magnifying glass over the page: handle first, then the lens over it.
    QPainterPath handle(c.Point(11, 11));
    handle.lineTo(c.Point(15.5, 15.5));
    c.Outlined(c.Band(handle, 2.4), kBrown);
    c.Outlined(c.Ellipse(8.5, 8.5, 4.5, 4.5), kGrey);
    QColor glass = kSky;
    glass.setAlpha(170);
    c.Fill(c.Ellipse(8.5, 8.5, 3.2, 3.2), glass);
    c.Fill(c.Ellipse(7.3, 7.3, 1.1, 1.1), kWhite);
}

void DrawPrint(Canvas& c) {
    // The sheet going in at the top, the printer, and the printed sheet coming out.
    c.Outlined(c.Box(4, 1, 8, 7), kWhite);
    c.Outlined(c.Box(1, 6, 14, 7), kLightGrey);
    c.Bevel(c.Rect(1, 6, 14, 7), kWhite, kGrey);
    c.FillPixels(c.Rect(11, 8, 2, 1).adjusted(0, 0, 0, c.Large() ? -1 : 0), kGreen);
    c.FillPixels(c.Rect(2, 10, 12, 1), kOutline);
    c.Outlined(c.Box(3, 10, 10, 5), kWhite);
    TextLines(c, c.Rect(4, 11, 8, 3).adjusted(0, 1, 0, 0));
}

// The circular arrow of a refresh, around `centre` with radius `radius`, in grid units.
void RefreshArrow(Canvas& c, QPointF centre, double radius, double width) {
    constexpr double kStartDegrees = 20;
    // Clockwise on screen from the upper right round to the top, leaving the
    // gap that the arrowhead points into.
    constexpr double kSweepDegrees = -290;
    const QRectF circle = c.Rect(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath arc;
    arc.arcMoveTo(circle, kStartDegrees);
    arc.arcTo(circle, kStartDegrees, kSweepDegrees);

    // The arrowhead sits on the arc's end and points along it.
    const double end = (kStartDegrees + kSweepDegrees) * std::numbers::pi / 180;
    const QPointF onCircle =
        c.Point(centre.x() + radius * std::cos(end), centre.y() - radius * std::sin(end));
    const QPointF outward(std::cos(end), -std::sin(end));
    const QPointF ahead(std::sin(end), std::cos(end)); // the clockwise tangent
    const double halfBase = width * 1.5 * c.Unit();
    const double reach = width * 1.4 * c.Unit();
    QPainterPath head;
    head.addPolygon(QPolygonF(
        {onCircle + outward * halfBase, onCircle - outward * halfBase, onCircle + ahead * reach}));
    head.closeSubpath();
    const QPainterPath arrow = c.Band(arc, width).united(head);
    if (c.Large()) {
        c.Outlined(arrow, kGreen, kDarkGreen);
        return;
    }
    // At 16 pixels the arrow is too thin to take an outline: it stands in a
    // clearing of the tiles instead, one solid colour.
    const double clearing = radius + width / 2;
    c.Cutout(arrow.united(c.Ellipse(centre.x(), centre.y(), clearing, clearing)));
    c.Fill(arrow, kDarkGreen);
}

void DrawRefreshMosaic(Canvas& c) {
    TileGrid(c, 0, 0, 2, 6, 1);
    if (c.Large())
        RefreshArrow(c, {11.5, 11.5}, 3.2, 2.4);
    else
        RefreshArrow(c, {11, 11}, 3.5, 2); // pixel centres, for an even ring
}

void DrawLargerTiles(Canvas& c) {
    TileGrid(c, 0, 0, 2, 7, 1);
    PlusSign(c);
}

void DrawSmallerTiles(Canvas& c) {
    TileGrid(c, 0, 0, 3, 4, 1);
    MinusSign(c);
}

void DrawPaintDialog(Canvas& c) {
    // A canvas on which the brush has left a few strokes.
    c.Outlined(c.Box(0, 1, 12, 13), kWhite);
    c.FillPixels(c.Rect(2, 3, 5, 2), kBlue);
    c.FillPixels(c.Rect(2, 6, 3, 3), kYellow);
    c.FillPixels(c.Rect(5, 9, 4, 2), kRed);

    // The brush from its tip at the canvas up to the top-right corner.
    Brush(c, {6, 12.5}, 12);
}

// A four-pointed sparkle around `centre`, in grid units.
QPainterPath Sparkle(const Canvas& c, QPointF centre, double radius) {
    const double waist = radius * 0.3;
    const double x = centre.x();
    const double y = centre.y();
    return c.Polygon({{x, y - radius},
                      {x + waist, y - waist},
                      {x + radius, y},
                      {x + waist, y + waist},
                      {x, y + radius},
                      {x - waist, y + waist},
                      {x - radius, y},
                      {x - waist, y - waist}});
}

void DrawPhotoEditor(Canvas& c) {
    Photo(c, {0, 1, 12, 10}, 1, kWhite);
    // A magic wand reaching over the photo, its end sparkling.
    Wand(c, {3, 15.5}, 12);
    c.Outlined(Sparkle(c, {13.5, 3.5}, 3.5), kYellow, kOchre);
}

// ---- Window icons ----

void DrawApplication(Canvas& c) {
    // A wooden frame whose landscape is a photo on the left and a drawing on the right.
    const QRectF frame = c.Rect(0, 1, 16, 13);
    c.Outlined(c.Box(0, 1, 16, 13), kYellow, kBrown);
    c.Bevel(frame, kPaleYellow, kOchre);
    const double border = c.Large() ? 2 * c.Unit() : 2;
    const QRectF picture = frame.adjusted(border, border, -border, -border);
    c.FillPixels(picture.adjusted(-1, -1, 1, 1), kBrown);
    Landscape(c, picture);
    const QRectF drawn(std::round(picture.center().x()), picture.top(),
                       picture.right() - std::round(picture.center().x()), picture.height());
    LandscapeDrawing(c, drawn);
    Pencil(c, {7.5, 12}, 11.5);
}

void DrawPhotoWindow(Canvas& c) {
    Photo(c, {0, 1, 16, 14}, c.Large() ? c.Unit() : 1, kWhite);
}

void DrawMosaicWindow(Canvas& c) {
    if (c.Large())
        TileGrid(c, 0, 0, 3, 5, 1 / c.Unit()); // one pixel apart
    else
        TileGrid(c, 0, 0, 2, 7.5, 1);
}

struct CommandDrawing {
    int commandId;
    Drawing draw;
};

constexpr std::array kCommandDrawings{
    CommandDrawing{ID_FILE_OPEN, DrawOpen},
    CommandDrawing{ID_FILE_PRINT_PREVIEW, DrawPrintPreview},
    CommandDrawing{ID_FILE_PRINT, DrawPrint},
    CommandDrawing{ID_REFRESH_MOSAIC, DrawRefreshMosaic},
    CommandDrawing{ID_MORE_SIZE, DrawLargerTiles},
    CommandDrawing{ID_LESS_SIZE, DrawSmallerTiles},
    CommandDrawing{ID_PAINT, DrawPaintDialog},
    CommandDrawing{ID_PHOTO_EDITOR, DrawPhotoEditor},
};

} // namespace

QIcon CommandIcon(int commandId) {
    const auto found =
        std::find_if(kCommandDrawings.begin(), kCommandDrawings.end(),
                     [&](const CommandDrawing& d) { return d.commandId == commandId; });
    return found == kCommandDrawings.end() ? QIcon() : MakeIcon(found->draw);
}

QIcon ApplicationIcon() {
    return MakeIcon(DrawApplication);
}

QIcon PhotoWindowIcon() {
    return MakeIcon(DrawPhotoWindow);
}

QIcon MosaicWindowIcon() {
    return MakeIcon(DrawMosaicWindow);
}

} // namespace kolvira
