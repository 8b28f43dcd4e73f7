// The chart level on its own: the whole-mode fabric of a picture, the colour
// index made into a Chart value, and the renderer over any block of cells.

#include "ChartTestSupport.h"

#include "chart/ChartFromIndex.h"
#include "chart/ChartRenderer.h"
#include "chart/Fabric.h"
#include "chart/StitchGrid.h"

#include <gtest/gtest.h>

namespace pav::chart {
namespace {

using namespace test;

TEST(ChartCoreFabric, WholeModeFabricOfAPicture) {
    struct Case {
        QSize picture;
        int zoom;
        double width, height;
    } cases[] = {
        {{400, 300}, 120, 120, 90},       // the picture's proportion
        {{400, 800}, 230, 125, 250},      // too tall: the width follows the height limit
        {{1000, 100}, 400, 230, 23},      // too wide: 230 across
        {{45, 100}, 100, 100, 222},       // 100 x 2.2222f
        {{100, 70}, 45, 45, 32},          // 45 x 0.7f is 31.5 in single precision: 32
    };
    for (const Case& c : cases) {
        const FabricSize fabric = wholeFabric(c.picture, c.zoom);
        EXPECT_DOUBLE_EQ(fabric.width, c.width) << c.picture.width() << "x" << c.picture.height();
        EXPECT_DOUBLE_EQ(fabric.height, c.height) << c.picture.width() << "x" << c.picture.height();
    }
    // A width from the height limit keeps its fraction: 187.49999 stitches, all
    // of them painted, a chart of 187.
    const FabricSize tall = wholeFabric({300, 400}, 230);
    EXPECT_NEAR(tall.width, 187.5, 1e-4);
    EXPECT_EQ(tall.paintedWidth(), 187);
    EXPECT_EQ(chartSide(tall.width), 187);
    EXPECT_EQ(chartSide(187.5), 188); // halves to even
}

TEST(ChartCoreFabric, PicturesTheMainWindowCannotInstall) {
    EXPECT_FALSE(wholeZoomFor({2, 100}));  // the zoom bar needs 3 pixels across
    EXPECT_FALSE(wholeZoomFor({100, 1}));  // the height bar needs 2 down
    EXPECT_FALSE(wholeZoomFor({20, 1000})); // too thin for a 16-stitch width
    const std::optional<WholeZoom> zoom = wholeZoomFor({400, 300});
    ASSERT_TRUE(zoom);
    EXPECT_EQ(zoom->lowest, 32);
    EXPECT_EQ(zoom->highest, 6000);
    EXPECT_EQ(zoom->initial, 230);
}

// A 3 x 2 fabric: two colours of one thread, one of another, a colour used once.
struct IndexCase {
    const char* name;
    std::string range;
    int threshold;
    int threads;    // entries of the thread list
    int listed;     // legend entries
    bool ownColours;
};

TEST(ChartCoreIndex, ColourIndexBecomesAChart) {
    const std::int32_t red = threadColor(10), nearRed = red + 1, blue = threadColor(200), odd = threadColor(300);
    const IndexCase cases[] = {
        {"DMC, all listed", "DMC", 0, 3, 3, false},
        {"DMC, threshold 2", "DMC", 2, 3, 2, false},
        {"own colours", "CC", 0, 4, 4, true},
        {"own colours, threshold 2", "CC", 2, 4, 2, true},
    };
    for (const IndexCase& c : cases) {
        SCOPED_TRACE(c.name);
        const colour::RgbGrid stitches{3, 2, {red, nearRed, blue, red, blue, odd}};
        const ChartResult result = makeChart(stitches, ChartRequest{"t", c.range, c.threshold, nullptr}, TaskDelegate{});
        ASSERT_EQ(result.error, ChartError::None);
        const Chart& chart = result.chart;
        EXPECT_EQ(chart.range, c.ownColours ? ThreadRange::OwnColours : ThreadRange::Dmc);
        ASSERT_EQ(static_cast<int>(chart.threads().size()), c.threads);
        EXPECT_EQ(static_cast<int>(chart.legend().size()), c.listed);
        int total = 0;
        for (const ChartThread& thread : chart.threads()) total += thread.count;
        EXPECT_EQ(total, 6);
        // Threads in order of first appearance, each with its symbol position.
        EXPECT_EQ(chart.threadAt(0, 0), 0);
        EXPECT_EQ(chart.threadAt(0, 1), 0);
        EXPECT_EQ(chart.threadAt(2, 0), c.ownColours ? 2 : 1);
        EXPECT_EQ(chart.threads()[0].symbol, palette::loadxiuChr().at(1));
        EXPECT_EQ(chart.blockColour(1, 0), nearRed); // blocks keep the stitch's own colour
        EXPECT_EQ(chart.threads()[0].number, c.ownColours ? palette::hexColourText(red) : threadNumber(10));
    }
}

TEST(ChartCoreIndex, StopsAreValues) {
    colour::RgbGrid stitches = colour::filledGrid(30, 20, 0);
    for (int i = 0; i < 30 * 20; ++i) stitches.cells[static_cast<std::size_t>(i)] = i * 3; // 600 colours
    EXPECT_EQ(makeChart(stitches, ChartRequest{"", "DMC", 0, nullptr}, TaskDelegate{}).error, ChartError::TooManyColours);
    bool running = true;
    TaskDelegate task;
    task.yield = [&] { running = false; };
    task.keepGoing = [&] { return running; };
    EXPECT_EQ(makeChart(stitchGrid(stitches, 3, 3), ChartRequest{"", "DMC", 0, nullptr}, task).error, ChartError::Aborted);
}

// A block of a chart is drawn as that part of the whole chart: the same cells,
// and the heavy lines where the chart's own 16th lines fall.
TEST(ChartCoreRender, ABlockOfCellsMatchesTheWholeChart) {
    ensureGuiApp();
    const int w = 40, h = 36;
    Chart chart(w, h);
    const palette::SymbolSet symbols = palette::loadxiuChr();
    for (int t = 0; t < 5; ++t) {
        ChartThread thread;
        thread.rgb = threadColor(20 + 40 * t);
        thread.symbol = symbols.at(t + 1);
        chart.threads().push_back(thread);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if ((x + y) % 7 == 0) continue; // unstitched cells stay blank
            chart.setThreadAt(x, y, (x * 3 + y) % 5);
            chart.setBlockColour(x, y, chart.threads()[static_cast<std::size_t>((x * 3 + y) % 5)].rgb);
        }
    chart.recount();
    ChartGeometry g = canvasGeometry();
    g.gridTop = 40;
    const auto render = [&](QRect cells) {
        QImage canvas = newCanvas(10 * cells.width() + 83, 10 * cells.height() + 100);
        QPainter painter(&canvas);
        EXPECT_TRUE(renderChart(painter, g, chart, cells, ChartStyle::BlocksAndSymbols));
        return canvas;
    };
    const QImage whole = render(allCells(chart));
    for (const QRect block : {QRect(0, 0, 12, 9), QRect(14, 10, 20, 20), QRect(30, 30, 10, 6)}) {
        const QImage part = render(block);
        for (int row = 0; row < block.height(); ++row)
            for (int column = 0; column < block.width(); ++column) {
                // The cell's interior (its block and symbol), inside the lines.
                const QPoint here(40 + 10 * column + 2, 40 + 10 * row + 2);
                const QPoint there(40 + 10 * (block.left() + column) + 2, 40 + 10 * (block.top() + row) + 2);
                const QImage mine = part.copy(QRect(here, QSize(7, 7)));
                ASSERT_EQ(mine, whole.copy(QRect(there, QSize(7, 7))))
                    << "cell " << block.left() + column << "," << block.top() + row;
                if (!chart.stitched(block.left() + column, block.top() + row)) {
                    EXPECT_EQ(mine.pixel(3, 3), qRgb(255, 255, 255));
                }
            }
        // The chart's column 16 and 32 lines are heavy wherever the block holds them.
        for (int column = 1; column < block.width(); ++column) {
            const bool heavy = (block.left() + column) % 16 == 0;
            const QRgb line = part.pixel(40 + 10 * column, 40 + 5);
            EXPECT_EQ(line == qRgb(66, 66, 66), heavy) << "column " << block.left() + column;
        }
    }
}

} // namespace
} // namespace pav::chart
