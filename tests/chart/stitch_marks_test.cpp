// Part stitches, back stitches, knots and beads drawn by the one renderer, read
// back from the pixels: in colour each takes its shape in its thread's colour; in
// black and white they are dark (a white outline no longer vanishes) and two
// back-stitch threads differ in their line; the finished piece shows them all on
// the fabric's colour.

#include "chart/ChartFonts.h"
#include "chart/ChartRenderer.h"
#include "chart/StitchMarks.h"
#include "chart/oxs/OxsFile.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace pav::chart::test {
namespace {

constexpr int kCell = 20;

class StitchMarks : public ::testing::Test {
protected:
    void SetUp() override {
        if (!QCoreApplication::instance()) {
            static int argc = 1;
            static char name[] = "stitch_marks_test";
            static char* argv[] = {name, nullptr};
            new QGuiApplication(argc, argv);
        }
        installChartFontSubstitutes();
        const oxs::OxsReadResult read = oxs::readOxsFile(QDir(qEnvironmentVariable("PAV_SOURCE_DIR"))
                                                             .filePath(QStringLiteral("tests/chart/oxs-fixtures/every-stitch-kind.oxs")));
        ASSERT_TRUE(read.ok()) << oxs::errorReason(read.error);
        chart = read.chart;
    }

    // The chart through the renderer, the grid's corner at the picture's, 20 pixels a cell.
    QImage render(ChartStyle style) const {
        QImage picture(chart.width() * kCell, chart.height() * kCell, QImage::Format_RGB32);
        picture.fill(Qt::white);
        ChartGeometry g = canvasGeometry();
        g.cell = kCell;
        g.leftMargin = 0;
        g.gridTop = 0;
        g.blockInset = 0;
        g.blockSize = kCell;
        QPainter painter(&picture);
        EXPECT_TRUE(renderChart(painter, g, chart, allCells(chart), style));
        return picture;
    }
    QRgb threadColour(int thread) const {
        const std::int32_t rgb = chart.threads()[static_cast<std::size_t>(thread)].rgb;
        return qRgb(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb));
    }

    Chart chart;
};

// A point in cells as a pixel of a picture drawn kCell to the cell.
QRgb at(const QImage& picture, double x, double y, int cell = kCell) {
    return picture.pixel(static_cast<int>(x * cell), static_cast<int>(y * cell)) & 0xFFFFFF;
}
bool dark(QRgb pixel) {
    return qRed(pixel) < 60 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

TEST_F(StitchMarks, EachKindHasItsShapeInItsThreadsColour) {
    const QImage picture = render(ChartStyle::BlocksAndSymbols);
    struct Point {
        const char* what;
        double x, y;
        int thread; // -1: the sheet's blank
    };
    const Point points[] = {
        {"half / on its diagonal", 6.2, 2.8, 0},
        {"half / leaves the other corners", 6.15, 2.15, -1},
        {"half \\ on its diagonal", 7.2, 2.2, 1},
        {"half \\ leaves the other corners", 7.15, 2.85, -1},
        {"three-quarter at the bottom left", 6.15, 4.7, 1},
        {"three-quarter at the top right, another thread", 6.8, 4.25, 2},
        {"three-quarter at the top left", 7.08, 4.55, 1},
        {"three-quarter at the top left leaves its other half", 7.85, 4.85, -1},
        {"three-quarter at the bottom right", 8.85, 4.5, 2},
        {"quarter at the top left", 8.08, 2.3, 2},
        {"quarter at the top left is in its corner only", 8.9, 2.9, -1},
        {"quarter at the bottom right", 9.92, 2.7, 2},
        {"petite at the bottom left", 10.1, 4.92, 1},
        {"petite leaves the rest of its cell", 10.8, 4.2, -1},
        {"French knot on its corner", 3, 7, 5},
        {"bead's ring", 8.2, 7, 6},
        {"back stitch along the top of the red block", 3.5, 2, 3},
        {"white back stitch across the blocks", 3.5, 3.5, 4},
    };
    for (const Point& p : points)
        EXPECT_EQ(at(picture, p.x, p.y), p.thread < 0 ? qRgb(255, 255, 255) & 0xFFFFFF : threadColour(p.thread) & 0xFFFFFF)
            << p.what;
}

TEST_F(StitchMarks, InBlackAndWhiteEveryMarkIsDarkAndBackStitchThreadsDifferInTheirLine) {
    const QImage picture = render(ChartStyle::SymbolsOnly);
    // The white line is drawn dark now, dashed: some of it ink, some of it gaps.
    int inked = 0, points = 0;
    for (int x = 6 * kCell + 5; x < 11 * kCell - 5; ++x, ++points) inked += dark(picture.pixel(x, 6 * kCell)) ? 1 : 0;
    EXPECT_GT(inked, points / 3);
    EXPECT_LT(inked, points);
    EXPECT_TRUE(dark(at(picture, 3.5, 2))) << "the solid black outline";
    EXPECT_TRUE(dark(at(picture, 3, 7))) << "the knot";
    const QRgb half = at(picture, 6.2, 2.8);
    EXPECT_TRUE(qRed(half) == qGreen(half) && qGreen(half) == qBlue(half) && qRed(half) < 250)
        << "a part stitch is shaded grey, not in its colour";

    EXPECT_EQ(backStitchThreads(chart), (std::vector<int>{3, 4}));
    const QPen first = backStitchPen(chart, 3, 2, false), second = backStitchPen(chart, 4, 2, false);
    EXPECT_EQ(first.style(), Qt::SolidLine);
    EXPECT_NE(second.style(), Qt::SolidLine);
    EXPECT_EQ(first.color(), second.color());
}

TEST_F(StitchMarks, TheFinishedPieceShowsEverythingOnTheFabric) {
    const QImage piece = finishedPiece(chart);
    const int perStitch = piece.width() / chart.width();
    ASSERT_GT(perStitch, 4);
    EXPECT_EQ(at(piece, 0.5, 0.5, perStitch), qRgb(0xF2, 0xE6, 0xC9) & 0xFFFFFF) << "the fabric's colour";
    EXPECT_EQ(at(piece, 2.3, 3.3, perStitch), threadColour(0) & 0xFFFFFF) << "a full stitch";
    EXPECT_EQ(at(piece, 6.2, 2.8, perStitch), threadColour(0) & 0xFFFFFF) << "a half stitch";
    EXPECT_EQ(at(piece, 3, 7, perStitch), threadColour(5) & 0xFFFFFF) << "a knot";
    EXPECT_EQ(at(piece, 3.5, 2, perStitch), threadColour(3) & 0xFFFFFF) << "the outline";

    // A chart of full stitches only keeps its one pixel per stitch.
    Chart plain = chart;
    plain.partStitches.clear();
    plain.backStitches.clear();
    plain.ornaments.clear();
    EXPECT_EQ(finishedPiece(plain).size(), QSize(chart.width(), chart.height()));
}

} // namespace
} // namespace pav::chart::test
