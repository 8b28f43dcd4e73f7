// OXS chart files: what is saved comes back the same and draws the same sheet;
// files in the styles of other programs open as those programs meant them; bad
// files are refused whole, with a reason, changing nothing.

#include "ChartTestSupport.h"

#include "chart/ChartGeometry.h"
#include "chart/StitchMarks.h"
#include "chart/ThreadsInUse.h"
#include "chart/oxs/OxsFile.h"
#include "palette/ThreadCatalogue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <set>

namespace pav::chart::test {
namespace {

using oxs::OxsError;

QString fixture(const char* name) {
    return QDir(qEnvironmentVariable("PAV_SOURCE_DIR")).filePath(QStringLiteral("tests/chart/oxs-fixtures/") +
                                                                   QString::fromLatin1(name));
}

Chart readFixture(const char* name) {
    oxs::OxsReadResult read = oxs::readOxsFile(fixture(name));
    EXPECT_TRUE(read.ok()) << name << ": " << oxs::errorReason(read.error) << " at line " << read.line;
    return read.chart;
}

int dmcRow(const char* number) {
    return palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc).rowOfNumber(number).value_or(-1);
}

std::int32_t rgb(unsigned rrggbb) {
    return palette::makeRgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 255),
                            static_cast<int>(rrggbb & 255));
}

// Everything a chart holds, compared field by field so that a failure names the field.
void expectSameChart(const Chart& actual, const Chart& expected) {
    ASSERT_EQ(actual.width(), expected.width());
    ASSERT_EQ(actual.height(), expected.height());
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.rangeName, expected.rangeName);
    EXPECT_EQ(actual.range, expected.range);
    EXPECT_EQ(actual.cloth, expected.cloth);
    ASSERT_EQ(actual.threads().size(), expected.threads().size());
    for (std::size_t t = 0; t < expected.threads().size(); ++t) {
        const ChartThread& a = actual.threads()[t];
        const ChartThread& e = expected.threads()[t];
        EXPECT_EQ(a.number, e.number) << "thread " << t;
        EXPECT_EQ(a.row, e.row) << "thread " << t;
        EXPECT_EQ(a.rgb, e.rgb) << "thread " << t;
        EXPECT_EQ(a.count, e.count) << "thread " << t;
        EXPECT_EQ(a.symbol, e.symbol) << "thread " << t;
        EXPECT_EQ(a.listed, e.listed) << "thread " << t;
    }
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            ASSERT_EQ(actual.threadAt(x, y), expected.threadAt(x, y)) << x << ", " << y;
            if (expected.stitched(x, y)) {
                ASSERT_EQ(actual.blockColour(x, y), expected.blockColour(x, y)) << x << ", " << y;
            }
        }
    EXPECT_EQ(actual.backStitches, expected.backStitches);
    EXPECT_EQ(actual.partStitches, expected.partStitches);
    EXPECT_EQ(actual.ornaments, expected.ornaments);
    EXPECT_EQ(actual.file, expected.file);
}

Chart saveAndReopen(const Chart& chart) {
    oxs::OxsReadResult read = oxs::readOxs(oxs::writeOxs(chart));
    EXPECT_TRUE(read.ok()) << oxs::errorReason(read.error) << " at line " << read.line;
    return read.chart;
}

// What reading mended is said once: the saved file has nothing left to mend.
Chart withoutReadNotes(Chart chart) {
    chart.file.repeatedStitches = chart.file.replacedSymbols = 0;
    return chart;
}

// A chart window that only shows given charts.
struct ShownChart {
    FakeHost host;
    RecordingSink sink;
    Form7Model model{host, sink};

    explicit ShownChart(const Chart& chart, ChartStyle style = ChartStyle::BlocksAndSymbols) {
        ensureGuiApp();
        model.load();
        model.setStyle(style);
        EXPECT_TRUE(model.showChart(chart, TaskDelegate{}));
    }
};

TEST(OxsRoundTrip, AGeneratedChartComesBackWithTheSameThreadsAndDrawsTheSameSheet) {
    // Stitch colours that are not exactly their threads' (the blocks show the stitch
    // colours), a thread below the threshold (no legend entry) and unstitched cells.
    const auto picture = [](int x, int y) {
        const int row = sampleRows()[static_cast<std::size_t>((x / 3 + y / 2) % 7)];
        if (x == 0 && y < 4) return threadColor(sampleRows()[20]);
        return threadColor(row) ^ ((x + y) % 3);
    };
    for (const std::string range : {"DMC", "自有颜色"}) {
        for (const ChartStyle style : texts::kStyles) {
            ChartRun run(23, 19, picture);
            run.model.setWhichType(range);
            run.model.setThresholdText("5");
            run.model.setStyle(style);
            run.generate();
            ASSERT_EQ(run.model.command5Action(), Command5Action::Print);
            const Chart& generated = run.model.chart();
            ASSERT_LT(generated.legend().size(), generated.threads().size()) << "one thread is below the threshold";

            const Chart reopened = saveAndReopen(generated);
            // The thread the threshold folded away has no stitch left: the file does not list it.
            ASSERT_EQ(reopened.threads().size(), generated.threads().size() - 1);
            std::vector<bool> stitched(reopened.threads().size(), false);
            for (int y = 0; y < reopened.height(); ++y)
                for (int x = 0; x < reopened.width(); ++x)
                    if (reopened.stitched(x, y)) stitched[static_cast<std::size_t>(reopened.threadAt(x, y))] = true;
            for (std::size_t t = 0; t < stitched.size(); ++t) EXPECT_TRUE(stitched[t]) << "thread " << t;
            expectSameChart(reopened, withoutIdleThreads(generated));
            ShownChart shown(reopened, style);
            ASSERT_EQ(shown.model.canvas().size(), run.canvas().size());
            EXPECT_TRUE(sameRegion(shown.model.canvas(), run.canvas(), run.canvas().rect()))
                << range << " " << texts::styleText(style);
        }
    }
}

