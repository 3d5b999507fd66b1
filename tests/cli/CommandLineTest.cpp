// Parsing of kolvira-render's command line: each option lands in its own
// field and nowhere else, and every kind of bad line is refused with one line
// naming the problem.
#include "cli/CommandLine.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace kolvira::cli {
namespace {

auto Fields(const CliOptions& o) {
    const RenderParameters& s = o.settings;
    return std::tuple(o.action, o.threads, o.width, o.quiet, o.inputs, o.outputFile, o.outputDir,
                      o.batchSuffix, o.writerFormat, s.active, s.invertColors, s.shiftColors,
                      s.sandySky, s.blur, s.impressionBrush, s.stamp, s.blackWhitePhoto,
                      s.blackWhiteDream, s.style, s.replaceDepth, s.brushSize, s.penPress,
                      s.details, s.brightness, s.redLevel, s.greenLevel, s.blueLevel, s.oldColor,
                      s.newColor);
}

const QStringList kInOut = {"in.jpg", "-o", "out.png"};

CliOptions Defaults() {
    return ParseCommandLine(kInOut).options;
}

// Parses `arguments` and compares every field with the defaults as `change` leaves them.
void ExpectParsedAs(const QStringList& arguments, const std::function<void(CliOptions&)>& change) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    CliOptions expected = Defaults();
    change(expected);
    EXPECT_EQ(Fields(parsed.options), Fields(expected));
}

TEST(CommandLineTest, DefaultsAreTheDocumentedRecord) {
    ExpectParsedAs(kInOut, [](CliOptions& o) {
        o = CliOptions{};
        o.inputs = {"in.jpg"};
        o.outputFile = "out.png";
        o.writerFormat = "png";
        o.settings = RenderParameters{}; // every switch off, colours black
        o.settings.active = true;
        o.settings.penPress = 0.25;
        o.settings.details = 0.75;
        o.settings.brightness = o.settings.redLevel = 0.5;
        o.settings.greenLevel = o.settings.blueLevel = 0.5;
        o.settings.replaceDepth = 40;
        o.settings.brushSize = 2;
    });
}

TEST(CommandLineTest, SwitchesLevelsAndStylesSetTheirFields) {
    const std::pair<const char*, bool RenderParameters::*> switches[] = {
        {"--invert", &RenderParameters::invertColors},
        {"--shift", &RenderParameters::shiftColors},
        {"--sandy-sky", &RenderParameters::sandySky},
        {"--blur", &RenderParameters::blur},
        {"--impression-brush", &RenderParameters::impressionBrush},
        {"--stamp", &RenderParameters::stamp},
        {"--bw-photo", &RenderParameters::blackWhitePhoto},
        {"--bw-dream", &RenderParameters::blackWhiteDream},
    };
    for (const auto& [option, field] : switches)
        ExpectParsedAs(kInOut + QStringList{option},
                       [&](CliOptions& o) { o.settings.*field = true; });

    const std::pair<const char*, double RenderParameters::*> levels[] = {
        {"--pen-press", &RenderParameters::penPress},    {"--details", &RenderParameters::details},
        {"--brightness", &RenderParameters::brightness}, {"--red", &RenderParameters::redLevel},
        {"--green", &RenderParameters::greenLevel},      {"--blue", &RenderParameters::blueLevel},
    };
    for (const auto& [option, field] : levels)
        ExpectParsedAs(kInOut + QStringList{option, "0.125"},
                       [&](CliOptions& o) { o.settings.*field = 0.125; });

    const char* styles[] = {"pen",     "pencil",  "coal",       "water-color",
                            "picasso", "rainbow", "revolution", "effects"};
    for (int number = 0; number < 8; ++number)
        ExpectParsedAs(kInOut + QStringList{"--style", styles[number]},
                       [&](CliOptions& o) { o.settings.style = number; });
}

