// kolvira-render: renders photographs as drawings from the command line.
#include "CommandLine.h"
#include "HelpText.h"
#include "NativeNames.h"
#include "PhotoDecoding.h"
#include "RenderRun.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    using namespace kolvira::cli;
    kolvira::ApplyDecodeLimits();

    // Taken before QCoreApplication, which may remove arguments meant for Qt.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << ArgumentText(argv[i]);
    // Qt finds its image format plugins through the application object.
    QCoreApplication application(argc, argv);

    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    if (!parsed.ok()) {
        std::fprintf(stderr, "kolvira-render: %s\nTry 'kolvira-render --help'.\n",
                     qPrintable(parsed.error));
        return 2;
    }
    switch (parsed.options.action) {
    case CliAction::ShowHelp:
        std::fputs(qPrintable(HelpText()), stdout);
        return 0;
    case CliAction::ShowVersion:
        std::fputs(qPrintable(VersionText()), stdout);
        return 0;
    case CliAction::Render:
        break;
    }
    return RunRender(parsed.options);
}