TEST(OxsRoundTrip, ChartsWithUnstitchedCellsBackStitchesAndAManySymbolsLegendSurvive) {
    Chart chart(30, 25);
    const auto& dmc = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    // More threads than symbols: the last ones have none, and must not be given one on reading.
    for (int t = 0; t < 260; ++t) {
        ChartThread thread;
        thread.row = 1 + t;
        thread.number = dmc.thread(thread.row).number;
        thread.rgb = dmc.thread(thread.row).rgb;
        thread.symbol = palette::loadxiuChr().at(t + 1);
        chart.threads().push_back(thread);
    }
    // Every thread on a few cells, every other row left unstitched.
    for (int i = 0; i < 360; ++i) {
        const int x = i % 30, y = 2 * (i / 30), thread = i % 260;
        chart.setThreadAt(x, y, thread);
        chart.setBlockColour(x, y, chart.threads()[static_cast<std::size_t>(thread)].rgb ^ (i % 2));
    }
    chart.backStitches.push_back({0, 0, 60, 50, 3, {}});
    chart.backStitches.push_back({1, 1, 2, 4, 259, {{"objecttype", "backstitch"}}});
    chart.title = "Many threads";
    chart.cloth = rgb(0x203040);
    chart.recount();
    ASSERT_TRUE(chart.threads().back().symbol.empty());

    // On reading, every thread has a symbol and none twice: the first thread with a
    // symbol keeps it, the threads past the symbol set and those repeating one get others.
    const Chart reopened = saveAndReopen(chart);
    std::set<std::string> symbols;
    for (std::size_t t = 0; t < chart.threads().size(); ++t) {
        const std::string& given = chart.threads()[t].symbol;
        const std::string& read = reopened.threads()[t].symbol;
        EXPECT_FALSE(read.empty());
        if (!given.empty() && !symbols.count(given)) EXPECT_EQ(read, given) << t;
        EXPECT_TRUE(symbols.insert(read).second) << t << " " << read;
        chart.threads()[t].symbol = read;
    }
    EXPECT_EQ(reopened.file.replacedSymbols, 0) << "the symbol set holds no repeats";
    expectSameChart(withoutReadNotes(reopened), chart);
    expectSameChart(saveAndReopen(reopened), withoutReadNotes(reopened));
    EXPECT_TRUE(sameRegion(ShownChart(reopened).model.canvas(), ShownChart(chart).model.canvas(),
                           ShownChart(chart).model.canvas().rect()));
}

// Whether a thread has a legend entry survives saving whatever its stitches: a thread
// whose stitches were all merged away stays listed, one under the threshold stays off;
// one with neither a stitch nor an entry is not written at all.
TEST(OxsRoundTrip, LegendEntriesSurviveWithOrWithoutStitches) {
    Chart chart(4, 3);
    Chart expected(4, 3);
    const auto& dmc = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);
    const struct {
        bool stitched, listed;
    } threads[] = {{true, true}, {false, true}, {false, false}, {true, false}};
    for (int t = 0; t < 4; ++t) {
        ChartThread thread;
        thread.row = 10 + t;
        thread.number = dmc.thread(thread.row).number;
        thread.rgb = dmc.thread(thread.row).rgb;
        thread.symbol = palette::loadxiuChr().at(t + 1);
        thread.listed = threads[t].listed;
        chart.threads().push_back(thread);
        if (threads[t].stitched || threads[t].listed) expected.threads().push_back(thread);
        if (threads[t].stitched) {
            chart.setThreadAt(t, 1, t);
            chart.setBlockColour(t, 1, thread.rgb);
            expected.setThreadAt(t, 1, static_cast<int>(expected.threads().size()) - 1);
            expected.setBlockColour(t, 1, thread.rgb);
        }
    }
    chart.recount();
    expected.recount();
    expectSameChart(saveAndReopen(chart), expected);
    EXPECT_TRUE(QString::fromUtf8(oxs::writeOxs(chart)).contains(QStringLiteral("palettecount=\"3\"")));
}

TEST(OxsWrite, TheDocumentHasTheExchangeFormatsShape) {
    Chart chart(3, 2);
    ChartThread black;
    black.row = dmcRow("310");
    black.number = "310";
    black.rgb = rgb(0x000000);
    black.symbol = "X";
    chart.threads().push_back(black);
    chart.setThreadAt(2, 1, 0);
    chart.setBlockColour(2, 1, black.rgb);
    chart.recount();
    const QString text = QString::fromUtf8(oxs::writeOxs(chart));
    for (const char* part :
         {"<chart>", "<format comments01=", "chartwidth=\"3\"", "chartheight=\"2\"", "palettecount=\"1\"",
          "<palette_item index=\"0\" number=\"cloth\" name=\"cloth\" color=\"FFFFFF\"",
          "<palette_item index=\"1\" number=\"DMC    310\"", "color=\"000000\"", "symbol=\"X\"",
          "<stitch x=\"2\" y=\"1\" palindex=\"1\"/>", "<partstitches/>", "<backstitches/>",
          "<ornaments_inc_knots_and_beads/>", "<commentboxes/>"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("<stitch ")), 1) << "only stitched cells are written";
    EXPECT_FALSE(text.contains(QStringLiteral("blockcolor"))) << "blocks of their thread's colour say nothing";
}

// ----------------------------------------------------------------- other programs' files

