// The output names of a batch. The pictures themselves are written by
// WritePicture (PictureFiles.h), as the program's Save As writes them.
#pragma once

#include <QString>

namespace kolvira::cli {

// OUTDIR/<complete base name of the input>.<suffix>
QString BatchOutputPath(const QString& outputDir, const QString& input, const QString& suffix);

} // namespace kolvira::cli
