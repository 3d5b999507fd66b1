// The fast render pass against the plain sequential one, on random pictures
// and settings: same bytes for every style, switch, brush size, picture shape
// and thread count.
#include "ReferencePass.h"
#include "TestPictures.h"
#include "render/RenderPass.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace kolvira::test {
namespace {

std::string Describe(const RenderParameters& s) {
    std::ostringstream out;
    out << "style " << s.style << " invert " << s.invertColors << " shift " << s.shiftColors
        << " sandy " << s.sandySky << " blur " << s.blur << " brush " << s.impressionBrush << "/"
        << s.brushSize << " stamp " << s.stamp << " photo " << s.blackWhitePhoto << " dream "
        << s.blackWhiteDream << " press " << s.penPress << " details " << s.details << " bright "
        << s.brightness << " levels " << s.redLevel << "," << s.greenLevel << "," << s.blueLevel
        << " depth " << s.replaceDepth << " old " << std::hex << s.oldColor << " new "
        << s.newColor;
    return out.str();
}

class RandomSettings {
public:
    explicit RandomSettings(unsigned seed) : random_(seed) {}

    // Slider positions as the dialogs store them, now and then a value
    // between two positions, and now and then an end.
    double Slider() {
        const int kind = std::uniform_int_distribution<int>(0, 9)(random_);
        if (kind == 0)
            return 0.0;
        if (kind == 1)
            return 1.0;
        if (kind == 2)
            return std::uniform_real_distribution<double>(0.0, 1.0)(random_);
        return SliderValue(std::uniform_int_distribution<int>(0, 100)(random_));
    }

    COLORREF Colour() {
        std::uniform_int_distribution<int> channel(0, 255);
        return MakeColorref(channel(random_), channel(random_), channel(random_));
    }

    bool Flip(double p = 0.5) { return std::bernoulli_distribution(p)(random_); }

    RenderParameters Make(int style, int brushSize) {
        RenderParameters s;
        s.active = true;
        s.style = style;
        s.penPress = Slider();
        s.details = Slider();
        s.brightness = Slider();
        s.redLevel = Slider();
        s.greenLevel = Slider();
        s.blueLevel = Slider();
        s.invertColors = Flip();
        s.shiftColors = Flip();
        s.sandySky = Flip();
        s.blur = Flip();
        s.stamp = Flip(0.2);
        s.blackWhitePhoto = Flip(0.2);
        s.blackWhiteDream = Flip(0.2);
        s.impressionBrush = brushSize > 0;
        s.brushSize = std::max(brushSize, 1);
        s.replaceDepth = std::uniform_int_distribution<int>(-5, 90)(random_);
        s.oldColor = Colour();
        s.newColor = Flip(0.1) ? s.oldColor : Colour();
        return s;
    }

