// The printed page as a person gets it: PDFs written by the print job, rendered
// back with pdftoppm and read in millimetres.

#include "PrintFixture.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPdfWriter>
#include <QTemporaryDir>

namespace pav::print::test {
namespace {

constexpr int kDpi = 150;

class PrintPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApp();
        ASSERT_TRUE(m_dir.isValid());
        if (tool("pdftoppm").isEmpty() || tool("pdfinfo").isEmpty())
            GTEST_SKIP() << "poppler-utils (pdftoppm, pdfinfo) are not installed";
    }

    // The chart's page: one page per job, rendered. PAV_PRINT_KEEP names a
    // folder that keeps the PDFs for a look.
    PageImage printed(ChartUnderTest& chart, const QString& name, int dpi = kDpi) {
        const QString keep = qEnvironmentVariable("PAV_PRINT_KEEP");
        const QString pdf = keep.isEmpty() ? m_dir.filePath(name) : QDir(keep).filePath(name);
        QString error;
        EXPECT_TRUE(writeChartPdf(chart.model, pdf, &error)) << error.toStdString();
        EXPECT_EQ(pdfPages(pdf), 1);
        const QMarginsF margins = defaultPdfLayout().margins(QPageLayout::Millimeter);
        return PageImage(rasterize(pdf, dpi), dpi, QPointF(margins.left(), margins.top()));
    }

    // The symbol of the last legend entry and the stitch total are on the page.
    static void expectLastEntryAndTotal(const PageImage& page, const PaperLayout& p, int threads) {
        ASSERT_GE(p.legend.colourCells, 1);
        const int lastBandRow = p.legend.rows - 3;
        const int lastCell = (threads - 1) % p.legend.colourCells + 1;
        EXPECT_TRUE(
            page.any(QRectF(p.leftMargin + 8 * lastCell + 0.5, p.legendTop + 3 * lastBandRow + 0.2, 7, 2.6), isInk))
            << "last thread's symbol";
        EXPECT_TRUE(page.any(QRectF(p.leftMargin + 2, p.totalLine.y(), 100, 3.5), isInk)) << "stitch total";
    }

    QTemporaryDir m_dir;
};

struct ScaleCase {
    int chartW;
    int chartH;
    int threads;
    double printCell; // millimetres per stitch on a 200 x 287 mm printable area
};

class PrintScaleTest : public PrintPageTest, public ::testing::WithParamInterface<ScaleCase> {};

// The colour blocks are measured on the rendered page: their extent across the
// middle row and down the middle column gives the stitch size actually printed.
TEST_P(PrintScaleTest, GridHasTheScaleOfTheLimitingDimension) {
    const ScaleCase c = GetParam();
    ChartUnderTest chart(c.chartW, c.chartH, c.threads);
    const PaperLayout layout = pdfLayoutOf(chart.model);
    ASSERT_NEAR(layout.printCell, c.printCell, 0.001);
    const PageImage page = printed(chart, QStringLiteral("scale.pdf"));
    ASSERT_FALSE(page.isNull());

    const double u = c.printCell;
    const auto across = page.spanAlongRow(layout.gridTop + u * (c.chartH / 2 + 0.5), isBlock);
    const auto down = page.spanAlongColumn(layout.leftMargin + u * (c.chartW / 2 + 0.5), isBlock);
    ASSERT_TRUE(across && down);
    // The grid's outer lines lie over the outer blocks' edges: a pixel or two less of block at each end.
    const double slack = 3 * page.pixelMm();
    EXPECT_NEAR(across->first, 8 * u, slack); // the grid's left edge is 40 / 5 cells in
    EXPECT_NEAR(across->second - across->first, u * c.chartW, slack);
    EXPECT_NEAR(down->first, layout.gridTop, slack);
    EXPECT_NEAR(down->second - down->first, u * c.chartH, slack);
}

INSTANTIATE_TEST_SUITE_P(Examples, PrintScaleTest,
                         ::testing::Values(ScaleCase{100, 100, 30, 2000.0 / 1083 - 0.01},  // about 1.84 mm
                                           ScaleCase{300, 50, 30, 2000.0 / 3083 - 0.01})); // about 0.64 mm

struct StyleCase {
    const char* style;
    bool blocks;
    bool symbols;
};

class PrintStyleTest : public PrintPageTest, public ::testing::WithParamInterface<StyleCase> {};

