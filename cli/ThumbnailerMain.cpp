// kolvira-thumbnailer: a thumbnail of one picture for the desktop's file
// managers, run through share/thumbnailers/kolvira.thumbnailer.
#include "cli/ApplicationObject.h"
#include "cli/DesktopThumbnailer.h"
#include "cli/HelpText.h"
#include "cli/MessageStream.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecodeWatchdog.h"
#include "mosaic/ThumbnailPng.h"

#include <QCoreApplication>

#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    using namespace kolvira::cli;
    KeepLibraryLinesOffStderr();
    kolvira::ApplyDecodeLimits();

    // Taken as bytes before the application object, which may remove
    // arguments meant for Qt.
    const std::vector<QByteArray> arguments(argv + 1, argv + argc);
    // A metafile's text needs fonts, which only a GUI application has.
    const auto application = MakeApplication(argc, argv, true);

    const ThumbnailerRequest request = ParseThumbnailerArguments(arguments);
    if (!request.error.isEmpty()) {
        std::fprintf(Messages(), "kolvira-thumbnailer: %s\n%s\n", qPrintable(request.error),
                     qPrintable(QCoreApplication::translate("Thumbnailer",
                                                            "Try 'kolvira-thumbnailer --help'.")));
        return 2;
    }
    switch (request.action) {
    case ThumbnailerRequest::Action::ShowHelp:
        std::fputs(qPrintable(ThumbnailerHelpText()), stdout);
        return 0;
    case ThumbnailerRequest::Action::ShowVersion:
        std::fputs(qPrintable(VersionText("kolvira-thumbnailer")), stdout);
        return 0;
    case ThumbnailerRequest::Action::MakeThumbnail:
        break;
    }
    const DesktopThumbnail thumbnail = MakeDesktopThumbnail(request.input, request.size);
    int status = 0;
    if (thumbnail.image.isNull()) {
        std::fprintf(Messages(), "kolvira-thumbnailer: %s: %s\n", request.input.constData(),
                     qPrintable(thumbnail.error));
        status = 1;
    } else if (!kolvira::WritePrivatePng(request.output, thumbnail.image, {})) {
        // The name goes out as its bytes, whatever the encoding.
        const QByteArray text = QCoreApplication::translate("Thumbnailer", "cannot write %1")
                                    .toLocal8Bit()
                                    .replace("%1", request.output);
        std::fprintf(Messages(), "kolvira-thumbnailer: %s\n", text.constData());
        status = 1;
    }
    return kolvira::LeaveAfterDecodes(status);
}