    std::mt19937& Engine() { return random_; }

private:
    std::mt19937 random_;
};

struct Shape {
    int width;
    int height;
};

const Shape kShapes[] = {{1, 1}, {2, 3}, {7, 5}, {1, 40}, {40, 1}, {33, 17}, {97, 130}};

void ExpectSameAsReference(const RenderParameters& s, const Shape& shape, std::mt19937& random,
                           RenderRect area) {
    TestPicture original(shape.width, shape.height);
    original.FillRandom(random);
    // Pick the replaced colour from the picture now and then, so that
    // replacement actually happens.
    RenderParameters settings = s;
    if (std::bernoulli_distribution(0.5)(random))
        settings.oldColor = original.Get(shape.width / 2, shape.height / 2);

    TestPicture expected = original;
    auto expectedSurface = expected.Surface();
    const auto positions = ReferenceRenderPicture(expectedSurface, settings, area);

    // Every thread count, with the AVX2 code and with the plain code.
    for (bool portable : {false, true}) {
        for (int threads : {1, 2, 7}) {
            TestPicture actual = original;
            auto surface = actual.Surface();
            std::vector<int> seen;
            RenderOptions options;
            options.threads = threads;
            options.minCellsPerThread = 1;
            options.portableCode = portable;
            RenderPicture(
                surface, settings, area, [&](int p) { seen.push_back(p); }, options);
            ASSERT_EQ(actual.Words(), expected.Words())
                << Describe(settings) << " on " << shape.width << "x" << shape.height << " area "
                << area.right << "x" << area.bottom << ", " << threads << " threads"
                << (portable ? ", portable code" : "");
            ASSERT_EQ(seen, positions) << Describe(settings);
        }
    }
}

TEST(FastPass, DrawingStylesMatchTheReference) {
    RandomSettings settings(1);
    for (int style = kStylePen; style <= kStyleRevolution; ++style)
        for (int brush = 0; brush <= 5; ++brush)
            for (const auto& shape : kShapes)
                for (int round = 0; round < 3; ++round)
                    ExpectSameAsReference(settings.Make(style, brush), shape, settings.Engine(),
                                          {0, 0, shape.width, shape.height});
}

TEST(FastPass, PhotoEffectsMatchTheReference) {
    RandomSettings settings(2);
    for (int brush = 0; brush <= 5; ++brush)
        for (const auto& shape : kShapes)
            for (int round = 0; round < 12; ++round)
                ExpectSameAsReference(settings.Make(kStylePhotoEffects, brush), shape,
                                      settings.Engine(), {0, 0, shape.width, shape.height});
}

TEST(FastPass, EverySwitchAloneMatchesTheReference) {
    RandomSettings settings(3);
    bool RenderParameters::*switches[] = {
        &RenderParameters::invertColors,   &RenderParameters::shiftColors,
        &RenderParameters::sandySky,       &RenderParameters::blur,
        &RenderParameters::stamp,          &RenderParameters::blackWhitePhoto,
        &RenderParameters::blackWhiteDream};
    for (auto flag : switches) {
        for (int brush : {0, 1, 2, 3}) {
            RenderParameters s = settings.Make(kStylePhotoEffects, brush);
            s.invertColors = s.shiftColors = s.sandySky = s.blur = false;
            s.stamp = s.blackWhitePhoto = s.blackWhiteDream = false;
            s.*flag = true;
            ExpectSameAsReference(s, {61, 47}, settings.Engine(), {0, 0, 61, 47});
        }
    }
}

// The brush's cells go through the 16-bit arithmetic when the levels and the
// boost fit it: the boost runs from 1 (brightness at "less") to 3.5 (at
// "more"), and ties between channels boost nothing.
TEST(FastPass, BrushBoostsMatchTheReference) {
    RandomSettings settings(6);
    for (int brush : {1, 2, 3, 4}) {
        for (int brightness : {0, 37, 60, 100}) {
            RenderParameters s = settings.Make(kStylePhotoEffects, brush);
            s.blur = s.stamp = s.blackWhitePhoto = s.blackWhiteDream = false;
            s.brightness = SliderValue(brightness);
            s.redLevel = s.greenLevel = s.blueLevel = SliderValue(50);
            ExpectSameAsReference(s, {131, 9}, settings.Engine(), {0, 0, 131, 9});
        }
    }
}

TEST(FastPass, AreasLargerAndSmallerThanThePicture) {
    RandomSettings settings(4);
    const RenderRect areas[] = {{0, 0, 50, 41}, {0, 0, 20, 9}, {0, 0, 45, 80}, {7, 3, 27, 33}};
    for (int style = kStylePen; style <= kStylePhotoEffects; ++style)
        for (int brush : {0, 1, 2, 4})
            for (const auto& area : areas)
                ExpectSameAsReference(settings.Make(style, brush), {40, 30}, settings.Engine(),
                                      area);
}

TEST(FastPass, SettingsOutsideTheSliderRangeStillMatch) {
    RandomSettings settings(5);
    for (int style : {0, 2, 7, 9, -1}) {
        RenderParameters s = settings.Make(style, 0);
        s.details = 1.7;
        s.redLevel = -0.5;
        s.brightness = std::nan("");
        ExpectSameAsReference(s, {23, 19}, settings.Engine(), {0, 0, 23, 19});
    }
}

} // namespace
} // namespace kolvira::test
