// The colour editor on the largest fabric (230 x 250 stitches, 120 threads):
// opening, and one replacement with its undo.
#include "editor/Form9Model.h"
#include "palette/ThreadPalette.h"

#include <QImage>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace pav;

constexpr int kW = 230;
constexpr int kH = 250;
constexpr int kThreads = 120;

struct NoHost : editor::EditorHost {
    void finishEditing(const chart::Chart&) override {}
};

// Diagonal bands of threads 1..120, every thread listed once.
struct Chart {
    NoHost host;
    chart::Chart chart{kW, kH};

    Chart() {
        for (int row = 1; row <= kThreads; ++row) {
            chart::ChartThread thread;
            thread.row = row;
            thread.rgb = palette::dmcThreads()[static_cast<std::size_t>(row - 1)].color;
            thread.number = palette::dmcThreads()[static_cast<std::size_t>(row - 1)].number;
            chart.threads().push_back(thread);
        }
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const int t = (x + y) % kThreads;
                chart.setThreadAt(x, y, t);
                chart.setBlockColour(x, y, chart.threads()[static_cast<std::size_t>(t)].rgb);
            }
        }
        chart.recount();
    }
};

void BM_Open(benchmark::State& bench) {
    Chart chart;
    editor::Form9Model model(&chart.host);
    for (auto _ : bench) {
        if (!model.open(chart.chart)) bench.SkipWithError("no chart");
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_ReplaceAndUndo(benchmark::State& bench) {
    Chart chart;
    editor::Form9Model model(&chart.host);
    if (!model.open(chart.chart)) bench.SkipWithError("no chart");
    model.pressThumbnail();
    const QPoint first = editor::Form9Model::swatchRect(1).center();
    const QPoint second = editor::Form9Model::swatchRect(2).center();
    for (auto _ : bench) {
        model.pressList(editor::Form9Model::ListSide::Source, first.x(), first.y());
        model.pressList(editor::Form9Model::ListSide::Target, second.x(), second.y());
        model.replace();
        model.undo();
    }
    if (model.replaceCount() != 0) bench.SkipWithError("undo did not follow the replacement");
}
BENCHMARK(BM_ReplaceAndUndo)->Unit(benchmark::kMillisecond);

} // namespace
