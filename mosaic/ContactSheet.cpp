#include "mosaic/ContactSheet.h"

#include "imageio/NativePath.h"
#include "imageio/PrintScale.h"
#include "imageio/writing/AtomicFile.h"
#include "mosaic/ImageDiscovery.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace kolvira {
namespace {

// Captions are set in Arial (or the sans face installed in its place) with
// a character cell this many logical units high.
constexpr double kCaptionCellHeight = 8.0;
// The font is made at this pixel size and drawn shrunk, so the cell height
// is exact rather than rounded to whole pixels.
constexpr int kCaptionDesignSize = 64;
// The least room, in logical units, between a caption and the next cell's.
constexpr double kCaptionGap = 4.0;

QFont CaptionFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kCaptionDesignSize);
    font.setWeight(QFont::Normal);
    return font;
}

// The thumbnail fitted into its box with its proportions kept, centred as
// the Mosaic shows it.
QRectF ThumbnailTarget(QSize image, QSizeF box) {
    const QSizeF fitted = QSizeF(image).scaled(box, Qt::KeepAspectRatio);
    return QRectF(QPointF((box.width() - fitted.width()) / 2, (box.height() - fitted.height()) / 2),
                  fitted);
}

} // namespace

QString EntryLabel(const std::string& nativePath) {
    return ShownPath(GetFileName(nativePath));
}

QString CaptionText(int index, const QString& label) {
    return QStringLiteral("%1, %2").arg(index).arg(label);
}

ContactSheetLayout LayoutContactSheet(int count, int thumbWidth, int thumbHeight,
                                      const QPaintDevice& device, QSizeF screenDpi) {
    const QSizeF page = LogicalPageSize(device, screenDpi);
    return ContactSheetLayout(count, thumbWidth, thumbHeight, page.width(), page.height());
}

// Device pixels per screen pixel beyond which a sheet's pictures print no
// sharper: 600 dots per inch for a 96-DPI screen. A 1200-DPI printer gets
// these pictures too, rather than ones four times the size (the page's
// pictures are in memory together, and they swell the PDF).
constexpr double kFinestPictureScale = 600.0 / 96.0;

int SheetPictureWidth(const ContactSheetLayout& layout, int thumbWidth, QSizeF deviceScale) {
    // A hair below the whole number first, so that 100 x 6.25 stays 625.
    const double width =
        thumbWidth * layout.CellScale() * std::min(deviceScale.width(), kFinestPictureScale);
    return std::max(1, static_cast<int>(std::ceil(width - 1e-6)));
}

void PaintContactSheetPage(QPainter& painter, const ContactSheetLayout& layout, QSize thumbSize,
                           const SheetPage& page) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(CaptionFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics = painter.fontMetrics();
    const double captionScale = kCaptionCellHeight / (metrics.ascent() + metrics.descent());
    // A long name is shortened in the middle, and kept clear of the next
    // cell's caption, which it would otherwise run into.
    const double captionWidth = (layout.CellWidth() - kCaptionGap) / captionScale;
    const QSizeF box(thumbSize);

    for (int i = 0; i < page.labels.size(); ++i) {
        const int index = page.first + i;
        const CellPlace place = layout.Place(index);
        painter.save();
        painter.translate(place.x, place.y);
        painter.scale(layout.CellScale(), layout.CellScale());
        if (static_cast<std::size_t>(i) < page.pictures.size()) {
            if (const QImage& picture = page.pictures[static_cast<std::size_t>(i)];
                !picture.isNull())
                painter.drawImage(ThumbnailTarget(picture.size(), box), picture);
        }
        painter.translate(0, box.height());
        painter.scale(captionScale, captionScale);
        painter.drawText(
            QPointF(0, metrics.ascent()),
            metrics.elidedText(CaptionText(index, page.labels[i]), Qt::ElideMiddle, captionWidth));
        painter.restore();
    }
    painter.restore();
}

