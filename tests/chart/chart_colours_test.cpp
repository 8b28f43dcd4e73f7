// The colour choices as the chart window sees them: the matching criterion the
// host names, and the quality figures of every completed chart.

#include "ChartTestSupport.h"

#include "chart/BestThreadsStep.h"
#include "chart/StitchGrid.h"
#include "colour/ColourSpace.h"
#include "palette/ThreadCatalogue.h"

#include <set>
#include <stdexcept>
#include <utility>

namespace pav::chart::test {
namespace {

using colour::FitCriterion;

// A colour whose nearest thread by the RGB rule is not its nearest by CIEDE2000.
const std::int32_t kTeal = palette::makeRgb(0, 82, 53);

TEST(ChartColours, TheHostsCriterionMatchesTheStitches) {
    const int byRgb = palette::dmcMatcher(FitCriterion::Rgb).nearestRow(kTeal);
    const int byDeltaE = palette::dmcMatcher(FitCriterion::Ciede2000).nearestRow(kTeal);
    ASSERT_NE(byRgb, byDeltaE);
    for (const auto& [criterion, row] : {std::pair{FitCriterion::Rgb, byRgb}, {FitCriterion::Ciede2000, byDeltaE}}) {
        ChartRun run(4, 3, [](int, int) { return kTeal; });
        run.host.criterion = criterion;
        run.generate();
        ASSERT_EQ(run.model.chart().threads().size(), 1u);
        EXPECT_EQ(run.model.chart().threads()[0].row, row);
        EXPECT_EQ(run.rowAt(3, 2), row);
    }
}

TEST(ChartColours, EachRangeMatchesItsOwnThreadsWithTheirNames) {
    // Grey bands, the middle one the metallic silver's colour.
    const auto paint = [](int x, int) { return x < 2 ? palette::makeRgb(30, 30, 30) : x < 4 ? palette::makeRgb(160, 160, 160) : palette::makeRgb(240, 200, 120); };
    for (const bool specialty : {false, true}) {
        for (const palette::ThreadCatalogue& catalogue : palette::ThreadCatalogue::all()) {
            SCOPED_TRACE(catalogue.rangeName() + (specialty ? " with specialty" : ""));
            ChartRun run(6, 3, paint);
            run.host.specialty = specialty;
            run.model.setWhichType(catalogue.rangeName());
            run.generate();
            const Chart& chart = run.model.chart();
            EXPECT_EQ(chart.rangeName, catalogue.rangeName());
            ASSERT_EQ(chart.threads().size(), 3u);
            for (const ChartThread& thread : chart.threads()) {
                EXPECT_EQ(thread.brand, catalogue.brand());
                ASSERT_GE(thread.row, 1);
                const palette::CatalogueThread& entry = catalogue.thread(thread.row);
                EXPECT_EQ(thread.number, entry.number);
                EXPECT_EQ(thread.rgb, entry.rgb);
                EXPECT_EQ(thread.name, entry.name);
                EXPECT_FALSE(thread.name.empty());
                // The prescribed range matches all its threads; the others keep
                // their specialty threads for when the host allows them.
                if (!specialty && catalogue.brand() != palette::ThreadBrand::Dmc) {
                    EXPECT_FALSE(entry.specialty());
                }
            }
        }
    }
}

// Two threads in halves with one stitch of the right-hand thread alone on the left.
constexpr int W = 6, H = 4;
std::int32_t halves(int x, int y) {
    const bool right = x >= W / 2 || (x == 0 && y == 1);
    return threadColor(sampleRows()[right ? 1 : 0]);
}

TEST(ChartColours, QualityFiguresCompareWithTheStitchesBeforeReduction) {
    ChartRun run(W, H, halves);
    EXPECT_EQ(run.model.qualityText(), "");

    // Before the reduction the lone stitch was another colour; everything else was already a thread.
    colour::RgbGrid before = stitchGrid(run.colours(), W, H);
    const std::int32_t was = palette::makeRgb(200, 30, 40);
    before.cells[1 * W + 0] = was;
    run.host.before = &before;
    run.generate();

    const double error = colour::deltaE2000(colour::labFromRgb(was), colour::labFromRgb(halves(0, 1)));
    EXPECT_NEAR(run.model.quality().meanDeltaE2000, error / (W * H), 1e-9);
    EXPECT_EQ(run.model.quality().isolatedStitches, 1);
    EXPECT_EQ(run.model.qualityText(), texts::qualityText(run.model.quality(), W * H));
    EXPECT_EQ(run.model.label1Text().find("平均色差"), std::string::npos); // the status line keeps its own text

    // No stitches before reduction, or ones of another size: the charted colours stand in.
    const colour::RgbGrid other = stitchGrid(run.colours(), W - 1, H);
    for (const colour::RgbGrid* none : {static_cast<const colour::RgbGrid*>(nullptr), &other}) {
        run.host.before = none;
        run.generate();
        EXPECT_EQ(run.model.quality().meanDeltaE2000, 0.0);
        EXPECT_EQ(run.model.quality().isolatedStitches, 1);
    }

    run.model.load(); // a new opening shows no figures
    EXPECT_EQ(run.model.qualityText(), "");
}

TEST(ChartColours, AnAbortedGenerationOrAGivenChartShowsNoFigures) {
    ChartRun run(W, H, halves);
    run.generate();
    ASSERT_NE(run.model.qualityText(), "");
    // A chart from a file was made from no picture the window knows.
    ASSERT_TRUE(run.model.showChart(run.model.chart(), TaskDelegate{}));
    EXPECT_EQ(run.model.qualityText(), "");
    run.generate();
    ASSERT_NE(run.model.qualityText(), "");
    TaskDelegate events;
    events.yield = [&] { run.model.unload(); }; // closing the window stops the job at its first check
    run.model.load();
    run.generate(events);
    EXPECT_EQ(run.model.command5Caption(), "中止");
    EXPECT_EQ(run.model.qualityText(), "");
}

TEST(ChartColours, BareCellsCountAsWhiteFabric) {
    Chart chart(2, 1);
    ChartThread black;
    black.rgb = palette::makeRgb(0, 0, 0);
    chart.threads().push_back(black);
    chart.setThreadAt(0, 0, 0);
    const colour::RgbGrid before{2, 1, {palette::makeRgb(0, 0, 0), palette::kWhite}};
    const colour::ChartQuality quality = chartQuality(before, chart);
    EXPECT_EQ(quality.meanDeltaE2000, 0.0);
    EXPECT_EQ(quality.isolatedStitches, 2);
}

TEST(ChartColours, QualityTextRoundsTheShareOfIsolatedStitches) {
    struct Case {
        double meanDeltaE;
        int isolated, stitches;
        const char* text;
    };
    const Case cases[] = {
        {3.84, 2, 100, "平均色差 3.8，孤立针 2%"},
        {10.26, 3, 1000, "平均色差 10.3，孤立针 0.3%"},
        {5.0, 703, 1000, "平均色差 5.0，孤立针 70.3%"},
        {0.0, 0, 0, "平均色差 0.0，孤立针 0%"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(texts::qualityText({c.meanDeltaE, c.isolated}, c.stitches), c.text);
}

bool isDmcColour(std::int32_t rgb) {
    for (const auto& thread : palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc).threads())
        if (thread.rgb == rgb) return true;
    return false;
}

std::set<std::int32_t> coloursOf(const colour::RgbGrid& colors, int width, int height) {
    std::set<std::int32_t> colours;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) colours.insert(colors.at(x, y));
    return colours;
}

TEST(BestThreadsStep, ATwoThreadFabricKeepsItsTwoThreads) {
    auto matrix = std::make_unique<colour::RgbGrid>(colour::filledGrid(321, 321, palette::kWhite));
    std::fill(matrix->cells.begin(), matrix->cells.end(), kTeal); // beyond the area: left alone
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) matrix->at(x, y) = threadColor(sampleRows()[x < W / 2 ? 0 : 1]);
    const auto before = *matrix;
    EXPECT_EQ(reduceStitchesToBestThreads(*matrix, W, H, ColourChoice{30}), 2);
    const QImage picture = stitchesPicture(*matrix, W, H);
    ASSERT_EQ(picture.size(), QSize(W, H));
    EXPECT_EQ(picture.pixel(W - 1, H - 1), qrgbOf(matrix->at(W - 1, H - 1)));
    for (int y = 0; y < H + 2; ++y)
        for (int x = 0; x < W + 2; ++x) ASSERT_EQ(matrix->at(x, y), before.at(x, y)) << x << "," << y;
}

TEST(BestThreadsStep, APhotoGetsAtMostNThreadsTheSameEveryTime) {
    constexpr int w = 60, h = 40;
    auto photo = std::make_unique<colour::RgbGrid>(colour::filledGrid(321, 321, palette::kWhite));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) photo->at(x, y) = palette::makeRgb(x * 4, y * 6, (x * y) % 256);
    for (const auto dither : {colour::Dither::None, colour::Dither::FloydSteinberg, colour::Dither::Atkinson}) {
        SCOPED_TRACE(static_cast<int>(dither));
        const ColourChoice choice{8, dither, colour::Cleanup::Light};
        auto first = std::make_unique<colour::RgbGrid>(*photo);
        auto second = std::make_unique<colour::RgbGrid>(*photo);
        const int used = reduceStitchesToBestThreads(*first, w, h, choice);
        reduceStitchesToBestThreads(*second, w, h, choice);
        const std::set<std::int32_t> colours = coloursOf(*first, w, h);
        EXPECT_EQ(static_cast<int>(colours.size()), used);
        EXPECT_LE(used, 8);
        EXPECT_GE(used, 2);
        for (const std::int32_t c : colours) EXPECT_TRUE(isDmcColour(c)) << std::hex << c;
        EXPECT_EQ(coloursOf(*second, w, h), colours);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) ASSERT_EQ(first->at(x, y), second->at(x, y));
    }
}

TEST(BestThreadsStep, AnEmptyAreaIsLeftAloneAndTheCountIsChecked) {
    auto matrix = std::make_unique<colour::RgbGrid>(colour::filledGrid(321, 321, palette::kWhite));
    std::fill(matrix->cells.begin(), matrix->cells.end(), kTeal);
    EXPECT_EQ(reduceStitchesToBestThreads(*matrix, 0, 5, ColourChoice{30}), 0);
    EXPECT_TRUE(stitchesPicture(*matrix, 0, 5).isNull());
    EXPECT_EQ(matrix->at(0, 0), kTeal);
    for (const int count : {0, 1, 101})
        EXPECT_THROW(reduceStitchesToBestThreads(*matrix, 4, 4, ColourChoice{count}), std::invalid_argument);
}

} // namespace
} // namespace pav::chart::test
