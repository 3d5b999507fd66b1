// The pictures a run reads, kept so that no output is ever written over one
// of them: not by the same path, nor through a symbolic or hard link, nor
// through a folder reached by another path.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>

namespace kolvira::cli {

class InputFiles {
public:
    explicit InputFiles(const QStringList& inputs);

    // The input (as given) that writing `output` would replace, or an empty string.
    QString InputAt(const QString& output) const;

private:
    using FileIdentity = std::pair<unsigned long long, unsigned long long>; // device, inode
    QHash<QString, QString> byPath_; // absolute and resolved paths
    std::map<FileIdentity, QString> byIdentity_;
};

// The path a file goes by once links in it are followed: the canonical path of
// an existing file, else the canonical path of its folder plus its name, else
// the cleaned absolute path.
QString ResolvedPath(const QString& path);

} // namespace kolvira::cli
