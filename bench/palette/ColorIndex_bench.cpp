// Matching and counting a full 320 x 320 chart of 500 distinct colours.
#include "palette/ColourMatcher.h"
#include "palette/ColorIndex.h"
#include "palette/ThreadPalette.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

using namespace pav::palette;

pav::colour::RgbGrid chartOf500Colours() {
    pav::colour::RgbGrid stitches = pav::colour::filledGrid(320, 320, kWhite);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int32_t> anyColour(0, kWhite);
    std::array<std::int32_t, 500> palette{};
    for (auto& colour : palette)
        colour = anyColour(random);
    // Every colour appears early so that all 500 are in use; the rest is random.
    std::uniform_int_distribution<int> anyOf(0, 499);
    for (int i = 0; i < 320 * 320; ++i)
        stitches.at(i % 320, i / 320) = palette[i < 500 ? i : anyOf(random)];
    return stitches;
}

void runIndex(benchmark::State& bench, const pav::TaskDelegate* task) {
    const pav::colour::RgbGrid stitches = chartOf500Colours();
    const ColourIndexJob job{"DMC", 20, nullptr, task};
    ColourIndex index;
    IndexResult result = IndexResult::Done;
    for (auto _ : bench) {
        result = indexColours(stitches, job, index);
        benchmark::DoNotOptimize(index.entries.data());
    }
    if (result != IndexResult::Done || index.listedCount() < 2) bench.SkipWithError("the chart did not index");
}

void BM_ColorIndex320x320_500Colours(benchmark::State& bench) {
    runIndex(bench, nullptr);
}

// With every hook set, as the chart window passes them (its yield is throttled).
void BM_ColorIndex320x320_500Colours_Hooks(benchmark::State& bench) {
    long calls = 0;
    pav::TaskDelegate task;
    task.yield = [&] { ++calls; };
    task.progress = [&](int, int) { ++calls; };
    task.status = [&](const std::string&) { ++calls; };
    runIndex(bench, &task);
    benchmark::DoNotOptimize(calls);
}

void BM_NearestThread500Colours(benchmark::State& bench) {
    std::mt19937 random(11);
    std::uniform_int_distribution<std::int32_t> anyColour(0, kWhite);
    std::array<std::int32_t, 500> colours{};
    for (auto& colour : colours)
        colour = anyColour(random);
    for (auto _ : bench)
        for (const auto colour : colours)
            benchmark::DoNotOptimize(nearestThreadRow(colour));
}

} // namespace

BENCHMARK(BM_ColorIndex320x320_500Colours)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ColorIndex320x320_500Colours_Hooks)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearestThread500Colours)->Unit(benchmark::kMicrosecond);
