// The symbols a pattern gives its threads: the designed set is drawn from
// DejaVu Sans Bold with no two alike at a 2 mm cell and none reaching the
// cell's edge; 2 to 400 threads never share one and the most stitched take the
// first; threads sold under one number are one key row with one symbol; shop
// numbers and metallics.

#include "PatternFixture.h"
#include "SymbolShapes.h"

#include "chart/pattern/PatternChart.h"
#include "chart/pattern/PatternPages.h"

#include <QFontInfo>

#include <gtest/gtest.h>

#include <set>

namespace pav::pattern::test {
namespace {

TEST(PatternSymbols, DesignedSymbolsAreUnlikeAtTwoMillimetresAndClearOfTheEdges) {
    ensureApp();
    const QFont font = patternSymbolFont(2.0, SymbolChoice::Distinct);
    ASSERT_EQ(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
    ASSERT_TRUE(QFontInfo(font).bold());
    const QRawFont face = QRawFont::fromFont(font);
    const std::vector<std::string> symbols = palette::designedSymbols();
    std::vector<SymbolShape> shapes;
    for (const std::string& symbol : symbols) {
        const QString text = QString::fromStdString(symbol);
        const QList<quint32> glyphs = face.glyphIndexesForString(text);
        ASSERT_TRUE(glyphs.size() == 1 && glyphs[0] != 0) << symbol << " is not one glyph of the face";
        const SymbolShape shape = symbolShape(face, glyphs[0], kSymbolEm, kSymbolBaselineEm);
        const double margin = 0.08 * kShapeCell;
        EXPECT_TRUE(QRectF(margin, margin, kShapeCell - 2 * margin, kShapeCell - 2 * margin).contains(shape.ink))
            << symbol << " reaches the cell's edge";
        EXPECT_GE(std::max(shape.ink.width(), shape.ink.height()), 0.4 * kShapeCell) << symbol << " is a speck";
        EXPECT_GE(shape.coverage, 0.04) << symbol << " is too faint";
        shapes.push_back(shape);
    }
    // Alike as drawn (O and Q, I and l, S and 5), or alike but for their size (C and c, ■ and ▪).
    int alike = 0;
    for (std::size_t a = 0; a < shapes.size(); ++a)
        for (std::size_t b = 0; b < a; ++b) {
            const double seen = unlike(shapes[a].seen, shapes[b].seen);
            const double sized = unlike(shapes[a].alike, shapes[b].alike);
            if (seen < 0.3 || sized < 0.3) {
                ADD_FAILURE() << symbols[a] << " and " << symbols[b] << " look alike: " << seen << ", " << sized;
                if (++alike > 20) return;
            }
        }
}

// A chart of n threads of distinct numbers, thread t with n - t stitches, or all alike when `even`.
chart::Chart threadsChart(int n, bool even = false) {
    const int w = 230;
    chart::Chart c(w, 321);
    int cell = 0;
    for (int t = 0; t < n; ++t) {
        chart::ChartThread thread;
        thread.row = 0;
        thread.number = "T" + std::to_string(t);
        thread.rgb = t * 40503;
        c.threads().push_back(thread);
        for (int k = 0; k < (even ? 2 : n - t) && cell < w * 321; ++k, ++cell) c.setThreadAt(cell % w, cell / w, t);
    }
    c.range = chart::ThreadRange::OwnColours;
    c.recount();
    return c;
}

TEST(PatternSymbols, TwoToFourHundredThreadsNeverShareASymbolAndTheMostStitchedTakeTheFirst) {
    const std::vector<std::string> designed = palette::designedSymbols();
    ASSERT_GE(designed.size(), 400u);
    for (const int n : {2, 3, 20, 30, 72, 97, 100, 229, 240, 241, 300, 400}) {
        const chart::Chart chart = threadsChart(n);
        const chart::Chart shown = patternChart(chart, SymbolChoice::Distinct);
        ASSERT_EQ(shown.threads().size(), static_cast<std::size_t>(n));
        std::set<std::string> seen;
        for (const chart::ChartThread& thread : shown.threads()) {
            EXPECT_FALSE(thread.symbol.empty()) << n << " threads";
            seen.insert(thread.symbol);
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(n)) << n << " threads share symbols";
        // Thread 0 has the most stitches, thread n - 1 the fewest.
        EXPECT_EQ(shown.threads().front().symbol, designed.front()) << n;
        EXPECT_EQ(shown.threads().back().symbol, designed[static_cast<std::size_t>(n - 1)]) << n;
        // The chart file written with the pattern carries the same symbols.
        const chart::Chart marked = withPatternSymbols(chart, SymbolChoice::Distinct);
        for (std::size_t t = 0; t < chart.threads().size(); ++t)
            EXPECT_EQ(marked.threads()[t].symbol, shown.threads()[t].symbol) << n << " threads, thread " << t;
    }
    // On a tie the chart's order decides.
    const chart::Chart shown = patternChart(threadsChart(5, true), SymbolChoice::Distinct);
    for (std::size_t t = 0; t < 5; ++t) EXPECT_EQ(shown.threads()[t].symbol, designed[t]);
    // The chart's own symbols stay with "与绣图相同".
    chart::Chart own = threadsChart(3);
    own.threads()[0].symbol = "人";
    EXPECT_EQ(patternChart(own, SymbolChoice::Chart).threads()[0].symbol, "人");
    // Past the chart's 240 symbols, threads take designed ones no other thread shows.
    chart::Chart many = threadsChart(300);
    const palette::SymbolSet string = palette::loadxiuChr();
    for (int t = 0; t < 300; ++t) many.threads()[static_cast<std::size_t>(t)].symbol = string.at(t + 1);
    std::set<std::string> shownSymbols;
    for (const chart::ChartThread& thread : patternChart(many, SymbolChoice::Chart).threads()) {
        EXPECT_FALSE(thread.symbol.empty());
        shownSymbols.insert(thread.symbol);
    }
    EXPECT_EQ(shownSymbols.size(), 300u);
}

// Another program's chart that lists 310 twice: one row, one symbol, the stitches of both.
TEST(PatternSymbols, ThreadsOfOneNumberAreOneThread) {
    const auto& dmc = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    chart::Chart chart(6, 2);
    for (const char* number : {"310", "739", "310", "5200", "0000"}) {
        chart::ChartThread thread;
        thread.row = *dmc.rowOfNumber(number);
        thread.number = number;
        thread.rgb = dmc.thread(thread.row).rgb;
        chart.threads().push_back(thread);
    }
    chart.threads()[2].name = "Black";
    chart.threads()[2].listed = true;
    const int cells[2][6] = {{0, 0, 1, 2, 3, 4}, {2, 2, 2, 1, -1, -1}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 6; ++x) chart.setThreadAt(x, y, cells[y][x]);
    chart.backStitches.push_back(chart::BackStitch{0, 0, 2, 0, 2, {}});
    chart.recount();

    const chart::Chart shown = patternChart(chart, SymbolChoice::Distinct);
    ASSERT_EQ(shown.threads().size(), 4u);
    EXPECT_EQ(shown.threads()[0].number, "310");
    EXPECT_EQ(shown.threads()[0].count, 6);
    EXPECT_EQ(shown.threads()[0].name, "Black");
    EXPECT_EQ(shown.threadAt(3, 0), 0);
    EXPECT_EQ(shown.threadAt(3, 1), 1);
    EXPECT_EQ(shown.threadAt(4, 0), 2);
    EXPECT_EQ(shown.backStitches.front().thread, 0);
    EXPECT_EQ(shown.threads()[0].symbol, palette::designedSymbols()[0]);
    const std::vector<KeyRow> expected = {{KeyRowKind::Cells, 0}, {KeyRowKind::Cells, 1}, {KeyRowKind::Cells, 2},
                                          {KeyRowKind::Cells, 3}, {KeyRowKind::BackStitch, 0}};
    EXPECT_EQ(patternKeyRows(shown), expected);
    const chart::Chart marked = withPatternSymbols(chart, SymbolChoice::Distinct);
    EXPECT_EQ(marked.threads()[0].symbol, marked.threads()[2].symbol);
    EXPECT_NE(marked.threads()[0].symbol, marked.threads()[1].symbol);

    EXPECT_EQ(shopNumber(chart, chart.threads()[3]), "B5200");
    EXPECT_EQ(shopNumber(chart, chart.threads()[4]), "ECRU");
    EXPECT_EQ(shopNumber(chart, chart.threads()[0]), "310");
    chart::ChartThread silver;
    silver.row = *dmc.rowOfNumber("5283");
    silver.number = "5283";
    EXPECT_TRUE(isMetallic(chart, silver));
    EXPECT_FALSE(isMetallic(chart, chart.threads()[0]));
}

TEST(PatternSymbols, IsolatedStitchesAreCountedPerThread) {
    // 0 0 1 .      thread 0: a pair, thread 1: alone, thread 2: alone twice
    // 2 . 2 0      (the 0 at the right is alone too)
    chart::Chart chart(4, 2);
    chart.threads().resize(3);
    const int cells[2][4] = {{0, 0, 1, -1}, {2, -1, 2, 0}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) chart.setThreadAt(x, y, cells[y][x]);
    chart.recount();
    const std::vector<ThreadUse> uses = threadUses(chart);
    EXPECT_EQ(uses[0].counts.full, 3);
    EXPECT_EQ(uses[0].isolated, 1);
    EXPECT_EQ(uses[1].isolated, 1);
    EXPECT_EQ(uses[2].isolated, 2);
    EXPECT_NEAR(isolatedStitchShare(chart), 4.0 / 6, 1e-12);
}

} // namespace
} // namespace pav::pattern::test
