#include "InputProtection.h"

#include "NativeNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <sys/stat.h>

namespace kolvira::cli {
namespace {

// stat() follows symbolic links, so a link and its target share an identity.
std::optional<std::pair<unsigned long long, unsigned long long>> IdentityOf(const QString& path) {
    struct stat info {};
    if (::stat(NativeFileName(path).constData(), &info) != 0)
        return std::nullopt;
    return std::pair<unsigned long long, unsigned long long>(info.st_dev, info.st_ino);
}

QString AbsolutePath(const QString& path) {
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

} // namespace

QString ResolvedPath(const QString& path) {
    const QFileInfo info(path);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty())
        return canonical;
    if (const QString folder = info.absoluteDir().canonicalPath(); !folder.isEmpty())
        return QDir(folder).filePath(info.fileName());
    return AbsolutePath(path);
}

InputFiles::InputFiles(const QStringList& inputs) {
    for (const QString& input : inputs) {
        byPath_.insert(AbsolutePath(input), input);
        byPath_.insert(ResolvedPath(input), input);
        if (const auto identity = IdentityOf(input))
            byIdentity_.emplace(*identity, input);
    }
}

QString InputFiles::InputAt(const QString& output) const {
    for (const QString& path : {AbsolutePath(output), ResolvedPath(output)}) {
        if (const auto found = byPath_.constFind(path); found != byPath_.constEnd())
            return found.value();
    }
    if (const auto identity = IdentityOf(output)) {
        if (const auto found = byIdentity_.find(*identity); found != byIdentity_.end())
            return found->second;
    }
    return {};
}

} // namespace kolvira::cli