TEST(OxsRead, PaddedNumbersMatchTheCatalogueAndOtherThreadsKeepTheFilesNumberAndColour) {
    const Chart chart = readFixture("padded-numbers.oxs");
    ASSERT_EQ(chart.width(), 12);
    ASSERT_EQ(chart.height(), 8);
    EXPECT_EQ(chart.title, "Padded numbers");
    struct Expected {
        std::string number;
        int row;
        unsigned rrggbb;
        int count;
        std::string symbol;
    };
    const std::vector<Expected> expected = {
        {"310", dmcRow("310"), 0x000000, 3, "h"},      // "DMC    310", symbol as a character code
        {"321", dmcRow("321"), 0xC72B3B, 3, "A"},      // "  321": the file's colour; a symbol-font code gets ours
        {"BLANC", 0, 0xFCFBF8, 2, "\u25A0"},           // not in this catalogue: a thread of its own
        {"Anchor  403", 0, 0x1E1E1E, 2, "X"},          // another brand's number, as the file wrote it
        {"3865", 0, 0xF9F7F1, 2, "B"},                 // no symbol given: the next of ours
    };
    ASSERT_EQ(chart.threads().size(), expected.size());
    for (std::size_t t = 0; t < expected.size(); ++t) {
        const ChartThread& thread = chart.threads()[t];
        EXPECT_EQ(thread.number, expected[t].number) << t;
        EXPECT_EQ(thread.row, expected[t].row) << t;
        EXPECT_EQ(thread.rgb, rgb(expected[t].rrggbb)) << t;
        EXPECT_EQ(thread.count, expected[t].count) << t;
        EXPECT_EQ(thread.symbol, expected[t].symbol) << t;
        EXPECT_TRUE(thread.listed) << t;
    }
    EXPECT_EQ(chart.stitchedCells(), 12);
    EXPECT_FALSE(chart.stitched(1, 1)) << "cells without a full stitch are unstitched";
    EXPECT_EQ(chart.file.notShown, 0) << "empty containers hold nothing to show";
    const QString saved = QString::fromUtf8(oxs::writeOxs(chart));
    for (const char* kept : {"author=\"A. Stitcher\"", "stitchesperinch=\"16\"", "instructions=\"Use two strands\"",
                             "bscolor=\"C72B3B\"", "comments=\"aida\"", "name=\"Winter white\""})
        EXPECT_TRUE(saved.contains(QString::fromUtf8(kept))) << kept;
}

TEST(OxsRead, SparseStitchesBackStitchesAndACreamClothAreKeptAndDrawn) {
    const Chart chart = readFixture("sparse-backstitch-cloth.oxs");
    EXPECT_EQ(chart.cloth, rgb(0xF2E6C9));
    EXPECT_EQ(chart.stitchedCells(), 4);
    ASSERT_EQ(chart.threads().size(), 3u);
    EXPECT_EQ(chart.threads()[1].count, 0);
    EXPECT_TRUE(chart.threads()[1].listed) << "a thread used only for back stitches is in the legend";
    const std::vector<std::array<double, 5>> ends = {
        {10, 10, 14, 10, 1}, {14, 10, 14, 12, 1}, {41, 30, 42, 33, 1}, {0, 0, 80, 60, 2}};
    ASSERT_EQ(chart.backStitches.size(), ends.size());
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const BackStitch& b = chart.backStitches[i];
        EXPECT_EQ((std::array<double, 5>{b.x1, b.y1, b.x2, b.y2, double(b.thread)}), ends[i]) << i;
    }
    EXPECT_EQ(*findAttribute(chart.backStitches[2].attributes, "sequence"), "3");

    // The sheet shows the back stitches in their threads' colours over the grid;
    // unstitched cells stay blank, not cloth-coloured.
    ShownChart shown(chart);
    const QImage& canvas = shown.model.canvas();
    const double L = shown.model.geometry().leftMargin, T = shown.model.geometry().gridTop;
    const auto at = [&](double cellX, double cellY) { return canvas.pixel(QPointF(L + 10 * cellX, T + 10 * cellY).toPoint()); };
    EXPECT_EQ(at(6, 5), qRgb(0, 0, 0)) << "the black back stitch along the top of cells 5 and 6";
    EXPECT_EQ(at(7, 5.5), qRgb(0, 0, 0));
    EXPECT_EQ(at(20, 15), qrgbOf(chart.threads()[2].rgb)) << "the diagonal across the chart";
    EXPECT_EQ(at(30.5, 5.5), qRgb(255, 255, 255));
}

TEST(OxsRead, PartStitchesKnotsAndBeadsAreReadCommentsAndUnknownElementsKeptAndCounted) {
    const Chart chart = readFixture("part-stitches-kept.oxs");
    EXPECT_EQ(chart.stitchedCells(), 2);
    EXPECT_EQ(chart.backStitches.size(), 1u);
    const std::vector<PartStitch> parts = {
        {PartStitchKind::ThreeQuarter, 3, 3, Diagonal::Forward, CellCorner::BottomLeft, 0, {}},
        {PartStitchKind::ThreeQuarter, 3, 3, Diagonal::Forward, CellCorner::TopRight, 1, {}},
        {PartStitchKind::Half, 4, 3, Diagonal::Forward, CellCorner::TopLeft, 1, {}},
        {PartStitchKind::Half, 5, 3, Diagonal::Backward, CellCorner::TopLeft, 0, {}},
    };
    EXPECT_EQ(chart.partStitches, parts);
    const std::vector<Ornament> ornaments = {{OrnamentKind::FrenchKnot, 13, 13, 0, {}},
                                             {OrnamentKind::Bead, 14, 14, 1, {}}};
    EXPECT_EQ(chart.ornaments, ornaments);
    // What is left is the comment box and the unknown layers.
    EXPECT_EQ(chart.file.notShown, 1 + 1);
    ASSERT_EQ(chart.file.elements.size(), 2u);
    EXPECT_EQ(chart.file.elements[0].children[0].text, "Start here & work outwards");
    EXPECT_EQ(chart.file.elements[1].name, "layers");
    EXPECT_EQ(*findAttribute(chart.file.properties, "designer_notes"), "keep me");

    ShownChart shown(chart);
    EXPECT_EQ(shown.model.label1Text(), texts::notShownText(2));
    EXPECT_TRUE(shown.model.label1Visible());
}

