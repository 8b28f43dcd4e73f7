// Written patterns read back with poppler: every stitch's symbol is text at its
// cell on the pages that hold it, the pages repeat the rows and columns asked
// for, the cover gives the finished size, the legend lists every thread with
// its skeins, fonts are embedded and only the cover holds a picture.

#include "PatternFixture.h"

#include "chart/oxs/OxsFile.h"
#include "chart/pattern/PatternOutput.h"
#include "chart/pattern/PatternPages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace pav::pattern::test {
namespace {

class PatternPdf : public ::testing::Test {
protected:
    void SetUp() override {
        ensureApp();
        ASSERT_TRUE(dir.isValid());
    }
    QString write(const chart::Chart& chart, const PatternOptions& options, const char* name = "pattern.pdf") {
        const QString path = dir.filePath(QString::fromLatin1(name));
        QString error;
        EXPECT_EQ(writePatternPdf(chart, options, path, &error), print::PrintOutcome::Printed)
            << error.toStdString();
        return path;
    }
    QTemporaryDir dir;
};

// The symbols found in each chart cell of a page, by chart coordinates.
using CellSymbols = std::map<std::pair<int, int>, QString>;

CellSymbols symbolsOnPage(const std::vector<Word>& words, const PatternLayout& layout, const ChartPage& page) {
    CellSymbols found;
    const double c = layout.options.cellMm;
    const double left = layout.printable.x() + layout.gridArea.x();
    const double top = layout.printable.y() + layout.gridArea.y();
    for (const Word& word : words) {
        // Symbols of neighbouring cells that poppler reads as one word share its box evenly.
        const auto n = word.text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const double cx = word.x1 + (word.x2 - word.x1) * (i + 0.5) / n;
            const int column = static_cast<int>(std::floor((cx - left) / c));
            const int row = static_cast<int>(std::floor((word.cy() - top) / c));
            if (column < 0 || row < 0 || column >= page.cells.width() || row >= page.cells.height()) continue;
            found[{page.cells.left() + column, page.cells.top() + row}] += word.text.mid(i, 1);
        }
    }
    return found;
}

struct GridCase {
    int w, h, threads;
    Paper paper;
    double cell;
    int overlap;
    bool blackAndWhite;
};

class PatternGrid : public PatternPdf, public ::testing::WithParamInterface<GridCase> {};

