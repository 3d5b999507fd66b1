// kolvira-thumbnailer's inputs as file managers fill them in, and the size
// of what it makes.
#include "CliTestSupport.h"

#include "cli/DesktopThumbnailer.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace kolvira::cli::test {
namespace {

TEST(DesktopThumbnailerTest, InputNamesTheLocalFileOrNothing) {
    const struct {
        QByteArray input, path;
    } cases[] = {
        {"file:///home/a/b.emf", "/home/a/b.emf"},
        {"file://localhost/home/a/b.emf", "/home/a/b.emf"},
        {"FILE:///x.jxl", "/x.jxl"},
        // Spaces, '#', '%' and bytes that are not UTF-8 arrive percent-encoded.
        {"file:///p/a%20b%23c%25d%E9.nef", "/p/a b#c%d\xe9.nef"},
        {"file:///p/a.dng?query#fragment", "/p/a.dng"},
        {"relative/x.wmf", "relative/x.wmf"},
        {"/abs/with:colon.emf", "/abs/with:colon.emf"},
        {"sftp://host/p/a.emf", ""},
        {"file://otherhost/p/a.emf", ""},
        {"file:relative.emf", "file:relative.emf"},
        {"a:b/c://d.emf", "a:b/c://d.emf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NativePathOfInput(c.input), c.path) << c.input.constData();
}

TEST(DesktopThumbnailerTest, CommandLines) {
    using Action = ThumbnailerRequest::Action;
    const struct {
        std::vector<QByteArray> arguments;
        Action action;
        int size;
        QByteArray input;
        bool wrong;
    } cases[] = {
        {{"-s", "128", "file:///a%20b.emf", "/tmp/out.png"},
         Action::MakeThumbnail,
         128,
         "/a b.emf",
         false},
        {{"a.emf", "out.png"}, Action::MakeThumbnail, 256, "a.emf", false},
        {{"--size", "1024", "--", "-a.emf", "out.png"},
         Action::MakeThumbnail,
         1024,
         "-a.emf",
         false},
        {{"--help", "whatever"}, Action::ShowHelp, 256, "", false},
        {{"--version"}, Action::ShowVersion, 256, "", false},
        {{"-s", "0", "a.emf", "out.png"}, Action::MakeThumbnail, 256, "", true},
        {{"-s", "1025", "a.emf", "out.png"}, Action::MakeThumbnail, 256, "", true},
        {{"-s", "12x", "a.emf", "out.png"}, Action::MakeThumbnail, 256, "", true},
        {{"a.emf", "out.png", "-s"}, Action::MakeThumbnail, 256, "", true},
        {{"a.emf"}, Action::MakeThumbnail, 256, "", true},
        {{"-x", "a.emf", "out.png"}, Action::MakeThumbnail, 256, "", true},
        {{"http://host/a.emf", "out.png"}, Action::MakeThumbnail, 256, "", true},
    };
    for (const auto& c : cases) {
        const ThumbnailerRequest request = ParseThumbnailerArguments(c.arguments);
        const QByteArray line = c.arguments.empty() ? "" : c.arguments.front();
        EXPECT_EQ(!request.error.isEmpty(), c.wrong) << line.constData();
        if (c.wrong)
            continue;
        EXPECT_EQ(request.action, c.action) << line.constData();
        EXPECT_EQ(request.size, c.size) << line.constData();
        EXPECT_EQ(request.input, c.input) << line.constData();
    }
}

TEST(DesktopThumbnailerTest, ThumbnailFitsTheSquareAndIsNeverEnlarged) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const struct {
        QSize photo;
        int box;
        QSize thumbnail;
    } cases[] = {
        {{400, 300}, 256, {256, 192}}, {{300, 400}, 128, {96, 128}}, {{100, 50}, 256, {100, 50}},
        {{1, 2000}, 256, {1, 256}},    {{2000, 1}, 128, {128, 1}},
    };
    for (const auto& c : cases) {
        const QString path =
            dir.filePath(QStringLiteral("%1x%2.png").arg(c.photo.width()).arg(c.photo.height()));
        SavePhoto(MakePhoto(c.photo.width(), c.photo.height()), path);
        const DesktopThumbnail made = MakeDesktopThumbnail(QFile::encodeName(path), c.box);
        EXPECT_EQ(made.image.size(), c.thumbnail) << qPrintable(path);
    }
    WriteBytes(dir.filePath("broken.png"), "\x89PNG\r\n\x1a\n broken");
    const DesktopThumbnail broken =
        MakeDesktopThumbnail(QFile::encodeName(dir.filePath("broken.png")), 64);
    EXPECT_TRUE(broken.image.isNull());
    EXPECT_FALSE(broken.error.isEmpty());
}

} // namespace
} // namespace kolvira::cli::test
