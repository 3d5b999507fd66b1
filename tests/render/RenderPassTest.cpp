#include "render/RenderPass.h"
#include "ReferencePass.h"
#include "TestPictures.h"
#include "render/PixelColor.h"

#include <gtest/gtest.h>

#include <random>

namespace kolvira::test {
namespace {

RenderParameters PenSettings() {
    RenderParameters s;
    s.active = true;
    s.style = kStylePen;
    s.details = 0.75;
    s.penPress = 0.25;
    return s;
}

RenderParameters BrushSettings(int brushSize) {
    RenderParameters s = PenSettings();
    s.style = kStyleWaterColor;
    s.impressionBrush = true;
    s.brushSize = brushSize;
    return s;
}

std::vector<int> Positions(PictureSurface& surface, const RenderParameters& s, RenderRect area,
                           int threads = 1) {
    std::vector<int> seen;
    RenderOptions options;
    options.threads = threads;
    options.minCellsPerThread = 1;
    RenderPicture(
        surface, s, area, [&](int p) { seen.push_back(p); }, options);
    return seen;
}

TEST(RenderPass, ProgressCountsCellsInColumnOrder) {
    TestPicture picture(10, 5);
    auto surface = picture.Surface();
    std::vector<int> expected;
    for (int p = 0; p < 100; p += 2)
        expected.push_back(p);
    EXPECT_EQ(Positions(surface, PenSettings(), {0, 0, 10, 5}), expected);
}

TEST(RenderPass, ProgressIsTheSameWhateverTheSplit) {
    std::mt19937 random(7);
    for (auto [w, h] : {std::pair{1, 1}, {3, 7}, {101, 13}, {640, 333}}) {
        TestPicture picture(w, h);
        picture.FillRandom(random);
        TestPicture copy = picture;
        auto surface = picture.Surface();
        auto reference = copy.Surface();
        for (auto settings : {PenSettings(), BrushSettings(3)}) {
            const auto expected = ReferenceRenderPicture(reference, settings, {0, 0, w, h});
            for (int threads : {1, 2, 7})
                EXPECT_EQ(Positions(surface, settings, {0, 0, w, h}, threads), expected)
                    << w << "x" << h << " on " << threads << " threads";
        }
    }
}

TEST(RenderPass, EmptyAreaVisitsNothing) {
    TestPicture picture(4, 4);
    picture.Fill(Rgb(1, 2, 3));
    auto surface = picture.Surface();
    for (RenderRect area :
         {RenderRect{0, 0, 0, 4}, RenderRect{0, 0, 4, -1}, RenderRect{5, 5, 1, 1}})
        EXPECT_TRUE(Positions(surface, PenSettings(), area).empty());
    EXPECT_EQ(picture.Get(2, 2), Rgb(1, 2, 3));
}

TEST(RenderPass, OnlyTheAreaSizeCounts) {
    // The area (3, 3)-(8, 6) covers columns 0..4 and rows 0..2 from the origin.
    TestPicture picture(8, 8);
    picture.Fill(GreyRgb(100));
    auto surface = picture.Surface();
    RenderPicture(surface, PenSettings(), {3, 3, 8, 6});
    EXPECT_EQ(picture.Get(4, 2), GreyRgb(255));
    EXPECT_EQ(picture.Get(5, 2), GreyRgb(100));
    EXPECT_EQ(picture.Get(4, 3), GreyRgb(100));
}

TEST(RenderPass, BrushPaintsTheBlockAboveAndLeftOfEachSample) {
    std::mt19937 random(11);
    TestPicture picture(10, 10);
    picture.FillRandom(random);
    TestPicture original = picture;
    auto originalSurface = original.Surface();
    auto surface = picture.Surface();
    const auto brush = BrushSettings(2);
    EXPECT_EQ(Positions(surface, brush, {0, 0, 10, 10}).size(), 25u);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            if (x >= 8 || y >= 8) {
                EXPECT_EQ(picture.Get(x, y), original.Get(x, y)) << x << "," << y;
            } else {
                const int sampleX = (x / 2 + 1) * 2, sampleY = (y / 2 + 1) * 2;
                EXPECT_EQ(picture.Get(x, y), PixelColor(originalSurface, sampleX, sampleY, brush))
                    << x << "," << y;
            }
        }
    }
}

TEST(RenderPass, BrushLeavesTheNarrowStripAtTheEdges) {
    TestPicture picture(10, 4);
    picture.Fill(GreyRgb(10));
    auto surface = picture.Surface();
    RenderPicture(surface, BrushSettings(3), {0, 0, 10, 4});
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(picture.Get(x, 0) != GreyRgb(10), x <= 8) << "column " << x;
    EXPECT_EQ(picture.Get(0, 3), GreyRgb(10)) << "row 3 lies below the last sample row's block";
}

TEST(RenderPass, BrushLargerThanTheAreaPaintsNothing) {
    TestPicture picture(5, 5);
    picture.Fill(GreyRgb(10));
    auto surface = picture.Surface();
    EXPECT_EQ(Positions(surface, BrushSettings(8), {0, 0, 5, 5}), std::vector<int>{0});
    EXPECT_EQ(picture.Get(0, 0), GreyRgb(10));
    EXPECT_EQ(picture.Get(4, 4), GreyRgb(10));
}

TEST(RenderPass, BrushStaysOnForDrawingStyles) {
    // A Photo Editor Apply left the brush on; a Paint Apply chose Pen.
    TestPicture picture(6, 6);
    picture.Fill(GreyRgb(10));
    auto surface = picture.Surface();
    auto s = BrushSettings(2);
    s.style = kStylePen;
    RenderPicture(surface, s, {0, 0, 6, 6});
    EXPECT_EQ(picture.Get(0, 0), GreyRgb(255));
    EXPECT_EQ(picture.Get(4, 4), GreyRgb(10)) << "the last strip keeps its pixels";
}

TEST(RenderPass, ABrushSizeBelowOneCountsAsOne) {
    TestPicture picture(4, 4);
    picture.Fill(GreyRgb(10));
    auto surface = picture.Surface();
    auto s = BrushSettings(0);
    EXPECT_EQ(Positions(surface, s, {0, 0, 4, 4}).size(), 16u);
    EXPECT_EQ(picture.Get(0, 0), GreyRgb(30)) << "(1, 1) painted one pixel up and left";
}

TEST(RenderPass, AreaBeyondThePictureIsClipped) {
    // A window larger than the photo: cells outside read white, and with the
    // brush their blocks reach back into the picture.
    std::mt19937 random(5);
    for (auto settings : {PenSettings(), BrushSettings(2), BrushSettings(1)}) {
        TestPicture picture(9, 7);
        picture.FillRandom(random);
        TestPicture expected = picture;
        auto surface = picture.Surface();
        auto expectedSurface = expected.Surface();
        const auto positions = ReferenceRenderPicture(expectedSurface, settings, {0, 0, 14, 12});
        EXPECT_EQ(Positions(surface, settings, {0, 0, 14, 12}, 2), positions);
        EXPECT_EQ(picture.Words(), expected.Words());
    }
}

} // namespace
} // namespace kolvira::test
