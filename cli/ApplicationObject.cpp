#include "cli/ApplicationObject.h"

#include "imageio/Translations.h"

#include <QGuiApplication>
#include <QTemporaryDir>

namespace kolvira::cli {
namespace {

QtMessageHandler startupHandler = nullptr;

// A GUI application starting without XDG_RUNTIME_DIR (a cron job, a
// container), when no folder could be given it, warns that it falls back to a
// folder of its own. Nothing here uses that folder, so the warning would only
// be noise in a script's output.
void DropRuntimeDirWarning(QtMsgType type, const QMessageLogContext& context,
                           const QString& message) {
    if (type == QtWarningMsg &&
        message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")))
        return;
    startupHandler(type, context, message);
}

// Without XDG_RUNTIME_DIR Qt makes a runtime folder of its own in the
// temporary folder and leaves it there. In a file manager's thumbnail sandbox
// the temporary folder is where the thumbnail goes, which must hold nothing
// else. So the program gets a runtime folder that goes when it ends.
void GiveRuntimeDirWhenNone() {
    if (qEnvironmentVariableIsSet("XDG_RUNTIME_DIR"))
        return;
    static QTemporaryDir runtime; // removed after main returns, with the application
    if (runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
}

} // namespace

std::unique_ptr<QCoreApplication> MakeApplication(int& argc, char** argv, bool withFonts) {
    std::unique_ptr<QCoreApplication> application;
    if (withFonts) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        GiveRuntimeDirWhenNone();
        startupHandler = qInstallMessageHandler(DropRuntimeDirWarning);
        application = std::make_unique<QGuiApplication>(argc, argv);
        qInstallMessageHandler(startupHandler);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    InstallTranslations();
    return application;
}

} // namespace kolvira::cli
