// The pattern's rules as tables: skeins, finished size, how a side is cut
// into pages, how many pages a chart takes and in which orientation, and the
// options that are refused.

#include "chart/pattern/PatternLayout.h"
#include "chart/pattern/PatternRules.h"

#include <gtest/gtest.h>

#include <cmath>

namespace pav::pattern {
namespace {

struct SkeinCase {
    int stitches, count, strands, skeins;
};

TEST(PatternRules, SkeinsFollowTheThreadPerCrossRule) {
    const SkeinCase cases[] = {
        {0, 14, 2, 0},      {1, 14, 2, 1},       // any stitch needs a skein
        {2282, 14, 2, 1},   {2283, 14, 2, 2},    // 0.9999 and 1.0003 skeins
        {10000, 14, 2, 5},  {10000, 14, 3, 7},   // 4.38 and 6.57
        {10000, 28, 2, 5},                       // evenweave over two: as 14-count
        {10000, 11, 2, 6},  {10000, 18, 1, 2},   // 5.58 and 1.70
        {20000, 22, 6, 17}, {500, 32, 6, 1},     // 16.73 and 0.58
        {57500, 14, 2, 26},                      // a whole 230 x 250 chart: 25.19
    };
    for (const SkeinCase& c : cases)
        EXPECT_EQ(skeinsFor(c.stitches, c.count, c.strands), c.skeins)
            << c.stitches << " stitches, " << c.count << " count, " << c.strands << " strands";
    // Back stitches add their own length, in stitch widths.
    EXPECT_EQ(skeinsFor(0, 0.0, 14, 2), 0);
    EXPECT_EQ(skeinsFor(0, 100.0, 14, 2), 1);      // 0.009 skeins
    EXPECT_EQ(skeinsFor(1000, 5000.0, 14, 2), 1);  // 0.89
    EXPECT_EQ(skeinsFor(10000, 10000.0, 14, 2), 6); // 5.29, where the crosses alone are 5
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

TEST(PatternRules, ASideIsCutIntoPagesThatRepeatTheOverlap) {
    struct Case {
        int length, perPage, overlap;
        std::vector<Span> spans;
    } const cases[] = {
        {230, 61, 3, {{0, 61}, {58, 61}, {116, 61}, {174, 56}}},
        {61, 61, 3, {{0, 61}}},
        {62, 61, 3, {{0, 61}, {58, 4}}},
        {10, 61, 3, {{0, 10}}},
        {122, 61, 0, {{0, 61}, {61, 61}}},
        {100, 34, 10, {{0, 34}, {24, 34}, {48, 34}, {72, 28}}},
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
        {230, 250, 60, Paper::A4, 2.8, 3, Orientation::Landscape, Orientation::Landscape, 93, 58, 3, 5},
        {300, 100, 60, Paper::A4, 2.8, 3, std::nullopt, Orientation::Landscape, 93, 58, 4, 2},
        {40, 50, 60, Paper::A4, 2.8, 3, std::nullopt, Orientation::Portrait, 61, 89, 1, 1},
        {230, 250, 60, Paper::A4, 5.0, 10, std::nullopt, Orientation::Portrait, 34, 50, 10, 6},
        {230, 250, 60, Paper::A4, 2.0, 0, std::nullopt, Orientation::Portrait, 86, 125, 3, 2},
        // Letter landscape saves a chart page (15 against 16), and with 20 threads it wins;
        // 60 threads need a second legend page on its shorter tables: a tie, so portrait.
        {230, 250, 20, Paper::Letter, 2.8, 3, std::nullopt, Orientation::Landscape, 86, 60, 3, 5},
        {230, 250, 60, Paper::Letter, 2.8, 3, std::nullopt, Orientation::Portrait, 64, 83, 4, 4},
        // A3: a tie, so portrait.
        {230, 250, 60, Paper::A3, 2.8, 3, std::nullopt, Orientation::Portrait, 93, 133, 3, 2},
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
    EXPECT_EQ(layout.chartPages[11].cells, QRect(174, 172, 56, 78));
}

TEST(PatternRules, LegendPagesHoldTheirTablesOfThreads) {
    const PatternLayout a4 = layOutPattern(230, 250, 60, PatternOptions{});
    EXPECT_EQ(a4.legendTablesAcross, 2);
    EXPECT_EQ(a4.legendRowsPerTable, 38);
    EXPECT_EQ(a4.legendPages, 1);
    EXPECT_EQ(layOutPattern(230, 250, 77, PatternOptions{}).legendPages, 2);
    EXPECT_EQ(layOutPattern(230, 250, 1, PatternOptions{}).legendPages, 1);
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
