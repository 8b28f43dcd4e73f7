// Written patterns read back with poppler: every stitch's symbol is a word of
// its own at its cell on the pages that hold it, the pages repeat the rows and
// columns asked for and say where they continue, the cover gives the finished
// size and the fabric to cut, the key lists every thread with its skeins, the
// pattern can be English, fonts are embedded and only the cover holds a picture.

#include "PatternFixture.h"

#include "chart/oxs/OxsFile.h"
#include "chart/pattern/PatternChart.h"
#include "chart/pattern/PatternOutput.h"
#include "chart/pattern/PatternPages.h"

#include "base/UiText.h"

#include <QDir>

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
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

// The symbols found in each chart cell of a page, by chart coordinates. A word
// that holds more than one symbol is counted in *joined: a reader that goes word
// by word could not tell its cells apart.
using CellSymbols = std::map<std::pair<int, int>, QString>;

CellSymbols symbolsOnPage(const std::vector<Word>& words, const PatternLayout& layout, const ChartPage& page,
                          int* joined) {
    CellSymbols found;
    const double c = layout.options.cellMm;
    const double left = layout.printable.x() + layout.gridArea.x();
    const double top = layout.printable.y() + layout.gridArea.y();
    for (const Word& word : words) {
        const int column = static_cast<int>(std::floor((word.cx() - left) / c));
        const int row = static_cast<int>(std::floor((word.cy() - top) / c));
        if (column < 0 || row < 0 || column >= page.cells.width() || row >= page.cells.height()) continue;
        if (word.text.toUcs4().size() != 1) ++*joined;
        found[{page.cells.left() + column, page.cells.top() + row}] += word.text;
    }
    return found;
}

struct GridCase {
    int w, h, threads;
    Paper paper;
    double cell;
    int overlap;
    bool blackAndWhite;
    SymbolChoice symbols = SymbolChoice::Distinct;
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
    options.symbols = p.symbols;
    const QString pdf = write(chart, options);
    const PatternLayout layout = layOutPattern(chart, options);
    const chart::Chart shown = patternChart(chart, p.symbols);
    ASSERT_EQ(pdfPages(pdf), layout.totalPages());
    const auto words = pdfWords(pdf);
    ASSERT_EQ(words.size(), static_cast<std::size_t>(layout.totalPages()));

    std::set<std::pair<int, int>> seen;
    std::vector<std::pair<int, int>> columnsFound; // per page: first and last chart column with a symbol
    for (std::size_t i = 0; i < layout.chartPages.size(); ++i) {
        const ChartPage& page = layout.chartPages[i];
        const int pageNumber = layout.firstChartPage() + static_cast<int>(i);
        int joined = 0;
        const CellSymbols found = symbolsOnPage(words[static_cast<std::size_t>(pageNumber - 1)], layout, page, &joined);
        EXPECT_EQ(joined, 0) << "words of several symbols on page " << pageNumber;
        int firstColumn = p.w, lastColumn = -1;
        for (int y = page.cells.top(); y <= page.cells.bottom(); ++y)
            for (int x = page.cells.left(); x <= page.cells.right(); ++x) {
                const auto at = found.find({x, y});
                if (!chart.stitched(x, y)) {
                    ASSERT_TRUE(at == found.end()) << "unstitched (" << x << ", " << y << ") holds "
                                                   << at->second.toStdString() << " on page " << pageNumber;
                    continue;
                }
                const QString expected = QString::fromStdString(shown.threads()[shown.threadAt(x, y)].symbol);
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
        // Every edge the chart goes on beyond names the page it continues on.
        const int across = static_cast<int>(layout.columns.size());
        if (page.across + 1 < across) EXPECT_TRUE(text.contains(QStringLiteral("接第%1页→").arg(pageNumber + 1))) << pageNumber;
        if (page.down > 0) EXPECT_TRUE(text.contains(QStringLiteral("↑接第%1页").arg(pageNumber - across))) << pageNumber;
        if (page.repeatedColumns > 0)
            EXPECT_TRUE(text.contains(QStringLiteral("虚线左侧%1列与第%2页重复").arg(p.overlap).arg(pageNumber - 1)))
                << text.left(120).toStdString();
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
                                           GridCase{150, 70, 12, Paper::Letter, 2.0, 10, false},
                                           GridCase{120, 90, 97, Paper::A4, 2.0, 3, false, SymbolChoice::Chart},
                                           GridCase{230, 250, 100, Paper::A4, 2.0, 3, true}));

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
    EXPECT_TRUE(cover.contains(QStringLiteral("裁布：17.3×15.4厘米（图案四周各留5厘米）"))) << cover.toStdString();
    EXPECT_TRUE(cover.contains(QStringLiteral("绣线：DMC5色，2股线")));
    EXPECT_TRUE(pageText(pdf, 2).contains(QStringLiteral("列1–40，行1–30")));
}

