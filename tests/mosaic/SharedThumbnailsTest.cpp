// The desktop's shared thumbnail folders: the names and attributes of the
// entries Kolvira writes, when it takes an entry another program wrote, and
// what it must never write.
#include "TestPhotos.h"
#include "mosaic/FileUri.h"
#include "mosaic/FreedesktopThumbnails.h"
#include "mosaic/ThumbnailBuilder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace kolvira::test {
namespace {

struct stat Stat(const QByteArray& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.constData(), &info), 0) << path.toStdString();
    return info;
}

// What a program following the standard names an entry: the MD5 of the URI.
QByteArray NameFor(const QByteArray& uri) {
    return QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex() + ".png";
}

TEST(FileUriTest, EncodesWhatAPathMayNotHoldAndDropsDotSegments) {
    EXPECT_EQ(FileUri("/a/50%;[x]?.jpg"), "file:///a/50%25%3B%5Bx%5D%3F.jpg");
    EXPECT_EQ(FileUri("/a/-_.!~*'():@&=+$,.jpg"), "file:///a/-_.!~*'():@&=+$,.jpg");
    EXPECT_EQ(FileUri("//a/./old/../x.jpg"), "file:///a/x.jpg");
    EXPECT_EQ(FileUri(""), std::nullopt);
}

class SharedThumbnailsTest : public testing::Test {
protected:
    void SetUp() override { qputenv("XDG_CACHE_HOME", Path("cache")); }
    void TearDown() override { FreedesktopThumbnails::SetWriting(true); }

    QByteArray Path(const QString& name) const { return Native(home_.filePath(name)); }
    QByteArray Photo(const QString& name, QSize size = {640, 480}) const {
        WriteFile(home_.filePath(name), Encoded(Quadrants(size), "jpg"));
        return Path(name);
    }
    // The entry of a file whose path needs no percent-encoding.
    QByteArray Entry(const QByteArray& folder, const QByteArray& path) const {
        return Path("cache/thumbnails/") + folder + '/' + NameFor("file://" + path);
    }

    struct Built {
        std::vector<QImage> images;
        std::vector<QSize> photoSizes;
        ThumbnailBuildStats stats;
    };
    // A build as a new process makes it: nothing in memory yet.
    static Built Build(const std::vector<QByteArray>& paths, int width) {
        Built built;
        ThumbnailCache fresh;
        built.stats = BuildThumbnails(paths, width, fresh,
                                      [&](std::size_t, const QImage& image, QSize photoSize) {
                                          built.images.push_back(image);
                                          built.photoSizes.push_back(photoSize);
                                      });
        return built;
    }

    QTemporaryDir home_;
};

TEST_F(SharedThumbnailsTest, WritesPrivateEntriesNamedByTheUriThatTheNextRunUses) {
    // A space, '#', "é" in UTF-8 and a byte that is not UTF-8.
    const QByteArray photo = Path("") + "a b#\xC3\xA9\xFF.jpg";
    ASSERT_EQ(::rename(Photo("photo.jpg").constData(), photo.constData()), 0);
    const QByteArray uri = "file://" + Path("") + "a%20b%23%C3%A9%FF.jpg";
    const QByteArray small = Photo("small.jpg", {60, 45});
    const struct {
        int width;
        const char* folder;
        QSize entrySize;
        int decoded; // the small photo's 'normal' entry is the whole photo and serves any cell
    } cases[] = {{100, "normal", {128, 96}, 2}, {200, "large", {256, 192}, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder);
        EXPECT_EQ(Build({photo, small}, c.width).stats.decoded, c.decoded);
        const QByteArray entry = Path("cache/thumbnails/") + c.folder + '/' + NameFor(uri);
        QFile file(QFile::decodeName(entry));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains("tEXtThumb::URI")) << "plain tEXt chunks";
        const QImage image(QFile::decodeName(entry));
        EXPECT_EQ(image.size(), c.entrySize);
        EXPECT_EQ(image.text("Thumb::URI").toLatin1(), uri);
        EXPECT_EQ(image.text("Thumb::MTime").toLongLong(), Stat(photo).st_mtim.tv_sec);
        EXPECT_EQ(image.text("Thumb::Size").toLongLong(), Stat(photo).st_size);
        EXPECT_EQ(image.text("Thumb::Image::Width") + 'x' + image.text("Thumb::Image::Height"),
                  "640x480");
        EXPECT_EQ(image.text("Thumb::Mimetype"), "image/jpeg");
        EXPECT_EQ(image.text("Software"), "Kolvira " KOLVIRA_VERSION);
        EXPECT_EQ(Stat(entry).st_mode & 0777, 0600);
        EXPECT_EQ(Stat(Path("cache/thumbnails/") + c.folder).st_mode & 0777, 0700);

        const Built again = Build({photo, small}, c.width);
        EXPECT_EQ(again.stats.fromShared, 2);
        EXPECT_EQ(again.photoSizes, (std::vector<QSize>{{640, 480}, {60, 45}}));
        EXPECT_EQ(again.images[0].width(), c.width);
    }
    EXPECT_EQ(QImage(QFile::decodeName(Entry("normal", small))).size(), QSize(60, 45))
        << "never enlarged";
    EXPECT_EQ(Stat(Path("cache")).st_mode & 0777, 0700);
    ::unlink(photo.constData()); // QTemporaryDir cannot remove a name that is not UTF-8
}