namespace {

// The entries of `page` with their pictures `width` pixels wide.
SheetPage PageOfSheet(const ContactSheet& sheet, const ContactSheetLayout& layout, int page,
                      int width) {
    SheetPage entries;
    entries.first = std::min(sheet.Count(), layout.FirstIndexOnPage(page));
    const int end = std::min(sheet.Count(), entries.first + layout.CellsPerPage());
    for (int index = entries.first; index < end; ++index)
        entries.labels << (index < sheet.labels.size() ? sheet.labels[index] : QString());
    if (sheet.pictures) {
        const std::vector<std::string> paths(sheet.paths.begin() + entries.first,
                                             sheet.paths.begin() + end);
        entries.pictures = sheet.pictures(paths, width);
    }
    return entries;
}

void PaintScaledPage(QPainter& painter, QSizeF scale, const ContactSheetLayout& layout,
                     QSize thumbSize, const SheetPage& page) {
    painter.save();
    painter.scale(scale.width(), scale.height());
    PaintContactSheetPage(painter, layout, thumbSize, page);
    painter.restore();
}

} // namespace

bool PrintContactSheet(QPagedPaintDevice& device, const ContactSheet& sheet,
                       const QPageRanges& pages, QSizeF screenDpi) {
    const ContactSheetLayout layout =
        LayoutContactSheet(sheet.Count(), sheet.thumbWidth, sheet.thumbHeight, device, screenDpi);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSizeF scale = ScreenToDeviceScale(device, screenDpi);
    const int width = SheetPictureWidth(layout, sheet.thumbWidth, scale);
    const QSize thumbSize(sheet.thumbWidth, sheet.thumbHeight);
    bool firstPrinted = true;
    for (int page = 1; page <= layout.PageCount(); ++page) {
        if (!pages.isEmpty() && !pages.contains(page))
            continue;
        if (!firstPrinted)
            device.newPage();
        firstPrinted = false;
        // The page's pictures go as soon as it is painted.
        PaintScaledPage(painter, scale, layout, thumbSize, PageOfSheet(sheet, layout, page, width));
    }
    return painter.end();
}

ContactSheetStream::ContactSheetStream(QPagedPaintDevice& device, QSize thumbSize, QSizeF screenDpi)
    : device_(device), thumbSize_(thumbSize),
      layout_(LayoutContactSheet(0, thumbSize.width(), thumbSize.height(), device, screenDpi)),
      scale_(ScreenToDeviceScale(device, screenDpi)),
      pictureWidth_(SheetPictureWidth(layout_, thumbSize.width(), scale_)) {
    painter_.begin(&device);
}

void ContactSheetStream::Add(QImage picture, const QString& label) {
    // Painted at once: the device keeps what is painted, so only this one
    // picture is held here.
    if (count_ > 0 && count_ % layout_.CellsPerPage() == 0)
        device_.newPage();
    if (IsActive())
        PaintScaledPage(painter_, scale_, layout_, thumbSize_,
                        SheetPage{count_, {std::move(picture)}, {label}});
    ++count_;
}

bool ContactSheetStream::Finish() {
    // An empty sheet is one blank page, as the device starts it.
    return IsActive() && painter_.end();
}

namespace {

PdfDocument A4Document(int dpi) {
    PdfDocument document;
    document.resolution = dpi;
    document.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    return document;
}

} // namespace

WriteOutcome WriteContactSheetPdf(const ContactSheet& sheet, const QString& path, int dpi,
                                  QSizeF screenDpi) {
    return WritePdfAtomically(path, A4Document(dpi), [&](QPagedPaintDevice& pdf) {
        return PrintContactSheet(pdf, sheet, {}, screenDpi);
    });
}

WriteOutcome WriteContactSheetPdf(const QString& path, int dpi, QSizeF screenDpi, QSize thumbSize,
                                  const SheetFilling& fill) {
    return WritePdfAtomically(path, A4Document(dpi), [&](QPagedPaintDevice& pdf) {
        ContactSheetStream sheet(pdf, thumbSize, screenDpi);
        if (!sheet.IsActive())
            return false;
        fill(sheet);
        return sheet.Finish();
    });
}

} // namespace kolvira
