#include "imageio/RowBands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace kolvira {
namespace {

TEST(RowBandsTest, EveryRowIsInExactlyOneBand) {
    struct Case {
        int height;
        qint64 pixels;
    };
    // Below a megapixel one band; above, bands on the cores, also when there
    // are fewer rows than cores or the rows do not divide evenly.
    for (const Case c : {Case{1, 1}, Case{480, 640 * 480}, Case{1, 4 << 20}, Case{3, 4 << 20},
                         Case{1001, 4 << 20}}) {
        SCOPED_TRACE(testing::Message() << c.height << " rows, " << c.pixels << " pixels");
        std::vector<std::atomic<int>> visits(c.height);
        ForRowBands(c.height, c.pixels, [&](int first, int last) {
            ASSERT_LT(first, last);
            for (int row = first; row < last; ++row)
                ++visits[row];
        });
        for (int row = 0; row < c.height; ++row)
            EXPECT_EQ(visits[row], 1) << "row " << row;
    }
}

} // namespace
} // namespace kolvira
