// Files that nothing the program writes may replace: the photos a window
// shows or lists, the inputs of a kolvira-render run. A target is the same
// file when it names it by the same path, through a symbolic or hard link,
// or through a folder reached by another path.
#pragma once

#include "imageio/NativePath.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>

#include <map>
#include <utility>

namespace kolvira {

class ProtectedFiles {
public:
    // `nativePath` is the file's name as the file system's bytes; `shown`
    // is what FileAt answers for it (the name as the user gave it).
    void Add(const QByteArray& nativePath, const QString& shown);
    void Add(const NativePath& path) { Add(path.ToByteArray(), path.Shown()); }

    // The protected file (as added) that writing `target` would replace, or
    // an empty string.
    QString FileAt(const QByteArray& nativeTarget) const;
    QString FileAt(const QString& target) const { return FileAt(QFile::encodeName(target)); }

    bool IsEmpty() const { return byPath_.isEmpty() && byIdentity_.empty(); }

private:
    using FileIdentity = std::pair<unsigned long long, unsigned long long>; // device, inode
    QHash<QByteArray, QString> byPath_; // absolute and resolved paths
    std::map<FileIdentity, QString> byIdentity_;
};

// The path a file goes by once links in it are followed: the canonical path
// of an existing file, else the canonical path of its folder plus its name,
// else the cleaned absolute path (native bytes).
QByteArray ResolvedPath(const QByteArray& nativePath);

} // namespace kolvira
