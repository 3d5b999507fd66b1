// kolvira-render: renders photographs as drawings from the command line, and
// prints a folder's photos as a contact sheet.
#include "cli/ApplicationObject.h"
#include "cli/CommandLine.h"
#include "cli/ContactSheetRun.h"
#include "cli/FileList.h"
#include "cli/HelpText.h"
#include "cli/MessageStream.h"
#include "cli/NativeNames.h"
#include "cli/RenderRun.h"
#include "imageio/LookFile.h"
#include "imageio/PhotoDecoding.h"
#include "imageio/decoding/DecodeWatchdog.h"
#include "imageio/decoding/DecoderProcess.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace kolvira::cli;
    KeepLibraryLinesOffStderr();
    kolvira::ApplyDecodeLimits();

    // Taken before the application object, which may remove arguments meant for Qt.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ArgumentText(argv[i]);
    // Captions and a metafile's text need fonts, which only a GUI application has.
    const auto application = MakeApplication(argc, argv, NeedsFonts(arguments));

    ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (parsed.ok() && !parsed.options.filesFrom.isEmpty()) {
        const FileList list = ReadFileList(parsed.options.filesFrom, parsed.options.nulSeparated);
        parsed.error = list.error;
        parsed.options.inputs += list.names;
    }
    if (!parsed.ok()) {
        std::fprintf(
            Messages(), "kolvira-render: %s\n%s\n", qPrintable(parsed.error),
            qPrintable(QCoreApplication::translate("CommandLine", "Try 'kolvira-render --help'.")));
        return 2;
    }
    switch (parsed.options.action) {
    case CliAction::ShowHelp:
        std::fputs(qPrintable(HelpText()), stdout);
        return 0;
    case CliAction::ShowVersion:
        std::fputs(qPrintable(VersionText()), stdout);
        std::fputs(qPrintable(kolvira::DecodingConfinement() + QLatin1Char('\n')), stdout);
        return 0;
    case CliAction::PrintLook:
        std::fputs(kolvira::LookToJson(parsed.options.settings).constData(), stdout);
        return 0;
    case CliAction::ContactSheet:
        return kolvira::LeaveAfterDecodes(RunContactSheet(parsed.options));
    case CliAction::Render:
        break;
    }
    return kolvira::LeaveAfterDecodes(RunRender(parsed.options));
}
