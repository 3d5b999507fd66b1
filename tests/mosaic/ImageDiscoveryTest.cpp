#include "mosaic/ImageDiscovery.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <initializer_list>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kolvira::test {
namespace {

// A fresh directory for one test, removed with all it holds afterwards.
class ScratchDirectory {
public:
    ScratchDirectory() : path_(testing::TempDir() + "kolvira-discovery-XXXXXX") {
        EXPECT_NE(mkdtemp(path_.data()), nullptr) << path_;
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    void AddFiles(std::initializer_list<std::string> names) const {
        for (const auto& name : names)
            std::ofstream(*this / name) << "x";
    }
    std::vector<std::string> Paths(std::initializer_list<std::string> names) const {
        std::vector<std::string> paths;
        for (const auto& name : names)
            paths.push_back(*this / name);
        return paths;
    }

private:
    std::string path_;
};

struct PathCase {
    const char* path;
    const char* extension;
    const char* directory;
    const char* fileName;
};

TEST(ImageDiscovery, SplitsPaths) {
    const PathCase cases[] = {
        {"/photos/a.jpg", "jpg", "/photos", "a.jpg"},
        {"/a.jpg", "jpg", "", "a.jpg"},
        {"a.jpg", "jpg", "", ""},
        {"/a.b/c", "b/c", "/a.b", "c"},
        {"/p/photo.png.bak", "bak", "/p", "photo.png.bak"},
        {"/p/jpg", "", "/p", "jpg"},
        {"/p/q/", "", "/p/q", ""},
        {"name.", "", "", ""},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetExtension(c.path), c.extension) << c.path;
        EXPECT_EQ(GetDirectory(c.path), c.directory) << c.path;
        EXPECT_EQ(GetFileName(c.path), c.fileName) << c.path;
    }
}

TEST(ImageDiscovery, ListsRegularImageFilesInNameOrder) {
    ScratchDirectory dir;
    dir.AddFiles({"B.jpg", "a.jpg", "C.jpg", "b.jpg", "aa.jpg", "a_.jpg", "d.PNG", "e.Tif",
                  "caf\xE9.jpg", "cafe.jpg", "line\nbreak.gif", ".hidden.jpg", ".jpg",
                  "photo.png.bak", "jpg", "d.jpeg", "e.tiff"});
    ASSERT_EQ(mkdir((dir / "x.jpg").c_str(), 0700), 0);
    ASSERT_EQ(symlink("a.jpg", (dir / "link.jpg").c_str()), 0);
    ASSERT_EQ(symlink("missing.jpg", (dir / "dangling.jpg").c_str()), 0);
    ASSERT_EQ(symlink("x.jpg", (dir / "folder.jpg").c_str()), 0);
    ASSERT_EQ(symlink("loop.jpg", (dir / "loop.jpg").c_str()), 0);

    std::vector<std::string> paths;
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, ""), 12);
    // Upper-case folding puts '_' after the letters; 0xE9 sorts after ASCII.
    EXPECT_EQ(paths, dir.Paths({"a.jpg", "aa.jpg", "a_.jpg", "B.jpg", "b.jpg", "C.jpg", "cafe.jpg",
                                "caf\xE9.jpg", "d.PNG", "e.Tif", "line\nbreak.gif", "link.jpg"}));
}

TEST(ImageDiscovery, FiltersByOneExtension) {
    ScratchDirectory dir;
    dir.AddFiles({"a.jpg", "b.bmp", "c.gif", "d.tif", "e.png", "f.cur", "g.wmf", "h.emf", "i.ico",
                  "j.JPG", "k.jpeg", "l.txt"});
    std::vector<std::string> paths;
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, ""), 10);
    for (const auto extension : imageExtensions) {
        paths.clear();
        const int expected = extension == "JPG" ? 2 : 1;
        EXPECT_EQ(ScanDirectory(dir.Path(), paths, std::string(extension)), expected) << extension;
    }
    paths.clear();
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, "Jpg"), 2);
    EXPECT_EQ(paths, dir.Paths({"a.jpg", "j.JPG"}));
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, "jpeg"), 0) << "not an image extension";
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, "txt"), 0);
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, ".jpg"), 0);
}

TEST(ImageDiscovery, ListsPhoneAndCameraFormatsBesideTheNine) {
    ScratchDirectory dir;
    dir.AddFiles({"IMG_1.HEIC", "b.heif", "c.avif", "d.JXL", "e.webp", "f.dng", "g.CR2", "h.cr3",
                  "i.nef", "j.ARW", "k.orf", "l.rw2", "m.raf", "n.Pef", "o.jpg", "p.raw", "q.heics",
                  "r.tiff"});
    std::vector<std::string> paths;
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, ""), 15);
    EXPECT_EQ(paths,
              dir.Paths({"b.heif", "c.avif", "d.JXL", "e.webp", "f.dng", "g.CR2", "h.cr3", "i.nef",
                         "IMG_1.HEIC", "j.ARW", "k.orf", "l.rw2", "m.raf", "n.Pef", "o.jpg"}));
    paths.clear();
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, "heic"), 1);
}

TEST(ImageDiscovery, AppendsAndSortsOnlyItsOwnEntries) {
    ScratchDirectory dir;
    dir.AddFiles({"b.png", "a.png"});
    std::vector<std::string> paths = {"zz-kept"};
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, ""), 2);
    EXPECT_EQ(ScanDirectory(dir.Path(), paths, ""), 2);
    const auto once = dir.Paths({"a.png", "b.png"});
    EXPECT_EQ(paths, (std::vector<std::string>{"zz-kept", once[0], once[1], once[0], once[1]}));
}

TEST(ImageDiscovery, UnreadableDirectoryGivesNothing) {
    ScratchDirectory dir;
    dir.AddFiles({"a.jpg"});
    std::vector<std::string> paths = {"kept"};
    EXPECT_EQ(ScanDirectory(dir / "missing", paths, ""), 0);
    EXPECT_EQ(ScanDirectory(dir / "a.jpg", paths, ""), 0) << "a file, not a directory";
    EXPECT_EQ(paths, std::vector<std::string>{"kept"});
}

TEST(ImageDiscovery, NeverOpensAFifo) {
    ScratchDirectory dir;
    dir.AddFiles({"z.jpg"});
    const std::string fifo = dir / "y.jpg";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::vector<std::string> paths;
    auto scan =
        std::async(std::launch::async, [&] { return ScanDirectory(dir.Path(), paths, ""); });
    if (scan.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "the scan is stuck opening the FIFO";
        // A writer lets a reader's open return, so the test still ends.
        const int writer = open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            close(writer);
    }
    EXPECT_EQ(scan.get(), 1);
    EXPECT_EQ(paths, dir.Paths({"z.jpg"}));
}

} // namespace
} // namespace kolvira::test
