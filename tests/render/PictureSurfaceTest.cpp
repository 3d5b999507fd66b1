#include "render/PictureSurface.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

namespace kolvira::test {
namespace {

TEST(PictureSurface, ReadsColorrefAndInvalidOutside) {
    TestPicture picture(4, 3);
    auto surface = picture.Surface();
    surface.SetPixel(1, 2, Rgb(1, 2, 3));
    EXPECT_EQ(surface.GetPixel(1, 2), Rgb(1, 2, 3));
    EXPECT_EQ(surface.Row(2)[1], 0xFF010203u) << "stored as 0xffRRGGBB";
    for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 3}, {4, 3}}) {
        EXPECT_EQ(surface.GetPixel(x, y), CLR_INVALID) << x << "," << y;
    }
    surface.SetPixel(4, 0, Rgb(9, 9, 9)); // outside: nothing happens
    surface.SetPixel(-1, 2, Rgb(9, 9, 9));
    EXPECT_EQ(picture.Get(0, 1), Rgb(0, 0, 0));
}

TEST(PictureSurface, FillIsClippedToThePicture) {
    TestPicture picture(5, 4);
    auto surface = picture.Surface();
    surface.FillSolidRect(-2, -2, 4, 4, Rgb(255, 0, 0)); // covers (0..1, 0..1)
    surface.FillSolidRect(4, 3, 100, 100, Rgb(0, 255, 0));
    surface.FillSolidRect(2, 2, 0, 5, Rgb(0, 0, 255));        // empty
    surface.FillSolidRect(1, 1, 2147483647, 1, Rgb(1, 1, 1)); // no overflow
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) {
            COLORREF expected = Rgb(0, 0, 0);
            if (x < 2 && y < 2)
                expected = Rgb(255, 0, 0);
            if (y == 1 && x >= 1)
                expected = Rgb(1, 1, 1);
            if (x == 4 && y == 3)
                expected = Rgb(0, 255, 0);
            EXPECT_EQ(picture.Get(x, y), expected) << x << "," << y;
        }
    }
    // The padding after each row is never touched.
    for (size_t i = 0; i < picture.Words().size(); ++i) {
        if (static_cast<int>(i % (picture.Width() + 3)) >= picture.Width()) {
            EXPECT_EQ(picture.Words()[i], 0xFF000000u) << "word " << i;
        }
    }
}

} // namespace
} // namespace kolvira::test