// A chart in the way of another program with every kind of stitch: each is read as
// the format means it; what the format's readers know nothing of is kept and named.
TEST(OxsRead, EveryStitchKindIsReadAsTheFileMeansIt) {
    const Chart chart = readFixture("every-stitch-kind.oxs");
    ASSERT_EQ(chart.threads().size(), 7u);
    EXPECT_EQ(chart.cloth, rgb(0xF2E6C9));
    using K = PartStitchKind;
    using C = CellCorner;
    const std::vector<PartStitch> parts = {
        {K::Half, 6, 2, Diagonal::Forward, C::TopLeft, 0, {}},
        {K::Half, 7, 2, Diagonal::Backward, C::TopLeft, 1, {}},
        {K::ThreeQuarter, 6, 4, Diagonal::Forward, C::BottomLeft, 1, {}},
        {K::ThreeQuarter, 6, 4, Diagonal::Forward, C::TopRight, 2, {}},
        {K::ThreeQuarter, 7, 4, Diagonal::Forward, C::TopLeft, 1, {{"stitchorder", "2"}}},
        {K::ThreeQuarter, 8, 4, Diagonal::Forward, C::BottomRight, 2, {}},
        {K::Quarter, 8, 2, Diagonal::Forward, C::TopLeft, 2, {}},
        {K::Quarter, 9, 2, Diagonal::Forward, C::BottomRight, 2, {}},
        {K::Petite, 10, 4, Diagonal::Forward, C::BottomLeft, 1, {}},
    };
    EXPECT_EQ(chart.partStitches, parts);
    // A position written another way and a bead's size stay as the file wrote them.
    const std::vector<Ornament> ornaments = {
        {OrnamentKind::FrenchKnot, 6, 14, 5, {}},
        {OrnamentKind::FrenchKnot, 9, 15, 5, {}},
        {OrnamentKind::Bead, 16, 14, 6, {}},
        {OrnamentKind::Bead, 19, 15, 6, {{"x1", "9.50"}, {"objecttype", "bead2mm"}}},
    };
    EXPECT_EQ(chart.ornaments, ornaments);
    EXPECT_EQ(chart.file.notShown, 1);
    EXPECT_EQ(notDrawnList(chart), "fullcross \u00d7 1");

    // Counted per thread; every thread is used, so every one has its legend entry.
    const std::vector<StitchCounts> counts = chart.stitchCounts();
    EXPECT_EQ(counts[0].full, 7);
    EXPECT_EQ(counts[0].half, 1);
    EXPECT_EQ(counts[1].full, 2);
    EXPECT_EQ(counts[1].partStitches(), 4);
    EXPECT_EQ(counts[2].quarter, 2);
    EXPECT_EQ(counts[2].threeQuarter, 2);
    EXPECT_EQ(counts[3].backStitches, 3);
    EXPECT_DOUBLE_EQ(counts[3].backLength, 9);
    EXPECT_FALSE(counts[3].inCells());
    EXPECT_EQ(counts[5].knots, 2);
    EXPECT_EQ(counts[6].beads, 2);
    EXPECT_EQ(chart.legend().size(), 7u) << "the bead thread is listed too";
}

// Every kind at every corner and along both diagonals comes back the same, in the
// file's order (half and three-quarter stitches, then quarters and petites); the
// file has the elements other programs read.
TEST(OxsRoundTrip, EveryStitchKindComesBack) {
    Chart chart(6, 5);
    for (const char* number : {"310", "321", "797"}) {
        ChartThread thread;
        thread.row = dmcRow(number);
        thread.number = number;
        thread.rgb = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc).thread(thread.row).rgb;
        thread.symbol = std::string(1, static_cast<char>('A' + chart.threads().size()));
        chart.threads().push_back(thread);
    }
    chart.setThreadAt(0, 0, 0);
    chart.setBlockColour(0, 0, chart.threads()[0].rgb);
    // Two triangles of one cell, then the same two the other way round.
    chart.partStitches.push_back({PartStitchKind::ThreeQuarter, 5, 0, Diagonal::Forward, CellCorner::TopLeft, 1, {}});
    chart.partStitches.push_back({PartStitchKind::ThreeQuarter, 5, 0, Diagonal::Forward, CellCorner::BottomRight, 2, {}});
    chart.partStitches.push_back({PartStitchKind::ThreeQuarter, 4, 0, Diagonal::Forward, CellCorner::TopRight, 1, {}});
    chart.partStitches.push_back({PartStitchKind::ThreeQuarter, 4, 0, Diagonal::Forward, CellCorner::BottomLeft, 2, {}});
    chart.partStitches.push_back({PartStitchKind::Half, 1, 0, Diagonal::Forward, CellCorner::TopLeft, 2, {}});
    chart.partStitches.push_back({PartStitchKind::Half, 2, 0, Diagonal::Backward, CellCorner::TopLeft, 1, {}});
    int x = 0;
    for (const PartStitchKind kind : {PartStitchKind::ThreeQuarter, PartStitchKind::Quarter, PartStitchKind::Petite})
        for (const CellCorner corner : {CellCorner::TopLeft, CellCorner::TopRight, CellCorner::BottomLeft,
                                        CellCorner::BottomRight}) {
            chart.partStitches.push_back({kind, x % 6, 1 + x / 6, Diagonal::Forward, corner, x % 3, {}});
            ++x;
        }
    chart.backStitches.push_back({0, 0, 12, 10, 1, {}});
    chart.ornaments.push_back({OrnamentKind::FrenchKnot, 12, 10, 2, {}});
    chart.ornaments.push_back({OrnamentKind::Bead, 3, 7, 0, {}});
    chart.ornaments.push_back({OrnamentKind::FrenchKnot, 0, 0, 1, {}});
    chart.recount();

    const QByteArray written = oxs::writeOxs(chart);
    expectSameChart(saveAndReopen(chart), chart);
    for (const char* element :
         {"<partstitch x=\"5\" y=\"0\" palindex1=\"2\" palindex2=\"3\" direction=\"2\"/>",
          "<partstitch x=\"4\" y=\"0\" palindex1=\"0\" palindex2=\"2\" direction=\"1\"/>",
          "<partstitch x=\"1\" y=\"0\" palindex1=\"3\" palindex2=\"0\" direction=\"3\"/>",
          "<partstitch x=\"2\" y=\"0\" palindex1=\"2\" palindex2=\"0\" direction=\"4\"/>",
          "<object x1=\"4\" y1=\"1\" palindex=\"2\" objecttype=\"quarter\"/>",
          "<object x1=\"6\" y1=\"5\" palindex=\"3\" objecttype=\"knot\"/>",
          "<object x1=\"1.5\" y1=\"3.5\" palindex=\"1\" objecttype=\"bead\"/>"})
        EXPECT_TRUE(written.contains(element)) << element << "\n" << written.toStdString();
}