// Every part of the sheet is on the page: title, grid lines, colour blocks and
// symbols as the style asks, legend table and texts, total line and mark line.
TEST_P(PrintStyleTest, SheetElementsAreOnThePage) {
    const StyleCase c = GetParam();
    ChartUnderTest chart(100, 100, 30, c.style);
    const PaperLayout p = pdfLayoutOf(chart.model);
    const PageImage page = printed(chart, QStringLiteral("style.pdf"));
    ASSERT_FALSE(page.isNull());
    const double u = p.printCell;
    const double L = p.leftMargin;

    EXPECT_TRUE(page.any(QRectF(60, p.titleTop, 80, 4), isInk)) << "title";
    EXPECT_TRUE(page.any(QRectF(L, p.titleTop + 4, 40, 6), isInk)) << "subtitle";
    // Cell (5, 5), inside its grid lines: the block and the symbol "A" (thread 1).
    const QRectF cell(L + 5 * u + 0.2, p.gridTop + 5 * u + 0.2, u - 0.4, u - 0.4);
    EXPECT_EQ(page.any(cell, isBlock), c.blocks) << "colour block";
    EXPECT_EQ(page.any(cell, isInk), c.symbols) << "symbol";
    const auto rowLine = page.spanAlongRow(p.gridTop + 100 * u, isMarked);
    ASSERT_TRUE(rowLine) << "closing line under the grid";
    EXPECT_NEAR(rowLine->first, 0.3 * L, 0.5);
    EXPECT_TRUE(page.any(QRectF(L - 3.6, p.gridTop + 4 * u, 3, u), isInk)) << "row label 05";
    EXPECT_TRUE(page.any(QRectF(L + 9 * u, p.gridTop + 100 * u + 0.5, u, 7), isInk)) << "column 010";

    const double lt = p.legendTop;
    const auto legendLine = page.spanAlongRow(lt, isMarked);
    ASSERT_TRUE(legendLine) << "legend table";
    EXPECT_NEAR(legendLine->second - legendLine->first, 8 * p.legend.cellsAcross, 0.5);
    EXPECT_TRUE(page.any(QRectF(L + 1, lt + 0.5, 6, 2.5), isInk)) << "row caption";
    // The texts sit in their cells as on the canvas, sized to them: nothing runs
    // over the next cell's line into the gap before its own text.
    for (int row = 0; row < 3; ++row) {
        EXPECT_TRUE(page.any(QRectF(L + 8 + 0.5, lt + 3 * row + 0.2, 7, 2.6), isInk)) << "first entry, row " << row;
        EXPECT_FALSE(page.any(QRectF(L + 16.2, lt + 3 * row + 0.3, 0.5, 2.4), isInk)) << "past the cell, row " << row;
    }
    EXPECT_TRUE(page.any(QRectF(L + 2, p.totalLine.y(), 100, 3.5), isInk)) << "stitch total";
    EXPECT_TRUE(page.any(QRectF(p.mark.x(), p.mark.y(), 25, 3), isInk)) << "mark line";
}

INSTANTIATE_TEST_SUITE_P(Styles, PrintStyleTest,
                         ::testing::Values(StyleCase{chart::texts::styleText(chart::ChartStyle::BlocksAndSymbols), true, true},
                                           StyleCase{chart::texts::styleText(chart::ChartStyle::SymbolsOnly), false, true},
                                           StyleCase{chart::texts::styleText(chart::ChartStyle::BlocksOnly), true, false}));

// The thin grid lines show between colour blocks, as on the canvas where a block
// leaves its cell's lines visible: near every row and column boundary a line
// through the middle of the grid crosses a grey line pixel.
TEST_F(PrintPageTest, ThinLinesShowBetweenTheColourBlocks) {
    ChartUnderTest chart(100, 100, 30, chart::texts::styleText(chart::ChartStyle::BlocksOnly));
    const PaperLayout p = pdfLayoutOf(chart.model);
    const PageImage page = printed(chart, QStringLiteral("lines.pdf"));
    ASSERT_FALSE(page.isNull());
    const double u = p.printCell;
    const double middle = 50.5 * u;
    const auto lineGrey = [](QRgb c) {
        return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) <= 12 &&
               qGreen(c) <= 200;
    };
    for (int k = 1; k < 100; ++k) {
        const double boundary = u * k - 1.5 * page.pixelMm();
        EXPECT_TRUE(
            page.any(QRectF(p.leftMargin + boundary, p.gridTop + middle, 3 * page.pixelMm(), 0.05), lineGrey))
            << "line left of column " << k + 1;
        EXPECT_TRUE(
            page.any(QRectF(p.leftMargin + middle, p.gridTop + boundary, 0.05, 3 * page.pixelMm()), lineGrey))
            << "line above row " << k + 1;
    }
}

// Symbols are written white on a dark block and black on a light one, as on the canvas.
TEST_F(PrintPageTest, SymbolsContrastWithTheirBlocks) {
    constexpr int kBlackThread = 421, kCreamThread = 370;
    ChartUnderTest chart(40, 30, std::vector<int>{kBlackThread, kCreamThread});
    const PaperLayout p = pdfLayoutOf(chart.model);
    const PageImage page = printed(chart, QStringLiteral("contrast.pdf"));
    ASSERT_FALSE(page.isNull());
    const double u = p.printCell;
    const auto cellMiddle = [&](int x, int y) {
        return QRectF(p.leftMargin + u * (x + 0.15), p.gridTop + u * (y + 0.15), 0.7 * u, 0.7 * u);
    };
    const auto light = [](QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) > 200; };
    EXPECT_TRUE(page.any(cellMiddle(1, 1), light)) << "symbol on the black block";
    EXPECT_TRUE(page.any(cellMiddle(5, 1), isInk)) << "symbol on the cream block";
}

