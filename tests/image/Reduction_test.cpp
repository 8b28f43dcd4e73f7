#include "ClsDIB.h"
#include "Dither.h"
#include "ReductionRules.h"
#include "TestPictures.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

using namespace pav::image;
using namespace pav::image::test;

namespace {

using Reduce = std::function<bool(ClsDIB& destination, const ClsDIB& source)>;

struct Mode {
    const char* name;
    Reduce reduce;
    int depth;
    int topIndex; // the output of a white picture
};

const std::vector<Mode>& allModes() {
    static const std::vector<Mode> modes = {
        {"ddGet1Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet1Bit(s); }, 1, 1},
        {"ddGet2Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet2Bit(s); }, 4, 3},
        {"ddGet3Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet3Bit(s, true); }, 4, 7},
        {"ddGet4Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet4Bit(s); }, 4, 15},
        {"ddGet216C", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet216C(s, true); }, 8, 215},
        {"ddGet8Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet8Bit(s, true); }, 8, 255},
        {"ddGet16Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet16Bit(s, true); }, 24, 0xFFFFFF},
    };
    return modes;
}

// How often each output occurs within the 16 x 16 block at the top-left.
std::map<int, int> blockCounts(const ClsDIB& dib) {
    std::map<int, int> counts;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ++counts[pixelAt(dib, x, y)];
    return counts;
}

// The reductions written out pixel by pixel from their definitions, with the
// literal rules and the three table lookups; the reductions must agree byte for byte.
int expectedPixel(const std::string& mode, bool rotate, int r, int g, int b, int x, int y) {
    const DitherTables& d = initDither();
    const int t = standardThreshold(d, x, y);
    const int tb = rotate ? rotatedBlueThreshold(d, x, y) : t;
    const int tr = rotate ? rotatedRedThreshold(d, x, y) : t;
    using namespace rules;
    if (mode == "ddGet1Bit") return t < grey1(r, g, b) ? 1 : 0;
    if (mode == "ddGet2Bit") return greyLevel(greyFloat(r, g, b), t, 85);
    if (mode == "ddGet4Bit") return greyLevel(greyFloat(r, g, b), t, 17);
    if (mode == "ddGet3Bit")
        return 4 * eightColourBit(b, tb) + 2 * eightColourBit(g, t) + eightColourBit(r, tr);
    if (mode == "ddGet216C") return 36 * level216(b, tb) + 6 * level216(g, t) + level216(r, tr);
    if (mode == "ddGet8Bit")
        return 32 * level8BlueGreen(b, tb) + 4 * level8BlueGreen(g, t) + level8Red(r, tr);
    return value16(r, tr, kStep32) + 256 * value16(g, t, kStep64) + 65536 * value16(b, tb, kStep32);
}

} // namespace

TEST(Reduction, EveryModeMatchesItsDefinitionOnSeededPictures) {
    for (const Mode& mode : allModes())
        for (const auto& [width, height] :
             std::vector<std::pair<int, int>>{{1, 1}, {9, 3}, {17, 18}, {37, 21}}) {
            ClsDIB source, result;
            makeSeeded(source, width, height, static_cast<unsigned>(width * 31 + height));
            ASSERT_TRUE(mode.reduce(result, source)) << mode.name;
            ASSERT_EQ(result.ColorBit(), mode.depth) << mode.name;
            ASSERT_EQ(result.Width(), width);
            ASSERT_EQ(result.Height(), height);
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x) {
                    const int rgb = pixelAt(source, x, y);
                    ASSERT_EQ(pixelAt(result, x, y),
                              expectedPixel(mode.name, true, rgb & 255, (rgb >> 8) & 255, rgb >> 16, x, y))
                        << mode.name << " " << width << "x" << height << " at " << x << "," << y;
                }
        }
}

TEST(Reduction, RotateFlagOffUsesTheStandardThresholdForAllChannels) {
    using Rotatable = std::function<bool(ClsDIB&, const ClsDIB&)>;
    const std::pair<std::string, Rotatable> modes[] = {
        {"ddGet3Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet3Bit(s, false); }},
        {"ddGet216C", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet216C(s, false); }},
        {"ddGet8Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet8Bit(s, false); }},
        {"ddGet16Bit", [](ClsDIB& d, const ClsDIB& s) { return d.ddGet16Bit(s, false); }},
    };
    for (const auto& [name, reduce] : modes) {
        ClsDIB source, result;
        makeSeeded(source, 19, 17, 5);
        ASSERT_TRUE(reduce(result, source));
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 19; ++x) {
                const int rgb = pixelAt(source, x, y);
                ASSERT_EQ(pixelAt(result, x, y),
                          expectedPixel(name, false, rgb & 255, (rgb >> 8) & 255, rgb >> 16, x, y))
                    << name << " at " << x << "," << y;
            }
    }
}

TEST(Reduction, PalettesOfTheIndexedModes) {
    ClsDIB source;
    makeUniform(source, 2, 2, 0, 0, 0);
    struct Case {
        int mode;
        std::vector<std::pair<int, int>> entries;
    }; // index -> R + 256 G + 65536 B
    const Case cases[] = {
        {0, {{0, 0}, {1, 0xFFFFFF}}},
        {1, {{0, 0}, {1, 0x555555}, {2, 0xAAAAAA}, {3, 0xFFFFFF}}},
        {2,
         {{0, 0},
          {1, 0x0000FF},
          {2, 0x00FF00},
          {3, 0x00FFFF},
          {4, 0xFF0000},
          {5, 0xFF00FF},
          {6, 0xFFFF00},
          {7, 0xFFFFFF}}},
        {3, {{0, 0}, {1, 0x111111}, {8, 0x888888}, {15, 0xFFFFFF}}},
        {4,
         {{0, 0},
          {1, 51},
          {6, 51 * 256},
          {36, 51 * 65536},
          {215, 0xFFFFFF},
          {43, 51 + 51 * 256 + 51 * 65536}}},
        {5,
         {{0, 0},
          {1, 85},
          {3, 255},
          {4, 36 * 256},
          {8, 73 * 256},
          {12, 109 * 256},
          {16, 146 * 256},
          {20, 182 * 256},
          {24, 219 * 256},
          {28, 255 * 256},
          {32, 36 * 65536},
          {224, 255 * 65536},
          {255, 0xFFFFFF}}},
    };
    for (const Case& c : cases) {
        ClsDIB result;
        ASSERT_TRUE(allModes()[c.mode].reduce(result, source));
        for (const auto& [index, rgb] : c.entries)
            EXPECT_EQ(result.GetColorTable(index), rgb) << allModes()[c.mode].name << " entry " << index;
    }
}

TEST(Reduction, BlackAndWhitePictures) {
    for (const Mode& mode : allModes()) {
        ClsDIB black, white, result;
        makeUniform(black, 20, 19, 0, 0, 0);
        makeUniform(white, 20, 19, 255, 255, 255);
        ASSERT_TRUE(mode.reduce(result, black));
        EXPECT_EQ(blockCounts(result), (std::map<int, int>{{0, 256}})) << mode.name;
        ASSERT_TRUE(mode.reduce(result, white));
        if (mode.depth != 1) {
            EXPECT_EQ(blockCounts(result), (std::map<int, int>{{mode.topIndex, 256}})) << mode.name;
            continue;
        }
        // In 1 bit the one position whose threshold is 255 stays black: row 6, column 7 of
        // each block, counted from the picture's top-left whatever the height.
        for (int y = 0; y < 19; ++y)
            for (int x = 0; x < 20; ++x)
                ASSERT_EQ(pixelAt(result, x, y), (x % 16 == 7 && y % 16 == 6) ? 0 : 1) << x << "," << y;
    }
}

TEST(Reduction, UniformGreysSplitByThreshold) {
    const DitherTables& d = initDither();
    ClsDIB grey128, grey64, grey254, result;
    makeUniform(grey128, 16, 16, 128, 128, 128);
    makeUniform(grey64, 16, 16, 64, 64, 64);
    makeUniform(grey254, 16, 16, 254, 254, 254);

    ASSERT_TRUE(result.ddGet2Bit(grey128)); // f = 129.5: level 2 where T <= 129
    EXPECT_EQ(blockCounts(result), (std::map<int, int>{{1, 126}, {2, 130}}));
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(pixelAt(result, i % 16, i / 16), d.threshold[i] <= 129 ? 2 : 1) << "position " << i;

    ASSERT_TRUE(result.ddGet3Bit(grey128, true)); // green and magenta, 128 each, as a checkerboard
    EXPECT_EQ(blockCounts(result), (std::map<int, int>{{2, 128}, {5, 128}}));
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 15; ++x) {
            EXPECT_NE(pixelAt(result, x, y), pixelAt(result, x + 1, y));
            EXPECT_NE(pixelAt(result, x, y), pixelAt(result, x, y + 1));
        }
    ASSERT_TRUE(result.ddGet3Bit(grey128, false));
    EXPECT_EQ(blockCounts(result), (std::map<int, int>{{0, 128}, {7, 128}}));
    ASSERT_TRUE(result.ddGet3Bit(grey64, true));
    EXPECT_EQ(blockCounts(result), (std::map<int, int>{{0, 64}, {1, 64}, {2, 64}, {4, 64}}));

    ASSERT_TRUE(result.ddGet216C(grey254, true)); // level 5 wherever t < 250.98
    std::map<int, int> expected;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const int b = rotatedBlueThreshold(d, x, y) <= 250 ? 5 : 4;
            const int g = standardThreshold(d, x, y) <= 250 ? 5 : 4;
            const int r = rotatedRedThreshold(d, x, y) <= 250 ? 5 : 4;
            ++expected[36 * b + 6 * g + r];
        }
    EXPECT_EQ(blockCounts(result), expected);
    // Each channel stays at level 4 only on the 5 positions whose threshold is 251..255.
    EXPECT_GE(expected[215], 256 - 15);
    EXPECT_LT(expected[215], 256);
}

TEST(Reduction, RowsArePackedAndPaddingIsLeftZero) {
    ClsDIB white, result;
    makeUniform(white, 9, 17, 255, 255, 255);
    ASSERT_TRUE(result.ddGet1Bit(white));
    ASSERT_EQ(result.Stride(), 4);
    for (int m = 0; m < 17; ++m) {
        const std::uint8_t* row = result.DataPtr() + 4 * m;
        const int y = 16 - m; // the picture row of this memory row
        EXPECT_EQ(row[0], y == 6 ? 0xFE : 0xFF) << "row " << y;
        EXPECT_EQ(row[1], 0x80) << "only the top bit of the ninth pixel";
        EXPECT_EQ(row[2], 0);
        EXPECT_EQ(row[3], 0);
    }
    ClsDIB odd;
    makeUniform(odd, 3, 2, 255, 255, 255);
    ASSERT_TRUE(result.ddGet4Bit(odd));
    ASSERT_EQ(result.Stride(), 4);
    EXPECT_EQ((std::vector<std::uint8_t>(result.DataPtr(), result.DataPtr() + 8)),
              (std::vector<std::uint8_t>{0xFF, 0xF0, 0, 0, 0xFF, 0xF0, 0, 0}));
    ASSERT_TRUE(result.ddGet216C(odd, true));
    EXPECT_EQ((std::vector<std::uint8_t>(result.DataPtr(), result.DataPtr() + 8)),
              (std::vector<std::uint8_t>{215, 215, 215, 0, 215, 215, 215, 0}));
}

TEST(Reduction, NonTrueColourSourcesAreRefused) {
    for (const Mode& mode : allModes())
        for (const int bits : {1, 4, 8, 16, 32, 0}) {
            ClsDIB source, destination;
            if (bits) {
                ASSERT_TRUE(source.Create(4, 4, bits, true));
            }
            makeUniform(destination, 3, 3, 1, 2, 3);
            EXPECT_FALSE(mode.reduce(destination, source)) << mode.name << " from " << bits << " bits";
            EXPECT_EQ(destination.ColorBit(), 24);
            EXPECT_EQ(destination.Width(), 3);
            EXPECT_EQ(pixelAt(destination, 2, 2), 1 + 2 * 256 + 3 * 65536) << "destination untouched";
        }
}

TEST(Reduction, ABufferCanBeReducedIntoItself) {
    for (const Mode& mode : allModes()) {
        ClsDIB source, separate;
        makeSeeded(source, 11, 7, 4);
        ASSERT_TRUE(mode.reduce(separate, source));
        ASSERT_TRUE(mode.reduce(source, source)) << mode.name;
        ASSERT_EQ(source.DataSize(), separate.DataSize());
        EXPECT_TRUE(std::equal(source.DataPtr(), source.DataPtr() + source.DataSize(), separate.DataPtr()))
            << mode.name;
    }
}
