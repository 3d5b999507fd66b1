// A drawing keeps the photo's EXIF (date, camera, GPS, copyright), marked
// upright and sRGB and without the photo's preview; --strip writes none.
#include "CliTestSupport.h"
#include "ExifFixture.h"
#include "PublicSamples.h"

#include <QColorSpace>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kolvira::cli::test {
namespace {

using kolvira::test::AddCameraExif;
using kolvira::test::CameraExif;
using kolvira::test::HasExifPreview;
using kolvira::test::ReadExif;

class MetadataTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        // Stored 40 x 30 with orientation 6: upright it is 30 x 40.
        SavePhoto(MakePhoto(40, 30), Path("photo.jpg"));
        ASSERT_TRUE(AddCameraExif(Path("photo.jpg"), 6));
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

    QTemporaryDir dir_;
};

TEST_F(MetadataTest, OutputsCarryThePhotosExifUprightAndSrgb) {
    for (const char* name : {"out.jpg", "out.png", "out.tif"}) {
        const CliResult run = RunCli({Path("photo.jpg"), "-o", Path(name)});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err.toStdString();
        const QMap<QString, QString> exif = ReadExif(Path(name));
        for (auto it = CameraExif().begin(); it != CameraExif().end(); ++it)
            EXPECT_EQ(exif.value(it.key()), it.value()) << name << " " << it.key().toStdString();
        EXPECT_EQ(exif.value("Exif.Image.Orientation"), "1") << name;
        EXPECT_EQ(exif.value("Exif.Photo.ColorSpace"), "1") << name;
        EXPECT_FALSE(HasExifPreview(Path(name))) << name;
        // The pixels were turned upright before rendering.
        EXPECT_EQ(QImage(Path(name)).size(), QSize(30, 40)) << name;
    }
}

TEST_F(MetadataTest, StripWritesNoMetadata) {
    const CliResult run = RunCli({"--strip", Path("photo.jpg"), "-o", Path("bare.jpg")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(ReadExif(Path("bare.jpg")).isEmpty());
}

// A photo with the widespread faulty sRGB profile (which libpng refuses to
// write) comes out in every format, described by the program's own sRGB:
// none of the photo's profile bytes reach the drawing.
TEST_F(MetadataTest, OutputsDescribeThemselvesAsSrgbNotWithThePhotosProfile) {
    const kolvira::test::PublicSample sample = kolvira::test::FaultySrgbProfilePng();
    if (const QString missing = sample.Missing(); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    const QByteArray faulty = QImage(sample.path).colorSpace().iccProfile();
    ASSERT_EQ(faulty.size(), 3144);
    QImage photo = MakePhoto(40, 30);
    photo.setColorSpace(QColorSpace::fromIccProfile(faulty));
    ASSERT_TRUE(photo.save(Path("profiled.jpg")));

    for (const QString& input : {Path("profiled.jpg"), sample.path}) {
        for (const char* name : {"out.png", "out.jpg", "out.tif"}) {
            for (const bool strip : {false, true}) {
                SCOPED_TRACE(input.toStdString() + " -> " + name + (strip ? " --strip" : ""));
                QStringList arguments{input, "-o", Path(name)};
                if (strip)
                    arguments << "--strip";
                const CliResult run = RunCli(arguments);
                ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
                const QColorSpace written = QImage(Path(name)).colorSpace();
                EXPECT_EQ(written, QColorSpace(QColorSpace::SRgb));
                EXPECT_NE(written.iccProfile(), faulty);
                if (QString(name).endsWith(".png")) {
                    EXPECT_FALSE(ReadBytes(Path(name)).contains("iCCP"));
                }
            }
        }
    }
}

} // namespace
} // namespace kolvira::cli::test