// Row labels sit beside their rows and column digits under their columns at
// any scale: a line along a row (column) boundary passes between two labels
// (digits) without touching ink, a line through a row (column) middle crosses one.
TEST_F(PrintPageTest, NumberingLinesUpWithRowsAndColumns) {
    ChartUnderTest chart(100, 100, 30, chart::texts::styleText(chart::ChartStyle::SymbolsOnly));
    const PaperLayout p = pdfLayoutOf(chart.model);
    const PageImage page = printed(chart, QStringLiteral("numbering.pdf"), 400);
    ASSERT_FALSE(page.isNull());
    const double u = p.printCell;
    const double L = p.leftMargin;
    const double digitsTop = p.gridTop + u * 100 + 0.3;

    for (int k = 3; k <= 9; ++k) {
        const auto labelLine = [&](double rows) { return QRectF(L - 3.6, p.gridTop + u * rows, 3.4, 0); };
        EXPECT_FALSE(page.any(labelLine(k), isInk)) << "between the labels of rows " << k << " and " << k + 1;
        EXPECT_TRUE(page.any(labelLine(k + 0.5), isInk)) << "label of row " << k + 1;
        const auto digitLine = [&](double columns) { return QRectF(L + u * columns, digitsTop, 0, 7.5); };
        EXPECT_FALSE(page.any(digitLine(k), isInk)) << "between columns " << k << " and " << k + 1;
        EXPECT_TRUE(page.any(digitLine(k + 0.5), isInk)) << "digits of column " << k + 1;
    }
}

// The same at any scale, from the glyphs' ink boxes: every row label inside its
// row and every column digit inside its column, give or take a tenth of a cell.
class GridNumberingTest : public ::testing::TestWithParam<double> {};

TEST_P(GridNumberingTest, LabelsAndDigitsStayInTheirRowAndColumn) {
    ensureApp();
    QBuffer sink;
    sink.open(QIODevice::WriteOnly);
    QPdfWriter device(&sink);
    const double d = dotsPerMm(device);
    PaperLayout layout;
    layout.printCell = GetParam();
    layout.leftMargin = 8 * layout.printCell;
    layout.gridTop = 20;
    const chart::ChartGeometry g = gridGeometry(pageGeometry(layout, {200, 287}, d), layout.printCell);
    const double slack = g.cell / 10;

    const QFontMetricsF arial(g.arialFont, &device);
    for (const QString& label : {QStringLiteral("01"), QStringLiteral("08"), QStringLiteral("16")}) {
        const double rowTop = g.gridTop + 5 * g.cell;
        const double baseline = rowTop + g.rowLabelOffset.y() + arial.ascent();
        const QRectF ink = arial.tightBoundingRect(label).translated(0, baseline);
        EXPECT_GE(ink.top(), rowTop - slack) << label.toStdString();
        EXPECT_LE(ink.bottom(), rowTop + g.cell + slack) << label.toStdString();
        EXPECT_LE(g.leftMargin + g.rowLabelOffset.x() + ink.right(), g.leftMargin) << label.toStdString();
    }
    for (const QString& digit : {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("8")}) {
        const double columnLeft = g.leftMargin + 5 * g.cell;
        const QRectF ink = arial.tightBoundingRect(digit).translated(columnLeft + g.digitDx, 0);
        EXPECT_GE(ink.left(), columnLeft - slack) << digit.toStdString();
        EXPECT_LE(ink.right(), columnLeft + g.cell + slack) << digit.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, GridNumberingTest, ::testing::Values(0.64, 1.84, 3.0));

// A tall, narrow chart: its grid is too narrow for a legend cell, so the table
// spans the page and still lists every thread, and the sheet ends on the page.
TEST_F(PrintPageTest, TallNarrowChartKeepsItsLegendOnThePage) {
    ChartUnderTest chart(16, 250, 30);
    const PaperLayout p = pdfLayoutOf(chart.model);
    ASSERT_GE(p.legend.colourCells, 1);
    const PageImage page = printed(chart, QStringLiteral("narrow.pdf"));
    ASSERT_FALSE(page.isNull());

    const auto legendLine = page.spanAlongRow(p.legendTop, isMarked);
    ASSERT_TRUE(legendLine);
    EXPECT_GT(legendLine->second - legendLine->first, 16 * p.printCell + 8);
    expectLastEntryAndTotal(page, p, 30);
    EXPECT_LE(p.mark.y() + 3, 287.0);
}

// The largest fabric with many threads: the paper legend is taller than the
// canvas's, so the sheet is fitted to the page; the last legend band and the
// total line are printed, not cut off.
TEST_F(PrintPageTest, LargeChartWithManyThreadsFitsOnOnePage) {
    ChartUnderTest chart(230, 250, 120);
    ASSERT_EQ(static_cast<int>(chart.model.chart().legend().size()), 120);
    const PaperLayout p = pdfLayoutOf(chart.model);
    const PageImage page = printed(chart, QStringLiteral("large.pdf"));
    ASSERT_FALSE(page.isNull());

    expectLastEntryAndTotal(page, p, 120);
    EXPECT_LE(p.totalLine.y() + 4, 287.0);
}

} // namespace
} // namespace pav::print::test
