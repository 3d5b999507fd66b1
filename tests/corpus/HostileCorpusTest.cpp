// The hostile and odd files that the corpus script makes at test time, fed to
// the loading path as the photo window and kolvira-render use it and as the
// Mosaic does: each loads or is refused with a reason, within a second, and a
// scan of the folder of FIFOs, link loops and the like lists exactly its
// regular image files at once.
#include "imageio/PhotoDecoding.h"
#include "mosaic/ImageDiscovery.h"
#include "mosaic/ThumbnailDecoding.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace kolvira::test {
namespace {

struct CorpusEntry {
    std::string path; // native bytes, relative to the corpus folder
    std::string category;
    std::string expect; // "load", "refuse" or "either"
    QSize size;         // upright, for "load"
    std::string note;
};

// The manifest writes a path's bytes with \xNN and \n escapes.
std::string Unescaped(const std::string& text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'n') {
            bytes += '\n';
            ++i;
        } else if (text[i] == '\\' && i + 3 < text.size() && text[i + 1] == 'x') {
            bytes += static_cast<char>(std::stoi(text.substr(i + 2, 2), nullptr, 16));
            i += 3;
        } else if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == '\\') {
            bytes += '\\';
            ++i;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

class Corpus {
public:
    static Corpus& Get() {
        static Corpus corpus;
        return corpus;
    }
    bool IsValid() const { return !entries_.empty(); }
    const QString& Error() const { return error_; }
    QByteArray PathOf(const CorpusEntry& entry) const {
        return QByteArray::fromStdString(root_ + '/' + entry.path);
    }
    std::string SpecialFolder() const { return root_ + "/special"; }
    std::vector<CorpusEntry> InCategory(const std::string& category) const {
        std::vector<CorpusEntry> found;
        std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(found),
                     [&](const CorpusEntry& entry) { return entry.category == category; });
        return found;
    }

private:
    Corpus() {
        ApplyDecodeLimits();
        char folder[] = "/tmp/kolvira-corpus-XXXXXX";
        if (::mkdtemp(folder) == nullptr) {
            error_ = QStringLiteral("cannot make a temporary folder");
            return;
        }
        folder_ = folder;
        root_ = folder_ + "/corpus";
        QProcess script;
        script.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral(KOLVIRA_CORPUS_SCRIPT), QFile::decodeName(root_.c_str())});
        if (!script.waitForFinished(60'000) || script.exitCode() != 0) {
            error_ = QString::fromLocal8Bit(script.readAllStandardError());
            return;
        }
        QFile manifest(QFile::decodeName((root_ + "/manifest.tsv").c_str()));
        if (!manifest.open(QIODevice::ReadOnly)) {
            error_ = manifest.errorString();
            return;
        }
        while (!manifest.atEnd()) {
            const QByteArray line = manifest.readLine().chopped(1);
            if (line.isEmpty() || line.startsWith('#'))
                continue;
            const QList<QByteArray> fields = line.split('\t');
            if (fields.size() < 5)
                continue;
            entries_.push_back({Unescaped(fields[0].toStdString()), fields[1].toStdString(),
                                fields[2].toStdString(),
                                QSize(fields[3].toInt(), fields[4].toInt()),
                                fields.value(5).toStdString()});
        }
    }

    // Removed byte by byte: Qt cannot name the files whose names are not UTF-8.
    ~Corpus() {
        if (!folder_.empty())
            std::filesystem::remove_all(folder_);
    }

    std::string folder_;
    std::string root_;
    QString error_;
    std::vector<CorpusEntry> entries_;
};

// Sanitizer builds run several times slower; the bound is for hangs, not speed.
double TimeScale() {
    return std::getenv("KOLVIRA_SANITIZED") != nullptr ? 5.0 : 1.0;
}

class HostileCorpusTest : public testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_TRUE(Corpus::Get().IsValid()) << Corpus::Get().Error().toStdString();
    }
};

TEST_P(HostileCorpusTest, EveryFileLoadsOrIsRefusedWithAReasonWithinASecond) {
    const Corpus& corpus = Corpus::Get();
    const std::vector<CorpusEntry> entries = corpus.InCategory(GetParam());
    ASSERT_FALSE(entries.empty());
    for (const CorpusEntry& entry : entries) {
        SCOPED_TRACE(entry.path + " (" + entry.note + ")");
        const QByteArray path = corpus.PathOf(entry);
        QElapsedTimer timer;
        timer.start();
        const DecodedPhoto photo = DecodePhoto(path);
        const Thumbnail thumbnail = DecodeThumbnail(path, 100);
        EXPECT_LT(timer.elapsed(), 1000 * TimeScale());

        EXPECT_NE(photo.image.isNull(), photo.error.isEmpty()) << "a refusal gives its reason";
        EXPECT_NE(thumbnail.image.isNull(), thumbnail.error.isEmpty());
        if (entry.expect == "load") {
            EXPECT_EQ(photo.image.size(), entry.size) << photo.error.toStdString();
            EXPECT_TRUE(photo.damage.isEmpty()) << photo.damage.toStdString();
            EXPECT_EQ(thumbnail.photoSize, entry.size) << thumbnail.error.toStdString();
            EXPECT_FALSE(thumbnail.image.isNull());
        } else if (entry.expect == "refuse") {
            EXPECT_TRUE(photo.image.isNull());
            EXPECT_TRUE(thumbnail.image.isNull());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Categories, HostileCorpusTest,
                         testing::Values("empty", "text", "truncated", "bitflips", "huge", "bombs",
                                         "odd", "formats", "special"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param;
                         });

// What a scan lists and how long it takes to get past FIFOs, links to FIFOs,
// link loops, /dev/zero and a 2 GiB file.
TEST(HostileFolderTest, ScanListsExactlyTheRegularImageFilesAtOnce) {
    const Corpus& corpus = Corpus::Get();
    ASSERT_TRUE(corpus.IsValid()) << corpus.Error().toStdString();
    std::set<std::string> expected;
    for (const CorpusEntry& entry : corpus.InCategory("special")) {
        if (entry.note.find("scan=yes") != std::string::npos)
            expected.insert(GetFileName(entry.path));
    }
    ASSERT_FALSE(expected.empty());

    QElapsedTimer timer;
    timer.start();
    std::vector<std::string> paths;
    ScanDirectory(corpus.SpecialFolder(), paths, "");
    EXPECT_LT(timer.elapsed(), 2000 * TimeScale());
    std::set<std::string> listed;
    for (const std::string& path : paths)
        listed.insert(GetFileName(path));
    EXPECT_EQ(listed, expected);
}

} // namespace
} // namespace kolvira::test
