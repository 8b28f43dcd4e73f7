// The pattern's rules as tables: skeins, finished size, how a side is cut
// into pages, how many pages a chart takes and in which orientation, and the
// options that are refused.

#include "chart/pattern/PatternLayout.h"
#include "chart/pattern/PatternRules.h"

#include <optional>

#include <gtest/gtest.h>

#include <cmath>

namespace pav::pattern {
namespace {

struct SkeinCase {
    int stitches, count, strands;
    double isolated;
    int skeins;
};

// The planning rule: 1,800 crosses a skein at 14-count in 2 strands, scaled by
// the fabric's stitches to the inch and by the strands; lone stitches add their share.
TEST(PatternRules, SkeinTable) {
    const SkeinCase cases[] = {
        {0, 14, 2, 0, 0},       {1, 14, 2, 0, 1},        // any stitch needs a skein
        {1800, 14, 2, 0, 1},    {1801, 14, 2, 0, 2},     // exactly one skein, and a stitch more
        {52093, 14, 2, 0, 29},                           // 28.94: the 310 of a photo chart
        {57500, 14, 2, 0, 32},                           // a whole 230 x 250 chart: 31.94
        {10000, 14, 3, 0, 9},   {10000, 28, 2, 0, 6},    // 8.33; evenweave over two is 14-count: 5.56
        {10000, 11, 2, 0, 8},   {10000, 18, 1, 0, 3},    // 7.07 and 2.16
        {20000, 22, 6, 0, 22},  {500, 32, 6, 0, 1},      // 21.21 and 0.73
        {1542, 18, 3, 0, 1},    {1543, 18, 3, 0, 2},     // 1,542.9 a skein
        {1200, 14, 2, 0.5, 1},  {1800, 14, 2, 0.5, 2},   // half of them alone: 1.0 and 1.5
        {900, 14, 2, 1.0, 1},   {1000, 14, 2, 1.0, 2},   // all alone: twice the thread
    };
    for (const SkeinCase& c : cases)
        EXPECT_EQ(skeinsFor(c.stitches, 0.0, c.count, c.strands, c.isolated), c.skeins)
            << c.stitches << " stitches, " << c.count << " count, " << c.strands << " strands, " << c.isolated
            << " alone";
    EXPECT_EQ(skeinsFor(52093, 14, 2), 29);
    EXPECT_DOUBLE_EQ(stitchesPerSkein(14, 2), 1800);
    // Back stitch is its length over and under, with a fifth more: 5,512 stitch widths a skein at 14-count in 2 strands.
    EXPECT_EQ(skeinsFor(0, 0.0, 14, 2), 0);
    EXPECT_EQ(skeinsFor(0, 100.0, 14, 2), 1);
    EXPECT_EQ(skeinsFor(0, 5511.0, 14, 2), 1);
    EXPECT_EQ(skeinsFor(0, 5512.0, 14, 2), 2);
    EXPECT_EQ(skeinsFor(1000, 5000.0, 14, 2), 2); // 0.56 + 0.91
    EXPECT_EQ(skeinsToBuy(0.0001), 1);
    EXPECT_EQ(skeinsToBuy(0), 0);
}

TEST(PatternRules, FinishedSizeAtTheFabricCount) {
    struct Case {
        int w, h, count;
        double widthCm, heightCm, widthIn;
    } const cases[] = {
        {230, 250, 14, 41.729, 45.357, 16.429},
        {230, 250, 28, 41.729, 45.357, 16.429}, // over two: 14 stitches to the inch
        {230, 250, 11, 53.109, 57.727, 20.909},
        {100, 50, 16, 15.875, 7.9375, 6.25},
        {100, 50, 32, 15.875, 7.9375, 6.25},
        {110, 44, 22, 12.7, 5.08, 5},
        {18, 36, 18, 2.54, 5.08, 1},
    };
    for (const Case& c : cases) {
        const FinishedSize size = finishedSize(c.w, c.h, c.count);
        EXPECT_NEAR(size.widthCm, c.widthCm, 0.001) << c.w << " at " << c.count;
        EXPECT_NEAR(size.heightCm, c.heightCm, 0.001) << c.h << " at " << c.count;
        EXPECT_NEAR(size.widthIn, c.widthIn, 0.001) << c.w << " at " << c.count;
    }
}

TEST(PatternRules, ASideIsCutIntoEvenPagesThatRepeatTheOverlap) {
    struct Case {
        int length, perPage, overlap;
        std::vector<Span> spans;
    } const cases[] = {
        // As few pages as hold the side, sharing its stitches evenly: 60, 60, 60 and 59, not 61, 61, 61 and 56.
        {230, 61, 3, {{0, 60}, {57, 60}, {114, 60}, {171, 59}}},
        {61, 61, 3, {{0, 61}}},
        {62, 61, 3, {{0, 33}, {30, 32}}}, // not a second page of one new stitch
        {10, 61, 3, {{0, 10}}},
        {122, 61, 0, {{0, 61}, {61, 61}}},
        {100, 34, 10, {{0, 33}, {23, 33}, {46, 32}, {68, 32}}},
        {250, 122, 3, {{0, 86}, {83, 85}, {165, 85}}}, // 2 mm on Letter: no page of rows 247-250
        {10, 3, 5, {{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}}}, // overlap past the page: one new a page
        {0, 61, 3, {}},
    };
    for (const Case& c : cases) EXPECT_EQ(splitSide(c.length, c.perPage, c.overlap), c.spans) << c.length;
}

TEST(PatternRules, PagesAndOrientationFollowTheFewestPages) {
    struct Case {
        int w, h, threads;
        Paper paper;
        double cell;
        int overlap;
        std::optional<Orientation> asked;
        Orientation taken;
        int columns, rows, across, down;
    } const cases[] = {
        // A4: 186 x 273 mm inside the margins.
        {230, 250, 60, Paper::A4, 2.8, 3, std::nullopt, Orientation::Portrait, 61, 89, 4, 3},
        {230, 250, 60, Paper::A4, 2.8, 3, Orientation::Landscape, Orientation::Landscape, 92, 58, 3, 5},
        {300, 100, 60, Paper::A4, 2.8, 3, std::nullopt, Orientation::Landscape, 92, 58, 4, 2},
        {40, 50, 60, Paper::A4, 2.8, 3, std::nullopt, Orientation::Portrait, 61, 89, 1, 1},
        {230, 250, 60, Paper::A4, 5.0, 10, std::nullopt, Orientation::Portrait, 34, 50, 10, 6},
        {230, 250, 60, Paper::A4, 2.0, 0, std::nullopt, Orientation::Portrait, 85, 125, 3, 2},
        // Letter landscape saves a chart page (15 against 16), and with 20 threads it wins;
        // 60 threads need a third key page on its shorter tables: a tie, so portrait.
        {230, 250, 20, Paper::Letter, 2.8, 3, std::nullopt, Orientation::Landscape, 86, 60, 3, 5},
        {230, 250, 60, Paper::Letter, 2.8, 3, std::nullopt, Orientation::Portrait, 63, 83, 4, 4},
        // A3: as many chart pages either way; the landscape key takes one page, not two.
        {230, 250, 60, Paper::A3, 2.8, 3, std::nullopt, Orientation::Landscape, 136, 89, 2, 3},
    };
    for (const Case& c : cases) {
        PatternOptions options;
        options.paper = c.paper;
        options.cellMm = c.cell;
        options.overlap = c.overlap;
        options.orientation = c.asked;
        const PatternLayout layout = layOutPattern(c.w, c.h, c.threads, options);
        const std::string what = std::to_string(c.w) + "x" + std::to_string(c.h) + " on " + paperName(c.paper) +
                                 " at " + std::to_string(c.cell);
        EXPECT_EQ(layout.orientation, c.taken) << what;
        EXPECT_EQ(layout.columnsPerPage, c.columns) << what;
        EXPECT_EQ(layout.rowsPerPage, c.rows) << what;
        EXPECT_EQ(layout.columns.size(), static_cast<std::size_t>(c.across)) << what;
        EXPECT_EQ(layout.rows.size(), static_cast<std::size_t>(c.down)) << what;
        EXPECT_EQ(layout.chartPages.size(), static_cast<std::size_t>(c.across * c.down)) << what;
        EXPECT_EQ(layout.totalPages(), 1 + c.across * c.down + layout.legendPages) << what;
        // Every page's grid stays inside the printable area.
        EXPECT_LE(kLeftBandMm + c.columns * c.cell + kFarBandMm, layout.printable.width() + 1e-9) << what;
        EXPECT_LE(kHeaderMm + kTopBandMm + c.rows * c.cell + kFarBandMm, layout.printable.height() + 1e-9) << what;
    }
}

TEST(PatternRules, RepeatedRowsAndColumnsAreThoseOfThePageBefore) {
    const PatternLayout layout = layOutPattern(230, 250, 60, PatternOptions{});
    ASSERT_EQ(layout.chartPages.size(), 12u);
    EXPECT_EQ(layout.chartPages[0].repeatedColumns, 0);
    EXPECT_EQ(layout.chartPages[0].repeatedRows, 0);
    EXPECT_EQ(layout.chartPages[1].repeatedColumns, 3);
    EXPECT_EQ(layout.chartPages[1].repeatedRows, 0);
    EXPECT_EQ(layout.chartPages[4].repeatedColumns, 0);
    EXPECT_EQ(layout.chartPages[4].repeatedRows, 3);
    EXPECT_EQ(layout.chartPages[11].cells, QRect(171, 165, 59, 85));
}

TEST(PatternRules, LegendPagesHoldTheirTablesOfThreads) {
    const PatternLayout a4 = layOutPattern(230, 250, 60, PatternOptions{});
    EXPECT_EQ(a4.legendTablesAcross, 1);
    EXPECT_EQ(a4.legendRowsPerTable, 38);
    EXPECT_EQ(a4.legendPages, 2);
    EXPECT_EQ(layOutPattern(230, 250, 77, PatternOptions{}).legendPages, 3);
    EXPECT_EQ(layOutPattern(230, 250, 1, PatternOptions{}).legendPages, 1);
}

// A chart that fits fewer pages at a cell no more than 10 % smaller is offered that cell.
TEST(PatternRules, ASlightlySmallerCellThatSavesPagesIsOffered) {
    const auto offer = [](int w, int h, double cell, Paper paper = Paper::A4) {
        PatternOptions options;
        options.cellMm = cell;
        options.paper = paper;
        options.orientation = Orientation::Portrait;
        return fewerPagesCell(w, h, 1, options);
    };
    // 65 wide at 2.8 mm: 61 + 7 columns; at 2.6 mm all 65 fit.
    ASSERT_TRUE(offer(65, 80, 2.8).has_value());
    EXPECT_DOUBLE_EQ(offer(65, 80, 2.8)->cellMm, 2.6);
    EXPECT_EQ(offer(65, 80, 2.8)->chartPages, 1);
    EXPECT_FALSE(offer(69, 80, 2.8).has_value()); // one page would need 2.4 mm: more than 10 % smaller
    EXPECT_FALSE(offer(60, 80, 2.8).has_value()); // one page already
    EXPECT_FALSE(offer(230, 250, 2.0).has_value()); // no cell below 2 mm
    // The whole 230 x 250 with 3 repeated: 12 pages at 2.2 mm, 9 at 2.1 and at 2.0: the larger cell is offered.
    ASSERT_TRUE(offer(230, 250, 2.2).has_value());
    EXPECT_DOUBLE_EQ(offer(230, 250, 2.2)->cellMm, 2.1);
    EXPECT_EQ(offer(230, 250, 2.2)->chartPages, 9);
}

TEST(PatternRules, OptionsOutOfRangeAreRefused) {
    const auto problem = [](auto change) {
        PatternOptions options;
        change(options);
        return optionsProblem(options);
    };
    EXPECT_EQ(problem([](PatternOptions&) {}), "");
    EXPECT_EQ(problem([](PatternOptions& o) { o.cellMm = 2.0; }), "");
    EXPECT_EQ(problem([](PatternOptions& o) { o.cellMm = 5.0; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.cellMm = 1.99; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.cellMm = 5.01; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.cellMm = std::nan(""); }), "");
    EXPECT_EQ(problem([](PatternOptions& o) { o.overlap = 0; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.overlap = 11; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.overlap = -1; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.fabricCount = 15; }), "");
    EXPECT_EQ(problem([](PatternOptions& o) { o.fabricCount = 32; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.strands = 0; }), "");
    EXPECT_NE(problem([](PatternOptions& o) { o.strands = 7; }), "");

    EXPECT_EQ(paperOfName("a3"), Paper::A3);
    EXPECT_EQ(paperOfName("LETTER"), Paper::Letter);
    EXPECT_EQ(paperOfName("A5"), std::nullopt);
    EXPECT_EQ(paperOfName(""), std::nullopt);
}

} // namespace
} // namespace pav::pattern
