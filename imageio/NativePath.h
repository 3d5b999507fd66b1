// Paths are kept as the file system's own bytes, so names that are not
// valid UTF-8 still open; they become text only to be shown.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

inline QString ShownPath(const std::string& nativePath) {
    return QFile::decodeName(QByteArray::fromStdString(nativePath));
}
