// Generating and saving a full-size chart: a 230 x 250 fabric with 60 threads,
// colour blocks and symbols (colour index, every drawing step, every symbol).

#include "chart/ChartHost.h"
#include "chart/ChartSaver.h"
#include "chart/window/Form7Model.h"
#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

using namespace pav;

void ensureGuiApp() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "chart_bench";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

struct Host : chart::ChartHost {
    double stitchPictureWidth() const override { return 230; }
    int stitchPictureHeight() const override { return 250; }
    chart::Swatches swatches() const override { return chart::Swatches::ThreadColours; }
    colour::RgbGrid stitches = colour::filledGrid(231, 251, palette::kWhite);
    const colour::RgbGrid& stitchColours() const override { return stitches; }
    void setMainControlsEnabled(bool) override {}
};

struct QuietSink : MessageSink {
    int failures = 0;
    void showMessage(const std::string&, const std::string&, MessageIcon icon) override {
        if (icon == MessageIcon::Warning) ++failures;
    }
};

// Soft bands of 60 threads, like a reduced photograph: a wave picks the thread,
// and ten by ten patches shift it so that every one of the 60 is used.
void paintPicture(colour::RgbGrid& stitches) {
    std::vector<std::int32_t> colours;
    for (int row = 1; row <= palette::kThreadRows && colours.size() < 60; row += 5) {
        const std::int32_t colour = palette::dmcThreads()[static_cast<std::size_t>(row - 1)].color;
        if (palette::nearestThreadRow(colour) == row) colours.push_back(colour);
    }
    for (int y = 0; y < 250; ++y)
        for (int x = 0; x < 230; ++x) {
            const double wave = 3 * std::sin(x * 0.05 + y * 0.02) * std::cos(y * 0.04);
            const int k = (x / 23 + 10 * (y / 25) + static_cast<int>(std::lround(wave)) + 60) % 60;
            stitches.at(x, y) = colours[static_cast<std::size_t>(k)];
        }
}

struct Chart {
    Host host;
    QuietSink sink;
    chart::Form7Model model{host, sink};
    TaskDelegate events; // the view throttles its yields; here they cost a call each
    Chart() {
        ensureGuiApp();
        paintPicture(host.stitches);
        model.load();
        model.setStyle(chart::ChartStyle::BlocksAndSymbols);
        model.setThresholdText("0");
        events.yield = [] {};
    }
};

void BM_GenerateChart(benchmark::State& bench) {
    Chart chart;
    for (auto _ : bench)
        chart.model.command1Clicked(chart.events);
    const auto threads = static_cast<int>(chart.model.chart().legend().size());
    if (threads != 60) bench.SkipWithError("the picture did not give 60 threads");
    bench.counters["threads"] = threads;
}
BENCHMARK(BM_GenerateChart)->Unit(benchmark::kMillisecond);

// The first press on a newly loaded chart window, which should cost no more than later ones.
void BM_FirstGeneration(benchmark::State& bench) {
    for (auto _ : bench) {
        bench.PauseTiming();
        auto chart = std::make_unique<Chart>();
        bench.ResumeTiming();
        chart->model.command1Clicked(chart->events);
        bench.PauseTiming();
        chart.reset();
        bench.ResumeTiming();
    }
}
BENCHMARK(BM_FirstGeneration)->Unit(benchmark::kMillisecond)->Iterations(8);

// Each save writes a new numbered file, as the save button does.
void BM_SaveChartBmp(benchmark::State& bench) {
    Chart chart;
    chart.model.command1Clicked(chart.events);
    QTemporaryDir folder;
    chart.model.setSaveFolder(folder.path());
    for (auto _ : bench) {
        chart.model.command4Clicked();
        bench.PauseTiming();
        QFile::remove(folder.filePath(chart::chartFileName(chart.model.saveCounter())));
        bench.ResumeTiming();
    }
    if (chart.sink.failures > 0) bench.SkipWithError("a save failed");
    bench.counters["pixels"] = double(chart.model.canvas().width()) * chart.model.canvas().height();
}
BENCHMARK(BM_SaveChartBmp)->Unit(benchmark::kMillisecond);

} // namespace
