// Shared by the kolvira-render tests: running the built program, making
// small test photos and reading files back.
#pragma once

#include "render/RenderParameters.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

namespace kolvira::cli::test {

struct CliResult {
    int exitCode = -1; // -1 when the program crashed or did not finish
    QString out;
    QString err;
    QStringList errLines() const { return err.split(u'\n', Qt::SkipEmptyParts); }
};

// Runs kolvira-render in `workingDir` (the test's own when empty).
CliResult RunCli(const QStringList& arguments, const QString& workingDir = {});

// Runs a shell script in which "$0" is kolvira-render: for arguments that
// QProcess cannot pass, such as file names that are not valid UTF-8.
CliResult RunCliInShell(const QString& script, const QString& workingDir = {});

// Gradients and hard edges, so that every style has something to draw.
QImage MakePhoto(int width, int height);
void SavePhoto(const QImage& photo, const QString& path);

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
QStringList DirEntries(const QString& dir); // hidden ones too

// An opaque picture rendered in-process straight through the render core.
QImage RenderInProcess(const QImage& onBlack, const RenderParameters& settings);

// Equal as Format_RGB32 pictures, byte for byte.
bool SamePixels(const QImage& a, const QImage& b);

} // namespace kolvira::cli::test
