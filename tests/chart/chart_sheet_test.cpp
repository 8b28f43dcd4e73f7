// The chart sheet as drawn on the canvas by a whole generation: layout, grid
// pixels, heavy lines, numbering, title, symbols in the three styles, legend
// and footer, on small stitch pictures.

#include "ChartTestSupport.h"

#include "chart/ChartRenderer.h"
#include "chart/ChartSaver.h"
#include "chart/ColourChoice.h"
#include "chart/SymbolStamps.h"
#include "palette/SymbolSet.h"

#include <QBuffer>
#include <QFontMetricsF>

#include <cstring>

namespace pav::chart::test {
namespace {

const QRgb kWhitePixel = qRgb(255, 255, 255);
const QRgb kThin = qRgb(166, 166, 166);
const QRgb kHeavy = qRgb(66, 66, 66);
const QColor kLetterRed(255, 11, 11);
constexpr int kBlack = 421; // thread "310", pure black

// A picture cycling through `threads` sample threads in reading order.
std::function<std::int32_t(int, int)> cycling(int w, int threads) {
    return [w, threads](int x, int y) { return threadColor(sampleRows()[(x + y * w) % threads]); };
}

struct LayoutCase {
    int fabricW, h, threads;
    int chartW, legendRows;
};

class SheetLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(SheetLayout, CanvasAndBandsFollowTheChartSizeAndTheLegend) {
    const LayoutCase c = GetParam();
    ChartRun run(c.fabricW, c.h, cycling(std::min(c.fabricW, 320), c.threads));
    run.model.setThresholdText("0");
    run.generate();
    const ChartGeometry& g = run.model.geometry();
    EXPECT_EQ(run.model.chartW(), c.chartW);
    EXPECT_EQ(run.maxColor(), c.threads);
    EXPECT_EQ(run.canvas().size(), QSize(10 * std::max(c.chartW, 12) + 83, 10 * c.h + 14 * c.legendRows + 260));
    EXPECT_EQ(g.gridTop, 61); // 11 + title line + 8 + two subtitle lines + 3 + 3 (12-pixel lines)
    EXPECT_EQ(g.legendTop, 61 + 10 * c.h + 58);
    EXPECT_EQ(g.footerTop, g.legendTop + 14 * (c.legendRows + 2));
}

INSTANTIATE_TEST_SUITE_P(Sizes, SheetLayout,
                         ::testing::Values(LayoutCase{16, 16, 1, 16, 3},    // 3 cells, 2 colour cells
                                           LayoutCase{38, 20, 8, 38, 3},    // 8 threads fill one band
                                           LayoutCase{38, 20, 9, 38, 6},    // the ninth opens a second
                                           LayoutCase{100, 30, 30, 100, 6}, // 24 per band: footer at +112
                                           LayoutCase{400, 20, 3, 320, 3},  // wider fabric charts 320
                                           LayoutCase{8, 10, 2, 8, 6}));    // narrower than 12: as wide as 12, one colour cell a band

// Expected colour of a grid pixel in the "仅生成色块" style: heavy lines over thin
// lines over 9 x 9 blocks.
QRgb expectedGridPixel(const ChartRun& run, int X, int Y) {
    const int L = int(run.L()), T = int(run.T());
    const int w = run.model.chartW(), h = run.model.chartH();
    if (w > 16 && h > 16) {
        for (int j = 16; j <= h - 1; j += 16)
            if ((Y == T + 10 * j - 1 || Y == T + 10 * j) && X >= L && X < L + 10 * w) return kHeavy;
        for (int i = 16; i <= w - 1; i += 16)
            if ((X == L + 10 * i - 1 || X == L + 10 * i) && Y >= T && Y < T + 10 * h) return kHeavy;
    }
    if ((X - L) % 10 == 0 || (Y - T) % 10 == 0) return kThin;
    return qrgbOf(run.colours().at((X - L) / 10, (Y - T) / 10));
}

// Every line pixel of the grid is a line pixel after the whole sheet is drawn:
// the symbols, black on light blocks and white on dark ones, stay inside the
// 9 x 9 interior of their cells. Without symbols the interiors are the blocks.
class SheetGrid : public ::testing::TestWithParam<const char*> {};

std::string styleName(const ::testing::TestParamInfo<const char*>& info) {
    const char* names[] = {"BlocksAndSymbols", "SymbolsOnly", "BlocksOnly"};
    return names[int(texts::styleOfText(info.param).value())];
}

TEST_P(SheetGrid, LinesAndBlocksLandOnTheirPixels) {
    const int w = 20, h = 18;
    const bool symbols = std::string(GetParam()) != texts::styleText(ChartStyle::BlocksOnly);
    // 26 threads (the capitals A .. Z), light and dark.
    ChartRun run(w, h, [](int x, int y) { return threadColor(sampleRows()[(3 * x + y) % 26 * 2]); });
    run.model.setThresholdText("0");
    run.model.setStyle(*chart::texts::styleOfText(GetParam()));
    run.generate();
    ASSERT_EQ(run.maxColor(), 26);
    const QImage& canvas = run.canvas();
    const int L = int(run.L()), T = int(run.T());
    for (int Y = T; Y <= T + 10 * h; ++Y)
        for (int X = L; X <= L + 10 * w; ++X) {
            // A heavy line's second pixel lies in the cell interior, where a symbol may stand on it.
            const bool onLine = (X - L) % 10 == 0 || (Y - T) % 10 == 0;
            if (symbols && !onLine) continue;
            ASSERT_EQ(canvas.pixel(X, Y), expectedGridPixel(run, X, Y)) << "at (" << X << ", " << Y << ")";
        }

    // Row lines reach into the label margin from x = 12; column lines run 40 pixels below the grid.
    for (int y = 0; y <= h; ++y) {
        EXPECT_TRUE(allPixels(canvas, QRect(12, T + 10 * y, L - 12, 1), kThin)) << "row line " << y;
        EXPECT_EQ(canvas.pixel(11, T + 10 * y), kWhitePixel);
        EXPECT_EQ(canvas.pixel(L + 10 * w + 1, T + 10 * y), kWhitePixel);
    }
    for (int x = 0; x < w; ++x) {
        EXPECT_TRUE(allPixels(canvas, QRect(L + 10 * x, T + 10 * h, 1, 41), kThin)) << "column line " << x;
        EXPECT_EQ(canvas.pixel(L + 10 * x, T - 1), kWhitePixel);
    }
    EXPECT_EQ(canvas.pixel(L, T + 10 * h + 41), kWhitePixel);
    EXPECT_EQ(canvas.pixel(L + 10 * w, T + 10 * h + 1), kWhitePixel); // the closing line stops at the grid
}

INSTANTIATE_TEST_SUITE_P(Styles, SheetGrid,
                         ::testing::Values(texts::styleText(ChartStyle::BlocksOnly), texts::styleText(ChartStyle::BlocksAndSymbols), texts::styleText(ChartStyle::SymbolsOnly)),
                         styleName);

struct HeavyCase {
    int w, h;
    std::vector<int> rows, columns;
};

class SheetHeavyLines : public ::testing::TestWithParam<HeavyCase> {};

TEST_P(SheetHeavyLines, OnlyEverySixteenthLineAndOnlyBeyondSixteenRowsAndColumns) {
    const HeavyCase c = GetParam();
    ChartRun run(c.w, c.h, cycling(c.w, 5));
    run.model.setStyle(ChartStyle::BlocksOnly);
    run.generate();
    const QImage& canvas = run.canvas();
    const int L = int(run.L()), T = int(run.T());
    for (int j : c.rows)
        EXPECT_TRUE(allPixels(canvas, QRect(L, T + 10 * j - 1, 10 * c.w, 2), kHeavy)) << "row " << j;
    for (int i : c.columns)
        EXPECT_TRUE(allPixels(canvas, QRect(L + 10 * i - 1, T, 2, 10 * c.h), kHeavy)) << "column " << i;
    for (int Y = 0; Y < canvas.height(); ++Y)
        for (int X = 0; X < canvas.width(); ++X) {
            if (canvas.pixel(X, Y) != kHeavy) continue;
            ASSERT_EQ(expectedGridPixel(run, X, Y), kHeavy)
                << "stray heavy pixel at (" << X << ", " << Y << ")";
        }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SheetHeavyLines,
                         ::testing::Values(HeavyCase{16, 16, {}, {}}, HeavyCase{40, 17, {16}, {16, 32}},
                                           HeavyCase{40, 10, {}, {}}, HeavyCase{17, 33, {16, 32}, {16}}));

TEST(SheetNumbering, RowLabelsColumnDigitsAndLettersStandWhereTheyBelong) {
    const int w = 130, h = 40;
    ChartRun run(w, h, cycling(w, 3));
    run.model.setStyle(ChartStyle::BlocksOnly);
    run.generate();
    const QImage& canvas = run.canvas();
    const int L = int(run.L()), T = int(run.T()), bottom = T + 10 * h;
    const QFont arial = arialFont();

    std::vector<TextAt> labels, digits, letters;
    for (int y = 0; y < h; ++y) // 01 .. 16, 01 .. 16, 01 .. 08
        labels.push_back({QPointF(L - 18, T + 10 * y - 1), QString::asprintf("%02d", y % 16 + 1), arial});
    for (int x = 0; x < w; ++x)
        for (int d = 0; d < 3; ++d)
            digits.push_back({QPointF(L + 10 * x + 2, bottom + 2 + 10 * d),
                              QString::asprintf("%03d", x + 1).mid(d, 1), arial});
    for (int x = 16; x < w; x += 16)
        letters.push_back(
            {QPointF(L + 10 * x - 5, bottom + 42), QString(QChar('A' + x / 16 - 1)), arial, kLetterRed});

    const QImage labelRef = referenceText(canvas, labels);
    for (int y = 0; y < h; ++y)
        EXPECT_TRUE(sameRegion(canvas, labelRef, QRect(L - 20, T + 10 * y + 1, 20, 9))) << "row " << y;
    const QImage digitRef = referenceText(canvas, digits);
    for (int x = 0; x < w; ++x)
        EXPECT_TRUE(sameRegion(canvas, digitRef, QRect(L + 10 * x + 1, bottom + 1, 9, 40))) << "column " << x;
    // Below the column lines and above the legend only the letters A .. H are drawn.
    EXPECT_TRUE(
        sameRegion(canvas, referenceText(canvas, letters), QRect(0, bottom + 41, canvas.width(), 16)));
    EXPECT_EQ(letters.back().text, "H");
}

struct TitleCase {
    std::string title, range;
    QString shownTitle, subtitle;
};

class SheetTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(SheetTitle, TitleCentredAndSubtitleAtTheMargin) {
    const TitleCase c = GetParam();
    ChartRun run(20, 17, cycling(20, 3));
    run.model.setXiutuTitle(c.title);
    run.model.setWhichType(c.range);
    run.generate();
    const QImage& canvas = run.canvas();
    const QFont song = songFont();
    const double titleWidth = QFontMetricsF(song, &canvas).horizontalAdvance(c.shownTitle);
    const QImage ref =
        referenceText(canvas, {{QPointF((canvas.width() - titleWidth) / 2, 11), c.shownTitle, song},
                               {QPointF(40, 11 + 12 + 8), c.subtitle, song}});
    EXPECT_TRUE(sameRegion(canvas, ref, QRect(0, 0, canvas.width(), 61)));
    EXPECT_EQ(run.model.xiutuTitle(), c.shownTitle.toStdString());
    EXPECT_EQ(run.model.whichType(), c.range.empty() ? "DMC" : c.range);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SheetTitle,
    ::testing::Values(TitleCase{"", "", "我的绣图", "绣线:DMC  颜色数：3   宽x高：20x17"},
                      TitleCase{"Rose garden", "DMC", "Rose garden", "绣线:DMC  颜色数：3   宽x高：20x17"},
                      TitleCase{"玫瑰", "CC", "玫瑰", "绣线:CC  颜色数：3   宽x高：20x17"}));

// Five threads, the fifth black: thread k of cell (x, y) is (x + 2y) % 5, so
// row 0 shows them in first-appearance order and their symbols are A .. E.
int fiveThreads(int x, int y) {
    return (x + 2 * y) % 5;
}
std::int32_t fiveColours(int x, int y) {
    const int k = fiveThreads(x, y);
    return threadColor(k == 4 ? kBlack : sampleRows()[k * 3]);
}

struct StyleCase {
    const char* style;
    bool blocks, symbols;
};

class SheetStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(SheetStyles, CellInteriorsHoldTheBlockAndTheSymbolOfTheStyle) {
    const StyleCase c = GetParam();
    const int side = 16;
    ChartRun run(side, side, fiveColours);
    run.model.setStyle(*chart::texts::styleOfText(c.style));
    run.generate();
    const QImage& canvas = run.canvas();
    const int L = int(run.L()), T = int(run.T());

