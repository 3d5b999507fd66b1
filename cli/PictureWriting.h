// The output names of a batch; the pictures themselves are written by
// kolvira::WritePicture, as the program's Save As writes them.
#pragma once

#include "PictureFiles.h"

#include <QString>

namespace kolvira::cli {

using kolvira::WritePicture;
using kolvira::WriterFormatForSuffix;

// OUTDIR/<complete base name of the input>.<suffix>
QString BatchOutputPath(const QString& outputDir, const QString& input, const QString& suffix);

} // namespace kolvira::cli
