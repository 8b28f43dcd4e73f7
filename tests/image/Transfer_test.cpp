#include "ClsDIB.h"
#include "TestPictures.h"

#include <QImage>

#include <functional>
#include <limits>

#include <gtest/gtest.h>

using namespace pav::image;
using namespace pav::image::test;

namespace {

QImage seededImage(int width, int height, unsigned seed) {
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, 0xFF000000u | (random() & 0xFFFFFF));
    return image;
}

int rgbOf(QRgb c) {
    return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c);
}

} // namespace

TEST(Transfer, GetMapWithAutoSizeCopiesThePicture) {
    const QImage picture = seededImage(7, 5, 1);
    ClsDIB dib;
    ASSERT_TRUE(dib.GetMap(picture, true));
    ASSERT_EQ(dib.ColorBit(), 24);
    ASSERT_EQ(dib.Width(), 7);
    ASSERT_EQ(dib.Height(), 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            ASSERT_EQ(pixelAt(dib, x, y), rgbOf(picture.pixel(x, y))) << x << "," << y;

    ClsDIB empty;
    EXPECT_FALSE(empty.GetMap(picture, false)) << "no bitmap to copy into";
    EXPECT_FALSE(dib.GetMap(QImage(), true)) << "no picture";
}

TEST(Transfer, GetMapStretchesOntoTheWholeBuffer) {
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(4, 2, 24, true));
    ASSERT_TRUE(dib.GetMap(picture, false));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(pixelAt(dib, x, y), x < 2 ? 255 : 255 * 65536) << x << "," << y;
}

TEST(Transfer, PuthDCWithZeroSizeCopiesTheWholeBuffer) {
    ClsDIB dib;
    makeSeeded(dib, 9, 6, 2);
    QImage target(12, 10, QImage::Format_RGB32);
    target.fill(Qt::black);
    ASSERT_TRUE(dib.PuthDC(target, 2, 3, 0, 0, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 2 && x < 11 && y >= 3 && y < 9;
            ASSERT_EQ(rgbOf(target.pixel(x, y)), inside ? pixelAt(dib, x - 2, y - 3) : 0) << x << "," << y;
        }
}

TEST(Transfer, RectanglesAndStretchesInBothDirections) {
    const QImage source = seededImage(8, 8, 3);
    ClsDIB dib;
    makeUniform(dib, 6, 6, 1, 1, 1);
    ASSERT_TRUE(dib.GethDC(source, 1, 2, 3, 2, 4, 5));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= 1 && x < 4 && y >= 2 && y < 4;
            ASSERT_EQ(pixelAt(dib, x, y), inside ? rgbOf(source.pixel(x + 3, y + 3)) : 0x010101)
                << x << "," << y;
        }

    ASSERT_TRUE(dib.GethDCEx(source, 0, 0, 4, 4, 2, 2, 2, 2)); // 2 x 2 doubled
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(pixelAt(dib, x, y), rgbOf(source.pixel(2 + x / 2, 2 + y / 2)));

    QImage target(3, 3, QImage::Format_RGB32);
    ASSERT_TRUE(dib.PuthDCEx(target, 0, 0, 3, 3, 0, 0, 6, 6)); // the whole buffer, halved
    EXPECT_EQ(rgbOf(target.pixel(0, 0)), pixelAt(dib, 0, 0));
    EXPECT_EQ(rgbOf(target.pixel(2, 2)), pixelAt(dib, 4, 4));

    ASSERT_TRUE(dib.GetMapEx(source, 5, 5, 1, 1, 7, 7, 1, 1));
    EXPECT_EQ(pixelAt(dib, 5, 5), rgbOf(source.pixel(7, 7)));
}

TEST(Transfer, IndexedBuffersShowTheirColourTableAndTakeTheNearestEntry) {
    ClsDIB dib;
    ASSERT_TRUE(dib.Create(3, 1, 4, true));
    dib.SetColorTable(0, 0);
    dib.SetColorTable(1, 0x0000FF); // red
    dib.SetColorTable(2, 0xFFFFFF);
    dib.DataPtr()[0] = 0x12; // pixels 1, 2
    QImage shown = dib.ToQImage();
    EXPECT_EQ(shown.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(1, 0), qRgb(255, 255, 255));
    EXPECT_EQ(shown.pixel(2, 0), qRgb(0, 0, 0));

    QImage picture(1, 1, QImage::Format_RGB32);
    picture.fill(qRgb(240, 20, 10));
    ASSERT_TRUE(dib.GethDC(picture, 2, 0, 1, 1, 0, 0));
    EXPECT_EQ(dib.DataPtr()[1] >> 4, 1) << "nearest entry: red";
    EXPECT_EQ(dib.DataPtr()[0], 0x12) << "pixels outside the rectangle keep their index";
}

