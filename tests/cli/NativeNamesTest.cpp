// File names that are not valid UTF-8 (a Latin-1 "é" is the byte 0xE9): a
// photo so named is read by its bytes; an output so named is refused rather
// than written under another name.
#include "CliTestSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace kolvira::cli::test {
namespace {

TEST(NativeNamesTest, PhotoWithALatin1NameIsReadAndItsOutputNameRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SavePhoto(MakePhoto(12, 8), dir.filePath("in.png"));
    const QByteArray latin1Name = QFile::encodeName(dir.filePath("caf")) + "\xe9.png";
    ASSERT_EQ(
        ::rename(QFile::encodeName(dir.filePath("in.png")).constData(), latin1Name.constData()), 0);

    const CliResult batch =
        RunCliInShell("\"$0\" -q \"$(printf 'caf\\351.png')\" -d out", dir.path());
    EXPECT_EQ(batch.exitCode, 0) << qPrintable(batch.err);
    const QStringList written = DirEntries(dir.filePath("out"));
    ASSERT_EQ(written.size(), 1);
    EXPECT_EQ(QImage(dir.filePath("out/" + written[0])).size(), QSize(12, 8));

    const CliResult single = RunCliInShell(
        "\"$0\" -q \"$(printf 'caf\\351.png')\" -o \"$(printf 'dessin\\351.png')\"", dir.path());
    EXPECT_EQ(single.exitCode, 1);
    EXPECT_TRUE(single.err.contains("not valid in the system's encoding"))
        << qPrintable(single.err);
    const QByteArray asked = QFile::encodeName(dir.filePath("dessin")) + "\xe9.png";
    EXPECT_NE(::access(asked.constData(), F_OK), 0);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("dessin\uFFFD.png"))));

    // Qt cannot name the photo, so QTemporaryDir could not remove it.
    EXPECT_EQ(::unlink(latin1Name.constData()), 0);
}

} // namespace
} // namespace kolvira::cli::test
