// How a run names what went wrong: one line on stderr per failure, the file
// first, so that a batch's failures can be told apart.
#pragma once

#include <QString>

namespace kolvira::cli {

struct Failure {
    QString file;
    QString reason;
};

// Prints "kolvira-render: FILE: REASON".
void Report(const Failure& failure);

// Why a file name given on the command line cannot be written to: Qt writes
// by its own text of a name, so a name it cannot spell would be written as
// another one.
QString UnspellableNameReason();

} // namespace kolvira::cli