TEST(OxsRead, DuplicateNumbersStayThreadsOfTheirOwnInTheFilesIndexOrder) {
    const Chart chart = readFixture("duplicate-numbers.oxs");
    ASSERT_EQ(chart.threads().size(), 3u);
    const std::vector<std::pair<unsigned, std::string>> expected = {{0x101010, "#"}, {0x000000, "O"}, {0x000000, "A"}};
    for (std::size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(chart.threads()[t].number, "310") << t;
        EXPECT_EQ(chart.threads()[t].rgb, rgb(expected[t].first)) << t;
        EXPECT_EQ(chart.threads()[t].symbol, expected[t].second) << t;
    }
    EXPECT_EQ(chart.threads()[0].count, 2);
    EXPECT_EQ(chart.threads()[1].count, 2);
    EXPECT_EQ(chart.threads()[2].count, 1);
}

// Every fixture a chart is read from: the files of other programs' styles and of what once broke.
QStringList acceptedFixtures() {
    return QDir(fixture("")).entryList({QStringLiteral("*.oxs")}, QDir::Files, QDir::Name);
}

TEST(OxsRoundTrip, OpeningAndSavingAnyFixtureKeepsEverythingAndTheSheet) {
    const QStringList names = acceptedFixtures();
    ASSERT_GE(names.size(), 10);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const Chart opened = readFixture(name.toUtf8().constData());
        const Chart reopened = saveAndReopen(opened);
        expectSameChart(reopened, withoutReadNotes(opened));
        const ShownChart first(opened);
        const ShownChart second(reopened);
        EXPECT_TRUE(sameRegion(second.model.canvas(), first.model.canvas(), first.model.canvas().rect()));
    }
}

// The fuzz target's check over the fixtures: what the writer makes of an accepted chart
// reads back, is written again byte for byte, and is well-formed XML with namespaces.
TEST(OxsRoundTrip, EveryChartWrittenFromAFixtureReopensAndIsWrittenAgainTheSame) {
    for (const QString& name : acceptedFixtures()) {
        SCOPED_TRACE(name.toStdString());
        QFile file(fixture(name.toUtf8().constData()));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray original = file.readAll();
        const oxs::OxsReadResult read = oxs::readOxs(original);
        ASSERT_TRUE(read.ok()) << oxs::errorReason(read.error);
        const QByteArray written = oxs::writeOxs(read.chart);
        const oxs::OxsReadResult again = oxs::readOxs(written);
        ASSERT_TRUE(again.ok()) << oxs::errorReason(again.error) << " at line " << again.line << "\n"
                                << written.toStdString();
        EXPECT_EQ(oxs::writeOxs(again.chart), written);
        EXPECT_EQ(again.chart.backStitches, read.chart.backStitches);
        QXmlStreamReader xml(written);
        while (!xml.atEnd()) xml.readNext();
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        // Saving adds nothing that grows with the file: no number copied into a name.
        EXPECT_LE(written.size(), 2 * original.size() + 1200);
    }
}

