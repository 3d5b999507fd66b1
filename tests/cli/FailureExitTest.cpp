// What kolvira-render says and returns when it cannot do its job: exit 2 and
// a problem line plus a hint for a bad command line, exit 1 and one line
// naming the file for a picture it cannot read.
#include "CliTestSupport.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace kolvira::cli::test {
namespace {

struct FailureCase {
    std::function<void(const QString& dir)> prepare; // puts in.* into the working folder
    QStringList arguments;
    int exitCode;
    const char* firstLineStart;
};

void NoFile(const QString&) {}
void GoodPhoto(const QString& dir) {
    SavePhoto(MakePhoto(9, 7), dir + "/in.png");
}
void TextNamedPng(const QString& dir) {
    WriteBytes(dir + "/in.png", "just some text\n");
}

// Cut off in the middle of its picture data, which libjpeg would fill up with grey.
void TruncatedJpeg(const QString& dir) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && MakePhoto(64, 48).save(&buffer, "jpg", 95));
    WriteBytes(dir + "/in.jpg", jpeg.left(jpeg.size() * 2 / 3));
}

TEST(FailureExitTest, ExitsWithItsCodeAndNamesTheProblem) {
    const FailureCase cases[] = {
        {NoFile, {"in.png", "-o", "out.png"}, 1, "kolvira-render: in.png: "},
        {TextNamedPng, {"in.png", "-o", "out.png"}, 1, "kolvira-render: in.png: "},
        {TruncatedJpeg,
         {"in.jpg", "-o", "out.png"},
         1,
         "kolvira-render: in.jpg: the picture is damaged: "},
        {NoFile, {".", "-o", "out.png"}, 1, "kolvira-render: .: "},
        {GoodPhoto, {"in.png", "-d", "in.png"}, 1, "kolvira-render: in.png: "}, // OUTDIR a file
        {GoodPhoto,
         {"--crayon", "in.png", "-o", "out.png"},
         2,
         "kolvira-render: unknown option '--crayon'"},
        {GoodPhoto,
         {"--details", "1.01", "in.png", "-o", "out.png"},
         2,
         "kolvira-render: invalid value '1.01' for --details"},
        {GoodPhoto,
         {"in.png", "-o", "out.png", "--width"},
         2,
         "kolvira-render: option '--width' needs a value"},
        {GoodPhoto, {"in.png", "-o", "out.zzz"}, 2, "kolvira-render: "},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(dir.isValid());
        c.prepare(dir.path());
        const QStringList filesBefore = DirEntries(dir.path());

        const CliResult result = RunCli(c.arguments, dir.path());
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_TRUE(result.err.startsWith(QString::fromUtf8(c.firstLineStart)))
            << result.err.toStdString();
        const QStringList lines = result.errLines();
        if (c.exitCode == 2)
            EXPECT_EQ(lines, (QStringList{lines.value(0), "Try 'kolvira-render --help'."}));
        else
            EXPECT_EQ(lines.size(), 1) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
        EXPECT_EQ(DirEntries(dir.path()), filesBefore) << "a failed run leaves no file behind";
    }
}

TEST(HelpTest, DocumentsEveryOptionAndExitsZero) {
    const CliResult result = RunCli({"--help"});
    EXPECT_EQ(result.exitCode, 0);
    for (const char* option :
         {"-o, --output", "-d, --output-dir", "--format",   "--width",
          "--style",      "--pen-press",      "--details",  "--brightness",
          "--red",        "--green",          "--blue",     "--invert",
          "--shift",      "--sandy-sky",      "--blur",     "--impression-brush",
          "--brush-size", "--stamp",          "--bw-photo", "--bw-dream",
          "--old-color",  "--new-color",      "--depth",    "--threads",
          "-q, --quiet",  "-h, --help",       "--version",  "water-color",
          "revolution",   "effects"}) {
        EXPECT_TRUE(result.out.contains(QString::fromUtf8(option))) << option;
    }
}

TEST(HelpTest, VersionIsTheProjectVersionAndHowDecodingIsConfined) {
    const CliResult result = RunCli({"--version"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith("kolvira-render " KOLVIRA_VERSION "\nDecoding: "))
        << result.out.toStdString();
}

} // namespace
} // namespace kolvira::cli::test
