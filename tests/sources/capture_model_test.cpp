// The capture window's rectangle, its rounding, and the copy into the working picture.

#include <gtest/gtest.h>

#include "FakeSourceHost.h"
#include "sources/CaptureModel.h"

namespace pav::sources::test {
namespace {

// A 400 x 300 "screen" whose every pixel tells where it is.
QImage numberedScreen() {
    QImage screen(400, 300, QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            screen.setPixel(x, y, qRgb(x % 256, y % 256, x / 256 * 100 + 50));
    return screen;
}

QRgb screenPixel(int x, int y) {
    return qRgb(x % 256, y % 256, x / 256 * 100 + 50);
}

TEST(CaptureModelTest, RectangleFollowsThePointerWithHalvesToEven) {
    struct Case {
        double width;
        double x, y;
        double left, top;
        float capX;
        int capY;
    };
    const Case cases[] = {
        {117, 50, 40, -67, -92, 50, 40}, // the rectangle pokes out past the corner
        {117, 300, 250, 183, 118, 300, 250},
        {117.5, 300, 40.5, 182, -91.5, 300, 40},          // 117.5 -> 118, 40.5 -> 40
        {116.5, 300.25, 41.5, 184.25, -90.5, 300.25, 42}, // 116.5 -> 116, 41.5 -> 42
    };
    for (const Case& c : cases) {
        FakeSourceHost host;
        host.width = c.width;
        CaptureModel model(host, numberedScreen());
        EXPECT_EQ(model.capRect().size(), QSizeF(c.width, 132));
        model.mouseMove(c.x, c.y);
        EXPECT_DOUBLE_EQ(model.capRect().left(), c.left) << c.width << " " << c.x;
        EXPECT_DOUBLE_EQ(model.capRect().top(), c.top) << c.y;
        EXPECT_FLOAT_EQ(model.capX(), c.capX);
        EXPECT_EQ(model.capY(), c.capY) << c.y;
    }
}

TEST(CaptureModelTest, CopiesScreenPixelsToTheFabricsPlaceAndBlackOffScreen) {
    struct Case {
        int ifScale;
        QPoint pointer;
        QPoint expectedAt;
    };
    // Region mode lands at (moveX1, moveY1) = (30, 20); whole mode at (0, 0).
    for (const Case c :
         {Case{1, {250, 200}, {30, 20}}, Case{0, {250, 200}, {0, 0}}, Case{1, {50, 40}, {30, 20}}}) {
        FakeSourceHost host;
        host.scale = c.ifScale;
        host.x1 = 30;
        host.y1 = 20;
        CaptureModel model(host, numberedScreen());
        model.mouseMove(c.pointer.x(), c.pointer.y());
        model.click();

        ASSERT_EQ(host.copiedAt, std::vector{c.expectedAt});
        EXPECT_EQ(host.shows, 1);
        const QPoint source = c.pointer - QPoint(117, 132);
        for (const QPoint inBlock : {QPoint(0, 0), QPoint(116, 131), QPoint(70, 95), QPoint(66, 91)}) {
            const QPoint onScreen = source + inBlock;
            const bool visible = onScreen.x() >= 0 && onScreen.y() >= 0;
            const QRgb expected = visible ? screenPixel(onScreen.x(), onScreen.y()) : qRgb(0, 0, 0);
            EXPECT_EQ(host.picture4.pixel(c.expectedAt + inBlock), expected)
                << inBlock.x() << "," << inBlock.y();
        }
        // Only the block changed: the pixels just outside it are still the working picture's white.
        EXPECT_EQ(host.picture4.pixel(c.expectedAt + QPoint(117, 0)), qRgb(255, 255, 255));
        EXPECT_EQ(host.picture4.pixel(c.expectedAt + QPoint(0, 132)), qRgb(255, 255, 255));
    }
}

TEST(CaptureModelTest, ClickCopiesThenClosesTheWindowThenShowsTheMainWindow) {
    FakeSourceHost host;
    CaptureModel model(host, numberedScreen());
    model.mouseMove(200, 150);
    int closes = 0;
    model.click([&] {
        ++closes;
        EXPECT_EQ(host.copiedAt.size(), 1u); // the block is already in the working picture
        EXPECT_EQ(host.shows, 0);           // the main window comes back after the close
    });
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(host.shows, 1);
}

TEST(CaptureModelTest, CancelClosesAndShowsTheMainWindowWithNothingCopied) {
    FakeSourceHost host;
    CaptureModel model(host, numberedScreen());
    model.mouseMove(200, 150);
    int closes = 0;
    model.cancel([&] { ++closes; });
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(host.shows, 1);
    EXPECT_TRUE(host.copiedAt.empty());
}

TEST(CaptureModelTest, ClickBeforeAnyMoveCopiesFromAboveTheScreenCorner) {
    FakeSourceHost host;
    CaptureModel model(host, numberedScreen());
    const QImage block = model.capturedBlock();
    ASSERT_EQ(block.size(), QSize(117, 132));
    EXPECT_EQ(block.pixel(116, 131), qRgb(0, 0, 0));
    EXPECT_EQ(block.pixel(0, 0), qRgb(0, 0, 0));
}

} // namespace
} // namespace pav::sources::test
