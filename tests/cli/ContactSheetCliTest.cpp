// kolvira-render --contact-sheet: a folder's photos printed as the Mosaic's
// contact sheet, checked in the PDF itself with poppler's pdfinfo,
// pdftotext and pdfimages; and the ways such a run fails.
#include "CliTestSupport.h"
#include "PdfPages.h"
#include "PublicSamples.h"
#include "cli/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <unistd.h>

namespace kolvira::cli::test {
namespace {

using kolvira::test::PdfImageWidths;
using kolvira::test::PdfPageCount;
using kolvira::test::PdfPageLines;
using kolvira::test::PdfPageSize;

// Qt writes the A4 page box in whole points.
const QString kA4 = QStringLiteral("595 x 842 pts (A4)");

struct Word {
    QString text;
    double left = 0; // points
    double right = 0;
};

// The words of the first row of text on page 1, left to right, as pdftotext
// tells them apart: text that touches the next text is one word with it.
QList<Word> FirstRowWords(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-bbox", "-f", "1", "-l", "1", pdf, "-"});
    process.waitForFinished(60'000);
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    QList<Word> row;
    QString rowTop;
    for (const auto& match : word.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        if (rowTop.isEmpty())
            rowTop = match.captured(2);
        if (match.captured(2) == rowTop)
            row << Word{match.captured(4), match.captured(1).toDouble(),
                        match.captured(3).toDouble()};
    }
    return row;
}

// One folder of 200 small JPEGs, p000.jpg to p199.jpg, for the whole suite.
class ContactSheetCliTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        work_ = std::make_unique<QTemporaryDir>();
        ASSERT_TRUE(work_->isValid());
        ASSERT_TRUE(QDir(work_->path()).mkpath("photos") && QDir(work_->path()).mkpath("empty"));
        const QImage photo = MakePhoto(40, 30);
        for (int i = 0; i < 200; ++i)
            SavePhoto(photo, Path(QStringLiteral("photos/p%1.jpg").arg(i, 3, 10, QChar(u'0'))));
    }
    static void TearDownTestSuite() { work_.reset(); }

    static QString Path(const QString& name) { return work_->filePath(name); }
    static CliResult Sheet(const QStringList& arguments) {
        return RunCli(QStringList{"--quiet"} + arguments, work_->path());
    }

private:
    static inline std::unique_ptr<QTemporaryDir> work_;
};

TEST_F(ContactSheetCliTest, PagesFollowTheMosaicGridAtEveryResolution) {
    struct Case {
        QStringList options;
        int pages;
        const char* firstOnPage2;
    };
    // A4 is about 794 x 1123 screen pixels: 110 x 85 cells give 7 x 13 per
    // page, 210 x 160 cells 3 x 7.
    const Case cases[] = {
        {{}, 3, "91, p091.jpg"},
        {{"--dpi", "720"}, 3, "91, p091.jpg"},
        {{"--dpi", "300"}, 3, "91, p091.jpg"},
        {{"--thumb-width", "200"}, 10, "21, p021.jpg"},
    };
    int run = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const QString name =
            QStringLiteral("sheet%1.pdf").arg(++run); // none left by an earlier case
        const QString pdf = Path(name);
        const CliResult result =
            Sheet(QStringList{"--contact-sheet", "photos", "-o", name} + c.options);
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();

        EXPECT_EQ(PdfPageCount(pdf), c.pages);
        EXPECT_EQ(PdfPageSize(pdf), kA4);
        // Each line of text is one row of captions.
        EXPECT_TRUE(PdfPageLines(pdf, 1).value(0).startsWith("0, p000.jpg 1, p001.jpg"));
        EXPECT_TRUE(PdfPageLines(pdf, 2).value(0).startsWith(c.firstOnPage2));
        EXPECT_TRUE(PdfPageLines(pdf, c.pages).join(' ').endsWith("199, p199.jpg"));
    }
}

// Each photo is printed from a picture as wide as its cell on the paper (a
// 100-pixel cell is 625 dots at 600 DPI), never wider than the photo itself.
TEST_F(ContactSheetCliTest, PicturesHaveThePrintersResolution) {
    ASSERT_TRUE(QDir(Path("")).mkpath("large"));
    SavePhoto(MakePhoto(1600, 1200), Path("large/big.jpg"));
    SavePhoto(MakePhoto(40, 30), Path("large/small.jpg"));
    const std::pair<QStringList, QList<int>> cases[] = {
        {{}, {625, 40}},
        {{"--dpi", "300"}, {313, 40}},
        {{"--thumb-width", "200"}, {1250, 40}},
    };
    for (const auto& [options, widths] : cases) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const CliResult result =
            Sheet(QStringList{"--contact-sheet", "large", "-o", "large.pdf"} + options);
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(PdfImageWidths(Path("large.pdf")), widths);
    }
}

