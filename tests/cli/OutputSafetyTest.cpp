// kolvira-render never writes over its input, whatever path leads to it, and
// a write that fails leaves no temporary file and no half-written output.
#include "CliTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <unistd.h>

namespace kolvira::cli::test {
namespace {

bool NoLink(const QString&) {
    return true;
}

bool HardLink(const QString& dir) {
    return ::link(QFile::encodeName(dir + "/in.png").constData(),
                  QFile::encodeName(dir + "/hard.png").constData()) == 0;
}

TEST(OutputSafetyTest, NeverWritesOverTheInput) {
    // An output name, and what makes it lead to in.png in the working folder.
    const std::pair<const char*, std::function<bool(const QString&)>> cases[] = {
        {"in.png", NoLink},
        {"sub/../in.png", NoLink},
        {"link.png",
         [](const QString& dir) { return QFile::link(dir + "/in.png", dir + "/link.png"); }},
        {"hard.png", HardLink},
        {"linked/in.png", [](const QString& dir) { return QFile::link(dir, dir + "/linked"); }},
    };
    for (const auto& [output, makeLink] : cases) {
        SCOPED_TRACE(output);
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid() && QDir(dir.path()).mkpath("sub"));
        SavePhoto(MakePhoto(10, 8), dir.filePath("in.png"));
        ASSERT_TRUE(makeLink(dir.path()));
        const QByteArray input = ReadBytes(dir.filePath("in.png"));

        const CliResult result = RunCli({"in.png", "-o", output}, dir.path());
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.errLines().size(), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("refusing to write over")) << result.err.toStdString();
        EXPECT_EQ(ReadBytes(dir.filePath("in.png")), input);
    }
}

TEST(OutputSafetyTest, BatchNeverWritesOverALaterInput) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SavePhoto(MakePhoto(6, 6), dir.filePath("a.jpg"));
    SavePhoto(MakePhoto(5, 5), dir.filePath("a.png"));
    const QByteArray laterInput = ReadBytes(dir.filePath("a.png"));

    // a.jpg's output would be ./a.png, the second input.
    const CliResult result = RunCli({"a.jpg", "a.png", "-d", "."}, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(ReadBytes(dir.filePath("a.png")), laterInput);
}

TEST(OutputSafetyTest, MissingFolderFailsWithoutLeftovers) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SavePhoto(MakePhoto(6, 6), dir.filePath("in.png"));

    const CliResult result = RunCli({"in.png", "-o", "missing/out.png"}, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines().size(), 1);
    EXPECT_TRUE(result.err.startsWith("kolvira-render: missing/out.png: "));
    EXPECT_EQ(DirEntries(dir.path()), QStringList{"in.png"});
}

// The encoder fails once the temporary file exists: JPEG takes no picture
// wider than 65500 pixels.
TEST(OutputSafetyTest, FailedEncodingKeepsTheOldOutputAndNoTemporary) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SavePhoto(MakePhoto(70000, 1), dir.filePath("wide.png"));
    WriteBytes(dir.filePath("out.jpg"), "the previous output");

    const CliResult result = RunCli({"wide.png", "-o", "out.jpg"}, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines().size(), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith("kolvira-render: out.jpg: "));
    EXPECT_EQ(ReadBytes(dir.filePath("out.jpg")), "the previous output");
    EXPECT_EQ(DirEntries(dir.path()), (QStringList{"out.jpg", "wide.png"}));
}

} // namespace
} // namespace kolvira::cli::test
