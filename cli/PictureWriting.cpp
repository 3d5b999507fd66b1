#include "cli/PictureWriting.h"

#include <QDir>
#include <QFileInfo>

namespace kolvira::cli {

QString BatchOutputPath(const QString& outputDir, const QString& input, const QString& suffix) {
    return QDir(outputDir).filePath(QFileInfo(input).completeBaseName() + u'.' + suffix);
}

} // namespace kolvira::cli
