// Writing a file so that it appears only once it is complete: everything
// goes to a temporary file in the same folder, which is renamed over the
// target when the writer succeeded. On failure nothing is left behind and
// a file already at the target is untouched. Every file the program makes
// (pictures, contact sheets, printed PDFs) is written this way.
#pragma once

#include "imageio/writing/WriteOutcome.h"

#include <QPageLayout>
#include <QString>

#include <functional>

class QIODevice;
class QPagedPaintDevice;

namespace kolvira {

// Writes into the open temporary file.
using FileContents = std::function<WriteOutcome(QIODevice& file)>;

WriteOutcome WriteFileAtomically(const QString& path, const FileContents& write);

// What a PDF file is made of besides its pages.
struct PdfDocument {
    QString title;
    int resolution = 1200; // dots per inch of the painting device
    QPageLayout pageLayout;
};

// Paints the pages of a PDF; false when they could not be painted.
using PdfPages = std::function<bool(QPagedPaintDevice& pdf)>;

// Makes the PDF at `path` from `paint`, atomically.
WriteOutcome WritePdfAtomically(const QString& path, const PdfDocument& document,
                                const PdfPages& paint);

} // namespace kolvira