// The words of each line of the key pages, left to right, the pages' lines kept apart.
std::vector<std::vector<QString>> keyLines(const std::vector<std::vector<Word>>& pages, const PatternLayout& layout) {
    std::vector<std::vector<QString>> lines;
    for (int page = layout.firstLegendPage(); page <= layout.totalPages(); ++page) {
        std::vector<Word> words = pages[static_cast<std::size_t>(page - 1)];
        std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
            return std::abs(a.cy() - b.cy()) > 1.5 ? a.cy() < b.cy() : a.x1 < b.x1;
        });
        double lineY = -100;
        for (const Word& w : words) {
            if (std::abs(w.cy() - lineY) > 1.5) {
                lines.emplace_back();
                lineY = w.cy();
            }
            lines.back().push_back(w.text);
        }
    }
    return lines;
}

// One key row per thread: symbol, brand and number, strands, stitches, length and skeins on one line.
TEST_F(PatternPdf, KeyListsEveryThreadWithItsSkeins) {
    const chart::Chart chart = patchChart(230, 250, 77);
    PatternOptions options;
    options.strands = 3;
    options.fabricCount = 18;
    const QString pdf = write(chart, options);
    const PatternLayout layout = layOutPattern(chart, options);
    ASSERT_EQ(layout.legendPages, 3);
    const auto lines = keyLines(pdfWords(pdf), layout);
    const chart::Chart shown = patternChart(chart, options.symbols);
    const std::vector<ThreadUse> uses = threadUses(shown);
    int skeins = 0;
    for (std::size_t t = 0; t < shown.threads().size(); ++t) {
        const chart::ChartThread& thread = shown.threads()[t];
        const double worth = crossSkeins(thread.count, uses[t].isolatedShare(), 18, 3);
        skeins += skeinsToBuy(worth);
        std::vector<QString> wanted = {QString::fromStdString(thread.symbol), QStringLiteral("DMC"),
                                       QString::fromStdString(shopNumber(shown, thread)), QStringLiteral("3"),
                                       QString::number(thread.count), QString::number(std::ceil(worth * 80 - 1e-9) / 10, 'f', 1),
                                       QString::number(skeinsToBuy(worth))};
        if (isMetallic(shown, thread)) wanted.insert(wanted.begin() + 3, QStringLiteral("（金属线）"));
        EXPECT_TRUE(std::find(lines.begin(), lines.end(), wanted) != lines.end())
            << "DMC " << thread.number << " with " << thread.count << " stitches";
    }
    const std::vector<QString> totals = {QStringLiteral("合计"), QStringLiteral("77"), QStringLiteral("色"),
                                         QString::number(chart.stitchedCells()), QString::number(skeins)};
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), totals) != lines.end()) << [&] {
        QString all;
        for (const auto& line : lines)
            if (!line.empty() && line[0] == QStringLiteral("合计")) for (const QString& w : line) all += w + QLatin1Char(' ');
        return all.toStdString();
    }();
}

