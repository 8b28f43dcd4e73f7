#include "Dither.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace pav::image;

TEST(DitherTable, HoldsTheFixedThresholds) {
    const DitherTables& d = initDither();
    struct Case {
        int row, column, value;
    };
    const Case cases[] = {{0, 0, 0}, {0, 1, 235}, {0, 15, 213},  {1, 0, 128},  {6, 7, 255},
                          {8, 8, 1}, {9, 8, 129}, {14, 15, 254}, {15, 0, 171}, {15, 15, 85}};
    for (const Case& c : cases)
        EXPECT_EQ(d.threshold[c.row * 16 + c.column], c.value) << "row " << c.row << " column " << c.column;

    std::array<std::uint8_t, 256> sorted = d.threshold;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(sorted[i], i) << "not a permutation of 0..255";
    EXPECT_EQ(std::accumulate(d.threshold.begin(), d.threshold.end(), 0), 32640);
}

TEST(DitherTable, BitMasksRunFromTheLeftmostPixel) {
    const DitherTables& d = initDither();
    EXPECT_EQ(d.bitMask, (std::array<std::uint8_t, 8>{128, 64, 32, 16, 8, 4, 2, 1}));
    EXPECT_EQ(&initDither(), &d) << "built once";
}

TEST(DitherTable, RotatedLookupsAddressTheSameTable) {
    const DitherTables& d = initDither();
    // (x, y) = (7, 6): standard row 6 column 7; blue row 7 column 9; red row 8 column 6.
    EXPECT_EQ(standardThreshold(d, 7, 6), 255);
    EXPECT_EQ(rotatedBlueThreshold(d, 7, 6), d.threshold[7 * 16 + 9]);
    EXPECT_EQ(rotatedRedThreshold(d, 7, 6), d.threshold[8 * 16 + 6]);
    // Positions repeat every 16 pixels in both directions.
    EXPECT_EQ(standardThreshold(d, 7 + 32, 6 + 16), 255);
    EXPECT_EQ(rotatedRedThreshold(d, 16, 17), d.threshold[15 * 16 + 1]);
}
