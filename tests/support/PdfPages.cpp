#include "PdfPages.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace kolvira::test {
namespace {

// What a poppler tool prints; empty when it fails.
QString Poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString InfoField(const QString& pdf, const char* field) {
    const QRegularExpression pattern(QStringLiteral("%1:\\s+(.*)").arg(QLatin1String(field)));
    return pattern.match(Poppler(QStringLiteral("pdfinfo"), {pdf})).captured(1).trimmed();
}

} // namespace

int PdfPageCount(const QString& pdf) {
    bool ok = false;
    const int pages = InfoField(pdf, "Pages").toInt(&ok);
    return ok ? pages : -1;
}

QString PdfPageSize(const QString& pdf) {
    return InfoField(pdf, "Page size");
}

QStringList PdfPageLines(const QString& pdf, int page) {
    const QString number = QString::number(page);
    const QString text = Poppler(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                  QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        if (const QString simple = line.simplified(); !simple.isEmpty())
            lines << simple;
    }
    return lines;
}

QList<int> PdfImageWidths(const QString& pdf) {
    // "page num type width height ...", after two heading lines.
    const QStringList lines = Poppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                  .split(u'\n', Qt::SkipEmptyParts);
    QList<int> widths;
    for (const QString& line : lines.mid(2))
        widths << line.simplified().section(u' ', 3, 3).toInt();
    return widths;
}

QImage PdfPageAtScreenSize(const QString& pdf, int page) {
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    Poppler(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-f"), number,
             QStringLiteral("-l"), number, QStringLiteral("-singlefile"), QStringLiteral("-png"),
             pdf, prefix});
    return QImage(prefix + QStringLiteral(".png"));
}

} // namespace kolvira::test