// Names far too long for their cells are shortened, each so that a gap is
// left before the next caption: neighbours never run together.
TEST_F(ContactSheetCliTest, LongCaptionsNeverTouch) {
    ASSERT_TRUE(QDir(Path("")).mkpath("long"));
    const QImage photo = MakePhoto(40, 30);
    for (int k = 0; k < 7; ++k)
        SavePhoto(photo, Path("long/%1_%2.jpg").arg(k).arg(QString("il").repeated(60)));
    const std::pair<const char*, int> cases[] = {{"100", 7}, {"200", 3}};
    for (const auto& [width, columns] : cases) {
        SCOPED_TRACE(width);
        const CliResult result =
            Sheet({"--contact-sheet", "long", "-o", "long.pdf", "--thumb-width", width});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        // "k," and the shortened name of each cell in the row.
        const QList<Word> words = FirstRowWords(Path("long.pdf"));
        ASSERT_EQ(words.size(), 2 * columns);
        for (int k = 1; k < columns; ++k) {
            EXPECT_EQ(words[2 * k].text, QString("%1,").arg(k));
            EXPECT_GE(words[2 * k].left - words[2 * k - 1].right, 2.0) << "before cell " << k;
        }
    }
}

// Photos that cannot be read before and across a page break: the pages are
// filled with the readable ones, numbered on without gaps.
TEST_F(ContactSheetCliTest, LeftOutFilesShiftTheFollowingPages) {
    ASSERT_TRUE(QDir(Path("")).mkpath("gaps"));
    for (int k = 0; k < 95; ++k) {
        const QString name = Path(QStringLiteral("gaps/a%1.jpg").arg(k, 3, 10, QChar(u'0')));
        if (k == 3 || k == 90)
            WriteBytes(name, "no picture\n");
        else
            ASSERT_TRUE(QFile::link(
                Path(QStringLiteral("photos/p%1.jpg").arg(k, 3, 10, QChar(u'0'))), name));
    }
    const CliResult result = Sheet({"--contact-sheet", "gaps", "-o", "gaps.pdf"});
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(result.errLines().size(), 2) << result.err.toStdString();
    EXPECT_TRUE(result.errLines()[0].startsWith("kolvira-render: gaps/a003.jpg: left out: "));
    EXPECT_TRUE(result.errLines()[1].startsWith("kolvira-render: gaps/a090.jpg: left out: "));
    EXPECT_EQ(PdfPageCount(Path("gaps.pdf")), 2);
    EXPECT_TRUE(PdfPageLines(Path("gaps.pdf"), 1)
                    .value(0)
                    .startsWith("0, a000.jpg 1, a001.jpg 2, a002.jpg 3, a004.jpg"));
    EXPECT_EQ(PdfPageLines(Path("gaps.pdf"), 2), QStringList{"91, a093.jpg 92, a094.jpg"});
    EXPECT_EQ(PdfImageWidths(Path("gaps.pdf")).size(), 93);
}

TEST_F(ContactSheetCliTest, EmptyFolderGivesOneBlankPage) {
    const CliResult result = Sheet({"--contact-sheet", "empty/", "-o", "blank.pdf"});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(PdfPageCount(Path("blank.pdf")), 1);
    EXPECT_EQ(PdfPageSize(Path("blank.pdf")), kA4);
    EXPECT_TRUE(PdfPageLines(Path("blank.pdf"), 1).isEmpty());
}

// Like the Mosaic, a file that is no picture gets no entry, so the next
// photo takes its number; the run says so and exits 1.
TEST_F(ContactSheetCliTest, UnreadableFileIsLeftOutAndNamed) {
    ASSERT_TRUE(QDir(Path("")).mkpath("mixed"));
    SavePhoto(MakePhoto(40, 30), Path("mixed/a.jpg"));
    WriteBytes(Path("mixed/x.jpg"), "just some text\n");
    SavePhoto(MakePhoto(30, 40), Path("mixed/z.png"));

    const CliResult result = Sheet({"--contact-sheet", "mixed", "-o", "mixed.pdf"});
    EXPECT_EQ(result.exitCode, 1);
    ASSERT_EQ(result.errLines().size(), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith("kolvira-render: mixed/x.jpg: left out: "))
        << result.err.toStdString();
    EXPECT_EQ(PdfPageLines(Path("mixed.pdf"), 1), QStringList{"0, a.jpg 1, z.png"});
}

