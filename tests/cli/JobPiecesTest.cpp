// The pieces that let one large job run as many independent runs: the slice
// an input falls in, the input lists and the report's JSON lines.
#include "cli/FileList.h"
#include "cli/NativeNames.h"
#include "cli/RunReport.h"
#include "cli/Sharding.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <vector>

namespace kolvira::cli {
namespace {

TEST(ShardTest, ParsesKOfNAndRefusesEverythingElse) {
    const struct {
        const char* text;
        int index; // 0: refused
        int count;
    } cases[] = {
        {"1/1", 1, 1}, {"2/3", 2, 3}, {"3/3", 3, 3}, {"0/3", 0, 0},  {"4/3", 0, 0},
        {"1/0", 0, 0}, {"x/y", 0, 0}, {"3", 0, 0},   {"-1/3", 0, 0}, {"1/3/5", 0, 0},
        {"/3", 0, 0},  {"", 0, 0},    {"2/", 0, 0},  {" 1/2", 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const ParsedValue<Shard> parsed = ParseShard(c.text);
        EXPECT_EQ(parsed.ok(), c.index != 0) << parsed.problem.toStdString();
        if (parsed.ok()) {
            EXPECT_EQ(std::pair(parsed.value.index, parsed.value.count),
                      std::pair(c.index, c.count));
        }
    }
}

TEST(ShardTest, HashIsFnv1aSoEveryVersionAgreesOnTheSlices) {
    EXPECT_EQ(PathHash(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(PathHash("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(PathHash("foobar"), 0x85944171f73967e8ULL);
}

TEST(ShardTest, SimilarNamesSpreadEvenlyOverTheSlices) {
    // Names that differ in a digit or two, as a camera's do; an uneven split
    // would leave hosts idle.
    std::vector<QByteArray> paths;
    for (int i = 0; i < 3000; ++i)
        paths.push_back(QByteArray("photos/IMG_") + QByteArray::number(i).rightJustified(4, '0') +
                        ".JPG");
    paths.push_back("caf\xe9.jpg");
    for (const int count : {2, 3, 13}) {
        SCOPED_TRACE(count);
        std::vector<int> sizes(count + 1, 0);
        for (const QByteArray& path : paths) {
            const int slice = ShardOf(path, count);
            ASSERT_GE(slice, 1);
            ASSERT_LE(slice, count);
            ++sizes[slice];
        }
        const double even = double(paths.size()) / count;
        for (int slice = 1; slice <= count; ++slice) {
            EXPECT_GT(sizes[slice], 0.8 * even) << "slice " << slice;
            EXPECT_LT(sizes[slice], 1.2 * even) << "slice " << slice;
        }
    }
}

TEST(FileListTest, SplitsIntoPathsByTheirBytes) {
    const struct {
        QByteArray contents;
        bool nul;
        std::vector<QByteArray> paths; // the bytes each name gives back
        const char* error;             // a part of the message; null when valid
    } cases[] = {
        {"a.jpg\nb c.jpg\n\n\nd.jpg", false, {"a.jpg", "b c.jpg", "d.jpg"}, nullptr},
        {"caf\xe9.jpg\n", false, {"caf\xe9.jpg"}, nullptr},
        {"", false, {}, nullptr},
        {"a.jpg\r\nb.jpg\r\n", false, {}, "line 1 of list ends with a carriage return"},
        {QByteArrayLiteral("a.jpg\nb\0c.jpg\n"), false, {}, "line 2 of list holds a NUL byte"},
        {QByteArrayLiteral("a\nb.jpg\0\0c.jpg\r\0caf\xe9.jpg"),
         true,
         {"a\nb.jpg", "c.jpg\r", "caf\xe9.jpg"},
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.contents.toPercentEncoding().toStdString());
        const FileList list = ParseFileList(c.contents, c.nul, "list");
        if (c.error != nullptr) {
            EXPECT_TRUE(list.error.contains(c.error)) << list.error.toStdString();
            continue;
        }
        EXPECT_TRUE(list.error.isEmpty()) << list.error.toStdString();
        std::vector<QByteArray> paths;
        for (const QString& name : list.names)
            paths.push_back(NativeFileName(name));
        EXPECT_EQ(paths, c.paths);
    }
}

TEST(ReportLineTest, EveryLineIsOneJsonObjectThatGivesThePathsBack) {
    const struct {
        QByteArray input;
        InputStatus status;
        const char* reason;
        const char* statusName;
        const char* inputHex; // null when the path is valid UTF-8
    } cases[] = {
        {"plain.jpg", InputStatus::Written, "", "written", nullptr},
        {"quote\" back\\slash\ttab\nnewline\x01.jpg", InputStatus::Failed, "not \"a\" picture\n",
         "failed", nullptr},
        {"\xc3\xa9t\xc3\xa9 \xe2\x9c\x93.jpg", InputStatus::Skipped, "exists", "skipped", nullptr},
        {"caf\xe9.jpg", InputStatus::Written, "", "written", "636166e92e6a7067"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.input.toPercentEncoding().toStdString());
        const QByteArray line =
            ReportLine({c.input, "out/x.png", c.status, c.reason, 12, 640 * 480});
        ASSERT_TRUE(line.endsWith('\n'));
        EXPECT_EQ(line.count('\n'), 1);
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(line, &error).object();
        ASSERT_EQ(error.error, QJsonParseError::NoError) << line.toStdString();
        EXPECT_EQ(object["status"].toString(), c.statusName);
        EXPECT_EQ(object["reason"].toString(), c.reason);
        EXPECT_EQ(object.contains("reason"), *c.reason != 0);
        EXPECT_EQ(object["pixels"].toInteger(), 640 * 480);
        if (c.inputHex == nullptr) {
            EXPECT_EQ(object["input"].toString().toUtf8(), c.input);
            EXPECT_FALSE(object.contains("input_hex"));
        } else {
            EXPECT_EQ(object["input_hex"].toString(), c.inputHex);
        }
    }
}

} // namespace
} // namespace kolvira::cli
