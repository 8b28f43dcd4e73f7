// Nearest-thread search over the 423 DMC threads: 500 distinct colours (a full
// colour list) per iteration, by each criterion.
#include "colour/SeededRandom.h"
#include "colour/ThreadMatcher.h"
#include "palette/ThreadPalette.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace pav::colour;

namespace {

std::vector<std::int32_t> dmcColours() {
    std::vector<std::int32_t> colours;
    for (const auto& thread : pav::palette::dmcThreads()) colours.push_back(thread.color);
    return colours;
}

std::vector<std::int32_t> distinctColours(int count) {
    std::vector<std::int32_t> colours;
    SeededRandom random(2024);
    while (static_cast<int>(colours.size()) < count) {
        const auto c = static_cast<std::int32_t>(random.next() & 0xFFFFFF);
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
    return colours;
}

void matchColourList(benchmark::State& state, FitCriterion criterion) {
    const ThreadMatcher matcher(dmcColours(), criterion);
    const std::vector<std::int32_t> colours = distinctColours(500);
    for (auto _ : state) {
        int sum = 0;
        for (const std::int32_t c : colours) sum += matcher.nearest(c);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(colours.size()));
}

void BM_Match500Rgb(benchmark::State& state) { matchColourList(state, FitCriterion::Rgb); }
void BM_Match500Ciede2000(benchmark::State& state) { matchColourList(state, FitCriterion::Ciede2000); }

void BM_BuildMatcher(benchmark::State& state) {
    const std::vector<std::int32_t> threads = dmcColours();
    for (auto _ : state) {
        ThreadMatcher matcher(threads, FitCriterion::Ciede2000);
        benchmark::DoNotOptimize(matcher);
    }
}

} // namespace

BENCHMARK(BM_Match500Rgb)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Match500Ciede2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_BuildMatcher)->Unit(benchmark::kMicrosecond);