// Damaged PNGs of the PNG test suite and a cut-off JPEG XL: the libraries'
// own lines (libpng's errors, libjxl's traces) never reach the terminal, and
// the program names each file once, with the codec's reason when it is known
// to be that file's.
TEST_F(ContactSheetCliTest, DamagedFilesAreNamedOnceAndLibrariesStayQuiet) {
    const QStringList damaged = {"corrupted/xcsn0g01.png", "corrupted/xhdn0g08.png",
                                 "corrupted/xdtn0g01.png", "corrupted/xd0n2c08.png"};
    ASSERT_TRUE(QDir(Path("")).mkpath("damaged"));
    for (const QString& name : damaged) {
        const kolvira::test::PublicSample sample = kolvira::test::PngSuite(name);
        if (const QString missing = sample.Missing(); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        ASSERT_TRUE(QFile::copy(sample.path, Path("damaged/" + QFileInfo(name).fileName())));
    }
    SavePhoto(MakePhoto(40, 30), Path("damaged/good.jpg"));
    QStringList named = {"xcsn0g01.png", "xhdn0g08.png", "xdtn0g01.png", "xd0n2c08.png"};
    if (QProcess cjxl; !QStandardPaths::findExecutable("cjxl").isEmpty()) {
        cjxl.start("cjxl", {Path("damaged/good.jpg"), Path("whole.jxl")});
        ASSERT_TRUE(cjxl.waitForFinished(60'000) && cjxl.exitCode() == 0);
        WriteBytes(Path("damaged/cut.jxl"), ReadBytes(Path("whole.jxl")).first(40));
        named << "cut.jxl";
    }

    for (const char* threads : {"1", "3"}) {
        SCOPED_TRACE(std::string("threads ") + threads);
        const CliResult result =
            Sheet({"--contact-sheet", "damaged", "-o", "damaged.pdf", "--threads", threads});
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.errLines().size(), named.size()) << result.err.toStdString();
        for (const QString& line : result.errLines())
            EXPECT_TRUE(line.startsWith("kolvira-render: damaged/")) << line.toStdString();
        for (const QString& name : named)
            EXPECT_EQ(result.err.count("damaged/" + name + ": left out: "), 1)
                << name.toStdString();
        if (QString(threads) == "1") {
            EXPECT_TRUE(result.err.contains("xcsn0g01.png: left out: Unable to read image data "
                                            "(libpng error: IDAT: CRC error)"))
                << result.err.toStdString();
        }
    }
}

TEST_F(ContactSheetCliTest, BadCommandLinesExitTwoAndWriteNothing) {
    const QStringList sheet = {"--contact-sheet", "photos", "-o", "bad.pdf"};
    const std::pair<QStringList, const char*> cases[] = {
        {{"--contact-sheet", "photos"}, "no output given"},
        {{"--contact-sheet", "photos", "-o", "bad.png"}, "a contact sheet is a PDF"},
        {sheet + QStringList{"--thumb-width", "10"}, "must be from 20 to 200"},
        {sheet + QStringList{"--thumb-width", "300"}, "must be from 20 to 200"},
        {sheet + QStringList{"--dpi", "0"}, "must be from 72 to 4800"},
        {sheet + QStringList{"--dpi", "4801"}, "must be from 72 to 4800"},
        {sheet + QStringList{"--style", "coal"}, "--style cannot be used with --contact-sheet"},
        {sheet + QStringList{"--blur"}, "--blur cannot be used with --contact-sheet"},
        {sheet + QStringList{"--width", "300"}, "--width cannot be used"},
        {{"--contact-sheet", "photos", "-d", "out"}, "-d cannot be used"},
        {sheet + QStringList{"photos/p000.jpg"}, "takes no input pictures"},
        {{"photos/p000.jpg", "-o", "bad.png", "--dpi", "300"}, "only with --contact-sheet"},
    };
    for (const auto& [arguments, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const CliResult result = Sheet(arguments);
        EXPECT_EQ(result.exitCode, 2);
        ASSERT_EQ(result.errLines().size(), 2) << result.err.toStdString();
        EXPECT_TRUE(result.errLines()[0].startsWith("kolvira-render: "));
        EXPECT_TRUE(result.errLines()[0].contains(QString::fromUtf8(message)))
            << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("bad.pdf")));
        EXPECT_FALSE(QFile::exists(Path("bad.png")));
    }
}

TEST_F(ContactSheetCliTest, MissingFolderFailsAndWritesNothing) {
    const CliResult result = Sheet({"--contact-sheet", "missing", "-o", "none.pdf"});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err.toStdString(),
              "kolvira-render: missing: cannot read the folder: No such file or directory\n");
    EXPECT_FALSE(QFile::exists(Path("none.pdf")));
}

