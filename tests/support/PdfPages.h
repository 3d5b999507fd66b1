// Reading a PDF the program wrote with poppler's tools, so that tests check
// the file itself: its pages, their size, their text and their pixels.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace kolvira::test {

// -1 when pdfinfo cannot read the file.
int PdfPageCount(const QString& pdf);

// As pdfinfo prints it, e.g. "595 x 842 pts (A4)".
QString PdfPageSize(const QString& pdf);

// The non-empty text lines of one page (from 1), in reading order, with
// runs of blanks shortened to one.
QStringList PdfPageLines(const QString& pdf, int page);

// The pixel width of every image on the PDF's pages, in order, as
// pdfimages lists them.
QList<int> PdfImageWidths(const QString& pdf);

// One page rendered at 96 DPI, so that a screen pixel of the printout is
// one pixel of the image.
QImage PdfPageAtScreenSize(const QString& pdf, int page);

} // namespace kolvira::test
