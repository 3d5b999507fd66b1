// Opening a photo the way the photo window shows it now lives beside the
// rest of the per-photo work, in mosaic/BatchRendering.h.
#pragma once

#include "mosaic/BatchRendering.h"

namespace kolvira::cli {

using kolvira::LoadedPhoto;
using kolvira::LoadPhoto;
using kolvira::ScaledHeight;

} // namespace kolvira::cli
