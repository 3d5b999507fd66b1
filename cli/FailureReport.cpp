#include "cli/FailureReport.h"

#include "cli/MessageStream.h"

#include <QCoreApplication>

#include <cstdio>

namespace kolvira::cli {

void Report(const Failure& failure) {
    std::fprintf(Messages(), "kolvira-render: %s: %s\n", qPrintable(failure.file),
                 qPrintable(failure.reason));
}

QString UnspellableNameReason() {
    return QCoreApplication::translate(
        "RenderRun", "its name is not valid in the system's encoding; choose another name");
}

} // namespace kolvira::cli
