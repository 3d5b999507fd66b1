#include "imageio/formats/ExtraFormats.h"

#include <QCoreApplication>
#include <QPluginLoader>
#include <QtPlugin>

#include <mutex>

Q_IMPORT_PLUGIN(HeifPlugin)
Q_IMPORT_PLUGIN(JxlPlugin)
Q_IMPORT_PLUGIN(MetafilePlugin)
Q_IMPORT_PLUGIN(RawPlugin)
Q_IMPORT_PLUGIN(TransparentColorPngPlugin)

namespace kolvira {

void LoadExtraFormats() {
    static std::once_flag once;
    std::call_once(once, [] { QPluginLoader::staticInstances(); });
}

} // namespace kolvira

namespace {

// Run by the QCoreApplication constructor: the plugins then exist before any
// worker thread decodes.
void LoadExtraFormatsAtStartup() {
    kolvira::LoadExtraFormats();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(LoadExtraFormatsAtStartup)