TEST_P(PatternGrid, EveryStitchsSymbolStandsAtItsCellOnEveryPageThatHoldsIt) {
    const GridCase& p = GetParam();
    const chart::Chart chart = patchChart(p.w, p.h, p.threads);
    PatternOptions options;
    options.paper = p.paper;
    options.cellMm = p.cell;
    options.overlap = p.overlap;
    options.blackAndWhite = p.blackAndWhite;
    const QString pdf = write(chart, options);
    const PatternLayout layout = layOutPattern(chart, options);
    ASSERT_EQ(pdfPages(pdf), layout.totalPages());
    const auto words = pdfWords(pdf);
    ASSERT_EQ(words.size(), static_cast<std::size_t>(layout.totalPages()));

    std::set<std::pair<int, int>> seen;
    std::vector<std::pair<int, int>> columnsFound; // per page: first and last chart column with a symbol
    for (std::size_t i = 0; i < layout.chartPages.size(); ++i) {
        const ChartPage& page = layout.chartPages[i];
        const int pageNumber = layout.firstChartPage() + static_cast<int>(i);
        const CellSymbols found = symbolsOnPage(words[static_cast<std::size_t>(pageNumber - 1)], layout, page);
        int firstColumn = p.w, lastColumn = -1;
        for (int y = page.cells.top(); y <= page.cells.bottom(); ++y)
            for (int x = page.cells.left(); x <= page.cells.right(); ++x) {
                const auto at = found.find({x, y});
                if (!chart.stitched(x, y)) {
                    ASSERT_TRUE(at == found.end()) << "unstitched (" << x << ", " << y << ") holds "
                                                   << at->second.toStdString() << " on page " << pageNumber;
                    continue;
                }
                const QString expected = QString::fromStdString(chart.threads()[chart.threadAt(x, y)].symbol);
                ASSERT_TRUE(at != found.end()) << "no symbol at (" << x << ", " << y << ") on page " << pageNumber;
                ASSERT_EQ(at->second, expected) << "at (" << x << ", " << y << ") on page " << pageNumber;
                seen.insert({x, y});
                firstColumn = std::min(firstColumn, x);
                lastColumn = std::max(lastColumn, x);
            }
        EXPECT_EQ(found.size(), static_cast<std::size_t>(page.cells.width() * page.cells.height()) -
                                    [&] {
                                        int holes = 0;
                                        for (int y = page.cells.top(); y <= page.cells.bottom(); ++y)
                                            for (int x = page.cells.left(); x <= page.cells.right(); ++x)
                                                holes += !chart.stitched(x, y);
                                        return static_cast<std::size_t>(holes);
                                    }())
            << "stray text in the grid of page " << pageNumber;
        columnsFound.emplace_back(firstColumn, lastColumn);
        // The header names the page and what it holds.
        const QString text = pageText(pdf, pageNumber);
        EXPECT_TRUE(text.contains(QStringLiteral("第%1/%2页").arg(pageNumber).arg(layout.totalPages())))
            << text.left(80).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("列%1–%2，行%3–%4")
                                      .arg(page.cells.left() + 1)
                                      .arg(page.cells.right() + 1)
                                      .arg(page.cells.top() + 1)
                                      .arg(page.cells.bottom() + 1)));
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(chart.stitchedCells()));
    // Side by side, a page starts `overlap` columns before the one to its left ends.
    for (std::size_t i = 1; i < layout.chartPages.size(); ++i) {
        if (layout.chartPages[i].across == 0) continue;
        EXPECT_EQ(columnsFound[i].first, columnsFound[i - 1].second + 1 - p.overlap) << "page " << i + 2;
    }
}

INSTANTIATE_TEST_SUITE_P(Options, PatternGrid,
                         ::testing::Values(GridCase{230, 250, 60, Paper::A4, 2.8, 3, false},
                                           GridCase{100, 80, 24, Paper::A4, 5.0, 0, true},
                                           GridCase{150, 70, 12, Paper::Letter, 2.0, 10, false}));

TEST_F(PatternPdf, SmallChartFitsOnOneChartPageAndTheCoverGivesItsSize) {
    const chart::Chart chart = patchChart(40, 30, 5);
    PatternOptions options;
    options.fabricCount = 28;
    const QString pdf = write(chart, options);
    EXPECT_EQ(pdfPages(pdf), 3); // cover, chart, legend
    const QString cover = pageText(pdf, 1);
    EXPECT_TRUE(cover.contains(QStringLiteral("尺寸：40×30针"))) << cover.toStdString();
    // 40 and 30 stitches at 14 to the inch (28-count over two).
    EXPECT_TRUE(cover.contains(QStringLiteral("成品尺寸：7.3×5.4厘米（2.9×2.1英寸），28CT平纹布（跨两纱绣）")))
        << cover.toStdString();
    EXPECT_TRUE(cover.contains(QStringLiteral("绣线：DMC5色，2股线")));
    EXPECT_TRUE(pageText(pdf, 2).contains(QStringLiteral("列1–40，行1–30")));
}

