// Public sample pictures that Debian packages ship, decoded by the program's
// decoding routine and by a reference decoder that nobody here wrote, side
// by side: the same size, the same orientation and the same pixels, within a
// tolerance per format. A file the reference refuses must be refused or
// shown with a "damaged" message. The few explained differences are listed
// in one table below; nothing else may differ.
#include "imageio/PhotoDecoding.h"

#include <QColorSpace>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace kolvira::test {
namespace {

enum class Reference { ImageMagick, Djxl, Dwebp, HeifConvert, DcrawEmu, RsvgConvert };

// A folder of samples from one package, each read with one reference
// decoder. `maxDifference` is the mean absolute difference per channel (0 to
// 255) allowed between the two decodes; lossless formats allow only rounding.
struct Collection {
    const char* name; // the test names' prefix
    const char* folder;
    QStringList patterns;
    Reference reference;
    double maxDifference;
    int fewestFiles; // a package that lost its samples fails the suite
};

const std::vector<Collection>& Collections() {
    static const std::vector<Collection> collections = {
        // PngSuite, in libsixel's examples: every bit depth, colour type,
        // interlacing, transparency, gamma, and corrupted files.
        {"PngSuite",
         "/usr/share/doc/libsixel-examples/examples/images/pngsuite",
         {"*.png"},
         Reference::ImageMagick,
         0.6,
         170},
        // GdkPixbuf's own test pictures: the GIF test suite, BMP, ICO, JPEG
        // with a profile or turned, TIFF, and files meant to fail.
        {"GdkPixbuf",
         "/usr/libexec/installed-tests/gdk-pixbuf",
         {"*.gif", "*.bmp", "*.ico", "*.jpg", "*.jpeg", "*.png", "*.tif", "*.tiff"},
         Reference::ImageMagick,
         1.0,
         120},
        // Go's image tests: TIFF compressions, predictors and bit depths;
        // BMP versions; WebP lossy, lossless and with alpha.
        {"GoImage",
         "/usr/share/gocode/src/golang.org/x/image/testdata",
         {"*.tiff", "*.bmp", "*.jpeg", "*.png"},
         Reference::ImageMagick,
         1.0,
         40},
        {"GoWebp",
         "/usr/share/gocode/src/golang.org/x/image/testdata",
         {"*.webp"},
         Reference::Dwebp,
         1.0,
         12},
        // libjxl's test data: JPEG XL stills and HDR, JPEGs of every chroma
        // subsampling and scan order, and the fuzzers' damaged files.
        {"LibjxlJxl", "/usr/share/libjxl-testdata/jxl", {"*.jxl"}, Reference::Djxl, 1.0, 5},
        {"LibjxlJpeg",
         "/usr/share/libjxl-testdata/jxl/flower",
         {"*.jpg"},
         Reference::ImageMagick,
         1.5,
         15},
        {"LibjxlFuzz",
         "/usr/share/libjxl-testdata/oss-fuzz",
         {"clusterfuzz-*"},
         Reference::Djxl,
         1.0,
         40},
        // AVIF from a file-type detector's tests.
        {"MimetypeAvif",
         "/usr/share/gocode/src/github.com/gabriel-vasile/mimetype/testdata",
         {"*.avif"},
         Reference::HeifConvert,
         3.0,
         2},
        // A Canon CR2 developed by LibRaw's own tool.
        {"RawtranRaw", "/usr/share/doc/rawtran", {"*.CR2"}, Reference::DcrawEmu, 2.0, 1},
        // WMF and EMF that Inkscape wrote from public drawings (made by
        // metafiles/make-metafiles.sh), against the drawings themselves
        // drawn by librsvg: no package ships metafiles, and no Linux
        // decoder but ours reads them. Open strokes closed by mistake (0.41
        // for the tiger) or drawn wider show past the EMF's tolerance.
        {"InkscapeEmf", KOLVIRA_METAFILE_FOLDER, {"*.emf"}, Reference::RsvgConvert, 0.35, 3},
        {"InkscapeWmf", KOLVIRA_METAFILE_FOLDER, {"*.wmf"}, Reference::RsvgConvert, 1.0, 3},
        // A Windows cursor from a JavaScript plotting library.
        {"FlotrCur",
         "/usr/share/doc/libjs-flotr/examples",
         {"*.cur"},
         Reference::ImageMagick,
         0.5,
         1},
    };
    return collections;
}

// How a file's decode may depart from the reference's, and why.
enum class Departure {
    Refused, // the program refuses a file the reference shows
    Damaged, // the program shows it with a "damaged" message
    Shown,   // the program shows a file the reference refuses
    Pixels,  // both show it, with other pixels
};

struct KnownDifference {
    const char* file; // the file's path in its collection's folder
    Departure departure;
    const char* reason;
};

// Reasons that several files share.
constexpr const char* kOrientationAsLong =
    "the EXIF orientation is stored as a signed 32-bit number, not the 16-bit one EXIF "
    "requires; Qt's reader ignores it, ImageMagick turns the picture";
constexpr const char* kPastColorTable =
    "pixels index past the colour table: ImageMagick stops, Qt draws them black";
constexpr const char* kTall = "a valid 1 x 65535 picture that ImageMagick's memory policy refuses";
constexpr const char* kWide = "a valid 65535 x 1 picture that ImageMagick's memory policy refuses";
constexpr const char* kBackgroundScreen =
    "Qt paints the screen around the frame in the GIF's background colour; ImageMagick "
    "and browsers leave it transparent";

// Every explained difference. A file listed here that no longer differs
// fails too, so the table stays true.
const std::vector<KnownDifference>& KnownDifferences() {
    static const std::vector<KnownDifference> known = {
        // GdkPixbuf
        {"bug143608-comment.jpg", Departure::Pixels, kOrientationAsLong},
        {"bug725582-testrotate.jpg", Departure::Pixels, kOrientationAsLong},
        {"premature-end.jpg", Departure::Damaged,
         "cut short: ImageMagick only warns, the program says it is damaged"},
        {"test-images/fail/overflow-codes.gif", Departure::Shown, kPastColorTable},
        {"test-images/gif-test-suite/overflow-codes.gif", Departure::Shown, kPastColorTable},
        {"test-images/gif-test-suite/invalid-colors.gif", Departure::Shown, kPastColorTable},
        {"test-images/gif-test-suite/max-height.gif", Departure::Shown, kTall},
        {"test-images/gif-test-suite/max-height.png", Departure::Shown, kTall},
        {"test-images/gif-test-suite/max-width.gif", Departure::Shown, kWide},
        {"test-images/gif-test-suite/max-width.png", Departure::Shown, kWide},
        {"test-images/gif-test-suite/image-inside-bg.gif", Departure::Pixels, kBackgroundScreen},
        {"test-images/gif-test-suite/image-outside-bg.gif", Departure::Pixels, kBackgroundScreen},
        {"test-images/gif-test-suite/image-overlap-bg.gif", Departure::Pixels, kBackgroundScreen},
        {"test-images/gif-test-suite/images-combine.gif", Departure::Pixels, kBackgroundScreen},
        {"test-images/randomly-modified/crash.ico", Departure::Refused,
         "an icon directory with damaged entries: Qt refuses it, ImageMagick guesses"},
        {"test-images/reftests/mandatory-bitmasks.bmp", Departure::Refused,
         "BI_BITFIELDS without its masks: Qt refuses it, ImageMagick assumes 5-6-5"},
        // GoImage
        {"yellow_rose-small.bmp", Departure::Pixels,
         "a 32-bit BMP without alpha; ImageMagick takes the fourth bytes for alpha, the "
         "program's picture equals the collection's own yellow_rose-small.png"},
        // LibjxlJxl and LibjxlFuzz
        {"pq_gradient.jxl", Departure::Pixels,
         "HDR (PQ): the program tone-maps it to sRGB; djxl writes the code values"},
        {"clusterfuzz-testcase-minimized-djxl_fuzzer-5582808628723712", Departure::Pixels,
         "HDR (HLG): the program tone-maps it to sRGB; djxl writes the code values"},
        {"clusterfuzz-testcase-minimized-djxl_fuzzer-6329817929220096", Departure::Pixels,
         "a fuzzed lossy file claiming a 1.35-nit peak and a gamma of 0.806 on illuminant E: "
         "the program shows libjxl's own sRGB rendering, djxl's picture through its profile "
         "is another"},
        // InkscapeWmf
        {"tiger.wmf", Departure::Pixels,
         "Inkscape's WMF leaves out the stripes on the tiger's forehead and draws the whiskers "
         "as outlined shapes; libwmf's own wmf2gd draws the file the same way"},
        // MimetypeAvif
        {"avifsequence.avif", Departure::Shown,
         "an AVIF sequence: heif-convert reads only still pictures, the program shows the "
         "first frame"},
    };
    return known;
}

const KnownDifference* FindKnown(const QString& relative) {
    for (const KnownDifference& known : KnownDifferences()) {
        if (relative == QLatin1String(known.file))
            return &known;
    }
    return nullptr;
}

// Pictures made at test time from a public one by tools nobody here wrote,
// for what no package ships: HEIC, AVIF, JPEG XL beyond libjxl's few files,
// and every EXIF orientation. Each command is a program and its arguments;
// {in} is the public picture scaled to 256 pixels wide as a PNG, {out} the
// file made.
struct Made {
    const char* name;
    const char* extension;
    std::vector<QStringList> commands;
    Reference reference;
    double maxDifference;
};

const char* const kMadeFrom = "/usr/share/libjxl-testdata/jxl/flower/flower_cropped.jpg";

std::vector<Made> MadeSamples() {
    std::vector<Made> made = {
        {"heic-lossy",
         "heic",
         {{"heif-enc", "-q", "90", "{in}", "-o", "{out}"}},
         Reference::HeifConvert,
         3.0},
        {"heic-lossless",
         "heic",
         {{"heif-enc", "-L", "{in}", "-o", "{out}"}},
         Reference::HeifConvert,
         1.0},
        {"avif-lossy",
         "avif",
         {{"heif-enc", "-A", "-q", "90", "{in}", "-o", "{out}"}},
         Reference::HeifConvert,
         3.0},
        {"jxl-lossless", "jxl", {{"cjxl", "{in}", "{out}", "-d", "0"}}, Reference::Djxl, 0.6},
        {"jxl-lossy", "jxl", {{"cjxl", "{in}", "{out}", "-d", "1"}}, Reference::Djxl, 1.0},
        {"jpeg-cmyk",
         "jpg",
         {{"convert", "{in}", "-colorspace", "CMYK", "{out}"}},
         Reference::ImageMagick,
         2.0},
    };
    for (int orientation = 1; orientation <= 8; ++orientation) {
        made.push_back(
            {nullptr,
             "jpg",
             {{"convert", "{in}", "{out}"},
              {"exiv2", "-M", QStringLiteral("set Exif.Image.Orientation %1").arg(orientation),
               "{out}"}},
             Reference::ImageMagick,
             1.0});
    }
    return made;
}

struct Sample {
    const Collection* collection; // null for a made one
    QString path;                 // a made one's name
    QString relative;             // to the collection's folder; a made one's name
    Reference reference;
    double maxDifference;
    std::vector<QStringList> commands; // what makes it
    QString extension;
};

void PrintTo(const Sample& sample, std::ostream* out) {
    *out << sample.path.toStdString();
}

std::vector<Sample> AllSamples() {
    std::vector<Sample> samples;
    for (const Collection& collection : Collections()) {
        QStringList found;
        QDirIterator it(QString::fromLatin1(collection.folder), collection.patterns, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext())
            found << it.next();
        found.sort();
        const QDir folder(QString::fromLatin1(collection.folder));
        for (const QString& path : found) {
            samples.push_back({&collection,
                               path,
                               folder.relativeFilePath(path),
                               collection.reference,
                               collection.maxDifference,
                               {},
                               {}});
        }
    }
    int orientation = 0;
    for (const Made& made : MadeSamples()) {
        const QString name = made.name != nullptr
                                 ? QString::fromLatin1(made.name)
                                 : QStringLiteral("jpeg-orientation-%1").arg(++orientation);
        samples.push_back({nullptr, name, name, made.reference, made.maxDifference, made.commands,
                           QString::fromLatin1(made.extension)});
    }
    return samples;
}

QString ProgramPath(const char* name) {
    // Debian's own copy first: another folder on the PATH may hold a wrapper.
    const QString program = QStandardPaths::findExecutable(QString::fromLatin1(name), {"/usr/bin"});
    return program.isEmpty() ? QStandardPaths::findExecutable(QString::fromLatin1(name)) : program;
}

struct ReferenceDecode {
    QImage image; // null when the reference refused the file
    QString said; // what it said on stderr
};

// The sRGB profile ImageMagick converts embedded profiles to, so that its
// picture is in the colours the program shows.
QString SrgbProfileIn(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("srgb.icc"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(QColorSpace(QColorSpace::SRgb).iccProfile());
    return path;
}

// Runs `program`; false, with what it said, unless it ends well in time.
bool Run(QProcess& process, const QString& program, const QStringList& arguments, QString& said) {
    process.start(program, arguments);
    if (!process.waitForFinished(60'000)) {
        process.kill();
        process.waitForFinished();
        said = QStringLiteral("%1 did not finish").arg(program);
        return false;
    }
    said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The frame ImageMagick is to read: the first, or for an icon or cursor the
// one desktops show, the largest (then the deepest), as ImageMagick lists them.
QString ImageMagickFrame(const QString& path) {
    if (!path.endsWith(QLatin1String(".ico")) && !path.endsWith(QLatin1String(".cur")))
        return path + QStringLiteral("[0]");
    QProcess identify;
    QString said;
    if (!Run(identify, ProgramPath("identify"),
             {QStringLiteral("-format"), QStringLiteral("%p %w %h %z\n"), path}, said))
        return path + QStringLiteral("[0]");
    int chosen = 0;
    std::tuple<qint64, int> best{-1, -1};
    for (const QByteArray& line : identify.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() != 4)
            continue;
        const std::tuple<qint64, int> rank{fields[1].toLongLong() * fields[2].toLongLong(),
                                           fields[3].toInt()};
        if (rank > best) {
            best = rank;
            chosen = fields[0].toInt();
        }
    }
    return path + QStringLiteral("[%1]").arg(chosen);
}

// The drawing beside a metafile that it was made from: the same name, .svg or
// .svgz.
QString SourceDrawing(const QString& metafile) {
    const QFileInfo info(metafile);
    const QString svg = info.dir().filePath(info.completeBaseName() + QStringLiteral(".svg"));
    return QFileInfo::exists(svg) ? svg : svg + QLatin1Char('z');
}

// `size` is what the program drew a metafile at; the drawing it was made from
// is drawn at it (other references decode at the file's own size).
ReferenceDecode DecodeWithReference(Reference reference, const QString& path, QSize size) {
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("reference.png"));
    QString program;
    QStringList arguments;
    switch (reference) {
    case Reference::ImageMagick:
        program = ProgramPath("convert");
        arguments = {ImageMagickFrame(path)};
        // The program takes a PNG without a colour profile for sRGB, gAMA
        // and cHRM chunks or not (most of them state sRGB's own curve, and
        // PngSuite's a linear one that browsers also ignore): so is the
        // reference told to.
        if (path.endsWith(QLatin1String(".png")))
            arguments << QStringLiteral("-set") << QStringLiteral("colorspace")
                      << QStringLiteral("sRGB");
        // A GIF frame sits on its screen at its offset: flattened onto the
        // transparent screen, it has the screen's size, as the program shows.
        arguments << QStringLiteral("-auto-orient") << QStringLiteral("-profile")
                  << SrgbProfileIn(dir) << QStringLiteral("-background") << QStringLiteral("none")
                  << QStringLiteral("-layers") << QStringLiteral("flatten")
                  << QStringLiteral("-depth") << QStringLiteral("8")
                  << QStringLiteral("PNG32:") + out;
        break;
    case Reference::Djxl:
        program = ProgramPath("djxl");
        arguments = {path, out};
        break;
    case Reference::Dwebp:
        program = ProgramPath("dwebp");
        arguments = {path, QStringLiteral("-o"), out};
        break;
    case Reference::HeifConvert:
        program = ProgramPath("heif-convert");
        arguments = {path, out};
        break;
    case Reference::RsvgConvert:
        // The drawing the metafile was made from, on white as metafiles are
        // drawn.
        program = ProgramPath("rsvg-convert");
        arguments = {QStringLiteral("--background-color=white"), QStringLiteral("-o"), out,
                     SourceDrawing(path)};
        if (size.isValid())
            arguments << QStringLiteral("-w") << QString::number(size.width())
                      << QStringLiteral("-h") << QString::number(size.height());
        break;
    case Reference::DcrawEmu:
        program = ProgramPath("dcraw_emu");
        arguments = {QStringLiteral("-w"), QStringLiteral("-Z"), QStringLiteral("-"), path};
        break;
    }
    QProcess process;
    if (reference == Reference::DcrawEmu)
        process.setStandardOutputFile(out);
    ReferenceDecode decoded;
    if (!Run(process, program, arguments, decoded.said))
        return decoded;
    // The other decoders keep the picture's own colours, with its profile:
    // ImageMagick converts them to sRGB, as the program shows them.
    if (reference != Reference::ImageMagick) {
        QProcess toSrgb;
        QString said;
        const QString converted = dir.filePath(QStringLiteral("srgb.png"));
        if (!Run(toSrgb, ProgramPath("convert"),
                 {out, QStringLiteral("-profile"), SrgbProfileIn(dir), QStringLiteral("-depth"),
                  QStringLiteral("8"), QStringLiteral("PNG32:") + converted},
                 said)) {
            decoded.said += said;
            return decoded;
        }
        decoded.image.load(converted);
        return decoded;
    }
    decoded.image.load(out);
    return decoded;
}

// The mean absolute difference per channel of the two pictures laid on
// black, the way kolvira-render shows transparent parts.
double MeanDifference(const QImage& a, const QImage& b) {
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            sum += std::abs(qRed(l[x]) - qRed(r[x])) + std::abs(qGreen(l[x]) - qGreen(r[x])) +
                   std::abs(qBlue(l[x]) - qBlue(r[x]));
        }
    }
    return sum / (3.0 * left.width() * left.height());
}

