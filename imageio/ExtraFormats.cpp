#include "imageio/ExtraFormats.h"

#include <QtPlugin>

Q_IMPORT_PLUGIN(JxlPlugin)

namespace kolvira {

void LinkExtraFormats() {}

} // namespace kolvira