TEST_F(ContactSheetCliTest, NeverWritesOverAPhoto) {
    // The sheet's name must end in .pdf, so a photo is reached only through
    // a link so named.
    ASSERT_TRUE(QFile::link(Path("photos/p007.jpg"), Path("link.pdf")));
    ASSERT_EQ(::link(QFile::encodeName(Path("photos/p007.jpg")).constData(),
                     QFile::encodeName(Path("hard.pdf")).constData()),
              0);
    const QByteArray photo = ReadBytes(Path("photos/p007.jpg"));
    for (const char* output : {"link.pdf", "photos/../hard.pdf"}) {
        SCOPED_TRACE(output);
        const CliResult result = Sheet({"--contact-sheet", "photos", "-o", output});
        EXPECT_EQ(result.exitCode, 1);
        ASSERT_EQ(result.errLines().size(), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.contains("refusing to write over the photo 'photos/p007.jpg'"))
            << result.err.toStdString();
        EXPECT_EQ(ReadBytes(Path("photos/p007.jpg")), photo);
    }
    EXPECT_TRUE(QFileInfo(Path("link.pdf")).isSymLink());
}

TEST_F(ContactSheetCliTest, FailedWriteLeavesNoFile) {
    // A folder that is a file fails for everyone; a read-only one not for root.
    WriteBytes(Path("plain"), "not a folder");
    QStringList outputs = {"plain/sheet.pdf"};
    ASSERT_TRUE(QDir(Path("")).mkpath("locked"));
    if (::geteuid() != 0) {
        ASSERT_TRUE(QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::ExeOwner));
        outputs << "locked/sheet.pdf";
    }
    for (const QString& output : outputs) {
        SCOPED_TRACE(output.toStdString());
        const CliResult result = Sheet({"--contact-sheet", "empty", "-o", output});
        EXPECT_EQ(result.exitCode, 1);
        ASSERT_EQ(result.errLines().size(), 1) << result.err.toStdString();
        EXPECT_TRUE(result.err.startsWith("kolvira-render: " + output + ": "));
    }
    EXPECT_TRUE(DirEntries(Path("locked")).isEmpty());
    QFile::setPermissions(Path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST(ContactSheetCommandLineTest, OptionsLandInTheirFields) {
    const ParsedCommandLine defaults = ParseCommandLine({"--contact-sheet", "dir", "-o", "s.pdf"});
    ASSERT_TRUE(defaults.ok()) << defaults.error.toStdString();
    EXPECT_EQ(defaults.options.action, CliAction::ContactSheet);
    EXPECT_EQ(defaults.options.sheetFolder, "dir");
    EXPECT_EQ(defaults.options.outputFile, "s.pdf");
    EXPECT_EQ(defaults.options.thumbWidth, 100);
    EXPECT_EQ(defaults.options.sheetDpi, 600);

    const ParsedCommandLine set = ParseCommandLine(
        {"-os.pdf", "--thumb-width=20", "--dpi", "4800", "--threads", "2", "--contact-sheet=d"});
    ASSERT_TRUE(set.ok()) << set.error.toStdString();
    EXPECT_EQ(set.options.sheetFolder, "d");
    EXPECT_EQ(set.options.thumbWidth, 20);
    EXPECT_EQ(set.options.sheetDpi, 4800);
    EXPECT_EQ(set.options.threads, 2);

    EXPECT_EQ(ParseCommandLine({"--contact-sheet", "d", "--help"}).options.action,
              CliAction::ShowHelp);
    EXPECT_FALSE(ParseCommandLine({"--contact-sheet=", "-o", "s.pdf"}).ok());
}

TEST(ContactSheetCommandLineTest, ToldApartBeforeParsing) {
    EXPECT_TRUE(AsksForContactSheet({"-q", "--contact-sheet", "d"}));
    EXPECT_TRUE(AsksForContactSheet({"--contact-sheet=d"}));
    EXPECT_FALSE(AsksForContactSheet({"in.jpg", "-o", "out.png"}));
    EXPECT_FALSE(AsksForContactSheet({"-o", "out.png", "--", "--contact-sheet"}));
}

} // namespace
} // namespace kolvira::cli::test