// What the first save of another program's file keeps as that program wrote it.
TEST(OxsFirstSave, KeepsWhatTheFileSaidAsItSaidIt) {
    const struct {
        const char* fixture;
        std::vector<const char*> kept;
    } cases[] = {
        {"namespaced-kept-elements.oxs",
         {"<chart xmlns:ext=\"urn:example:stitch-extras\">", "<ext:layers ext:count=\"1\">", "ext:rating=\"5\"",
          "ext:dye=\"lot 7\"", "<notes xmlns=\"urn:example:notes\">", "xmlns:lab=\"urn:example:lab\" lab:l=\"41.2\""}},
        {"symbol-font-codes.oxs",
         {"symbol=\"15\" fontname=\"Stitch Symbols\"", "symbol=\"206\" fontname=\"Stitch Symbols\"", "symbol=\"A\""}},
        {"backstitches-between-half-cells.oxs",
         {"x1=\"1\" y1=\"1\" x2=\"5.8\" y2=\"1\"", "x1=\"0.25\" y1=\"2.5\" x2=\"7.333\" y2=\"5.9\"",
          "<palette filename=\"DMC.rng\">", "comments02=\"the 'properties' section establishes size",
          "comments01=\"Designed to allow interchange"}},
        {"padded-numbers.oxs", {"symbol=\"104\"", "symbol=\"61472\"", "name=\"Winter white\""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const QString saved = QString::fromUtf8(oxs::writeOxs(readFixture(c.fixture)));
        for (const char* kept : c.kept) EXPECT_TRUE(saved.contains(QString::fromUtf8(kept))) << kept << "\n" << saved.toStdString();
    }
    // A thread the file gives no name keeps none: the number is not copied into it.
    const QString saved = QString::fromUtf8(oxs::writeOxs(readFixture("namespaced-kept-elements.oxs")));
    EXPECT_FALSE(saved.contains(QStringLiteral("name=\"DMC"))) << saved.toStdString();
}

TEST(OxsFirstSave, BackStitchesStayAndAreDrawnWhereTheFileHasThem) {
    const Chart chart = readFixture("backstitches-between-half-cells.oxs");
    ASSERT_EQ(chart.backStitches.size(), 2u);
    EXPECT_EQ(chart.backStitches[0].x2, 11.6);
    EXPECT_EQ(chart.backStitches[1].x2, 7.333 * 2);
    ShownChart shown(chart);
    const QImage& canvas = shown.model.canvas();
    const double L = shown.model.geometry().leftMargin, T = shown.model.geometry().gridTop;
    const auto at = [&](double cellX, double cellY) { return canvas.pixel(QPointF(L + 10 * cellX, T + 10 * cellY).toPoint()); };
    EXPECT_EQ(at(5.6, 1), qRgb(0, 0, 0)) << "the stitch reaches 5.8 cells, past the half cell at 5.5";
    EXPECT_NE(at(6.4, 1), qRgb(0, 0, 0)) << "and ends before 6";
}

// What a file says wrongly but recoverably is mended on reading, with a note on the status line.
TEST(OxsRead, RepeatedSymbolsAndStitchesAreMendedAndCounted) {
    const struct {
        const char* fixture;
        int repeatedStitches, replacedSymbols;
        std::string note;
    } cases[] = {
        {"repeated-symbols.oxs", 0, 2, texts::fileNotesText(ChartFileExtras{.replacedSymbols = 2})},
        {"two-stitches-one-cell.oxs", 3, 0, texts::fileNotesText(ChartFileExtras{.repeatedStitches = 3})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const Chart chart = readFixture(c.fixture);
        EXPECT_EQ(chart.file.repeatedStitches, c.repeatedStitches);
        EXPECT_EQ(chart.file.replacedSymbols, c.replacedSymbols);
        std::set<std::string> symbols;
        for (const ChartThread& thread : chart.threads()) {
            EXPECT_FALSE(thread.symbol.empty());
            EXPECT_TRUE(symbols.insert(thread.symbol).second) << "a symbol twice: " << thread.symbol;
        }
        ShownChart shown(chart);
        EXPECT_EQ(shown.model.label1Text(), c.note);
    }
    const Chart symbols = readFixture("repeated-symbols.oxs");
    EXPECT_EQ(symbols.threads()[0].symbol, "X") << "the first thread keeps its symbol";
    EXPECT_EQ(symbols.threads()[3].symbol, "A");
    const Chart stitches = readFixture("two-stitches-one-cell.oxs");
    EXPECT_EQ(stitches.threadAt(0, 0), 0) << "the first stitch on a cell is kept";
    EXPECT_EQ(stitches.threadAt(1, 1), 1);
    EXPECT_EQ(stitches.threads()[0].count, 1);
    EXPECT_EQ(stitches.threads()[1].count, 2);
}

TEST(OxsRead, ANarrowChartHasItsLegendOnTheSheet) {
    const Chart chart = readFixture("narrow-chart.oxs");
    ShownChart shown(chart);
    const LegendLayout legend = legendLayout(canvasGeometry(), chart.width(), 2);
    EXPECT_EQ(legend.bands, 2) << "one colour cell a band";
    EXPECT_EQ(shown.model.canvas().width(), canvasWidth(12));
    // The first band's swatch holds the first thread's colour.
    const ChartGeometry& g = shown.model.geometry();
    const QPointF swatch(g.leftMargin + g.legendCellWidth + g.swatch.center().x(), g.legendTop + g.swatch.center().y());
    EXPECT_EQ(shown.model.canvas().pixel(swatch.toPoint()), qRgb(0, 0, 0));
}

// ----------------------------------------------------------------- bad files

std::string goodFile(const std::string& stitches = "<stitch x=\"1\" y=\"1\" palindex=\"1\"/>",
                     const std::string& size = "chartwidth=\"4\" chartheight=\"3\"") {
    return "<?xml version=\"1.0\"?>\n<chart><properties " + size +
           "/>\n<palette><palette_item index=\"0\" number=\"cloth\" color=\"FFFFFF\"/>"
           "<palette_item index=\"1\" number=\"310\" color=\"000000\"/></palette>\n<fullstitches>" +
           stitches + "</fullstitches><backstitches/></chart>\n";
}

std::string nested(int depth) {
    std::string open, close;
    for (int i = 0; i < depth; ++i) open += "<deep>", close += "</deep>";
    return "<?xml version=\"1.0\"?><chart><properties chartwidth=\"2\" chartheight=\"2\"/>" + open + close + "</chart>";
}

struct BadFile {
    const char* what;
    std::string content;
    OxsError error;
};

std::vector<BadFile> badFiles() {
    const std::string good = goodFile();
    return {
        {"empty", "", OxsError::Truncated},
        {"not XML", "P6\n4 3\n255\n\x01\x02\x03", OxsError::NotXml},
        {"wrong root", "<?xml version=\"1.0\"?><svg width=\"4\" height=\"3\"/>", OxsError::WrongRoot},
        {"no properties", "<chart><palette><palette_item index=\"0\" color=\"FFFFFF\"/></palette></chart>",
         OxsError::BadSize},
        {"width missing", goodFile("", "chartheight=\"3\""), OxsError::BadSize},
        {"width zero", goodFile("", "chartwidth=\"0\" chartheight=\"3\""), OxsError::BadSize},
        {"width a word", goodFile("", "chartwidth=\"wide\" chartheight=\"3\""), OxsError::BadSize},
        {"width negative", goodFile("", "chartwidth=\"-4\" chartheight=\"3\""), OxsError::BadSize},
        {"2001 wide", goodFile("", "chartwidth=\"2001\" chartheight=\"3\""), OxsError::ChartTooLarge},
        {"absurd height", goodFile("", "chartwidth=\"4\" chartheight=\"99999999999999\""), OxsError::ChartTooLarge},
        {"stitch right of the chart", goodFile("<stitch x=\"4\" y=\"0\" palindex=\"1\"/>"), OxsError::StitchOutside},
        {"stitch above the chart", goodFile("<stitch x=\"0\" y=\"-1\" palindex=\"1\"/>"), OxsError::StitchOutside},
        {"stitch far away", goodFile("<stitch x=\"70000\" y=\"0\" palindex=\"1\"/>"), OxsError::StitchOutside},
        {"stitch without y", goodFile("<stitch x=\"1\" palindex=\"1\"/>"), OxsError::BadStitch},
        {"palette index not in the file", goodFile("<stitch x=\"1\" y=\"1\" palindex=\"2\"/>"), OxsError::NoSuchThread},
        {"negative palette index", goodFile("<stitch x=\"1\" y=\"1\" palindex=\"-1\"/>"), OxsError::NoSuchThread},
        {"back stitch outside", goodFile("</fullstitches><backstitches><backstitch x1=\"0\" y1=\"0\" x2=\"4.5\" y2=\"1\" palindex=\"1\"/></backstitches><fullstitches>"),
         OxsError::StitchOutside},
        {"back stitch of no thread", goodFile("</fullstitches><backstitches><backstitch x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\" palindex=\"7\"/></backstitches><fullstitches>"),
         OxsError::NoSuchThread},
        {"no palette", "<chart><properties chartwidth=\"4\" chartheight=\"3\"/></chart>", OxsError::BadPalette},
        {"repeated palette index",
         "<chart><properties chartwidth=\"4\" chartheight=\"3\"/><palette><palette_item index=\"0\" color=\"FFFFFF\"/>"
         "<palette_item index=\"0\" color=\"000000\"/></palette></chart>",
         OxsError::BadPalette},
        {"bad colour", "<chart><properties chartwidth=\"4\" chartheight=\"3\"/><palette><palette_item index=\"0\" color=\"FFFFFF\"/>"
                       "<palette_item index=\"1\" number=\"X1\" color=\"GG0000\"/></palette></chart>",
         OxsError::BadPalette},
        {"truncated", good.substr(0, good.size() / 2), OxsError::Truncated},
        {"truncated in a tag", good.substr(0, good.find("palindex") + 4), OxsError::Truncated},
        {"entity expansion bomb",
         "<?xml version=\"1.0\"?><!DOCTYPE chart [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>"
         "<chart><properties chartwidth=\"4\" chartheight=\"3\" charttitle=\"&d;&d;&d;&d;&d;&d;&d;&d;\"/></chart>",
         OxsError::DtdRefused},
        {"external entity",
         "<?xml version=\"1.0\"?><!DOCTYPE chart [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><chart><properties "
         "chartwidth=\"4\" chartheight=\"3\" charttitle=\"&x;\"/></chart>",
         OxsError::DtdRefused},
        {"plain DTD", "<?xml version=\"1.0\"?><!DOCTYPE chart SYSTEM \"chart.dtd\">" + good.substr(good.find("<chart>")),
         OxsError::DtdRefused},
        {"undeclared entity", goodFile("", "chartwidth=\"4\" chartheight=\"3\" charttitle=\"&nbsp;\""), OxsError::NotXml},
        {"two roots", good + "<chart/>", OxsError::NotXml},
        {"nesting deeper than a chart needs", nested(40), OxsError::TooManyElements},
        {"too many threads", [] {
             std::string items;
             for (int i = 0; i <= oxs::kMaxThreads + 1; ++i)
                 items += "<palette_item index=\"" + std::to_string(i) + "\" color=\"FFFFFF\"/>";
             return "<chart><properties chartwidth=\"4\" chartheight=\"3\"/><palette>" + items + "</palette></chart>";
         }(), OxsError::TooManyThreads},
        {"larger than any chart file", std::string(static_cast<std::size_t>(oxs::kMaxFileBytes) + 1, ' '),
         OxsError::FileTooBig},
        {"a text longer than any chart needs",
         goodFile("</fullstitches><notes>" + std::string(oxs::kMaxTextBytes + 1, 'n') + "</notes><fullstitches>"),
         OxsError::TextTooLong},
        {"an attribute value longer than any chart needs",
         goodFile("", "chartwidth=\"4\" chartheight=\"3\" instructions=\"" + std::string(oxs::kMaxTextBytes + 1, 'i') + "\""),
         OxsError::TextTooLong},
        {"back stitches longer together than a chart of its size needs", [] {
             std::string diagonals; // 20 corner-to-corner stitches of 5 cells each, 100 cells on a 4 x 3 chart
             for (int i = 0; i < 20; ++i) diagonals += "<backstitch x1=\"0\" y1=\"0\" x2=\"4\" y2=\"3\" palindex=\"1\"/>";
             return goodFile("</fullstitches><backstitches>" + diagonals + "</backstitches><fullstitches>");
         }(), OxsError::BackStitchesTooLong},
        {"more kept elements than a chart of its size holds", [] {
             std::string kept;
             for (int i = 0; i <= oxs::keptElementsFor(4, 3); ++i) kept += "<k/>";
             return goodFile("</fullstitches><extras>" + kept + "</extras><fullstitches>");
         }(), OxsError::TooManyElements},
    };
}

// Small files of what once got through, refused for what they are.
TEST(OxsBadFiles, TheRefusedFixturesAreRefusedForTheirReason) {
    const struct {
        const char* fixture;
        OxsError error;
    } cases[] = {
        {"refused/colour-plus-sign.oxs", OxsError::BadPalette},
        {"refused/colour-0x-prefix.oxs", OxsError::BadPalette},
        {"refused/colour-seven-digits.oxs", OxsError::BadPalette},
        {"refused/too-many-attributes.oxs", OxsError::TooManyAttributes},
        {"refused/title-too-long.oxs", OxsError::TextTooLong},
        {"refused/thread-number-too-long.oxs", OxsError::TextTooLong},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fixture);
        const oxs::OxsReadResult read = oxs::readOxsFile(fixture(c.fixture));
        EXPECT_EQ(read.error, c.error) << oxs::errorReason(read.error);
        EXPECT_EQ(read.chart.width(), 0);
    }
    EXPECT_EQ(QDir(fixture("refused")).entryList({QStringLiteral("*.oxs")}, QDir::Files).size(), std::size(cases));
}

TEST(OxsBadFiles, EachIsRefusedWithItsReasonAndChangesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ShownChart window(readFixture("padded-numbers.oxs"));
    const QImage before = window.model.canvas().copy();
    const Chart chartBefore = window.model.chart();
    for (const BadFile& bad : badFiles()) {
        SCOPED_TRACE(bad.what);
        const QString path = dir.filePath(QStringLiteral("bad.oxs"));
        {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bad.content.data(), static_cast<qint64>(bad.content.size()));
        }
        const oxs::OxsReadResult read = oxs::readOxsFile(path);
        EXPECT_EQ(read.error, bad.error) << oxs::errorReason(read.error);
        EXPECT_EQ(read.chart.width(), 0);

        window.sink.messages.clear();
        EXPECT_FALSE(window.model.openChartFile(path, TaskDelegate{}));
        ASSERT_EQ(window.sink.messages.size(), 1u);
        EXPECT_EQ(window.sink.messages[0].text,
                  texts::kOpenFailedText + QDir::toNativeSeparators(path).toStdString() + "\n" +
                      texts::oxsErrorText(bad.error));
        EXPECT_TRUE(sameRegion(window.model.canvas(), before, before.rect()));
        expectSameChart(window.model.chart(), chartBefore);
        EXPECT_EQ(window.model.command5Action(), Command5Action::Print);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"bad.oxs"});
    }
}

