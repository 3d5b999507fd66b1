#include "imageio/writing/ProtectedFiles.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <sys/stat.h>

namespace kolvira {
namespace {

// stat() follows symbolic links, so a link, its target and a hard link to
// it share an identity.
std::optional<std::pair<unsigned long long, unsigned long long>>
IdentityOf(const QByteArray& nativePath) {
    struct stat info {};
    if (::stat(nativePath.constData(), &info) != 0)
        return std::nullopt;
    return std::pair<unsigned long long, unsigned long long>(info.st_dev, info.st_ino);
}

QByteArray AbsolutePath(const QByteArray& nativePath) {
    return QFile::encodeName(
        QDir::cleanPath(QFileInfo(QFile::decodeName(nativePath)).absoluteFilePath()));
}

} // namespace

QByteArray ResolvedPath(const QByteArray& nativePath) {
    const QFileInfo info(QFile::decodeName(nativePath));
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return QFile::encodeName(canonical);
    if (const QString folder = info.absoluteDir().canonicalPath(); !folder.isEmpty())
        return QFile::encodeName(QDir(folder).filePath(info.fileName()));
    return AbsolutePath(nativePath);
}

void ProtectedFiles::Add(const QByteArray& nativePath, const QString& shown) {
    if (nativePath.isEmpty())
        return;
    byPath_.insert(AbsolutePath(nativePath), shown);
    byPath_.insert(ResolvedPath(nativePath), shown);
    if (const auto identity = IdentityOf(nativePath))
        byIdentity_.emplace(*identity, shown);
}

QString ProtectedFiles::FileAt(const QByteArray& nativeTarget) const {
    if (nativeTarget.isEmpty())
        return {};
    for (const QByteArray& path : {AbsolutePath(nativeTarget), ResolvedPath(nativeTarget)}) {
        if (const auto found = byPath_.constFind(path); found != byPath_.constEnd())
            return found.value();
    }
    if (const auto identity = IdentityOf(nativeTarget)) {
        if (const auto found = byIdentity_.find(*identity); found != byIdentity_.end())
            return found->second;
    }
    return {};
}

} // namespace kolvira
