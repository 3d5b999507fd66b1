#include "TestPictures.h"
#include "render/PixelColor.h"
#include "render/RenderPass.h"

#include <gtest/gtest.h>

#include <functional>

namespace kolvira::test {
namespace {

// The Photo Editor's opening state: every slider in the middle.
RenderParameters EffectSettings(const std::function<void(RenderParameters&)>& change = {}) {
    RenderParameters s;
    s.active = true;
    s.style = kStylePhotoEffects;
    s.brightness = s.redLevel = s.greenLevel = s.blueLevel = 0.5;
    s.replaceDepth = 40;
    s.brushSize = 2;
    if (change)
        change(s);
    return s;
}

COLORREF FlatEffect(const RenderParameters& s, COLORREF color, int size = 3) {
    TestPicture picture(size, size);
    picture.Fill(color);
    auto surface = picture.Surface();
    return PixelColor(surface, size / 2, size / 2, s);
}

struct EffectCase {
    const char* what;
    std::function<void(RenderParameters&)> change;
    COLORREF in;
    COLORREF expected;
};

TEST(PhotoEffects, SingleEffectsOnOnePixel) {
    const EffectCase cases[] = {
        {"no switch keeps the colour", {}, Rgb(10, 20, 30), Rgb(10, 20, 30)},
        {"inversed", [](auto& s) { s.invertColors = true; }, Rgb(10, 20, 30), Rgb(245, 235, 225)},
        {"shifted", [](auto& s) { s.shiftColors = true; }, Rgb(10, 20, 30), Rgb(20, 30, 10)},
        {"sandy sky", [](auto& s) { s.sandySky = true; }, Rgb(10, 20, 30), Rgb(30, 20, 10)},
        {"shifted then sandy", [](auto& s) { s.shiftColors = s.sandySky = true; }, Rgb(10, 20, 30),
         Rgb(10, 30, 20)},
        {"red more doubles", [](auto& s) { s.redLevel = 0.0; }, Rgb(100, 7, 7), Rgb(200, 7, 7)},
        {"red more clamps", [](auto& s) { s.redLevel = 0.0; }, Rgb(130, 7, 7), Rgb(255, 7, 7)},
        {"red less is 0", [](auto& s) { s.redLevel = 1.0; }, Rgb(130, 7, 7), Rgb(0, 7, 7)},
        {"brightness more", [](auto& s) { s.brightness = 0.0; }, Rgb(100, 50, 200),
         Rgb(200, 100, 255)},
        {"brightness less", [](auto& s) { s.brightness = 1.0; }, Rgb(100, 50, 200), Rgb(0, 0, 0)},
        {"brush boosts the dominant channel", [](auto& s) { s.impressionBrush = true; },
         Rgb(100, 50, 30), Rgb(225, 50, 30)},
        {"brush boost clamps", [](auto& s) { s.impressionBrush = true; }, Rgb(200, 50, 30),
         Rgb(255, 50, 30)},
        {"brush needs a strict winner", [](auto& s) { s.impressionBrush = true; },
         Rgb(100, 100, 30), Rgb(100, 100, 30)},
        {"stamp at the threshold", [](auto& s) { s.stamp = true; }, GreyRgb(127), GreyRgb(127)},
        {"stamp above the threshold", [](auto& s) { s.stamp = true; }, GreyRgb(128), GreyRgb(255)},
        {"black-white photo", [](auto& s) { s.blackWhitePhoto = true; }, Rgb(10, 20, 30),
         GreyRgb(20)},
        {"black-white dream 51", [](auto& s) { s.blackWhiteDream = true; }, GreyRgb(51),
         GreyRgb(255)},
        {"black-white dream 52 wraps", [](auto& s) { s.blackWhiteDream = true; }, GreyRgb(52),
         GreyRgb(4)},
        {"dream decides over stamp", [](auto& s) { s.blackWhiteDream = s.stamp = true; },
         GreyRgb(52), GreyRgb(4)},
        {"photo decides over stamp", [](auto& s) { s.blackWhitePhoto = s.stamp = true; },
         GreyRgb(200), GreyRgb(200)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FlatEffect(EffectSettings(c.change), c.in), c.expected) << c.what;
}

TEST(PhotoEffects, ColorReplacementWithinTheDepth) {
    auto replacing = [](int depth, COLORREF newColor) {
        return EffectSettings([=](auto& s) {
            s.oldColor = Rgb(200, 0, 0);
            s.newColor = newColor;
            s.replaceDepth = depth;
        });
    };
    EXPECT_EQ(FlatEffect(replacing(40, Rgb(0, 0, 255)), Rgb(180, 20, 10)), Rgb(0, 0, 255));
    EXPECT_EQ(FlatEffect(replacing(40, Rgb(0, 0, 255)), Rgb(160, 0, 0)), Rgb(160, 0, 0))
        << "a difference of exactly the depth stays";
    EXPECT_EQ(FlatEffect(replacing(0, Rgb(0, 0, 255)), Rgb(200, 0, 0)), Rgb(200, 0, 0));
    EXPECT_EQ(FlatEffect(replacing(-5, Rgb(0, 0, 255)), Rgb(200, 0, 0)), Rgb(200, 0, 0));
    EXPECT_EQ(FlatEffect(replacing(40, Rgb(200, 0, 0)), Rgb(180, 20, 10)), Rgb(180, 20, 10))
        << "old and new colour equal";
    // The comparison sees the levelled channels: red 95 doubles to 190.
    auto levelled = replacing(40, Rgb(0, 0, 255));
    levelled.redLevel = 0.0;
    EXPECT_EQ(FlatEffect(levelled, Rgb(95, 0, 0)), Rgb(0, 0, 255));
}

TEST(PhotoEffects, BlurAveragesSeventeenTermsOverSixteen) {
    const auto blur = EffectSettings([](auto& s) { s.blur = true; });
    EXPECT_EQ(FlatEffect(blur, GreyRgb(100), 6), GreyRgb(106));
    auto inverted = blur;
    inverted.invertColors = true;
    EXPECT_EQ(FlatEffect(inverted, GreyRgb(100), 6), GreyRgb(109));

    // At the corner twelve of the sixteen samples lie outside and count as white.
    TestPicture picture(6, 6);
    picture.Fill(GreyRgb(100));
    auto surface = picture.Surface();
    EXPECT_EQ(PixelColor(surface, 0, 0, blur), GreyRgb((100 + 4 * 100 + 12 * 255) / 16));
}

TEST(PhotoEffects, WholeBlurPassSettlesAbove) {
    TestPicture picture(64, 48);
    picture.Fill(GreyRgb(100));
    auto surface = picture.Surface();
    const auto blur = EffectSettings([](auto& s) { s.blur = true; });
    RenderPicture(surface, blur, {0, 0, 64, 48});
    EXPECT_EQ(picture.Get(32, 24), GreyRgb(116));
    for (int i = 0; i < 48; ++i) {
        EXPECT_GT(RedOf(picture.Get(0, i)), 150u) << "first column, row " << i;
        EXPECT_GT(RedOf(picture.Get(63, i)), 150u) << "last column, row " << i;
    }
    for (int i = 0; i < 64; ++i) {
        EXPECT_GT(RedOf(picture.Get(i, 0)), 150u) << "first row, column " << i;
        EXPECT_GT(RedOf(picture.Get(i, 47)), 150u) << "last row, column " << i;
    }
}

} // namespace
} // namespace kolvira::test
