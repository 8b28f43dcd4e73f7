// A whole pattern PDF (cover, chart pages, legend) written to a file, from the
// chart's 230 x 250 stitches in 60 threads up to the largest fabric.

#include "PatternFixture.h"

#include "chart/pattern/PatternOutput.h"
#include "chart/pattern/PatternPages.h"

#include <QFileInfo>

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace pav::pattern;

void BM_PatternPdf(benchmark::State& state) {
    test::ensureApp();
    const pav::chart::Chart chart =
        test::patchChart(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)),
                         static_cast<int>(state.range(2)));
    PatternOptions options;
    options.blackAndWhite = state.range(3) != 0;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pattern.pdf"));
    for (auto _ : state) {
        if (writePatternPdf(chart, options, path) != pav::print::PrintOutcome::Printed)
            state.SkipWithError("not written");
    }
    state.counters["pages"] = layOutPattern(chart, options).totalPages();
    state.counters["bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_PatternPdf)
    ->Args({230, 250, 60, 0})
    ->Args({230, 250, 60, 1})
    ->Args({320, 320, 120, 0})
    ->Unit(benchmark::kMillisecond);

} // namespace
