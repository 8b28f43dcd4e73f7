// Page arithmetic of the printed chart, in millimetres.

#include "chart/print/PrintLayout.h"

#include <gtest/gtest.h>

namespace pav::print {
namespace {

constexpr PaperSize kPortrait{200, 287};
constexpr PaperText kText{4, 3}; // line heights of the two fonts

struct CellCase {
    PaperChart chart;
    PaperSize page;
    double printCell;
};

class PrintCellTest : public ::testing::TestWithParam<CellCase> {};

TEST_P(PrintCellTest, SheetFillsTheLimitingPageDimension) {
    const CellCase c = GetParam();
    EXPECT_NEAR(printCellFor(c.chart, c.page), c.printCell, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrintCellTest,
    ::testing::Values(
        // Square chart, 30 threads (canvas 1083 x 1344): limited by the width, about 1.84 mm.
        CellCase{{100, 100, 30}, kPortrait, 2000.0 / 1083 - 0.01},
        // Wide chart (canvas 3083 x 802): limited by the width, about 0.64 mm.
        CellCase{{300, 50, 30}, kPortrait, 2000.0 / 3083 - 0.01},
        // The square chart on a landscape page: limited by the height.
        CellCase{{100, 100, 30}, {287, 200}, 2000.0 / 1344 - 0.01},
        // Tall, narrow chart (canvas 243 x 3390, its legend in 15 bands): limited by the height.
        CellCase{{16, 250, 30}, kPortrait, 2870.0 / 3390 - 0.01}));

TEST(PrintCell, ExamplesRoundToTheirMillimetres) {
    EXPECT_NEAR(printCellFor({100, 100, 30}, kPortrait), 1.84, 0.005);
    EXPECT_NEAR(printCellFor({300, 50, 30}, kPortrait), 0.64, 0.005);
}

struct LegendCase {
    double width;
    int maxColor;
    int across;
    int colourCells;
    int bands;
};

class PaperLegendTest : public ::testing::TestWithParam<LegendCase> {};

TEST_P(PaperLegendTest, EightMillimetreCellsOverTheWidth) {
    const LegendCase c = GetParam();
    const chart::LegendLayout legend = paperLegend(c.width, c.maxColor);
    EXPECT_EQ(legend.cellsAcross, c.across);
    EXPECT_EQ(legend.colourCells, c.colourCells);
    EXPECT_EQ(legend.bands, c.bands);
    EXPECT_EQ(legend.rows, 3 * c.bands);
}

INSTANTIATE_TEST_SUITE_P(Cases, PaperLegendTest,
                         ::testing::Values(LegendCase{183.67, 30, 22, 21, 2}, // 184 \ 8 = 23 cells of room
                                           LegendCase{191.6, 30, 23, 22, 2},
                                           LegendCase{191.6, 22, 23, 22, 1}, // one band exactly full
                                           LegendCase{191.6, 23, 23, 22, 2}, // one more opens a band
                                           LegendCase{24.0, 5, 2, 1, 5},     // one colour cell per band
                                           LegendCase{23.4, 5, 1, 0, 0},     // no colour cell, no band
                                           LegendCase{0.0, 5, 0, 0, 0}));

// The square example worked through by hand: u = 2000 / 1083 - 0.01.
TEST(PaperLayout, SquareExamplePositions) {
    const PaperLayout p = layOutPaper({100, 100, 30}, kPortrait, kText);
    const double u = 2000.0 / 1083 - 0.01;
    EXPECT_DOUBLE_EQ(p.printCell, u);
    EXPECT_DOUBLE_EQ(p.titleTop, 11 * u / 5);
    EXPECT_DOUBLE_EQ(p.leftMargin, 8 * u);
    EXPECT_EQ(p.titleBottom, 21); // 4.04 + 4 + 3, then two lines and 2 mm
    EXPECT_DOUBLE_EQ(p.gridTop, 21 + 3 * u / 5);
    EXPECT_EQ(p.gridBottom, 216); // 22.10 + 183.67 + 10
    EXPECT_DOUBLE_EQ(p.legendTop, 216 + 8 * u / 5);
    EXPECT_EQ(p.legend.cellsAcross, 22);
    EXPECT_EQ(p.legend.rows, 6);
    EXPECT_EQ(p.legendBottom, 243); // 218.94 + 3 * 8
    EXPECT_DOUBLE_EQ(p.footerTop, 243);
    EXPECT_DOUBLE_EQ(p.totalLine.x(), 8 * u + 2);
    EXPECT_DOUBLE_EQ(p.totalLine.y(), 243 + 18);
    EXPECT_DOUBLE_EQ(p.mark.x(), 100 * u + 8 * u - 120);
    EXPECT_DOUBLE_EQ(p.mark.y(), 287 - 3); // 243 + 48 would end below the page
    EXPECT_FALSE(p.shrunk);
}

TEST(PaperLayout, NarrowGridLaysTheLegendOverThePage) {
    const PaperLayout p = layOutPaper({16, 250, 30}, kPortrait, kText);
    EXPECT_EQ(paperLegend(16 * p.printCell, 30).colourCells, 0); // what the grid's width alone gives
    EXPECT_DOUBLE_EQ(p.legendWidth, 200 - p.leftMargin);
    EXPECT_EQ(p.legend.cellsAcross, 23);
    EXPECT_EQ(p.legend.bands, 2);
    EXPECT_DOUBLE_EQ(p.mark.x(), 0); // 120 mm left of a 13 mm grid is off the page
    EXPECT_TRUE(fitsOnPage(p, kPortrait, kText));
}

// The largest fabric with 120 threads: at the canvas's proportions the paper
// legend runs past the page bottom, so the stitches are made smaller.
TEST(PaperLayout, SheetTooTallForThePageIsShrunk) {
    const PaperChart chart{230, 250, 120};
    const double u = printCellFor(chart, kPortrait);
    ASSERT_FALSE(fitsOnPage(layOutPaperAt(chart, kPortrait, kText, u, false), kPortrait, kText));
    const PaperLayout p = layOutPaper(chart, kPortrait, kText);
    EXPECT_TRUE(p.shrunk);
    EXPECT_LT(p.printCell, u);
    // The legend keeps the cells its grid's width gives.
    EXPECT_DOUBLE_EQ(p.legendWidth, 230 * p.printCell);
    EXPECT_EQ(p.legend.cellsAcross, chart::legendCellsFor(230 * p.printCell, 8));
    EXPECT_TRUE(fitsOnPage(p, kPortrait, kText));
    // No smaller than needed.
    const double larger = p.printCell * 1.005;
    EXPECT_FALSE(fitsOnPage(layOutPaperAt(chart, kPortrait, kText, larger, false), kPortrait, kText));
    EXPECT_LE(p.mark.y() + kText.arial, 287);
}

// 117 x 250: its 102 mm grid gives 11 legend cells, however many bands that
// takes; the page is fitted by the stitch size instead.
TEST(PaperLayout, TheLegendKeepsTheCellCountOfItsGrid) {
    for (const int threads : {10, 40, 60}) {
        SCOPED_TRACE(threads);
        const PaperLayout p = layOutPaper({117, 250, threads}, kPortrait, kText);
        EXPECT_DOUBLE_EQ(p.legendWidth, 117 * p.printCell);
        EXPECT_EQ(p.legend.cellsAcross, chart::legendCellsFor(117 * p.printCell, 8));
        EXPECT_LE(p.legend.cellsAcross, 11);
        EXPECT_TRUE(fitsOnPage(p, kPortrait, kText));
    }
    // So many threads that no scale fits them in the grid's cells: the table takes the page's width.
    const PaperLayout p = layOutPaper({117, 250, 200}, kPortrait, kText);
    EXPECT_DOUBLE_EQ(p.legendWidth, 200 - p.leftMargin);
    EXPECT_TRUE(fitsOnPage(p, kPortrait, kText));
}

} // namespace
} // namespace pav::print
