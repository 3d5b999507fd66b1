#include "imageio/writing/AtomicFile.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>

namespace kolvira {

WriteOutcome WriteFileAtomically(const QString& path, const FileContents& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return WriteOutcome::Failed(file.errorString());
    if (WriteOutcome outcome = write(file); !outcome.IsWritten())
        return outcome; // QSaveFile drops the temporary file
    if (!file.commit())
        return WriteOutcome::Failed(file.errorString());
    return WriteOutcome::Written();
}

WriteOutcome WritePdfAtomically(const QString& path, const PdfDocument& document,
                                const PdfPages& paint) {
    return WriteFileAtomically(path, [&](QIODevice& file) {
        // The writer finishes the document when it is destroyed, before the
        // file is committed.
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Kolvira"));
        pdf.setTitle(document.title);
        pdf.setResolution(document.resolution);
        pdf.setPageLayout(document.pageLayout);
        if (!paint(pdf))
            return WriteOutcome::Failed(
                QCoreApplication::translate("Writing", "the PDF could not be made"));
        return WriteOutcome::Written();
    });
}

} // namespace kolvira