TEST_F(SharedThumbnailsTest, AnotherProgramsEntryIsUsedOnlyWhileItMatchesTheFile) {
    const QByteArray photo = Photo("photo.jpg");
    const std::int64_t mtime = Stat(photo).st_mtim.tv_sec;
    const QString size = QString::number(Stat(photo).st_size);
    const struct {
        const char* what;
        QByteArray uri;
        std::int64_t mtime;
        QString size; // empty: no Thumb::Size
        bool used;
    } cases[] = {
        {"matching", "file://" + photo, mtime, size, true},
        {"without a size", "file://" + photo, mtime, {}, true},
        {"older", "file://" + photo, mtime - 1, size, false},
        {"of another size", "file://" + photo, mtime, size + "0", false},
        {"of another file", "file://" + photo + "x", mtime, size, false},
    };
    const QByteArray entry = Entry("normal", photo);
    ASSERT_TRUE(QDir(home_.path()).mkpath("cache/thumbnails/normal"));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QImage magenta(128, 96, QImage::Format_RGB32);
        magenta.fill(Qt::magenta);
        magenta.setText("Thumb::URI", QString::fromLatin1(c.uri));
        magenta.setText("Thumb::MTime", QString::number(c.mtime));
        if (!c.size.isEmpty())
            magenta.setText("Thumb::Size", c.size);
        ASSERT_TRUE(magenta.save(QFile::decodeName(entry), "png"));

        const Built built = Build({photo}, 100);
        EXPECT_EQ(built.stats.decoded, c.used ? 0 : 1);
        EXPECT_EQ(built.images[0].pixel(50, 37) == QColor(Qt::magenta).rgb(), c.used);
        EXPECT_EQ(built.photoSizes[0], QSize(640, 480)) << "from the photo's header";
        EXPECT_EQ(QImage(QFile::decodeName(entry)).text("Thumb::MTime").toLongLong(), mtime)
            << "a stale entry is replaced";
    }
}

TEST_F(SharedThumbnailsTest, AFailedDecodeIsRecordedUntilTheFileChanges) {
    const QByteArray notes = Path("notes.jpg");
    WriteFile(QFile::decodeName(notes), "not a photo");
    EXPECT_EQ(Build({notes}, 100).stats.decoded, 1);
    const QImage fail(QFile::decodeName(Entry("fail/kolvira-" KOLVIRA_VERSION, notes)));
    EXPECT_EQ(fail.size(), QSize(1, 1));
    EXPECT_EQ(fail.text("Thumb::URI").toLatin1(), "file://" + notes);

    const Built known = Build({notes}, 100);
    EXPECT_EQ(known.stats.fromShared, 1);
    EXPECT_TRUE(known.images[0].isNull());

    WriteFile(QFile::decodeName(notes), "still not a photo"); // a new size, maybe the same second
    EXPECT_EQ(Build({notes}, 100).stats.decoded, 1);
}

// Out of sight only an entry's keys are read: one whose pixels are spoilt is
// still taken as ready, and its thumbnail comes from the photo when shown.
TEST_F(SharedThumbnailsTest, ABuildWithASightDecodesOnlyTheEntriesInIt) {
    std::vector<QByteArray> paths;
    for (int i = 0; i < 6; ++i)
        paths.push_back(Photo(QStringLiteral("p%1.jpg").arg(i)));
    paths.push_back(Path("notes.jpg"));
    WriteFile(QFile::decodeName(paths.back()), "not a photo");
    Build(paths, 100);
    QFile spoilt(QFile::decodeName(Entry("normal", paths[0])));
    ASSERT_TRUE(spoilt.open(QIODevice::ReadWrite));
    const qsizetype pixels = spoilt.readAll().indexOf("IDAT") + 4;
    ASSERT_TRUE(spoilt.seek(pixels) && spoilt.write(QByteArray(16, '\xff')) == 16);
    spoilt.close();

    ThumbnailSight sight;
    sight.Set(2, 3);
    ThumbnailCache fresh;
    std::vector<QImage> images;
    std::vector<QSize> photoSizes;
    const ThumbnailBuildStats stats = BuildThumbnails(
        paths, 100, fresh,
        [&](std::size_t, const QImage& image, QSize photoSize) {
            images.push_back(image);
            photoSizes.push_back(photoSize);
        },
        0, {}, &sight);
    EXPECT_EQ(stats.decoded, 0);
    EXPECT_EQ(stats.left, 4);
    EXPECT_EQ(stats.unreadable, 1);
    for (std::size_t k = 0; k < 6; ++k) {
        EXPECT_EQ(images[k].isNull(), !sight.Sees(k)) << k;
        EXPECT_EQ(photoSizes[k], QSize(640, 480)) << k;
    }
    EXPECT_TRUE(images[6].isNull());
    EXPECT_FALSE(photoSizes[6].isValid()) << "unreadable, not ready";
    for (std::size_t k : {0, 5})
        EXPECT_EQ(MakeOneThumbnail(paths[k], 100, fresh).image.size(), QSize(100, 75)) << k;
}

TEST_F(SharedThumbnailsTest, WritesNothingForItsOwnFolderNorWhenWritingIsOff) {
    ASSERT_TRUE(QDir(home_.path()).mkpath("cache/thumbnails/large"));
    const QByteArray inside = Photo("cache/thumbnails/large/x.jpg");
    EXPECT_EQ(Build({inside}, 100).stats.decoded, 1);

    FreedesktopThumbnails::SetWriting(false);
    WriteFile(home_.filePath("notes.jpg"), "not a photo");
    EXPECT_EQ(Build({Photo("photo.jpg"), Path("notes.jpg")}, 200).stats.decoded, 2);

    QStringList files;
    for (QDirIterator it(home_.filePath("cache"), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();)
        files << it.next();
    EXPECT_EQ(files, QStringList{QFile::decodeName(inside)});
}

} // namespace
} // namespace kolvira::test
