// The printed page of a chart, drawn into a PDF in memory: what a print job
// costs beyond the events it lets run (the printer page is drawn twice).

#include "PrintFixture.h"

#include <benchmark/benchmark.h>

namespace {

using namespace pav::print;

void BM_PdfPage(benchmark::State& state) {
    const int w = static_cast<int>(state.range(0));
    const int h = static_cast<int>(state.range(1));
    test::ChartUnderTest chart(w, h, static_cast<int>(state.range(2)));
    const PrintSheet sheet = sheetOf(chart.model);
    for (auto _ : state) {
        QBuffer memory;
        memory.open(QIODevice::WriteOnly);
        QPdfWriter writer(&memory);
        writer.setPageLayout(defaultPdfLayout());
        QPainter painter(&writer);
        benchmark::DoNotOptimize(printChartPage(painter, writer, sheet, pav::chart::JobControl{}));
        painter.end();
        state.counters["bytes"] = static_cast<double>(memory.size());
    }
}
BENCHMARK(BM_PdfPage)->Args({100, 100, 30})->Args({230, 250, 120})->Unit(benchmark::kMillisecond);

} // namespace
