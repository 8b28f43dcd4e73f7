// Screen capture on a real X display: known screen pixels reach the working picture.

#include <algorithm>
#include <memory>

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include "FakeSourceHost.h"
#include "sources/views/CaptureView.h"

namespace pav::sources::test {
namespace {

// A frameless window at a known place: red on its left half, blue on its right.
class Target : public QWidget {
public:
    Target() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint) {
        setGeometry(200, 150, 240, 200);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(0, 0, 120, 200, Qt::red);
        painter.fillRect(120, 0, 120, 200, Qt::blue);
    }
};

QApplication& app() {
    static int argc = 1;
    static char name[] = "capture_display_test";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

class CaptureDisplayTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { app(); }
    void SetUp() override {
        target = std::make_unique<Target>();
        target->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(target.get()));
        QTest::qWait(100);
    }

    // Grabs the screen and clicks with the rectangle's bottom-right corner at pointer.
    void captureAt(FakeSourceHost& host, QPoint pointer) {
        RecordingMessages messages;
        QPointer<CaptureView> view = startScreenCapture(host, messages, 150);
        ASSERT_TRUE(view) << (messages.shown.empty() ? "" : messages.shown[0].first);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.data()));
        EXPECT_EQ(host.hides, 1);
        // A window manager puts the full-screen window at the screen's corner a moment later.
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->mapToGlobal(QPoint(0, 0)) == QPoint(0, 0); }, 3000));
        // The target window bypasses the window manager, which would leave it over the capture window.
        target->lower();
        // On X the pointer really moves: its motion comes back from the server a little later.
        QTest::mouseMove(view.data(), pointer);
        ASSERT_TRUE(QTest::qWaitFor([&] { return view->model().capY() == pointer.y(); }, 2000));
        EXPECT_EQ(view->model().capX(), pointer.x());
        QTest::mouseClick(view.data(), Qt::LeftButton, Qt::NoModifier, pointer);
        QTest::qWait(50);
        EXPECT_TRUE(view.isNull()); // the capture window closes itself
        EXPECT_EQ(host.shows, 1);
    }

    std::unique_ptr<Target> target;
};

bool isRed(QRgb c) {
    return qRed(c) > 200 && qGreen(c) < 50 && qBlue(c) < 50;
}
bool isBlue(QRgb c) {
    return qBlue(c) > 200 && qRed(c) < 50 && qGreen(c) < 50;
}

TEST_F(CaptureDisplayTest, KnownScreenPixelsLandWhereTheFabricReads) {
    // The block covers screen x 220..336 and y 170..301: red up to x 319, blue from x 320.
    const QPoint pointer(337, 302);
    struct Case {
        int ifScale;
        QPoint at;
    };
    for (const Case c : {Case{1, {30, 20}}, Case{0, {0, 0}}}) {
        FakeSourceHost host;
        host.scale = c.ifScale;
        host.x1 = 30;
        host.y1 = 20;
        captureAt(host, pointer);
        ASSERT_EQ(host.copiedAt, std::vector{c.at});
        const QImage& p4 = host.picture4;
        EXPECT_TRUE(isRed(p4.pixel(c.at))) << std::hex << p4.pixel(c.at);
        EXPECT_TRUE(isRed(p4.pixel(c.at + QPoint(99, 131))));
        EXPECT_TRUE(isBlue(p4.pixel(c.at + QPoint(100, 0))));
        EXPECT_TRUE(isBlue(p4.pixel(c.at + QPoint(116, 131))));
        EXPECT_EQ(p4.pixel(c.at + QPoint(117, 0)), qRgb(255, 255, 255));
    }
}

// A line over the frozen screen says how to capture and how to get out; Escape gets
// out with nothing copied, and a right click is no click.
TEST_F(CaptureDisplayTest, HintShownEscapeCancelsAndRightClickDoesNothing) {
    FakeSourceHost host;
    RecordingMessages messages;
    QPointer<CaptureView> view = startScreenCapture(host, messages, 150);
    ASSERT_TRUE(view);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.data()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->mapToGlobal(QPoint(0, 0)) == QPoint(0, 0); }, 3000));
    QTest::mouseMove(view.data(), QPoint(600, 600));
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->model().capY() == 600; }, 2000));

    // The band at the top (darkened, with white letters) is not the frozen screen.
    const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage frozen = view->model().screen().convertToFormat(QImage::Format_RGB32);
    int changed = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < std::min(shown.width(), frozen.width()); ++x) changed += shown.pixel(x, y) != frozen.pixel(x, y);
    EXPECT_GT(changed, 100);

    QTest::mouseClick(view.data(), Qt::RightButton, Qt::NoModifier, QPoint(600, 600));
    QTest::qWait(50);
    EXPECT_FALSE(view.isNull());
    EXPECT_TRUE(host.copiedAt.empty());

    view->activateWindow();
    QTest::keyClick(view.data(), Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_TRUE(view.isNull());
    EXPECT_EQ(host.shows, 1);
    EXPECT_TRUE(host.copiedAt.empty());
}

TEST_F(CaptureDisplayTest, PartsAboveAndLeftOfTheScreenComeOutBlack) {
    FakeSourceHost host;
    host.picture4.fill(Qt::white);
    captureAt(host, QPoint(50, 40)); // copies from (-67, -92)
    EXPECT_EQ(host.picture4.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(host.picture4.pixel(66, 91), qRgb(0, 0, 0));
}

} // namespace
} // namespace pav::sources::test