std::string TestName(const Sample& sample) {
    const char* prefix = sample.collection != nullptr ? sample.collection->name : "Made";
    std::string name = std::string(prefix) + "_" + sample.relative.toStdString();
    // GoogleTest names take letters, digits and '_'; "random-image" and
    // "random_image" are two files.
    std::string valid;
    for (const char c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_')
            valid += c;
        else if (c != '-')
            valid += '_';
    }
    return valid;
}

class Conformance : public testing::TestWithParam<Sample> {
protected:
    static void SetUpTestSuite() { ApplyDecodeLimits(); }
};

// Runs the commands that make a sample into `dir`; its path, or empty.
QString MadeIn(const QTemporaryDir& dir, const Sample& sample) {
    const QString in = dir.filePath(QStringLiteral("public.png"));
    const QString out = dir.filePath(QStringLiteral("made.") + sample.extension);
    std::vector<QStringList> commands = {
        {"convert", QString::fromLatin1(kMadeFrom), "-resize", "256x", in}};
    commands.insert(commands.end(), sample.commands.begin(), sample.commands.end());
    for (QStringList command : commands) {
        command.replaceInStrings(QStringLiteral("{in}"), in);
        command.replaceInStrings(QStringLiteral("{out}"), out);
        QProcess process;
        QString said;
        const QString program = ProgramPath(qPrintable(command.takeFirst()));
        if (!Run(process, program, command, said)) {
            ADD_FAILURE() << program.toStdString() << ": " << said.toStdString();
            return {};
        }
    }
    return out;
}