// One legend row per thread: symbol, brand and number, stitches and skeins on one line.
TEST_F(PatternPdf, LegendListsEveryThreadWithItsSkeins) {
    const chart::Chart chart = patchChart(230, 250, 77);
    PatternOptions options;
    options.strands = 3;
    options.fabricCount = 18;
    const QString pdf = write(chart, options);
    const PatternLayout layout = layOutPattern(chart, options);
    ASSERT_EQ(layout.legendPages, 2);
    const auto pages = pdfWords(pdf);
    std::vector<Word> legend;
    for (int page = layout.firstLegendPage(); page <= layout.totalPages(); ++page)
        for (Word w : pages[static_cast<std::size_t>(page - 1)]) {
            w.y1 += page * 1000; // keep the pages' lines apart
            w.y2 += page * 1000;
            legend.push_back(w);
        }
    int skeins = 0;
    for (const chart::ChartThread& thread : chart.threads()) {
        const int expected = skeinsFor(thread.count, 18, 3);
        skeins += expected;
        bool listed = false;
        for (const Word& brand : legend) {
            if (brand.text != QStringLiteral("DMC")) continue;
            std::vector<QString> line; // the words of the brand's line, left to right
            std::vector<const Word*> row;
            for (const Word& w : legend)
                if (std::abs(w.cy() - brand.cy()) < 1.5 && w.x1 > brand.x1 - 25 && w.x1 < brand.x1 + 60) row.push_back(&w);
            std::sort(row.begin(), row.end(), [](const Word* a, const Word* b) { return a->x1 < b->x1; });
            for (const Word* w : row) line.push_back(w->text);
            const std::vector<QString> wanted = {QString::fromStdString(thread.symbol), QStringLiteral("DMC"),
                                                 QString::fromStdString(thread.number),
                                                 QString::number(thread.count), QString::number(expected)};
            if (line == wanted) listed = true;
        }
        EXPECT_TRUE(listed) << "DMC " << thread.number << " with " << thread.count << " stitches and " << expected
                            << " skeins";
    }
    std::vector<QString> totals;
    for (const Word& total : legend)
        if (total.text == QStringLiteral("合计"))
            for (const Word& w : legend)
                if (std::abs(w.cy() - total.cy()) < 1.5) totals.push_back(w.text);
    const std::vector<QString> wanted = {QStringLiteral("合计"), QStringLiteral("77"), QStringLiteral("色"),
                                         QString::number(chart.stitchedCells()), QString::number(skeins)};
    EXPECT_EQ(totals, wanted);
}

// A thread used only by back stitches is still bought: it has its key row, as a back-stitch row, and skeins.
TEST_F(PatternPdf, BackStitchOnlyThreadIsInTheLegend) {
    chart::Chart chart = patchChart(40, 30, 4, false);
    chart::ChartThread outline;
    outline.row = 1;
    outline.rgb = 0;
    outline.number = "310";
    outline.symbol = "@";
    chart.threads().push_back(outline);
    chart.backStitches.push_back(chart::BackStitch{0, 0, 80, 0, 4, {}});
    chart.recount();
    ASSERT_EQ(chart.threads().back().count, 0);
    EXPECT_EQ(patternThreads(chart).size(), 5u);
    EXPECT_EQ(threadSkeins(chart, 4, PatternOptions{}), 1);
    const QString pdf = write(chart, PatternOptions{});
    // Its row is a back-stitch row: one line, one skein; not a cross-stitch row with 0 stitches.
    EXPECT_TRUE(pageText(pdf, 3).contains(QStringLiteral("DMC310回针"))) << pageText(pdf, 3).toStdString();
    EXPECT_FALSE(pageText(pdf, 3).contains(QStringLiteral("DMC31001")));
}

