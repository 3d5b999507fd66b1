#include "cli/PictureWriting.h"

#include "mosaic/BatchRendering.h"

namespace kolvira::cli {

QString BatchOutputPath(const QString& outputDir, const QString& input, const QString& suffix) {
    return kolvira::BatchOutputPath(outputDir, input, suffix);
}

} // namespace kolvira::cli
