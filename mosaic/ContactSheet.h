// The Mosaic's thumbnails printed as a contact sheet: each thumbnail in its
// cell with the caption "index, name" below it, page after page. One
// routine paints the pages for the printer, the print preview and PDF files
// (the Mosaic's Save As and kolvira-render --contact-sheet).
#pragma once

#include "mosaic/ContactSheetLayout.h"

#include <QImage>
#include <QPageRanges>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QPagedPaintDevice;
class QPainter;

namespace kolvira {

struct ContactSheet {
    std::vector<QImage> thumbnails; // entry k's thumbnail; may be null
    QStringList labels;             // entry k's label, its file name
    int thumbWidth = 100;
    int thumbHeight = 75;

    int Count() const { return static_cast<int>(thumbnails.size()); }
};

// The label of a Mosaic entry: the photo's file name, as text.
QString EntryLabel(const std::string& nativePath);

// "index, label": the caption under a thumbnail.
QString CaptionText(int index, const QString& label);

// The grid of `count` thumbnails on the paintable area of `device`.
ContactSheetLayout LayoutContactSheet(int count, int thumbWidth, int thumbHeight,
                                      const QPaintDevice& device, QSizeF screenDpi);

// Paints one page (from 1) with `painter` set to logical units (one unit
// one screen pixel), the page's top-left corner at the origin.
void PaintContactSheetPage(QPainter& painter, const ContactSheet& sheet,
                           const ContactSheetLayout& layout, int page);

// Paints the sheet's pages that `pages` names (every page when it is
// empty) on `device`, starting a new page between them. False when the
// device cannot be painted on.
bool PrintContactSheet(QPagedPaintDevice& device, const ContactSheet& sheet,
                       const QPageRanges& pages, QSizeF screenDpi);

// Writes the whole sheet as a PDF of A4 pages without margins at `dpi` dots
// per inch. The file appears only once it is complete; returns the reason
// for a failure, or an empty string.
QString WriteContactSheetPdf(const ContactSheet& sheet, const QString& path, int dpi,
                             QSizeF screenDpi);

} // namespace kolvira
