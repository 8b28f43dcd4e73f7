// The picture decoder's budget as the main window decodes (at most 24 million
// pixels held): the time and the peak resident memory for the files that come
// closest to the limits, sound ones (the largest progressive JPEG still
// allowed, a 6000 x 5000 photo) and hostile ones (headers claiming huge sizes).
// The process's peak memory is reported as the counter peak_MB: every input
// must stay within 256 MB and 10 s.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "image/SourcePicture.h"

namespace {

QTemporaryDir& folder() {
    static int argc = 1;
    static char name[] = "source_decode_bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
    static QTemporaryDir dir;
    return dir;
}

QImage noisy(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    QRandomGenerator random(5);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) line[x] = qRgb(x * 255 / w, y * 255 / h, random.bounded(256));
    }
    return image;
}

std::string jpeg(const char* name, int w, int h, bool progressive, int claimW = 0, int claimH = 0) {
    const QString path = folder().filePath(name);
    if (QFile::exists(path)) return path.toStdString();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "JPEG");
    writer.setProgressiveScanWrite(progressive);
    writer.setQuality(92);
    writer.write(noisy(w, h));
    if (claimW) {
        const qsizetype sof = bytes.indexOf(progressive ? "\xFF\xC2" : "\xFF\xC0");
        bytes[sof + 5] = char(claimH >> 8), bytes[sof + 6] = char(claimH);
        bytes[sof + 7] = char(claimW >> 8), bytes[sof + 8] = char(claimW);
    }
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path.toStdString();
}

// Each decode runs in a child process, so that its peak memory is its own,
// not that of making the test file.
void decode(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const pid_t child = fork();
        if (child == 0) _exit(pav::image::SourcePicture::decode(path) ? 0 : 1);
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        state.counters["peak_MB"] = double(usage.ru_maxrss) / 1024.0;
        state.counters["decoded"] = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
}

void BM_Photo6000x5000(benchmark::State& s) { decode(s, jpeg("photo.jpg", 6000, 5000, false)); }
void BM_Progressive3600x3000(benchmark::State& s) { decode(s, jpeg("prog.jpg", 3600, 3000, true)); }
void BM_BaselineClaiming16000x16000(benchmark::State& s) {
    decode(s, jpeg("claim.jpg", 400, 300, false, 16000, 16000));
}
void BM_ProgressiveClaiming20000x20000(benchmark::State& s) {
    decode(s, jpeg("claimp.jpg", 400, 300, true, 20000, 20000));
}

BENCHMARK(BM_BaselineClaiming16000x16000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ProgressiveClaiming20000x20000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Progressive3600x3000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Photo6000x5000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