// A thread used only by back stitches is still bought: it has a back-stitch row with its length and skeins,
// not a cross-stitch row of no stitches. Names from the chart file, shop numbers and metallics show.
TEST_F(PatternPdf, BackStitchRowsNamesAndShopNumbersAreInTheKey) {
    chart::Chart chart = patchChart(40, 30, 4, false);
    const auto& dmc = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    for (const char* number : {"310", "5200", "5283"}) {
        chart::ChartThread thread;
        thread.row = *dmc.rowOfNumber(number);
        thread.rgb = dmc.thread(thread.row).rgb;
        thread.number = number;
        chart.threads().push_back(thread);
    }
    chart.threads()[5].name = "Snow white";
    chart.setThreadAt(0, 0, 5);
    chart.setThreadAt(1, 0, 6);
    chart.backStitches.push_back(chart::BackStitch{0, 0, 80, 0, 4, {}});
    chart.backStitches.push_back(chart::BackStitch{0, 2, 80, 2, 4, {}});
    chart.recount();
    ASSERT_EQ(chart.threads()[4].count, 0);
    EXPECT_EQ(patternThreads(chart).size(), 7u);
    const QString pdf = write(chart, PatternOptions{});
    const PatternLayout layout = layOutPattern(chart, PatternOptions{});
    const auto lines = keyLines(pdfWords(pdf), layout);
    // 2 back stitches of 40 stitch widths: 0.0145 skeins, 0.116 m, bought as 0.2 m.
    const std::vector<QString> backRow = {QStringLiteral("DMC"), QStringLiteral("310"), QStringLiteral("回针"),
                                          QStringLiteral("2"), QStringLiteral("2"), QStringLiteral("0.2"),
                                          QStringLiteral("1")};
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), backRow) != lines.end());
    const QString text = pageText(pdf, layout.firstLegendPage());
    EXPECT_FALSE(text.contains(QStringLiteral("DMC31020"))) << "a cross-stitch row of no stitches";
    EXPECT_TRUE(text.contains(QStringLiteral("DMCB5200Snowwhite2"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("DMC5283（金属线）2"))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("DMC5200")));
}

// --lang en: every page in English, the symbols as they are.
TEST_F(PatternPdf, EnglishPattern) {
    ASSERT_TRUE(setUiLanguage(UiLanguage::English));
    const chart::Chart chart = patchChart(120, 100, 12);
    const QString pdf = write(chart, PatternOptions{});
    ASSERT_TRUE(setUiLanguage(UiLanguage::Chinese));
    const PatternLayout layout = layOutPattern(chart, PatternOptions{});
    QString all;
    for (int page = 1; page <= layout.totalPages(); ++page) all += pageText(pdf, page);
    for (const char* words : {"Size:120×100stitches", "Threadlist", "Page2of", "Columns1–", "Continuesonpage",
                              "Fabrictocut:", "Skeins", "Colourname"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(words))) << words;
    static const QRegularExpression han(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
    const QString title = QStringLiteral("测试图样"); // the chart's own title stays
    EXPECT_FALSE(QString(all).remove(title).contains(han)) << all.toStdString();
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

    // The chart's own symbols, to find them in the text.
    PatternOptions options;
    options.symbols = SymbolChoice::Chart;
    const QString pdf = write(chart, options);
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
    // Each row's count stands on its line in the stitches column, before the length and skeins.
    const auto lines = keyLines(pdfWords(pdf), layOutPattern(chart, options));
    const auto countOnLineOf = [&](const QString& caption) {
        for (const auto& line : lines)
            if (line.size() > 3 && std::find(line.begin(), line.end(), caption) != line.end()) return line[line.size() - 3];
        return QString();
    };
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::vector<QString>& line) {
                                return std::find(line.begin(), line.end(), QStringLiteral("回针")) != line.end();
                            }),
              2);
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