TEST(Transfer, RasterOperationsAndRefusals) {
    ClsDIB dib;
    makeUniform(dib, 2, 1, 0x0F, 0xF0, 0x33);
    QImage source(2, 1, QImage::Format_RGB32);
    source.fill(qRgb(0xFF, 0x0F, 0x11));
    struct Case {
        RasterOp op;
        int expected;
    };
    const Case cases[] = {
        {SrcCopy, 0xFF + 0x0F * 256 + 0x11 * 65536},
        {SrcAnd, 0x0F + 0x00 * 256 + 0x11 * 65536},
        {SrcPaint, 0xFF + 0xFF * 256 + 0x33 * 65536},
        {SrcInvert, 0xF0 + 0xFF * 256 + 0x22 * 65536},
        {NotSrcCopy, 0x00 + 0xF0 * 256 + 0xEE * 65536},
        {Blackness, 0},
        {Whiteness, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        makeUniform(dib, 2, 1, 0x0F, 0xF0, 0x33);
        ASSERT_TRUE(dib.GethDC(source, 0, 0, 0, 0, 0, 0, c.op)) << std::hex << c.op;
        EXPECT_EQ(pixelAt(dib, 1, 0), c.expected) << std::hex << c.op;
    }
    EXPECT_FALSE(dib.GethDC(source, 0, 0, 0, 0, 0, 0, static_cast<RasterOp>(0x12345678)));
    QImage target(2, 2, QImage::Format_RGB32);
    ClsDIB empty;
    EXPECT_FALSE(empty.PuthDC(target, 0, 0, 0, 0, 0, 0));
    QImage none;
    EXPECT_FALSE(dib.PuthDC(none, 0, 0, 0, 0, 0, 0));
    EXPECT_TRUE(empty.ToQImage().isNull());
}

// A rectangle whose far edge lies past the int range cannot be placed anywhere: refused
// rather than wrapped around, in both directions and on both sides of the copy.
TEST(Transfer, RectanglesPastTheIntRangeAreRefused) {
    constexpr int kMax = std::numeric_limits<int>::max();
    ClsDIB dib;
    makeUniform(dib, 4, 4, 9, 9, 9);
    const QImage source = seededImage(4, 4, 6);
    QImage target(4, 4, QImage::Format_RGB32);
    target.fill(Qt::black);
    struct Case {
        const char* name;
        std::function<bool()> transfer;
    };
    const Case cases[] = {
        {"GethDC x", [&] { return dib.GethDC(source, kMax - 1, 0, 4, 4, 0, 0); }},
        {"GethDC y", [&] { return dib.GethDC(source, 0, kMax, 2, 2, 0, 0); }},
        {"GethDC source x", [&] { return dib.GethDC(source, 0, 0, 2, 2, kMax, 0); }},
        {"GethDCEx source h", [&] { return dib.GethDCEx(source, 0, 0, 2, 2, 0, kMax - 2, 2, 3); }},
        {"GetMapEx w", [&] { return dib.GetMapEx(source, 3, 0, kMax, 1, 0, 0, 1, 1); }},
        {"PuthDC x", [&] { return dib.PuthDC(target, kMax - 1, 0, 2, 2, 0, 0); }},
        {"PuthDCEx buffer y", [&] { return dib.PuthDCEx(target, 0, 0, 2, 2, 0, kMax, 2, 2); }},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(c.transfer()) << c.name;
    EXPECT_EQ(pixelAt(dib, 3, 3), 0x090909) << "the buffer is untouched";
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 0, 0)) << "the target is untouched";
    EXPECT_TRUE(dib.GethDC(source, kMax - 4, 0, 4, 4, 0, 0)) << "far away but representable";
}
