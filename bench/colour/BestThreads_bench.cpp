// The best-N reduction from picture to stitches, everything included (histogram,
// clustering, refinement over the threads, assignment, cleanup), on the fabric's
// largest chart size, 230 x 250: a photograph from the sample gallery stretched to
// that size, and a noisy gradient with far more distinct colours than a photograph.
#include "image/AreaResample.h"
#include "colour/BestThreadsReduction.h"
#include "colour/ChartQuality.h"
#include "colour/SeededRandom.h"
#include "palette/ThreadPalette.h"

#include <QImage>

#include <benchmark/benchmark.h>

using namespace pav::colour;

namespace {

constexpr int kWidth = 230, kHeight = 250;

std::vector<std::int32_t> dmcColours() {
    std::vector<std::int32_t> colours;
    for (const auto& thread : pav::palette::dmcThreads()) colours.push_back(thread.color);
    return colours;
}

RgbGrid photograph() {
    const QImage photo(QStringLiteral(PAV_SOURCE_DIR "/assets/gallery/风景/sunset_mountains.jpg"));
    RgbGrid grid{kWidth, kHeight, {}};
    if (photo.isNull()) return grid;
    const QImage small = pav::image::areaResample(photo.convertToFormat(QImage::Format_RGB32), QSize(kWidth, kHeight),
                                                QRect(0, 0, kWidth, kHeight));
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const QRgb c = small.pixel(x, y);
            grid.cells.push_back(qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c));
        }
    return grid;
}

RgbGrid noisyGradient() {
    RgbGrid grid{kWidth, kHeight, {}};
    SeededRandom random(42);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const int n = static_cast<int>(random.next() % 32);
            grid.cells.push_back(((x * 255 / kWidth + n) & 255) + 256 * ((y * 255 / kHeight + n) & 255) +
                                 65536 * (((x + y) * 127 / (kWidth + kHeight) + 2 * n) & 255));
        }
    return grid;
}

void reduce(benchmark::State& state, const RgbGrid& picture, BestThreadsOptions options) {
    if (picture.cells.empty()) {
        state.SkipWithError("picture missing");
        return;
    }
    const std::vector<std::int32_t> threads = dmcColours();
    options.threads = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const BestThreadsResult result = reduceToBestThreads(picture, threads, options);
        benchmark::DoNotOptimize(result.stitches.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(picture.size()));
}

void BM_BestThreadsPhoto(benchmark::State& state) {
    static const RgbGrid picture = photograph();
    reduce(state, picture, {});
}
void BM_BestThreadsNoise(benchmark::State& state) {
    static const RgbGrid picture = noisyGradient();
    reduce(state, picture, {});
}
void BM_BestThreadsPhotoFloydSteinberg(benchmark::State& state) {
    static const RgbGrid picture = photograph();
    reduce(state, picture, {30, Dither::FloydSteinberg, DitherSpace::Perceptual, Cleanup::Light});
}
void BM_QualityFigures(benchmark::State& state) {
    static const RgbGrid picture = photograph();
    const std::vector<std::int32_t> threads = dmcColours();
    const BestThreadsResult result = reduceToBestThreads(picture, threads, {});
    for (auto _ : state) benchmark::DoNotOptimize(measureQuality(picture, result.stitches, threads));
}

} // namespace

BENCHMARK(BM_BestThreadsPhoto)->Arg(30)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestThreadsNoise)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BestThreadsPhotoFloydSteinberg)->Arg(30)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QualityFigures)->Unit(benchmark::kMillisecond);
