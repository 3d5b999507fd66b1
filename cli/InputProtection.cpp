#include "cli/InputProtection.h"

#include "cli/NativeNames.h"

#include <QFile>

namespace kolvira::cli {

ProtectedFiles InputFiles(const QStringList& inputs) {
    ProtectedFiles files;
    for (const QString& input : inputs)
        files.Add(NativeFileName(input), input);
    return files;
}

} // namespace kolvira::cli
