// The pictures a run reads, kept so that no output is ever written over one
// of them (see imageio/writing/ProtectedFiles.h for what counts as the same file).
#pragma once

#include "imageio/writing/ProtectedFiles.h"

#include <QString>
#include <QStringList>

namespace kolvira::cli {

// The inputs as given on the command line, found again by their bytes.
ProtectedFiles InputFiles(const QStringList& inputs);

} // namespace kolvira::cli
