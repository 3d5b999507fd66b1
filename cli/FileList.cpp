#include "cli/FileList.h"

#include "cli/NativeNames.h"

#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace kolvira::cli {

FileList ParseFileList(const QByteArray& contents, bool nulSeparated, const QString& listName) {
    FileList list;
    const char separator = nulSeparated ? '\0' : '\n';
    qsizetype line = 0;
    for (qsizetype start = 0; start < contents.size();) {
        qsizetype end = contents.indexOf(separator, start);
        if (end < 0)
            end = contents.size();
        const QByteArray entry = contents.mid(start, end - start);
        start = end + 1;
        ++line;
        if (entry.isEmpty())
            continue;
        if (!nulSeparated && entry.contains('\0')) {
            list.error = QCoreApplication::translate("CommandLine",
                                                     "line %1 of %2 holds a NUL byte; use -0 for a "
                                                     "NUL-separated list")
                             .arg(line)
                             .arg(listName);
            return list;
        }
        if (!nulSeparated && entry.endsWith('\r')) {
            list.error = QCoreApplication::translate(
                             "CommandLine", "line %1 of %2 ends with a carriage return (a Windows "
                                            "line ending?); convert the list with dos2unix")
                             .arg(line)
                             .arg(listName);
            return list;
        }
        list.names << ArgumentText(entry.constData());
    }
    return list;
}

FileList ReadFileList(const QString& path, bool nulSeparated) {
    const bool fromStdin = path == u"-";
    // Opened by its bytes, as the list's name may not be valid in the locale's encoding.
    const int fd =
        fromStdin ? STDIN_FILENO : ::open(NativeFileName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {{},
                QCoreApplication::translate("CommandLine", "cannot read the list '%1': %2")
                    .arg(path, QString::fromLocal8Bit(std::strerror(errno)))};
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly,
                   fromStdin ? QFileDevice::DontCloseHandle : QFileDevice::AutoCloseHandle))
        return {{},
                QCoreApplication::translate("CommandLine", "cannot read the list '%1': %2")
                    .arg(path, file.errorString())};
    const QByteArray contents = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {{},
                QCoreApplication::translate("CommandLine", "cannot read the list '%1': %2")
                    .arg(path, file.errorString())};
    return ParseFileList(contents, nulSeparated,
                         fromStdin ? QCoreApplication::translate("CommandLine", "standard input")
                                   : QStringLiteral("'%1'").arg(path));
}

} // namespace kolvira::cli
