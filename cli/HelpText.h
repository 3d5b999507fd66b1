// What --help and --version print.
#pragma once

#include <QString>

namespace kolvira::cli {

QString HelpText();
// "PROGRAM VERSION", for each of the command-line programs.
QString VersionText(const char* program = "kolvira-render");

} // namespace kolvira::cli
