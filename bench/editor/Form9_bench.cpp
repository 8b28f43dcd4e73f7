// The colour editor on the largest fabric (230 x 250 stitches, 120 threads):
// opening, and one replacement with its undo, with a yield hook that does
// nothing (as the window's throttled one does between its time slices).
#include "editor/Form9Model.h"
#include "palette/ThreadPalette.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace pav;

constexpr int kW = 230;
constexpr int kH = 250;
constexpr int kThreads = 120;

struct NoHost : editor::EditorHost {
    void showChartWindow() override {}
};
struct NoMessages : MessageSink {
    void showMessage(const std::string&, const std::string&, MessageIcon) override {}
};

// Diagonal bands of threads 1..120, every thread listed once.
struct Chart {
    QTemporaryDir folder;
    palette::ProgramState state;
    NoHost host;
    NoMessages messages;
    TaskDelegate task{[] {}, {}, {}};

    Chart() {
        palette::loadColor(state.dmc);
        QImage picture(kW, kH, QImage::Format_RGB32);
        for (int y = 0; y < kH; ++y) {
            for (int x = 0; x < kW; ++x) {
                const int row = (x + y) % kThreads + 1;
                const std::int32_t rgb = state.dmc[row].color;
                state.colors.at(x, y) = rgb;
                state.index.at(x, y) = row;
                picture.setPixel(x, y,
                                 qRgb(palette::redOf(rgb), palette::greenOf(rgb), palette::blueOf(rgb)));
            }
        }
        for (int i = 1; i <= kThreads; ++i)
            state.colorList[i] = i;
        state.maxColor = state.colorCount = kThreads;
        picture.save(folder.filePath(QStringLiteral("tmpcolorv.bmp")), "BMP");
    }
};

void BM_Open(benchmark::State& bench) {
    Chart chart;
    editor::Form9Model model(chart.state, &chart.host, &chart.messages, &chart.task);
    for (auto _ : bench) {
        if (!model.open(16, chart.folder.path().toStdString())) bench.SkipWithError("no chart");
    }
}
BENCHMARK(BM_Open)->Unit(benchmark::kMillisecond);

void BM_ReplaceAndUndo(benchmark::State& bench) {
    Chart chart;
    editor::Form9Model model(chart.state, &chart.host, &chart.messages, &chart.task);
    if (!model.open(16, chart.folder.path().toStdString())) bench.SkipWithError("no chart");
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
