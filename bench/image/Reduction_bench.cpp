// Every reduction mode at the fabric's largest size and at a photo size; the
// rate is reported in pixels per second (items).
#include "ClsDIB.h"

#include <benchmark/benchmark.h>

#include <random>

using pav::image::ClsDIB;

namespace {

// A smooth picture with noise, closer to a photograph than pure noise.
const ClsDIB& picture(int width, int height) {
    static ClsDIB cache;
    if (cache.Width() != width || cache.Height() != height) {
        cache.Create(width, height, 24, true);
        std::mt19937 random(42);
        for (int m = 0; m < height; ++m)
            for (int x = 0; x < width; ++x) {
                std::uint8_t* p = cache.DataPtr() + m * cache.Stride() + 3 * x;
                const int n = static_cast<int>(random() % 32);
                p[0] = static_cast<std::uint8_t>((x * 255 / width + n) & 255);
                p[1] = static_cast<std::uint8_t>((m * 255 / height + n) & 255);
                p[2] = static_cast<std::uint8_t>(((x + m) * 127 / (width + height) + 2 * n) & 255);
            }
    }
    return cache;
}

template <typename Reduce> void run(benchmark::State& state, Reduce reduce) {
    const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
    const ClsDIB& source = picture(width, height);
    ClsDIB result;
    for (auto _ : state) {
        reduce(result, source);
        benchmark::DoNotOptimize(result.DataPtr());
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_ddGet1Bit(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet1Bit(src); });
}
void BM_ddGet2Bit(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet2Bit(src); });
}
void BM_ddGet3Bit(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet3Bit(src, true); });
}
void BM_ddGet4Bit(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet4Bit(src); });
}
void BM_ddGet8Bit(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet8Bit(src, true); });
}
void BM_ddGet216C(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet216C(src, true); });
}
void BM_ddGet16Bit(benchmark::State& s) {
    run(s, [](ClsDIB& d, const ClsDIB& src) { d.ddGet16Bit(src, true); });
}

} // namespace

#define PAV_SIZES Args({230, 250})->Args({2000, 2000})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_ddGet1Bit)->PAV_SIZES;
BENCHMARK(BM_ddGet2Bit)->PAV_SIZES;
BENCHMARK(BM_ddGet3Bit)->PAV_SIZES;
BENCHMARK(BM_ddGet4Bit)->PAV_SIZES;
BENCHMARK(BM_ddGet8Bit)->PAV_SIZES;
BENCHMARK(BM_ddGet216C)->PAV_SIZES;
BENCHMARK(BM_ddGet16Bit)->PAV_SIZES;
