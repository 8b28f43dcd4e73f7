#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <gtest/gtest.h>

#include <set>

namespace pav::palette {
namespace {

// Colours in the tests are written 0xRRGGBB, as thread cards print them.
constexpr std::int32_t hex(std::uint32_t rrggbb) {
    return makeRgb((rrggbb >> 16) & 255, (rrggbb >> 8) & 255, rrggbb & 255);
}

struct TellingRow {
    int row;
    const char* cindex;
    std::uint32_t rrggbb;
};

TEST(ThreadPalette, TellingRows) {
    const TellingRow rows[] = {
        {1, "3713", 0xFFC9B8},   {6, "347", 0xBD151E},   {118, "820", 0x000071},
        {200, "913", 0x58BB5B}, {296, "307", 0xF7FF33}, {393, "5200", 0xFFFFFF},
        {394, "0000", 0xF6E8CF}, {421, "310", 0x000000}, {422, "5283", 0xA0A0A0},
        {423, "5282", 0x977900},
    };
    for (const auto& expected : rows) {
        SCOPED_TRACE(expected.row);
        EXPECT_STREQ(dmcThreads()[expected.row - 1].number, expected.cindex);
        EXPECT_EQ(dmcThreads()[expected.row - 1].color, hex(expected.rrggbb));
    }
    EXPECT_EQ(dmcThreads()[0].color, 12110335); // R + 256*G + 65536*B, not 0xRRGGBB
    EXPECT_EQ(dmcThreads()[392].color, kWhite);
}

TEST(ThreadPalette, RowsAreUnique) {
    std::set<std::string> numbers;
    std::set<std::int32_t> colours;
    for (int row = 1; row <= kThreadRows; ++row) {
        numbers.insert(dmcThreads()[row - 1].number);
        colours.insert(dmcThreads()[row - 1].color);
    }
    // A mistyped or doubled row would break the table's own promise of uniqueness.
    EXPECT_EQ(numbers.size(), static_cast<std::size_t>(kThreadRows));
    EXPECT_EQ(colours.size(), static_cast<std::size_t>(kThreadRows));
}

TEST(ThreadPalette, EveryThreadColourFindsItsOwnRow) {
    for (int row = 1; row <= kThreadRows; ++row)
        EXPECT_EQ(nearestThreadRow(dmcThreads()[row - 1].color), row) << row;
}

TEST(ThreadPalette, NearestRowAndTies) {
    struct Case {
        std::uint32_t rrggbb;
        int row;
    };
    const Case cases[] = {
        {0xFFFFFF, 393},
        {0x000000, 421},
        {0xFEFEFE, 393},
        {0x010101, 421},
        // Exactly halfway between two threads, with no nearer one: the lower row wins.
        {0xF6C7B7, 1},  // rows 1 and 359, distance 86 each
        {0xFFF2F2, 37}, // rows 37 and 393 (white), distance 338 each
        {0xA698A3, 68}, // rows 68 and 422, distance 109 each
    };
    for (const auto& c : cases)
        EXPECT_EQ(nearestThreadRow(hex(c.rrggbb)), c.row) << std::hex << c.rrggbb;
}

} // namespace
} // namespace pav::palette
