// Scaling a photo and drawing the progress bar, tested in-process.
#include "cli/ProgressBar.h"
#include "mosaic/BatchRendering.h"

#include <gtest/gtest.h>

namespace kolvira::cli {
namespace {

TEST(ScaledHeightTest, TruncatesLikeThePhotoWindow) {
    EXPECT_EQ(ScaledHeight(40, 30, 25), 18);                   // 18.75
    EXPECT_EQ(ScaledHeight(8, 8, 16), 16);                     // enlarging
    EXPECT_EQ(ScaledHeight(100, 1, 50), 1);                    // 0.5 comes to no row; one is kept
    EXPECT_EQ(ScaledHeight(1, 100000, 100000), 10000000000LL); // needs 64 bits
}

TEST(ProgressLineTest, FillsInProportionAndKeepsTheEndOfLongNames) {
    EXPECT_EQ(ProgressLine("a.jpg", 50), "a.jpg [###############               ]  50%");
    EXPECT_EQ(ProgressLine("a.jpg", 100), "a.jpg [##############################] 100%");
    const QString line = ProgressLine(QString(60, u'x') + "_end.jpg", 0);
    EXPECT_TRUE(line.startsWith("...") && line.contains("_end.jpg [")) << line.toStdString();
}

} // namespace
} // namespace kolvira::cli
