// File names given on the command line whose bytes are not valid in the
// locale's encoding (a Latin-1 name on a UTF-8 system, say). A QString cannot
// carry such bytes, so they are kept here under the text Qt shows for them,
// and the files are opened by their bytes.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace kolvira::cli {

// The text for a command-line argument; remembers its bytes when the text
// cannot give them back.
QString ArgumentText(const char* argument);

// The bytes of a file name: those of the argument it came from, if any.
QByteArray NativeFileName(const QString& name);

// Whether the name came from an argument the text cannot give back.
bool IsLossyName(const QString& name);

} // namespace kolvira::cli
