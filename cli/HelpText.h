// What --help and --version print.
#pragma once

#include <QString>

namespace kolvira::cli {

QString HelpText();
QString VersionText();

} // namespace kolvira::cli
