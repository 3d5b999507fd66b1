#include "cli/NativeNames.h"

#include <QHash>

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

} // namespace kolvira::cli