// A chart file with every kind of stitch: the chart pages carry each part stitch's
// symbol in its cell, the key gives back stitches, knots and beads rows of their
// own with their counts (no cross-stitch row for a back-stitch thread), and the
// cover names what the file holds that cannot be drawn.
TEST_F(PatternPdf, EveryStitchKindIsDrawnKeyedAndCounted) {
    const chart::oxs::OxsReadResult read = chart::oxs::readOxsFile(
        QDir(qEnvironmentVariable("PAV_SOURCE_DIR")).filePath(QStringLiteral("tests/chart/oxs-fixtures/every-stitch-kind.oxs")));
    ASSERT_TRUE(read.ok());
    const chart::Chart& chart = read.chart;
    const std::vector<KeyRow> rows = {{KeyRowKind::Cells, 0},      {KeyRowKind::Cells, 1},
                                      {KeyRowKind::Cells, 2},      {KeyRowKind::BackStitch, 3},
                                      {KeyRowKind::BackStitch, 4}, {KeyRowKind::Knot, 5},
                                      {KeyRowKind::Bead, 6}};
    EXPECT_EQ(patternKeyRows(chart), rows);
    EXPECT_EQ(patternThreads(chart).size(), 7u);
    EXPECT_EQ(threadSkeins(chart, 6, PatternOptions{}), 0) << "beads take no thread of their own";

    const QString pdf = write(chart, PatternOptions{});
    const int pages = pdfPages(pdf);
    ASSERT_EQ(pages, 3);
    EXPECT_TRUE(pageText(pdf, 1).contains(QStringLiteral("未能画出：fullcross×1"))) << pageText(pdf, 1).toStdString();

    // Blue: 2 full stitches, a half, two triangles and a petite, each with its symbol.
    const QString page = pageText(pdf, 2);
    EXPECT_EQ(page.count(QLatin1Char('O')), 2 + 4) << page.toStdString();
    EXPECT_EQ(page.count(QLatin1Char('+')), 4) << page.toStdString();

    const QString key = pageText(pdf, 3);
    for (const char* row : {"DMC310回针", "DMC550法式结", "DMC326珠子"})
        EXPECT_TRUE(key.contains(QString::fromUtf8(row))) << row << "\n" << key.toStdString();
    EXPECT_EQ(key.count(QStringLiteral("DMC310")), 1) << "no cross-stitch row for the outline thread";
    EXPECT_EQ(key.count(QStringLiteral("回针")), 2);
    // Each row's count stands on its line in the stitches column.
    const std::vector<Word>& words = pdfWords(pdf)[2];
    const auto countOnLineOf = [&](const QString& caption) {
        for (const Word& word : words) {
            if (word.text != caption) continue;
            const Word* next = nullptr;
            for (const Word& other : words)
                if (std::abs(other.cy() - word.cy()) < 1.5 && other.x1 > word.x2 && (!next || other.x1 < next->x1))
                    next = &other;
            return next ? next->text : QString();
        }
        return QString();
    };
    EXPECT_EQ(countOnLineOf(QStringLiteral("法式结")), QStringLiteral("2"));
    EXPECT_EQ(countOnLineOf(QStringLiteral("珠子")), QStringLiteral("2"));
}

TEST_F(PatternPdf, FontsAreEmbeddedAndOnlyTheCoverHoldsAPicture) {
    const chart::Chart chart = patchChart(120, 100, 30);
    const QString pdf = write(chart, PatternOptions{});
    const QStringList fonts = pdfFonts(pdf);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& font : fonts) EXPECT_TRUE(font.contains(QStringLiteral(" yes "))) << font.toStdString();
    EXPECT_EQ(pdfImages(pdf, 1), 1);
    for (int page = 2; page <= pdfPages(pdf); ++page) EXPECT_EQ(pdfImages(pdf, page), 0) << "page " << page;
}

TEST_F(PatternPdf, RefusedOptionsUnwritableFilesAndAbortsLeaveNoFile) {
    const chart::Chart chart = patchChart(30, 30, 4);
    const QString path = dir.filePath(QStringLiteral("kept.pdf"));
    {
        QFile earlier(path);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier");
    }
    const auto keptAsItWas = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) && file.readAll() == "earlier";
    };
    QString error;
    PatternOptions tooSmall;
    tooSmall.cellMm = 1.5;
    EXPECT_EQ(writePatternPdf(chart, tooSmall, path, &error), print::PrintOutcome::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(keptAsItWas());

    const bool stop = false;
    EXPECT_EQ(writePatternPdf(chart, PatternOptions{}, path, nullptr, chart::JobControl{nullptr, &stop}),
              print::PrintOutcome::Aborted);
    EXPECT_TRUE(keptAsItWas());

    error.clear();
    const QString nowhere = dir.filePath(QStringLiteral("missing/folder/p.pdf"));
    EXPECT_EQ(writePatternPdf(chart, PatternOptions{}, nowhere, &error), print::PrintOutcome::Failed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.pdf")});

    EXPECT_EQ(writePatternPdf(chart::Chart{}, PatternOptions{}, path, &error), print::PrintOutcome::Failed);
    EXPECT_TRUE(keptAsItWas());
}

} // namespace
} // namespace pav::pattern::test
