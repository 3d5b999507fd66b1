#include "CliTestSupport.h"

#include "render/RenderPass.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstring>

namespace kolvira::cli::test {

namespace {

CliResult Run(const QString& program, const QStringList& arguments, const QString& workingDir) {
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start();
    CliResult result;
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = QString::fromLocal8Bit(process.readAllStandardOutput());
    result.err = QString::fromLocal8Bit(process.readAllStandardError());
    return result;
}

} // namespace

CliResult RunCli(const QStringList& arguments, const QString& workingDir) {
    return Run(QStringLiteral(KOLVIRA_RENDER_PROGRAM), arguments, workingDir);
}

CliResult RunCliInShell(const QString& script, const QString& workingDir) {
    return Run(QStringLiteral("/bin/sh"),
               {QStringLiteral("-c"), script, QStringLiteral(KOLVIRA_RENDER_PROGRAM)}, workingDir);
}

QImage MakePhoto(int width, int height) {
    QImage photo(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool block = ((x / 4) + (y / 3)) % 2 == 0;
            photo.setPixel(x, y,
                           qRgb((x * 255) / std::max(width - 1, 1),
                                (y * 255) / std::max(height - 1, 1), block ? 230 : 20));
        }
    }
    return photo;
}

void SavePhoto(const QImage& photo, const QString& path) {
    ASSERT_TRUE(photo.save(path)) << path.toStdString();
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList DirEntries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

QImage RenderInProcess(const QImage& onBlack, const RenderParameters& settings) {
    QImage picture = onBlack.convertToFormat(QImage::Format_RGB32);
    PictureSurface surface(reinterpret_cast<PixelWord*>(picture.bits()), picture.width(),
                           picture.height(), picture.bytesPerLine() / 4);
    RenderPicture(surface, settings, RenderRect{0, 0, picture.width(), picture.height()});
    return picture;
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return false;
    const QImage first = a.convertToFormat(QImage::Format_RGB32);
    const QImage second = b.convertToFormat(QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(first.width()) * 4;
    for (int y = 0; y < first.height(); ++y) {
        if (std::memcmp(first.constScanLine(y), second.constScanLine(y), rowBytes) != 0)
            return false;
    }
    return true;
}

} // namespace kolvira::cli::test
