#include "cli/ApplicationObject.h"

#include <QGuiApplication>

namespace kolvira::cli {
namespace {

QtMessageHandler startupHandler = nullptr;

// A GUI application starting without XDG_RUNTIME_DIR (a cron job, a
// container) warns that it falls back to a folder of its own. Nothing here
// uses that folder, so the warning would only be noise in a script's output.
void DropRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    startupHandler(type, context, message);
}

} // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool withFonts) {
    if (!withFonts)
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    startupHandler = qInstallMessageHandler(DropRuntimeDirWarning);
    auto application = std::make_unique<QGuiApplication>(argc, argv);
    qInstallMessageHandler(startupHandler);
    return application;
}

} // namespace kolvira::cli
