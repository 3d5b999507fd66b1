#include "imageio/ExtraFormats.h"

#include <QtPlugin>

Q_IMPORT_PLUGIN(HeifPlugin)
Q_IMPORT_PLUGIN(JxlPlugin)
Q_IMPORT_PLUGIN(MetafilePlugin)
Q_IMPORT_PLUGIN(RawPlugin)
Q_IMPORT_PLUGIN(TransparentColourPngPlugin)

namespace kolvira {

void LinkExtraFormats() {}

} // namespace kolvira
