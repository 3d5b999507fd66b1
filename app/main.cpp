// Kolvira: turns photographs into drawings, applies photo effects and shows
// a folder's photos as a sheet of thumbnails.
#include "app/Application.h"
#include "app/FocusFrameStyle.h"
#include "app/SingleInstance.h"
#include "app/StartupArguments.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/Translations.h"
#include "imageio/decoding/DecodeWatchdog.h"
#include "imageio/decoding/DecoderMemory.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

using namespace kolvira;

namespace {

kolvira::StartupArguments Parse(int argc, char* argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return kolvira::ParseStartupArguments(arguments,
                                          QFile::encodeName(QDir::currentPath()).toStdString());
}

} // namespace

int main(int argc, char* argv[]) {
    kolvira::ShareMallocArenas(); // before any thread
    // Qt takes the X11 startup id out of the environment as it connects to
    // the display; a hand-over passes it on.
    const kolvira::LaunchTokens tokens = kolvira::LaunchTokens::FromEnvironment();
    // Help and version need no display.
    const kolvira::StartupArguments early = Parse(argc, argv);
    if (early.showHelp) {
        const QCoreApplication translated(argc, argv);
        kolvira::InstallTranslations();
        std::fputs(kolvira::StartupUsage().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (early.showVersion) {
        std::puts("kolvira " KOLVIRA_VERSION);
        return 0;
    }

    QApplication application(argc, argv); // takes Qt's own options out of argv
    QApplication::setStyle(new kolvira::FocusFrameStyle);
    QApplication::setOrganizationName(QStringLiteral("Kolvira"));
    QApplication::setApplicationName(QStringLiteral("Kolvira"));
    QApplication::setApplicationVersion(QStringLiteral(KOLVIRA_VERSION));
    QGuiApplication::setDesktopFileName(QLatin1String(kolvira::kApplicationId));
    kolvira::InstallTranslations();
    const kolvira::StartupArguments arguments = Parse(argc, argv);
    if (!arguments.error.isEmpty()) {
        std::fprintf(stderr, "kolvira: %s\n\n%s", arguments.error.toLocal8Bit().constData(),
                     kolvira::StartupUsage().toLocal8Bit().constData());
        return 2;
    }
    // Photos up to 200 megapixels open, whatever the environment says.
    kolvira::ApplyDecodeLimits();

    Application app;
    kolvira::InstanceService service([&app](const std::vector<std::string>& files,
                                            const QString& token) { app.OpenFiles(files, token); });
    if (arguments.busService) {
        // The bus started this program for a request it is about to pass on.
        if (!service.Claim()) {
            std::fprintf(
                stderr, "kolvira: %s\n",
                qPrintable(QCoreApplication::translate("StartupArguments",
                                                       "cannot take the name %1 on the session bus")
                               .arg(QLatin1String(kolvira::kApplicationId))));
            return 1;
        }
    } else if (!arguments.newInstance && !service.Claim() &&
               kolvira::HandToRunningInstance(arguments.files, tokens)) {
        return 0;
    }

    if (!app.InitInstance())
        return 1;
    if (!arguments.files.empty())
        app.OpenFiles(arguments.files);
    const int status = QApplication::exec();
    app.ExitInstance();
    return kolvira::LeaveAfterDecodes(status);
}
