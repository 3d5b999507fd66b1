// The Mosaic's photos printed as a contact sheet: each photo in its cell,
// as large as its thumbnail on the screen, with the caption "index, name"
// below it, page after page. One routine paints the pages for the printer,
// the print preview and PDF files (the Mosaic's Save As and kolvira-render
// --contact-sheet). The pictures are decoded page by page at the width a
// cell takes on the device, so that a fine printer prints them sharp and
// only one page's pictures are held at a time.
#pragma once

#include "imageio/writing/WriteOutcome.h"
#include "mosaic/ContactSheetLayout.h"
#include "mosaic/SheetPictures.h"

#include <QImage>
#include <QPageRanges>
#include <QPainter>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QPagedPaintDevice;

namespace kolvira {

struct ContactSheet {
    std::vector<std::string> paths; // entry k's photo, native bytes
    QStringList labels;             // entry k's label, its file name
    int thumbWidth = 100;
    int thumbHeight = 75;
    SheetPictureSource pictures; // asked for one page at a time; none: no pictures

    int Count() const { return static_cast<int>(paths.size()); }
};

// The entries of one page, from entry `first` on.
struct SheetPage {
    int first = 0;
    std::vector<QImage> pictures; // null ones leave their cell empty
    QStringList labels;
};

// The label of a Mosaic entry: the photo's file name, as text.
QString EntryLabel(const std::string& nativePath);

// "index, label": the caption under a thumbnail.
QString CaptionText(int index, const QString& label);

// The grid of `count` thumbnails on the paintable area of `device`.
ContactSheetLayout LayoutContactSheet(int count, int thumbWidth, int thumbHeight,
                                      const QPaintDevice& device, QSizeF screenDpi);

// How many pixels wide a picture must be to print sharp in a cell of
// `layout` `thumbWidth` wide, on a device with `deviceScale` device pixels
// per logical unit (ScreenToDeviceScale).
int SheetPictureWidth(const ContactSheetLayout& layout, int thumbWidth, QSizeF deviceScale);

// Paints one page with `painter` set to logical units (one unit one screen
// pixel), the page's top-left corner at the origin: each picture fitted
// into its `thumbSize` box, each caption shortened to stay clear of the
// next cell's.
void PaintContactSheetPage(QPainter& painter, const ContactSheetLayout& layout, QSize thumbSize,
                           const SheetPage& page);

// Paints the sheet's pages that `pages` names (every page when it is
// empty) on `device`, starting a new page between them. False when the
// device cannot be painted on.
bool PrintContactSheet(QPagedPaintDevice& device, const ContactSheet& sheet,
                       const QPageRanges& pages, QSizeF screenDpi);

// A sheet whose entries come one by one, each painted as it comes, for
// entries that are known only as their photos are read (an unreadable one
// gets no number); the device keeps the pages.
class ContactSheetStream {
public:
    ContactSheetStream(QPagedPaintDevice& device, QSize thumbSize, QSizeF screenDpi);

    // Whether the device can be painted on.
    bool IsActive() const { return painter_.isActive(); }
    // The width the pictures should have (SheetPictureWidth).
    int PictureWidth() const { return pictureWidth_; }
    // The next entry, on a new page when the last one is full.
    void Add(QImage picture, const QString& label);
    // Ends the painting; an empty sheet is one blank page. False when the
    // painting failed.
    bool Finish();

private:
    QPagedPaintDevice& device_;
    const QSize thumbSize_;
    const ContactSheetLayout layout_;
    const QSizeF scale_;
    const int pictureWidth_;
    QPainter painter_;
    int count_ = 0; // entries painted
};

// Writes the whole sheet as a PDF of A4 pages without margins at `dpi` dots
// per inch. The file appears only once it is complete.
WriteOutcome WriteContactSheetPdf(const ContactSheet& sheet, const QString& path, int dpi,
                                  QSizeF screenDpi);

// The same for a sheet whose entries `fill` adds to the stream.
using SheetFilling = std::function<void(ContactSheetStream& sheet)>;
WriteOutcome WriteContactSheetPdf(const QString& path, int dpi, QSizeF screenDpi, QSize thumbSize,
                                  const SheetFilling& fill);

} // namespace kolvira
