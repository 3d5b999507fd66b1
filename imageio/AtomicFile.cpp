#include "imageio/AtomicFile.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>

namespace kolvira {

QString WriteFileAtomically(const QString& path, const FileContents& write) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (QString failure = write(file); !failure.isEmpty())
        return failure; // QSaveFile drops the temporary file
    if (!file.commit())
        return file.errorString();
    return {};
}

QString WritePdfAtomically(const QString& path, const PdfDocument& document,
                           const PdfPages& paint) {
    return WriteFileAtomically(path, [&](QIODevice& file) -> QString {
        // The writer finishes the document when it is destroyed, before the
        // file is committed.
        QPdfWriter pdf(&file);
        pdf.setCreator(QStringLiteral("Kolvira"));
        pdf.setTitle(document.title);
        pdf.setResolution(document.resolution);
        pdf.setPageLayout(document.pageLayout);
        if (!paint(pdf))
            return QCoreApplication::translate("Writing", "the PDF could not be made");
        return {};
    });
}

} // namespace kolvira