TEST(OxsBadFiles, AMissingFileIsRefusedToo) {
    EXPECT_EQ(oxs::readOxsFile(QStringLiteral("/nonexistent/chart.oxs")).error, OxsError::CannotOpen);
}

// ----------------------------------------------------------------- saving from the window

TEST(OxsSave, TheWindowSavesTheChartShownAndAFailedSaveKeepsTheEarlierFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ShownChart window(readFixture("sparse-backstitch-cloth.oxs"));
    const QString path = dir.filePath(QStringLiteral("saved.oxs"));
    ASSERT_TRUE(window.model.saveChartFile(path));
    ASSERT_EQ(window.sink.messages.size(), 1u);
    EXPECT_EQ(window.sink.messages[0].text, texts::kSavedText + QDir::toNativeSeparators(path).toStdString());
    expectSameChart(oxs::readOxsFile(path).chart, window.model.chart());

    // A folder where the file should be cannot be replaced: the save fails and says so.
    const QString blocked = dir.filePath(QStringLiteral("blocked.oxs"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    EXPECT_FALSE(window.model.saveChartFile(blocked));
    EXPECT_EQ(window.sink.messages.back().icon, MessageIcon::Warning);
    EXPECT_TRUE(QFileInfo(blocked).isDir());
    EXPECT_EQ(oxs::writeOxsFile(dir.filePath(QStringLiteral("no/such/folder.oxs")), window.model.chart()),
              OxsError::CannotWrite);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"saved.oxs"}) << "no temporary file is left";
}

