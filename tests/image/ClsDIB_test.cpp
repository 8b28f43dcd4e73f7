#include "ClsDIB.h"

#include <gtest/gtest.h>

using namespace pav::image;

TEST(ClsDIB, StrideAndSizeFollowTheRowRounding) {
    struct Case {
        int width, height, bits, stride, size;
    };
    const Case cases[] = {
        {1, 1, 1, 4, 4},      {33, 1, 1, 8, 8},      {5, 1, 24, 16, 16}, {3, 1, 4, 4, 4},
        {1, 1, 32, 4, 4},     {3, 2, 24, 12, 24},    {9, 3, 1, 4, 12},   {10, 10, 4, 8, 80},
        {10, 10, 8, 12, 120}, {10, 10, 24, 32, 320}, {7, 2, 16, 16, 32}, {230, 250, 24, 692, 173000},
    };
    for (const Case& c : cases) {
        ClsDIB dib;
        ASSERT_TRUE(dib.Create(c.width, c.height, c.bits, true))
            << c.width << "x" << c.height << "@" << c.bits;
        EXPECT_EQ(dib.Stride(), c.stride) << c.width << "@" << c.bits;
        EXPECT_EQ(dib.DataSize(), c.size) << c.width << "x" << c.height << "@" << c.bits;
        ByteView view = dib.MapArray();
        EXPECT_EQ(view.stride, c.stride);
        EXPECT_EQ(view.size, static_cast<std::size_t>(c.size));
        EXPECT_EQ(view.data, dib.DataPtr()) << "a view, not a copy";
        dib.UnMapArray(view);
        EXPECT_TRUE(view.empty());
        EXPECT_NE(dib.DataPtr(), nullptr) << "unmapping frees nothing";
    }
}

TEST(ClsDIB, InfoHeaderHoldsTheFixedFields) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(3, 2, 24, true));
    const std::array<std::uint8_t, 40> expected = {40, 0, 0, 0, 3, 0, 0,  0, 2, 0, 0, 0, 1, 0,
                                                   24, 0, 0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0,
                                                   0,  0, 0, 0, 0, 0, 0,  0, 0, 0, 0, 0};
    EXPECT_EQ(dib.InfoHeader(), expected);
    EXPECT_NE(dib.hDC(), 0);
    EXPECT_EQ(dib.Width(), 3);
    EXPECT_EQ(dib.Height(), 2);
    EXPECT_EQ(dib.ColorBit(), 24);
}

TEST(ClsDIB, RefusedCreateLeavesNoBitmap) {
    struct Case {
        int width, height, bits;
    };
    const Case cases[] = {{5, 5, 2},   {5, 5, 0},   {5, 5, 64},           {0, 5, 24},         {5, 0, 24},
                          {-5, 5, 24}, {5, -5, 24}, {100000, 100000, 24}, {2147483647, 1, 32}};
    for (const Case& c : cases) {
        ClsDIB dib;
        ASSERT_TRUE(dib.Create(4, 4, 24, true));
        EXPECT_FALSE(dib.Create(c.width, c.height, c.bits, true))
            << c.width << "x" << c.height << "@" << c.bits;
        EXPECT_EQ(dib.hDC(), 0);
        EXPECT_EQ(dib.DataSize(), 0);
        EXPECT_EQ(dib.DataPtr(), nullptr);
        EXPECT_TRUE(dib.MapArray().empty());
        // The requested values are still reported.
        EXPECT_EQ(dib.Width(), c.width);
        EXPECT_EQ(dib.Height(), c.height);
        EXPECT_EQ(dib.ColorBit(), c.bits);
    }
}

TEST(ClsDIB, ClsAndFree) {
    ClsDIB dib;
    dib.Free(); // nothing to do on an empty buffer
    dib.Cls();
    EXPECT_EQ(dib.hDC(), 0);

    ASSERT_TRUE(dib.Create(5, 3, 24, true));
    for (int i = 0; i < dib.DataSize(); ++i)
        EXPECT_EQ(dib.DataPtr()[i], 0);
    std::fill(dib.DataPtr(), dib.DataPtr() + dib.DataSize(), std::uint8_t{0xAB});
    dib.Cls();
    for (int i = 0; i < dib.DataSize(); ++i)
        ASSERT_EQ(dib.DataPtr()[i], 0) << "byte " << i << ", padding included";

    dib.Free();
    EXPECT_EQ(dib.hDC(), 0);
    EXPECT_EQ(dib.Width(), 0);
    EXPECT_EQ(dib.Height(), 0);
    EXPECT_EQ(dib.ColorBit(), 0);
    EXPECT_EQ(dib.DataSize(), 0);
    EXPECT_EQ(dib.DataPtr(), nullptr);
}

TEST(ClsDIB, ColorTableStoresBlueGreenRed) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(2, 2, 8, true));
    struct Case {
        int index, rgb;
    };
    const Case cases[] = {
        {0, 255},                 // pure red
        {1, 0x00FF00},            // green
        {2, 0xFF0000},            // blue
        {255, 0x123456}, {3, -1}, // bits beyond the three channels are dropped
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(dib.SetColorTable(c.index, c.rgb));
        EXPECT_EQ(dib.GetColorTable(c.index), c.rgb & 0xFFFFFF);
    }
    // The bytes as written to files: blue, green, red, 0 (entries 0 and 255).
    const std::vector<std::uint8_t> file = dib.BmpFileBytes();
    EXPECT_EQ((std::vector<std::uint8_t>(file.begin() + 54, file.begin() + 58)),
              (std::vector<std::uint8_t>{0, 0, 255, 0}));
    EXPECT_EQ((std::vector<std::uint8_t>(file.begin() + 54 + 4 * 255, file.begin() + 58 + 4 * 255)),
              (std::vector<std::uint8_t>{0x12, 0x34, 0x56, 0}));

    EXPECT_FALSE(dib.SetColorTable(256, 0));
    EXPECT_FALSE(dib.SetColorTable(-1, 0));
    ClsDIB rgb;
    ASSERT_TRUE(rgb.Create(2, 2, 24, true));
    EXPECT_FALSE(rgb.SetColorTable(0, 255)) << "a 24-bit buffer has no colour table";
    ClsDIB mono;
    ASSERT_TRUE(mono.Create(2, 2, 1, true));
    EXPECT_TRUE(mono.SetColorTable(1, 0xFFFFFF));
    EXPECT_FALSE(mono.SetColorTable(2, 0));
}
