#include "NativeNames.h"

#include <QHash>

#include <cerrno>
#include <cstring>
#include <fcntl.h>

namespace kolvira::cli {
namespace {

QHash<QString, QByteArray>& LossyNames() {
    static QHash<QString, QByteArray> names;
    return names;
}

} // namespace

QString ArgumentText(const char* argument) {
    const QByteArray bytes(argument);
    const QString text = QFile::decodeName(bytes);
    if (QFile::encodeName(text) != bytes)
        LossyNames().insert(text, bytes);
    return text;
}

QByteArray NativeFileName(const QString& name) {
    return LossyNames().value(name, QFile::encodeName(name));
}

bool IsLossyName(const QString& name) {
    return LossyNames().contains(name);
}

std::unique_ptr<QFile> OpenForReading(const QString& name, QString& error) {
    auto file = std::make_unique<QFile>();
    const int descriptor = ::open(NativeFileName(name).constData(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        return file;
    }
    if (!file->open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        error = file->errorString();
    return file;
}

} // namespace kolvira::cli
