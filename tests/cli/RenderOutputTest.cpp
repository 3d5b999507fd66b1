// kolvira-render run end to end on small photos: what it writes must be
// exactly what the render core makes of the same picture in-process.
#include "CliTestSupport.h"
#include "cli/CommandLine.h"

#include <QDir>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace kolvira::cli::test {
namespace {

TEST(RenderOutputTest, WritesWhatTheRenderCoreMakes) {
    const std::pair<QStringList, std::function<void(RenderParameters&)>> cases[] = {
        {{"--style", "pen"}, [](RenderParameters&) {}},
        {{"--style", "coal", "--pen-press", "0.1", "--details", "0.9", "--invert", "--threads",
          "2"},
         [](RenderParameters& s) {
             s.style = kStyleCoal;
             s.penPress = 0.1, s.details = 0.9;
             s.invertColors = true;
         }},
        {{"--style=effects",
          "--shift",
          "--sandy-sky",
          "--blur",
          "--stamp",
          "--bw-dream",
          "--impression-brush",
          "--brush-size",
          "3",
          "--brightness",
          "0.3",
          "--red",
          "0.2",
          "--green",
          "0.7",
          "--blue",
          "0.4",
          "--old-color",
          "#102030",
          "--new-color",
          "F0E0D0",
          "--depth",
          "12"},
         [](RenderParameters& s) {
             s.style = kStylePhotoEffects;
             s.shiftColors = s.sandySky = s.blur = s.stamp = true;
             s.blackWhiteDream = s.impressionBrush = true;
             s.brushSize = 3;
             s.brightness = 0.3, s.redLevel = 0.2, s.greenLevel = 0.7, s.blueLevel = 0.4;
             s.oldColor = MakeColorref(0x10, 0x20, 0x30);
             s.newColor = MakeColorref(0xF0, 0xE0, 0xD0);
             s.replaceDepth = 12;
         }},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage photo = MakePhoto(37, 23);
    SavePhoto(photo, dir.filePath("photo.png"));
    for (const auto& [options, change] : cases) {
        SCOPED_TRACE(options.join(' ').toStdString());
        const CliResult result =
            RunCli(options + QStringList{"photo.png", "-o", "out.png"}, dir.path());
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << "no progress bar when stderr is no terminal";

        RenderParameters settings = DefaultRenderSettings();
        change(settings);
        const QImage written(dir.filePath("out.png"));
        EXPECT_TRUE(SamePixels(written, RenderInProcess(photo, settings)));
        EXPECT_FALSE(SamePixels(written, photo)) << "the picture came out unrendered";
    }
}

TEST(RenderOutputTest, TransparentPixelsComeOutAsOnBlack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // The left half is fully transparent but not black underneath.
    const QImage opaque = MakePhoto(20, 10);
    QImage photo = opaque.convertToFormat(QImage::Format_ARGB32);
    QImage onBlack = opaque;
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            photo.setPixel(x, y, qRgba(250, 240, 230, 0));
            onBlack.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    SavePhoto(photo, dir.filePath("alpha.png"));

    const CliResult result = RunCli({"alpha.png", "-o", "out.png"}, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(SamePixels(QImage(dir.filePath("out.png")),
                           RenderInProcess(onBlack, DefaultRenderSettings())));
}

TEST(RenderOutputTest, PhotosAreTurnedUpright) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImageWriter writer(dir.filePath("turned.jpg"));
    writer.setTransformation(QImageIOHandler::TransformationRotate90); // an EXIF orientation
    ASSERT_TRUE(writer.write(MakePhoto(6, 4)));

    const CliResult result = RunCli({"turned.jpg", "-o", "out.png"}, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("out.png")).size(), QSize(4, 6));
}

TEST(RenderOutputTest, WidthScalesToTheTruncatedHeight) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    SavePhoto(MakePhoto(40, 30), dir.filePath("photo.png"));

    const CliResult result = RunCli({"--width", "25", "photo.png", "-o", "out.bmp"}, dir.path());
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_EQ(QImage(dir.filePath("out.bmp")).size(), QSize(25, 18)); // 30 * 25 / 40 = 18.75
}

TEST(RenderOutputTest, BatchGoesOnPastABadFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QImage first = MakePhoto(12, 9);
    SavePhoto(first, dir.filePath("first.png"));
    SavePhoto(MakePhoto(7, 5), dir.filePath("second.b.jpg"));
    WriteBytes(dir.filePath("bad.png"), "this is no picture\n");

    // new/drawings does not exist yet: the run makes it.
    const CliResult result =
        RunCli({"first.png", "bad.png", "second.b.jpg", "-d", "new/drawings", "--format", "bmp"},
               dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines().size(), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith("kolvira-render: bad.png: "));
    const QString outDir = dir.filePath("new/drawings");
    EXPECT_EQ(DirEntries(outDir), (QStringList{"first.bmp", "second.b.bmp"}));
    EXPECT_TRUE(
        SamePixels(QImage(outDir + "/first.bmp"), RenderInProcess(first, DefaultRenderSettings())));
    EXPECT_EQ(QImage(outDir + "/second.b.bmp").size(), QSize(7, 5));
}

TEST(RenderOutputTest, BatchKeepsTheFirstOfTwoInputsWithOneOutputName) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
    const QImage first = MakePhoto(8, 6);
    SavePhoto(first, dir.filePath("a/same.png"));
    SavePhoto(MakePhoto(5, 5), dir.filePath("b/same.jpg"));

    const CliResult result = RunCli({"a/same.png", "b/same.jpg", "-d", "out"}, dir.path());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.errLines().size(), 1) << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith("kolvira-render: b/same.jpg: "));
    EXPECT_TRUE(SamePixels(QImage(dir.filePath("out/same.png")),
                           RenderInProcess(first, DefaultRenderSettings())));
}

// A metafile's text needs fonts: kolvira-render draws it as the window does.
TEST(RenderOutputTest, DrawsTheTextOfAMetafile) {
    // A placeable WMF, 320 x 240 at 96 DPI, writing "Kolvira" in bold Arial.
    const QByteArray wmf = QByteArray::fromHex(
        "d7cdc69a000000000000e803ee022c01000000003b57010009000003330000000100070000000000050000000b"
        "0200000000050000000c02e803e8030f000000fb0288ff000000000000bc020000000000000000417269616c00"
        "040000002d0100000a000000210507004b6f6c76697261002c016400030000000000");
    QTemporaryDir dir;
    WriteBytes(dir.filePath("lettering.wmf"), wmf);
    const CliResult run = RunCli({"--style", "effects", "--brightness", "0.5",
                                  dir.filePath("lettering.wmf"), "-o", dir.filePath("out.png")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QImage drawn(dir.filePath("out.png"));
    ASSERT_EQ(drawn.size(), QSize(320, 240));
    int dark = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            dark += qGray(drawn.pixel(x, y)) < 100;
    EXPECT_GT(dark, 200) << "the letters are drawn";
}

} // namespace
} // namespace kolvira::cli::test