TEST(CommandLineTest, ValuesAndFormsOfWriting) {
    const std::pair<QStringList, std::function<void(CliOptions&)>> cases[] = {
        {kInOut + QStringList{"--old-color", "ff8001"},
         [](CliOptions& o) { o.settings.oldColor = 0x0180FF; }}, // red in the low byte
        {kInOut + QStringList{"--new-color", "#0a0B0c"},
         [](CliOptions& o) { o.settings.newColor = 0x0C0B0A; }},
        {kInOut + QStringList{"--depth", "-5"},
         [](CliOptions& o) { o.settings.replaceDepth = -5; }},
        {kInOut + QStringList{"--depth=-2147483648"},
         [](CliOptions& o) { o.settings.replaceDepth = INT32_MIN; }},
        {kInOut + QStringList{"--brush-size", "9"},
         [](CliOptions& o) { o.settings.brushSize = 9; }},
        {kInOut + QStringList{"--brush-size", "0"},
         [](CliOptions& o) { o.settings.brushSize = 1; }},
        {kInOut + QStringList{"--brush-size=-7"}, [](CliOptions& o) { o.settings.brushSize = 1; }},
        {kInOut + QStringList{"--blue", "+4e-1"},
         [](CliOptions& o) { o.settings.blueLevel = 0.4; }},
        {kInOut + QStringList{"--red", "0.1", "--red=.9"},
         [](CliOptions& o) { o.settings.redLevel = 0.9; }},
        {kInOut + QStringList{"--width", "640", "--threads", "3", "-q"},
         [](CliOptions& o) { o.width = 640, o.threads = 3, o.quiet = true; }},
        {{"--quiet", "in.jpg", "--output=out.png"}, [](CliOptions& o) { o.quiet = true; }},
        {{"in.jpg", "-oout.JPEG"},
         [](CliOptions& o) { o.outputFile = "out.JPEG", o.writerFormat = "jpeg"; }},
        {{"-o", "out.png", "--", "--invert"}, [](CliOptions& o) { o.inputs = {"--invert"}; }},
        {{"a.jpg", "-d", "out", "b.jpg"},
         [](CliOptions& o) {
             o.inputs = {"a.jpg", "b.jpg"};
             o.outputFile.clear();
             o.outputDir = "out", o.batchSuffix = "png";
         }},
        {{"a.jpg", "--output-dir=out", "--format", "TIF"},
         [](CliOptions& o) {
             o.inputs = {"a.jpg"};
             o.outputFile.clear();
             o.outputDir = "out", o.batchSuffix = "tif", o.writerFormat = "tif";
         }},
    };
    for (const auto& [arguments, change] : cases)
        ExpectParsedAs(arguments, change);
}

TEST(CommandLineTest, HelpAndVersionNeedNothingElse) {
    EXPECT_EQ(ParseCommandLine({"-h"}).options.action, CliAction::ShowHelp);
    EXPECT_EQ(ParseCommandLine({"--version"}).options.action, CliAction::ShowVersion);
    EXPECT_TRUE(ParseCommandLine({"in.jpg", "--help", "--bogus"}).ok());
}

TEST(CommandLineTest, BadLinesAreRefusedWithOneLine) {
    const std::pair<QStringList, const char*> cases[] = {
        {kInOut + QStringList{"--pen-press", "1.5"}, "invalid value '1.5' for --pen-press"},
        {kInOut + QStringList{"--details", "-0.1"}, "--details"},
        {kInOut + QStringList{"--red", "nan"}, "--red"},
        {kInOut + QStringList{"--green", "inf"}, "--green"},
        {kInOut + QStringList{"--blue", "1e400"}, "--blue"},
        {kInOut + QStringList{"--brightness", "0.5x"}, "not a number"},
        {kInOut + QStringList{"--brightness", " 0.5"}, "not a number"},
        {kInOut + QStringList{"--brightness", "0,5"}, "not a number"},
        {kInOut + QStringList{"--brightness="}, "not a number"},
        {kInOut + QStringList{"--depth", "2147483648"}, "--depth"},
        {kInOut + QStringList{"--depth", "1.5"}, "not an integer"},
        {kInOut + QStringList{"--brush-size", "big"}, "--brush-size"},
        {kInOut + QStringList{"--width", "0"}, "--width"},
        {kInOut + QStringList{"--threads", "-1"}, "--threads"},
        {kInOut + QStringList{"--old-color", "12345"}, "--old-color"},
        {kInOut + QStringList{"--new-color", "#1234567"}, "--new-color"},
        {kInOut + QStringList{"--new-color", "ggg000"}, "--new-color"},
        {kInOut + QStringList{"--style", "crayon"}, "--style"},
        {kInOut + QStringList{"--bogus"}, "unknown option '--bogus'"},
        {kInOut + QStringList{"--inv"}, "unknown option '--inv'"},
        {kInOut + QStringList{"-qh"}, "unknown option '-qh'"},
        {kInOut + QStringList{"--invert=1"}, "'--invert' takes no value"},
        {kInOut + QStringList{"--pen-press"}, "'--pen-press' needs a value"},
        {{"in.jpg", "-o"}, "'-o' needs a value"},
        {{"in.jpg", "-o", ""}, "-o"},
        {{"-o", "out.png"}, "no input"},
        {{"", "-o", "out.png"}, "empty"},
        {{"in.jpg"}, "no output"},
        {kInOut + QStringList{"-d", "dir"}, "-o and -d"},
        {kInOut + QStringList{"b.jpg"}, "-o takes a single input"},
        {kInOut + QStringList{"--format", "jpg"}, "--format"},
        {{"in.jpg", "-o", "out.xyz"}, "'out.xyz'"},
        {{"in.jpg", "-o", "out"}, "'out'"},
        {{"in.jpg", "-d", "dir", "--format", "xyz"}, "'xyz'"},
    };
    for (const auto& [arguments, message] : cases) {
        const ParsedCommandLine parsed = ParseCommandLine(arguments);
        SCOPED_TRACE(arguments.join(' ').toStdString() + " -> " + parsed.error.toStdString());
        EXPECT_FALSE(parsed.ok());
        EXPECT_TRUE(parsed.error.contains(QString::fromUtf8(message)));
        EXPECT_FALSE(parsed.error.contains(u'\n'));
    }
}

} // namespace
} // namespace kolvira::cli