    QImage ref(canvas.size(), QImage::Format_RGB32);
    ref.setDotsPerMeterX(canvas.dotsPerMeterX());
    ref.setDotsPerMeterY(canvas.dotsPerMeterY());
    ref.fill(kWhitePixel);
    {
        QPainter painter(&ref);
        painter.setFont(symbolFont());
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) {
                const std::int32_t colour = fiveColours(x, y);
                if (c.blocks)
                    painter.fillRect(L + 10 * x + 1, T + 10 * y + 1, 9, 9, QColor::fromRgb(qrgbOf(colour)));
                if (!c.symbols) continue;
                const bool dark = c.blocks && colour == threadColor(kBlack);
                painter.setPen(dark ? Qt::white : Qt::black);
                painter.drawText(QPointF(L + 10 * x + 1, T + 10 * y + 10),
                                 QString(QChar('A' + fiveThreads(x, y))));
            }
    }
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            ASSERT_TRUE(sameRegion(canvas, ref, QRect(L + 10 * x + 1, T + 10 * y + 1, 9, 9)))
                << "cell (" << x << ", " << y << ")";
    EXPECT_EQ(run.model.command5Caption(), "打印");
}

INSTANTIATE_TEST_SUITE_P(Styles, SheetStyles,
                         ::testing::Values(StyleCase{texts::styleText(ChartStyle::BlocksAndSymbols), true, true},
                                           StyleCase{texts::styleText(ChartStyle::SymbolsOnly), false, true},
                                           StyleCase{texts::styleText(ChartStyle::BlocksOnly), true, false}));

// 24 x 20 cells: every one of the 240 symbols, on light blocks and then on dark ones.
Chart everySymbolChart() {
    const int w = 24, h = 20;
    Chart chart(w, h);
    const palette::SymbolSet set = palette::loadxiuChr();
    for (int p = 1; p <= 240; ++p) {
        ChartThread thread;
        thread.symbol = set.at(p);
        chart.threads().push_back(thread);
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            chart.setThreadAt(x, y, (x + y * w) % 240);
            chart.setBlockColour(x, y, (x + y * w) < 240 ? palette::makeRgb(250, 240, 200) : palette::makeRgb(20, 30, 90));
        }
    return chart;
}

TEST(SheetSymbols, StampsGiveThePixelsOfDrawingTheCharacter) {
    ensureGuiApp();
    const Chart chart = everySymbolChart();
    const int w = chart.width(), h = chart.height();
    ChartGeometry g = canvasGeometry();
    g.gridTop = 61;
    const SymbolInput input{chart, allCells(chart), true};
    QImage drawn = newCanvas(10 * w + 83, 10 * h + 100);
    QImage stamped = drawn.copy();
    {
        QPainter painter(&drawn);
        ASSERT_TRUE(drawSymbols(painter, g, input, JobControl{}));
    }
    {
        QPainter painter(&stamped);
        SymbolStamps stamps(g.symbolFont, stamped.dotsPerMeterX(), stamped.dotsPerMeterY());
        ASSERT_TRUE(drawSymbols(painter, g, input, JobControl{}, &stamps));
    }
    EXPECT_TRUE(sameRegion(stamped, drawn, stamped.rect()));
    EXPECT_NE(drawn, newCanvas(drawn.width(), drawn.height()));
}

// Descenders (g, j, p, q, y), brackets and the Chinese symbols, which are as
// tall as a whole cell in the symbol font, all stay inside their cells: the
// grid lines around them keep every pixel, on light and dark blocks.
TEST(SheetSymbols, EverySymbolStaysInsideItsCellInterior) {
    ensureGuiApp();
    const Chart chart = everySymbolChart();
    const int w = chart.width(), h = chart.height();
    ChartGeometry g = canvasGeometry();
    g.gridTop = 61;
    const QRect cells = allCells(chart);
    QImage grid = newCanvas(10 * w + 83, 10 * h + 100);
    {
        QPainter painter(&grid);
        ASSERT_TRUE(drawGrid(painter, g, GridInput{chart, cells, ChartStyle::BlocksAndSymbols}, JobControl{}));
    }
    for (const bool stamped : {true, false}) {
        SCOPED_TRACE(stamped ? "stamps" : "drawn");
        QImage sheet = grid.copy();
        {
            QPainter painter(&sheet);
            SymbolStamps stamps(g.symbolFont, sheet.dotsPerMeterX(), sheet.dotsPerMeterY());
            ASSERT_TRUE(drawSymbols(painter, g, SymbolInput{chart, cells, true}, JobControl{}, stamped ? &stamps : nullptr));
        }
        const int L = int(g.leftMargin), T = int(g.gridTop);
        for (int y = 0; y <= 10 * h; ++y)
            for (int x = 0; x <= 10 * w; ++x) {
                const bool line = x % 10 == 0 || y % 10 == 0;
                if (line) {
                    ASSERT_EQ(sheet.pixel(L + x, T + y), grid.pixel(L + x, T + y)) << "line pixel " << x << ", " << y;
                }
            }
        for (int c = 0; c < w * h; ++c) {
            const QRect interior(L + 10 * (c % w) + 1, T + 10 * (c / w) + 1, 9, 9);
            EXPECT_FALSE(sameRegion(sheet, grid, interior)) << "no ink for symbol " << c % 240 + 1;
        }
    }
}

TEST(SheetSymbols, InkContrastsWithTheBlock) {
    struct Case {
        std::int32_t background;
        QColor ink;
    } cases[] = {{palette::makeRgb(0, 0, 0), Qt::white},       {palette::makeRgb(255, 255, 255), Qt::black},
                 {palette::makeRgb(150, 0, 20), Qt::white},    {palette::makeRgb(255, 200, 0), Qt::black},
                 {palette::makeRgb(100, 100, 100), Qt::white}, {palette::makeRgb(140, 140, 140), Qt::black}};
    for (const Case& c : cases)
        EXPECT_EQ(symbolInk(c.background), c.ink) << std::hex << c.background;
}

// The legend cell k of band b: its three rows of text and the swatch.
struct LegendCell {
    int x, top;
};
LegendCell legendCell(const ChartRun& run, int band, int k) {
    return {int(run.L()) + 38 * k, int(run.model.geometry().legendTop) + 14 * 3 * band};
}

QImage referenceEntry(const QImage& like, LegendCell cell, std::int32_t swatch, const QString& symbol,
                      const QString& number, const QString& quantity) {
    QImage ref = referenceText(like, {{QPointF(cell.x + 4, cell.top + 15), number, songFont()},
                                      {QPointF(cell.x + 4, cell.top + 29), quantity, songFont()}});
    QPainter painter(&ref);
    painter.fillRect(cell.x + 1, cell.top + 1, 35, 11, QColor::fromRgb(qrgbOf(swatch)));
    painter.setFont(songFont());
    painter.setPen(symbolInk(swatch));
    painter.drawText(QPointF(cell.x + 4, cell.top + 11), symbol);
    return ref;
}

::testing::AssertionResult entryMatches(const QImage& canvas, const QImage& ref, LegendCell cell) {
    for (int row = 0; row < 3; ++row) {
        ::testing::AssertionResult same =
            sameRegion(canvas, ref, QRect(cell.x + 1, cell.top + 14 * row + 1, 37, 13));
        if (!same) return same << " in legend row " << row;
    }
    return ::testing::AssertionSuccess();
}

TEST(SheetLegend, EachEntryShowsOneThreadAndCellsAfterTheLastStayEmpty) {
    // Threads first appear in the order t1, t2, t3; t2 has 5 stitches, under the threshold 20,
    // which go to the nearer of t1 and t3.
    const int t1 = sampleRows()[2], t2 = sampleRows()[10], t3 = sampleRows()[20];
    ChartRun run(20, 17, [&](int x, int y) {
        if (y == 0 && x >= 1 && x <= 5) return threadColor(t2);
        return threadColor(y < 3 ? t1 : t3);
    });
    run.generate();
    ASSERT_EQ(run.maxColor(), 2);
    const QImage& canvas = run.canvas();
    const std::int32_t listedColours[] = {threadColor(t1), threadColor(t3)};
    const int toT1 = pav::nearestRgbIndex(listedColours, threadColor(t2)) == 0 ? 5 : 0;
    const int t1Count = 3 * 20 - 5 + toT1, t3Count = 14 * 20 + 5 - toT1;
    const QImage first = referenceEntry(canvas, legendCell(run, 0, 1), threadColor(t1), "A",
                                        QString::fromStdString(threadNumber(t1)), QString::number(t1Count));
    EXPECT_TRUE(entryMatches(canvas, first, legendCell(run, 0, 1)));
    // The second entry is t3 with the symbol the grid gives it (colour-list position 3), not t2's.
    const QImage second = referenceEntry(canvas, legendCell(run, 0, 2), threadColor(t3), "C",
                                         QString::fromStdString(threadNumber(t3)), QString::number(t3Count));
    EXPECT_TRUE(entryMatches(canvas, second, legendCell(run, 0, 2)));
    const LegendCell empty = legendCell(run, 0, 3); // 20 stitches: 4 cells, 3 colour cells
    for (int row = 0; row < 3; ++row)
        EXPECT_TRUE(allPixels(canvas, QRect(empty.x + 1, empty.top + 14 * row + 1, 37, 13), kWhitePixel));
}

TEST(SheetLegend, TableLinesCaptionsAndBands) {
    // 38 stitches wide: 9 cells, 8 colour cells; 9 threads need two bands.
    const int w = 38;
    ChartRun run(w, 20, cycling(w, 9));
    run.generate();
    const QImage& canvas = run.canvas();
    const int L = int(run.L()), top = int(run.model.geometry().legendTop);
    for (int r = 0; r <= 6; ++r) {
        EXPECT_TRUE(allPixels(canvas, QRect(L, top + 14 * r, 38 * 9 + 1, 1), kThin)) << "line " << r;
        EXPECT_EQ(canvas.pixel(L + 38 * 9 + 1, top + 14 * r), kWhitePixel);
    }
    for (int k = 0; k <= 9; ++k)
        EXPECT_TRUE(allPixels(canvas, QRect(L + 38 * k, top, 1, 14 * 6 + 1), kThin));
    EXPECT_EQ(canvas.pixel(L, top + 14 * 6 + 1), kWhitePixel);

    std::vector<TextAt> captions;
    for (int band = 0; band < 2; ++band) {
        const double y = top + 42 * band + 1;
        captions.push_back({QPointF(L + 4, y), "符号", songFont()});
        captions.push_back({QPointF(L + 4, y + 14), "线号", songFont()});
        captions.push_back({QPointF(L + 4, y + 28), "数量", songFont()});
    }
    const QImage ref = referenceText(canvas, captions);
    for (int row = 0; row < 6; ++row)
        EXPECT_TRUE(sameRegion(canvas, ref, QRect(L + 1, top + 14 * row + 1, 37, 13)))
            << "caption row " << row;

    // The ninth thread opens the second band in its first colour cell.
    const int ninth = sampleRows()[8]; // 760 stitches over 9 threads: the ninth has 84
    const QImage entry = referenceEntry(canvas, legendCell(run, 1, 1), threadColor(ninth), "I",
                                        QString::fromStdString(threadNumber(ninth)), "84");
    EXPECT_TRUE(entryMatches(canvas, entry, legendCell(run, 1, 1)));
}

TEST(SheetLegend, GreyModesGreyTheSwatches) {
    struct Case {
        std::int32_t rgb;
        int colorBit;
        std::int32_t swatch;
    } cases[] = {
        {palette::makeRgb(200, 100, 30), 16, palette::makeRgb(200, 100, 30)},
        {palette::makeRgb(200, 100, 30), 2, palette::makeRgb(110, 110, 110)},
        {palette::makeRgb(200, 100, 31), 4, palette::makeRgb(110, 110, 110)},
        {palette::makeRgb(10, 255, 255), 4, palette::makeRgb(10, 255, 255)}, // green and blue both 255
        {palette::makeRgb(10, 255, 254), 2, palette::makeRgb(173, 173, 173)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(swatchColor(c.rgb, sheetSwatches(c.colorBit, ColourChoice{})), c.swatch) << c.rgb << " mode " << c.colorBit;
}

TEST(SheetFooter, TotalLineBelowTheLegend) {
    ChartRun run(20, 17, cycling(20, 3));
    run.generate();
    const QImage& canvas = run.canvas();
    const int footer = int(run.model.geometry().footerTop);
    const QImage ref = referenceText(
        canvas, {{QPointF(42, footer + 18),
                  "注:全部线量总和为340，线量不是某种长度单位，只是用来说明各颜色线所占比例.", songFont()}});
    EXPECT_TRUE(sameRegion(canvas, ref, QRect(0, footer, canvas.width(), canvas.height() - footer)));
}

TEST(SheetColourRange, CcChartsUseThePicturesOwnColours) {
    const std::int32_t colours[] = {palette::makeRgb(250, 10, 10), palette::makeRgb(12, 200, 14),
                                    palette::makeRgb(30, 40, 250)};
    ChartRun run(20, 17, [&](int x, int y) { return colours[(x + y) % 3]; });
    run.model.setWhichType("CC");
    run.model.setStyle(ChartStyle::BlocksAndSymbols);
    run.generate();
    ASSERT_EQ(run.maxColor(), 3);
    const QImage& canvas = run.canvas();
    const int L = int(run.L()), T = int(run.T());
    // Cell (4, 0) holds the second colour: its block and the symbol of colour-list position 2.
    QImage cell = referenceText(canvas, {}, qrgbOf(colours[1]));
    {
        QPainter painter(&cell);
        painter.setFont(symbolFont());
        painter.setPen(symbolInk(colours[1]));
        painter.drawText(QPointF(L + 41, T + 10), "B");
    }
    EXPECT_TRUE(sameRegion(canvas, cell, QRect(L + 41, T + 1, 9, 9)));
    // The entry's symbol and quantity as ever; its colour number is checked below.
    const LegendCell second = legendCell(run, 0, 2);
    const QImage entry = referenceEntry(canvas, second, colours[1], "B", "#0CC80E", "114");
    EXPECT_TRUE(sameRegion(canvas, entry, QRect(second.x + 1, second.top + 1, 37, 13)));
    EXPECT_TRUE(sameRegion(canvas, entry, QRect(second.x + 1, second.top + 29, 37, 13)));
}

// "#RRGGBB" is wider than a legend cell in the legend's font: it is written
// smaller and shown whole, ending before the cell's right line, not cut there.
TEST(SheetColourRange, ColourNumbersFitTheirLegendCellsWhole) {
    const std::int32_t colours[] = {palette::makeRgb(0x00, 0x66, 0x66), palette::makeRgb(0x0A, 0x66, 0x66)};
    ChartRun run(20, 17, [&](int x, int y) { return colours[(x + y) % 2]; });
    run.model.setWhichType("CC");
    run.generate();
    const QImage& canvas = run.canvas();
    for (int k = 1; k <= 2; ++k) {
        SCOPED_TRACE(k);
        const LegendCell cell = legendCell(run, 0, k);
        int left = 1000, right = -1;
        for (int y = cell.top + 15; y < cell.top + 28; ++y)
            for (int x = cell.x + 1; x < cell.x + 38; ++x)
                if (canvas.pixel(x, y) == qRgb(0, 0, 0)) {
                    left = std::min(left, x - cell.x);
                    right = std::max(right, x - cell.x);
                }
        EXPECT_LE(left, 5);
        EXPECT_GE(right, 28); // seven characters, not a cut
        EXPECT_LE(right, 36); // a pixel clear of the line at 38
    }
}

// The sheet's BMP is streamed by the program's own writer; its bytes are those Qt's
// BMP writer gives the same canvas, for a row needing padding and for a canvas
// large enough to live in its own mapping.
TEST(SheetBmp, StreamedBytesAreThoseOfQtsWriter) {
    ensureGuiApp();
    for (const QSize size : {QSize(37, 23), QSize(1501, 900)}) {
        QImage canvas = newCanvas(size.width(), size.height());
        {
            QPainter painter(&canvas);
            painter.setPen(QColor(12, 200, 77));
            painter.drawLine(0, 0, size.width() - 1, size.height() - 1);
            painter.fillRect(QRect(3, 5, 9, 7), QColor(250, 1, 128));
        }
        QByteArray expected;
        QBuffer memory(&expected);
        memory.open(QIODevice::WriteOnly);
        ASSERT_TRUE(canvas.save(&memory, "BMP"));
        EXPECT_EQ(canvasBmpBytes(canvas), expected) << size.width() << " x " << size.height();
    }
    EXPECT_TRUE(canvasBmpBytes(QImage()).isEmpty());
}

// Drawn a band at a time, the sheet is the one drawn whole, pixel for pixel and
// byte for byte as a file: bands whose edges cut through cells, symbols, legend
// texts and back stitches, and a band as tall as the sheet.
TEST(SheetBmp, BandsMakeTheWholeSheet) {
    ensureGuiApp();
    Chart chart = everySymbolChart();
    chart.title = "分段";
    chart.recount();
    chart.backStitches.push_back(BackStitch{.x1 = 0, .y1 = 0, .x2 = 30, .y2 = 17, .thread = 5, .attributes = {}});
    chart.backStitches.push_back(BackStitch{.x1 = 2, .y1 = 40, .x2 = 47, .y2 = 40, .thread = 239, .attributes = {}});
    for (const ChartStyle style : {ChartStyle::BlocksAndSymbols, ChartStyle::SymbolsOnly, ChartStyle::BlocksOnly}) {
        const SheetOptions options{style, Swatches::ThreadColours};
        QImage whole = newSheetCanvas(chart);
        ChartGeometry g = canvasGeometry();
        ASSERT_TRUE(drawChartSheet(whole, g, chart, options));
        for (const int bandRows : {37, 170, whole.height()}) {
            QImage assembled(whole.size(), QImage::Format_RGB32);
            assembled.fill(Qt::black);
            int lowest = whole.height();
            ASSERT_TRUE(drawChartSheetInBands(chart, options, bandRows, [&](const QImage& band, int first, int count) {
                EXPECT_EQ(first + count, lowest) << "bands run from the bottom up";
                EXPECT_LE(count, bandRows);
                lowest = first;
                for (int row = 0; row < count; ++row)
                    std::memcpy(assembled.scanLine(first + row), band.constScanLine(row),
                                static_cast<std::size_t>(4 * band.width()));
                return true;
            }));
            EXPECT_EQ(lowest, 0);
            EXPECT_TRUE(sameRegion(assembled, whole, whole.rect())) << bandRows << " rows a band";
        }
        QByteArray streamed;
        ASSERT_TRUE(sheetBmp(chart, options)([&](const char* data, qint64 size) {
            streamed.append(data, size);
            return true;
        }));
        EXPECT_EQ(streamed, canvasBmpBytes(whole));
    }
}

} // namespace
} // namespace pav::chart::test
