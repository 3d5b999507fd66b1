// Input lists too long for a command line (--files-from): one path per line,
// or NUL-separated (-0) for names that hold a newline. Paths are taken as
// bytes; empty entries are skipped.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kolvira::cli {

struct FileList {
    QStringList names; // as ArgumentText gives them, so their bytes come back
    QString error;     // empty when the list is valid
};

// `listName` names the list in messages. A line ending in a carriage return
// is refused: it is almost always a Windows line ending, and the names would
// silently miss every file.
FileList ParseFileList(const QByteArray& contents, bool nulSeparated, const QString& listName);

// Reads the list at `path`, or standard input for "-".
FileList ReadFileList(const QString& path, bool nulSeparated);

} // namespace kolvira::cli