// kolvira-render's exit status for `input`, with `extra` options, drawn to
// `output`; -1 when it crashed or hung.
int RenderExitCode(const QString& input, const QString& output, QString& said,
                   const QStringList& extra = {}) {
    QProcess render;
    render.start(QStringLiteral(KOLVIRA_RENDER_PROGRAM),
                 QStringList{QStringLiteral("--style"), QStringLiteral("effects"), input,
                             QStringLiteral("-o"), output} +
                     extra);
    if (!render.waitForFinished(120'000))
        return -1;
    said = QString::fromLocal8Bit(render.readAllStandardError());
    return render.exitStatus() == QProcess::NormalExit ? render.exitCode() : -1;
}

// kolvira-render draws a file the decoding routine shows whole, to a PNG,
// and refuses any other, naming the decoder's reason (up to the libraries'
// own lines, which a threaded decoder gives in any order). Drawn at most 32
// pixels wide: the decoding is what is checked.
void ExpectRenderedAsDecoded(const QString& path, const DecodedPhoto& ours,
                             const QTemporaryDir& dir) {
    const QString output = dir.filePath(QStringLiteral("rendered.png"));
    const int width = ours.image.isNull() ? 32 : std::min(32, ours.image.width());
    QString said;
    const int exitCode =
        RenderExitCode(path, output, said, {QStringLiteral("--width"), QString::number(width)});
    const QString reason = ours.error.isEmpty() ? ours.damage : ours.error;
    if (reason.isEmpty()) {
        EXPECT_EQ(exitCode, 0) << said.toStdString();
        EXPECT_TRUE(QFileInfo::exists(output));
    } else {
        EXPECT_EQ(exitCode, 1) << said.toStdString();
        EXPECT_TRUE(said.contains(reason.section(QStringLiteral("; "), 0, 0)))
            << said.toStdString();
    }
}

TEST_P(Conformance, DecodesAsTheReferenceDoes) {
    const Sample& sample = GetParam();
    const KnownDifference* known = FindKnown(sample.relative);
    QTemporaryDir dir;
    const QString path = sample.commands.empty() ? sample.path : MadeIn(dir, sample);
    ASSERT_FALSE(path.isEmpty());
    const DecodedPhoto ours = DecodePhoto(QFile::encodeName(path));
    const ReferenceDecode theirs = DecodeWithReference(sample.reference, path, ours.image.size());
    SCOPED_TRACE(("ours: " + (ours.error.isEmpty() ? ours.damage : ours.error) +
                  "; reference: " + theirs.said)
                     .toStdString());
    ExpectRenderedAsDecoded(path, ours, dir);

    // For the table of results in tests/README.md (--gtest_output=xml).
    RecordProperty("outcome", known != nullptr        ? "explained"
                              : theirs.image.isNull() ? "broken"
                                                      : "correct");
    if (theirs.image.isNull()) {
        // Broken, by the reference's word: never shown as if whole.
        const bool told = !ours.error.isEmpty() || !ours.damage.isEmpty();
        EXPECT_EQ(!told, known != nullptr && known->departure == Departure::Shown);
        return;
    }
    const bool refused = ours.image.isNull();
    EXPECT_EQ(refused, known != nullptr && known->departure == Departure::Refused);
    if (refused)
        return;
    EXPECT_EQ(!ours.damage.isEmpty(), known != nullptr && known->departure == Departure::Damaged);
    const bool sameSize = ours.image.size() == theirs.image.size();
    const double difference = sameSize ? MeanDifference(ours.image, theirs.image) : 255;
    EXPECT_EQ(difference > sample.maxDifference,
              known != nullptr && known->departure == Departure::Pixels)
        << "mean difference " << difference << ", sizes " << ours.image.width() << "x"
        << ours.image.height() << " and " << theirs.image.width() << "x" << theirs.image.height();
}

INSTANTIATE_TEST_SUITE_P(PublicSamples, Conformance, testing::ValuesIn(AllSamples()),
                         [](const testing::TestParamInfo<Sample>& info) {
                             return TestName(info.param);
                         });

// One sample of each format, whole and cut short.
struct FormatSample {
    const char* format;
    const char* path;
};
const FormatSample kFormatSamples[] = {
    {"PNG", "/usr/share/libjxl-testdata/jxl/flower/flower_alpha.png"},
    {"PNG, interlaced",
     "/usr/share/doc/libsixel-examples/examples/images/pngsuite/interlacing/basi2c16.png"},
    {"JPEG", "/usr/share/libjxl-testdata/jxl/flower/flower.png.im_q85_420.jpg"},
    {"JPEG, progressive", "/usr/share/libjxl-testdata/jxl/flower/flower.png.im_q85_420_progr.jpg"},
    {"GIF", "/usr/libexec/installed-tests/gdk-pixbuf/test-images/gif-test-suite/max-codes.gif"},
    {"BMP", "/usr/share/gocode/src/golang.org/x/image/testdata/video-001.bmp"},
    {"TIFF", "/usr/share/gocode/src/golang.org/x/image/testdata/video-001-uncompressed.tiff"},
    {"TIFF, LZW",
     "/usr/share/gocode/src/golang.org/x/image/testdata/blue-purple-pink.lzwcompressed.tiff"},
    {"WebP, lossy", "/usr/share/gocode/src/golang.org/x/image/testdata/yellow_rose.lossy.webp"},
    {"WebP, lossless",
     "/usr/share/gocode/src/golang.org/x/image/testdata/yellow_rose.lossless.webp"},
    {"JPEG XL", "/usr/share/libjxl-testdata/jxl/splines.jxl"},
    {"AVIF", "/usr/share/gocode/src/github.com/gabriel-vasile/mimetype/testdata/avif.avif"},
    {"ICO", "/usr/libexec/installed-tests/gdk-pixbuf/test-images/reftests/squares.ico"},
    {"CR2", "/usr/share/doc/rawtran/IMG_5952.CR2"},
    {"EMF", KOLVIRA_METAFILE_FOLDER "/tiger.emf"},
    {"WMF", KOLVIRA_METAFILE_FOLDER "/tiger.wmf"},
};

// A file cut short is refused or shown as damaged, in every format, and
// kolvira-render refuses it with the decoder's reason; the whole file
// renders.
TEST(ConformanceSamples, CutShortFilesAreNeverShownAsWhole) {
    ApplyDecodeLimits();
    QTemporaryDir dir;
    for (const FormatSample& sample : kFormatSamples) {
        SCOPED_TRACE(sample.format);
        QFile whole(QString::fromLatin1(sample.path));
        ASSERT_TRUE(whole.open(QIODevice::ReadOnly)) << sample.path;
        const QByteArray bytes = whole.readAll();
        const QString extension = QFileInfo(whole.fileName()).suffix();
        const QString cut = dir.filePath(QStringLiteral("cut.") + extension);
        QFile cutFile(cut);
        ASSERT_TRUE(cutFile.open(QIODevice::WriteOnly));
        cutFile.write(bytes.first(bytes.size() * 6 / 10));
        cutFile.close();

        const DecodedPhoto decoded = DecodePhoto(QFile::encodeName(cut));
        EXPECT_FALSE(decoded.error.isEmpty() && decoded.damage.isEmpty());
        QString said;
        EXPECT_EQ(RenderExitCode(cut, dir.filePath("cut-out.png"), said), 1);
        const QString reason = decoded.error.isEmpty() ? decoded.damage : decoded.error;
        EXPECT_TRUE(said.contains(reason)) << said.toStdString();
        EXPECT_EQ(RenderExitCode(whole.fileName(), dir.filePath("whole-out.png"), said), 0)
            << said.toStdString();
    }
}

// pstoedit's EMF of a red box crossed by a blue line (pstoedit/box.ps) turns
// to MM_ANISOTROPIC without setting its extents: the box and the line are
// shown, most of the picture red (libemf2svg draws the line one pixel wide).
TEST(ConformanceSamples, PstoeditEmfShowsItsDrawing) {
    ApplyDecodeLimits();
    const DecodedPhoto decoded = DecodePhoto(KOLVIRA_METAFILE_FOLDER "/../pstoedit/box.emf");
    ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
    EXPECT_TRUE(decoded.damage.isEmpty()) << decoded.damage.toStdString();
    const QImage image = decoded.image.convertToFormat(QImage::Format_RGB32);
    const auto share = [&](auto isColor) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += isColor(image.pixel(x, y)) ? 1 : 0;
        }
        return double(count) / (image.width() * image.height());
    };
    EXPECT_GT(share([](QRgb p) { return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60; }), 0.7);
    EXPECT_GT(share([](QRgb p) { return qBlue(p) > 200 && qRed(p) < 60 && qGreen(p) < 60; }),
              0.003);
}

// Every collection's package is installed and still holds its samples, and
// every known difference names a file that is there.
TEST(ConformanceSamples, EveryCollectionIsThere) {
    const std::vector<Sample> samples = AllSamples();
    for (const Collection& collection : Collections()) {
        const auto count = std::count_if(samples.begin(), samples.end(), [&](const Sample& s) {
            return s.collection == &collection;
        });
        EXPECT_GE(count, collection.fewestFiles) << collection.name << " in " << collection.folder;
    }
    for (const KnownDifference& known : KnownDifferences()) {
        EXPECT_TRUE(std::any_of(samples.begin(), samples.end(), [&](const Sample& s) {
            return s.relative == QLatin1String(known.file);
        })) << known.file;
    }
}

} // namespace
} // namespace kolvira::test
