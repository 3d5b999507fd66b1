// The fast render pass against the plain sequential one, on random pictures
// and settings: same bytes for every style, switch, brush size, picture shape
// and thread count.
#include "ReferencePass.h"
#include "TestPictures.h"
#include "render/RenderPass.h"
#include "render/RenderTables.h"

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

    COLORREF Color() {
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
        s.oldColor = Color();
        s.newColor = Flip(0.1) ? s.oldColor : Color();
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

void ExpectPictureMatchesReference(const RenderParameters& s, const TestPicture& original,
                                   std::mt19937& random, RenderRect area) {
    const Shape shape{original.Width(), original.Height()};
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

void ExpectSameAsReference(const RenderParameters& s, const Shape& shape, std::mt19937& random,
                           RenderRect area) {
    TestPicture original(shape.width, shape.height);
    original.FillRandom(random);
    ExpectPictureMatchesReference(s, original, random, area);
}

// Every combination of the given channel values, each in two pixels side by
// side on two equal rows, so that the first of them is no edge whatever its
// neighbours; in rows of an odd width so that both the vector blocks and the
// plain loop at a row's end see them.
TestPicture EveryCombination(const std::vector<int>& values) {
    const int n = static_cast<int>(values.size());
    const int count = n * n * n, width = 251;
    const int rows = (2 * count + width - 1) / width;
    TestPicture picture(width, 2 * rows);
    for (int i = 0; i < width * rows; ++i) {
        const int c = i / 2 % count;
        const COLORREF color = Rgb(values[c % n], values[c / n % n], values[c / n / n]);
        picture.Set(i % width, 2 * (i / width), color);
        picture.Set(i % width, 2 * (i / width) + 1, color);
    }
    return picture;
}

std::vector<int> Span(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v)
        values.push_back(v);
    return values;
}

// Pencil turns at a grey level of 85, coal at its threshold, water colour and
// Picasso at a channel of 85; rainbow's factor on the sign and size of a
// product of three values that are near zero where g + b, r + b or r + g is
// near 127; revolution's colours on ties between channels and on the values
// around its thresholds.
TEST(FastPass, StylesMatchTheReferenceAcrossTheirDecisions) {
    struct Case {
        int style;
        int details; // slider position: the grey threshold is details x 100
        std::vector<int> values;
    };
    const Case cases[] = {
        {kStylePencil, 75, Span(80, 90)},
        {kStyleCoal, 75, Span(70, 80)},
        {kStyleWaterColor, 75, {0, 1, 84, 85, 86, 128, 255}},
        {kStylePicasso, 75, {0, 1, 84, 85, 86, 128, 255}},
        {kStyleRainbow, 75, Span(40, 90)},
        {kStyleRainbow, 20, {0, 1, 62, 63, 64, 65, 126, 127, 128, 191, 192, 254, 255}},
        {kStyleRevolution, 75, {0, 1, 49, 50, 51, 74, 75, 76, 128, 229, 230, 231, 255}},
        {kStyleRevolution, 40, {0, 39, 40, 41, 49, 50, 51, 128, 200, 230, 231, 254, 255}},
    };
    RandomSettings settings(7);
    for (const auto& c : cases) {
        RenderParameters s = settings.Make(c.style, 0);
        s.details = SliderValue(100 - c.details);
        const TestPicture picture = EveryCombination(c.values);
        ExpectPictureMatchesReference(s, picture, settings.Engine(),
                                      {0, 0, picture.Width(), picture.Height()});
    }
}

// At a few positions of a level slider no 16-bit formula follows the
// double-precision steps at every channel value; there the formula is lowered
// at the values it misses. Every position, each slider alone, with the
// brightness at its opening position (where levels and brightness make one
// scale) and at another (where most take two), with the brush and without.
TEST(FastPass, EveryLevelPositionMatchesTheReference) {
    TestPicture picture(256, 3);
    for (int x = 0; x < 256; ++x) {
        picture.Set(x, 0, GreyRgb(x));
        picture.Set(x, 1, Rgb(x, 255 - x, x * 7 % 256));
        picture.Set(x, 2, Rgb(x * 3 % 256, x, 255 - x));
    }
    RandomSettings settings(8);
    double RenderParameters::*levels[] = {
        &RenderParameters::redLevel, &RenderParameters::greenLevel, &RenderParameters::blueLevel};
    for (auto level : levels) {
        for (int position = 0; position <= 100; ++position) {
            for (int brightness : {50, position * 37 % 101}) {
                RenderParameters s = settings.Make(kStylePhotoEffects, position % 2 ? 0 : 2);
                s.blur = s.stamp = s.blackWhitePhoto = s.blackWhiteDream = false;
                s.redLevel = s.greenLevel = s.blueLevel = SliderValue(50);
                s.*level = SliderValue(position);
                s.brightness = SliderValue(brightness);
                if (brightness == 50) {
                    ASSERT_TRUE(MakeEffectTables(s).fixedPoint.usable) << Describe(s);
                }
                ExpectPictureMatchesReference(s, picture, settings.Engine(), {0, 0, 256, 3});
            }
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
