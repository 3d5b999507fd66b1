#include "mosaic/ContactSheet.h"

#include "imageio/AtomicFile.h"
#include "imageio/NativePath.h"
#include "imageio/PrintScale.h"
#include "mosaic/ImageDiscovery.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPageLayout>
#include <QPainter>

#include <algorithm>

namespace kolvira {
namespace {

// Captions are set in Arial (or the sans face installed in its place) with
// a character cell this many logical units high.
constexpr double kCaptionCellHeight = 8.0;
// The font is made at this pixel size and drawn shrunk, so the cell height
// is exact rather than rounded to whole pixels.
constexpr int kCaptionDesignSize = 64;

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

void PaintContactSheetPage(QPainter& painter, const ContactSheet& sheet,
                           const ContactSheetLayout& layout, int page) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setFont(CaptionFont());
    painter.setPen(Qt::black);
    const QFontMetricsF metrics = painter.fontMetrics();
    const double captionScale = kCaptionCellHeight / (metrics.ascent() + metrics.descent());
    // A long name is shortened in the middle rather than run over the next cell.
    const double captionWidth = layout.CellWidth() / captionScale;
    const QSizeF box(sheet.thumbWidth, sheet.thumbHeight);

    const int first = layout.FirstIndexOnPage(page);
    const int end = std::min(sheet.Count(), first + layout.CellsPerPage());
    for (int index = first; index < end; ++index) {
        const CellPlace place = layout.Place(index);
        painter.save();
        painter.translate(place.x, place.y);
        painter.scale(layout.CellScale(), layout.CellScale());
        const QImage& thumbnail = sheet.thumbnails[static_cast<std::size_t>(index)];
        if (!thumbnail.isNull())
            painter.drawImage(ThumbnailTarget(thumbnail.size(), box), thumbnail);
        painter.translate(0, sheet.thumbHeight);
        painter.scale(captionScale, captionScale);
        const QString label = index < sheet.labels.size() ? sheet.labels[index] : QString();
        painter.drawText(
            QPointF(0, metrics.ascent()),
            metrics.elidedText(CaptionText(index, label), Qt::ElideMiddle, captionWidth));
        painter.restore();
    }
    painter.restore();
}

bool PrintContactSheet(QPagedPaintDevice& device, const ContactSheet& sheet,
                       const QPageRanges& pages, QSizeF screenDpi) {
    const ContactSheetLayout layout =
        LayoutContactSheet(sheet.Count(), sheet.thumbWidth, sheet.thumbHeight, device, screenDpi);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QSizeF scale = ScreenToDeviceScale(device, screenDpi);
    bool firstPrinted = true;
    for (int page = 1; page <= layout.PageCount(); ++page) {
        if (!pages.isEmpty() && !pages.contains(page))
            continue;
        if (!firstPrinted)
            device.newPage();
        firstPrinted = false;
        painter.save();
        painter.scale(scale.width(), scale.height());
        PaintContactSheetPage(painter, sheet, layout, page);
        painter.restore();
    }
    return painter.end();
}

QString WriteContactSheetPdf(const ContactSheet& sheet, const QString& path, int dpi,
                             QSizeF screenDpi) {
    PdfDocument document;
    document.resolution = dpi;
    document.pageLayout = QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
    return WritePdfAtomically(path, document, [&](QPagedPaintDevice& pdf) {
        return PrintContactSheet(pdf, sheet, {}, screenDpi);
    });
}

} // namespace kolvira
