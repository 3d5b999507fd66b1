// Looks: a look file holds every value exactly, a damaged one is refused with
// its problem named, and kolvira-render draws the same picture from a look
// file, a saved look and a drawing's own look as from the flags.
#include "CliTestSupport.h"
#include "cli/CommandLine.h"
#include "imageio/LookFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kolvira::cli::test {
namespace {

RenderParameters EveryValueSet() {
    RenderParameters s;
    s.active = true;
    s.invertColors = s.shiftColors = s.sandySky = s.blur = true;
    s.impressionBrush = s.stamp = s.blackWhitePhoto = s.blackWhiteDream = true;
    s.style = kStyleRevolution;
    s.replaceDepth = -7;
    s.brushSize = 9;
    // Slider values that have no short decimal form.
    s.penPress = SliderValue(33), s.details = SliderValue(67), s.brightness = 0.1 + 0.2;
    s.redLevel = 1.0, s.greenLevel = 0.0, s.blueLevel = SliderValue(1);
    s.oldColor = MakeColorref(0x12, 0xAB, 0xFE);
    s.newColor = MakeColorref(0xFF, 0x00, 0x01);
    return s;
}

TEST(LookFileTest, HoldsEveryValueExactly) {
    const RenderParameters settings = EveryValueSet();
    for (const LookLayout layout : {LookLayout::Indented, LookLayout::OneLine}) {
        const LookReading read = LookFromJson(LookToJson(settings, layout));
        ASSERT_TRUE(read.ok()) << read.error.toStdString();
        EXPECT_EQ(read.settings, settings);
    }
}

// What Copy Render Command puts on the clipboard sets the same values.
TEST(LookFileTest, ArgumentsSetEveryValueExactly) {
    RenderParameters fewSwitches = EveryValueSet();
    fewSwitches.blur = fewSwitches.stamp = false;
    for (const RenderParameters& settings : {EveryValueSet(), fewSwitches}) {
        const ParsedCommandLine parsed =
            ParseCommandLine(LookToArguments(settings) + QStringList{"in.jpg", "-o", "out.png"});
        ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
        EXPECT_EQ(parsed.options.settings, settings);
    }
}

TEST(LookFileTest, DamagedLooksAreRefusedWithTheirProblem) {
    const QByteArray good = LookToJson(EveryValueSet(), LookLayout::OneLine);
    const auto edited = [&good](const char* from, const char* to) {
        QByteArray json = good;
        EXPECT_TRUE(json.contains(from)) << from;
        return json.replace(from, to);
    };
    const std::pair<QByteArray, const char*> cases[] = {
        {good.chopped(1), "not valid JSON"},
        {"[1, 2]", "no JSON object"},
        {edited("\"kolvira-look\":1", "\"kolvira-lock\":1"), "no \"kolvira-look\" format version"},
        {edited("\"kolvira-look\":1", "\"kolvira-look\":2"), "newer Kolvira (look format 2"},
        {edited("\"kolvira-look\":1", "\"kolvira-look\":\"1\""), "must be a format version"},
        {edited("\"blur\":", "\"blurr\":"), "unknown setting 'blurr'"},
        {edited(",\"depth\":-7", ""), "'depth' is missing"},
        {edited("\"revolution\"", "\"sketch\""), "'style' must be one of pen, pencil"},
        {edited("\"style\":\"revolution\"", "\"style\":6"), "'style' must be one of"},
        {edited("\"red\":1", "\"red\":1.5"), "'red' must be a number from 0.0 to 1.0, not 1.5"},
        {edited("\"red\":1", "\"red\":\"1\""), "'red' must be a number"},
        {edited("\"depth\":-7", "\"depth\":2.5"), "'depth' must be a whole number"},
        {edited("\"brush-size\":9", "\"brush-size\":0"),
         "'brush-size' must be a whole number from 1"},
        {edited("\"depth\":-7", "\"depth\":3e10"), "'depth' must be a whole number"},
        {edited("#12abfe", "red"), "'old-color' must be a colour"},
        {edited("\"blur\":true", "\"blur\":1"), "'blur' must be true or false"},
    };
    for (const auto& [json, problem] : cases) {
        const LookReading read = LookFromJson(json);
        EXPECT_TRUE(read.error.contains(QLatin1String(problem)))
            << json.toStdString() << "\n  gave: " << read.error.toStdString();
    }
}

class LookCliTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        SavePhoto(MakePhoto(48, 36), Path("photo.png"));
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }
    CliResult Run(const QStringList& arguments) {
        // A shell run, so that the saved looks are the test's own.
        QString script = QStringLiteral("XDG_DATA_HOME='%1' \"$0\"").arg(Path("data"));
        for (const QString& argument : arguments)
            script += QStringLiteral(" '%1'").arg(argument);
        return RunCliInShell(script, dir_.path());
    }

    QTemporaryDir dir_;
};

TEST_F(LookCliTest, ALookDrawsTheSamePictureEveryWay) {
    const QStringList flags = {"--style",      "effects", "--bw-dream",
                               "--brightness", "0.37",    "--impression-brush",
                               "--brush-size", "3"};
    ASSERT_EQ(Run(QStringList{"photo.png", "-o", "flags.png"} + flags).exitCode, 0);
    const CliResult printed = Run(QStringList{"--print-look"} + flags);
    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    WriteBytes(Path("mine.json"), printed.out.toUtf8());
    ASSERT_TRUE(QDir().mkpath(Path("data/kolvira/looks")));
    WriteBytes(Path("data/kolvira/looks/dream.json"), printed.out.toUtf8());

    const QStringList ways[] = {
        {"--look", "mine.json"},
        {"--look", "dream"},
        {"--look-from", "flags.png"},
    };
    const QImage expected(Path("flags.png"));
    for (const QStringList& way : ways) {
        const CliResult run = Run(QStringList{"photo.png", "-o", "way.png"} + way);
        ASSERT_EQ(run.exitCode, 0) << way.join(' ').toStdString() << run.err.toStdString();
        EXPECT_TRUE(SamePixels(QImage(Path("way.png")), expected)) << way.join(' ').toStdString();
    }
    // Values given after a look change it.
    EXPECT_TRUE(Run({"--look", "dream", "--brightness", "0.5", "--print-look"})
                    .out.contains("\"brightness\": 0.5,"));
    // The drawing says how it was made, unless it is stripped.
    EXPECT_EQ(Run({"--look-from", "way.png", "--print-look"}).out, printed.out);
    ASSERT_EQ(Run({"photo.png", "--strip", "-o", "bare.png"}).exitCode, 0);
    EXPECT_NE(Run({"--look-from", "bare.png", "--print-look"}).err.indexOf("carries no look"), -1);
}

TEST_F(LookCliTest, AMisusedLookWritesNothing) {
    WriteBytes(Path("bad.json"), "{\"kolvira-look\": 1, \"style\": \"pen\"}");
    const QStringList cases[] = {
        {"photo.png", "-o", "out.png", "--look", "bad.json"},
        {"photo.png", "-o", "out.png", "--look", "missing"},
        {"photo.png", "-o", "out.png", "--blur", "--look-from", "photo.png"},
        {"photo.png", "--print-look"},
    };
    for (const QStringList& arguments : cases) {
        const CliResult run = Run(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_EQ(run.errLines().size(), 2) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(Path("out.png")));
    }
}

} // namespace
} // namespace kolvira::cli::test
