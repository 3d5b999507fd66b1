#include "TestPictures.h"
#include "render/PixelColor.h"

#include <gtest/gtest.h>

namespace kolvira::test {
namespace {

RenderParameters StyleSettings(int style, double details = 0.75, double penPress = 0.25) {
    RenderParameters s;
    s.active = true;
    s.style = style;
    s.details = details;
    s.penPress = penPress;
    return s;
}

// The colour of the middle pixel of a flat 3 x 3 picture: never an edge.
COLORREF FlatColor(const RenderParameters& s, COLORREF color) {
    TestPicture picture(3, 3);
    picture.Fill(color);
    auto surface = picture.Surface();
    return PixelColor(surface, 1, 1, s);
}

// The middle pixel of a flat grey picture whose right neighbour has another grey.
COLORREF StepColor(const RenderParameters& s, int grey, int rightGrey) {
    TestPicture picture(3, 3);
    picture.Fill(GreyRgb(grey));
    picture.Set(2, 1, GreyRgb(rightGrey));
    auto surface = picture.Surface();
    return PixelColor(surface, 1, 1, s);
}

struct ColorCase {
    const char* what;
    int style;
    COLORREF in;
    COLORREF expected;
};

TEST(DrawingStyles, NonEdgeColorsFollowTheStyle) {
    const ColorCase cases[] = {
        {"pen is white", kStylePen, Rgb(10, 20, 30), GreyRgb(255)},
        {"pencil grey 85 triples past 255", kStylePencil, GreyRgb(85), GreyRgb(255)},
        {"pencil grey 40 triples", kStylePencil, GreyRgb(40), GreyRgb(120)},
        {"pencil uses the grey level", kStylePencil, Rgb(10, 20, 31), GreyRgb(60)},
        {"coal grey 75 is black", kStyleCoal, GreyRgb(75), GreyRgb(0)},
        {"coal grey 76 is white", kStyleCoal, GreyRgb(76), GreyRgb(255)},
        {"water color triples and clamps", kStyleWaterColor, Rgb(10, 85, 86), Rgb(30, 255, 255)},
        {"picasso 85 gives 0, 86 gives 255, 0 gives 255", kStylePicasso, Rgb(85, 86, 0),
         Rgb(0, 255, 255)},
        {"picasso inverts small channels", kStylePicasso, Rgb(1, 20, 50), Rgb(252, 195, 105)},
        {"rainbow black is white", kStyleRainbow, GreyRgb(0), GreyRgb(255)},
        {"rainbow 50", kStyleRainbow, GreyRgb(50), GreyRgb(55)},
        {"rainbow 63 doubles below a product of 50", kStyleRainbow, GreyRgb(63), GreyRgb(6)},
        {"rainbow 64", kStyleRainbow, GreyRgb(64), GreyRgb(254)},
        {"rainbow 100 wraps", kStyleRainbow, GreyRgb(100), GreyRgb(222)},
        {"rainbow pure red", kStyleRainbow, Rgb(255, 0, 0), Rgb(255, 1, 1)},
        {"revolution light is white", kStyleRevolution, GreyRgb(240), GreyRgb(255)},
        {"revolution dark is black", kStyleRevolution, GreyRgb(40), GreyRgb(0)},
        {"revolution yellow", kStyleRevolution, Rgb(200, 180, 20), Rgb(255, 255, 0)},
        {"revolution red", kStyleRevolution, Rgb(200, 60, 70), Rgb(255, 0, 0)},
        {"revolution green", kStyleRevolution, Rgb(60, 200, 100), Rgb(0, 255, 0)},
        {"revolution blue", kStyleRevolution, Rgb(80, 90, 200), Rgb(0, 0, 255)},
        {"revolution mid grey is white", kStyleRevolution, GreyRgb(100), GreyRgb(255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlatColor(StyleSettings(c.style), c.in), c.expected) << c.what;
}

TEST(DrawingStyles, CoalAndRevolutionThresholdFollowsDetails) {
    EXPECT_EQ(FlatColor(StyleSettings(kStyleCoal, 1.0), GreyRgb(100)), GreyRgb(0));
    EXPECT_EQ(FlatColor(StyleSettings(kStyleCoal, 1.0), GreyRgb(101)), GreyRgb(255));
    // T = 100: red 100 is not above it.
    EXPECT_EQ(FlatColor(StyleSettings(kStyleRevolution, 1.0), Rgb(100, 60, 60)), GreyRgb(255));
    EXPECT_EQ(FlatColor(StyleSettings(kStyleRevolution, 1.0), Rgb(101, 60, 60)), Rgb(255, 0, 0));
}

struct EdgeCase {
    const char* what;
    double details;
    double penPress;
    int grey;
    int rightGrey;
    COLORREF expected;
};

TEST(DrawingStyles, EdgesArePaintedInThePenPressGrey) {
    const EdgeCase cases[] = {
        {"step 15 at details 0.75 is no edge", 0.75, 0.25, 100, 115, GreyRgb(255)},
        {"step 16 at details 0.75 is an edge", 0.75, 0.25, 100, 116, GreyRgb(63)},
        {"a falling step counts too", 0.75, 0.25, 116, 100, GreyRgb(63)},
        {"details 0 makes any step an edge", 0.0, 0.25, 100, 101, GreyRgb(63)},
        {"details 0 leaves flat areas alone", 0.0, 0.25, 100, 100, GreyRgb(255)},
        {"details 1 allows a step of 20", 1.0, 0.25, 100, 120, GreyRgb(255)},
        {"details 1 takes a step of 21", 1.0, 0.25, 100, 121, GreyRgb(63)},
        {"pen press 1 paints white", 0.75, 1.0, 100, 200, GreyRgb(255)},
        {"pen press 0 paints black", 0.75, 0.0, 100, 200, GreyRgb(0)},
        {"pen press at a slider position", 0.75, SliderValue(33), 100, 200, GreyRgb(170)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepColor(StyleSettings(kStylePen, c.details, c.penPress), c.grey, c.rightGrey),
                  c.expected)
            << c.what;
}

TEST(DrawingStyles, FirstColumnAndRowHaveNoEdgesTowardsTheirNeighbours) {
    TestPicture picture(3, 3);
    picture.Fill(GreyRgb(0));
    picture.Set(1, 0, GreyRgb(255)); // right of (0, 0), below (1, -1)
    picture.Set(0, 1, GreyRgb(255)); // below (0, 0)
    auto surface = picture.Surface();
    const auto s = StyleSettings(kStylePen);
    EXPECT_EQ(GreyGradient(surface, 0, 0, kHorizontal), 0);
    EXPECT_EQ(GreyGradient(surface, 0, 0, kVertical), 0);
    EXPECT_EQ(PixelColor(surface, 0, 0, s), GreyRgb(255));
    // (0, 1) is in column 0 but not row 0: its lower neighbour counts.
    EXPECT_EQ(GreyGradient(surface, 0, 1, kVertical), 0 - 255);
    EXPECT_EQ(GreyGradient(surface, 1, 1, kHorizontal), 0);
}

TEST(DrawingStyles, OutsideNeighboursReadAsWhite) {
    const auto s = StyleSettings(kStylePen); // threshold 15
    TestPicture picture(3, 3);
    picture.Fill(GreyRgb(239));
    picture.Set(2, 1, GreyRgb(240));
    picture.Set(1, 2, GreyRgb(240));
    picture.Set(2, 2, GreyRgb(240));
    auto surface = picture.Surface();
    // Last column: 255 - 239 = 16 is an edge, 255 - 240 = 15 is not.
    EXPECT_EQ(PixelColor(surface, 2, 2, s), GreyRgb(255)) << "grey 240 bottom right corner";
    EXPECT_EQ(PixelColor(surface, 2, 1, s), GreyRgb(255)) << "grey 240, last column";
    EXPECT_EQ(PixelColor(surface, 2, 0, s), GreyRgb(63)) << "grey 239, last column of row 0";
    EXPECT_EQ(PixelColor(surface, 1, 2, s), GreyRgb(255)) << "grey 240, last row";
    EXPECT_EQ(PixelColor(surface, 0, 2, s), GreyRgb(63)) << "grey 239, last row";
    EXPECT_EQ(GreyGradient(surface, 2, 1, kHorizontal), 15);
}

} // namespace
} // namespace kolvira::test