// Part stitches and objects that cannot be in this chart do not refuse the file:
// they are kept as they were, as before they were read.
TEST(OxsRead, PartStitchesThatCannotBeDrawnAreKept) {
    const std::string file = goodFile();
    const std::string parts =
        "<partstitches><partstitch x=\"9\" y=\"1\" palindex1=\"1\" direction=\"3\"/>"
        "<partstitch x=\"1\" y=\"1\" palindex1=\"7\" direction=\"3\"/>"
        "<partstitch x=\"1\" y=\"1\" palindex1=\"1\" direction=\"9\"/>"
        "<partstitch x=\"0\" y=\"0\" palindex1=\"1\" direction=\"4\"/></partstitches>"
        "<ornaments_inc_knots_and_beads><object x1=\"40\" y1=\"1\" palindex=\"1\" objecttype=\"knot\"/>"
        "<object x1=\"1\" y1=\"1\" palindex=\"1\" objecttype=\"queen2x2\"/></ornaments_inc_knots_and_beads>";
    std::string text = file;
    text.insert(text.find("<backstitches/>"), parts);
    const oxs::OxsReadResult read = oxs::readOxs(QByteArray::fromStdString(text));
    ASSERT_TRUE(read.ok()) << oxs::errorReason(read.error);
    ASSERT_EQ(read.chart.partStitches.size(), 1u);
    EXPECT_EQ(read.chart.partStitches[0].diagonal, Diagonal::Backward);
    EXPECT_EQ(read.chart.file.notShown, 3 + 2);
    EXPECT_EQ(notDrawnList(read.chart), "partstitch \u00d7 3, knot \u00d7 1, queen2x2 \u00d7 1");
    expectSameChart(saveAndReopen(read.chart), read.chart);
}

} // namespace
} // namespace pav::chart::test
