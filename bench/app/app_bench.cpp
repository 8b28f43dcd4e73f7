// The main window's costs on a 4000 x 3000 photo: installing it (decode and
// the first resample onto the fabric), one zoom change in region mode, and the
// preview plus the reduction driver on the largest fabric.

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "app/Form1Model.h"
#include "image/Dither.h"

namespace {

class Silent : public pav::MessageSink {
public:
    void showMessage(const std::string&, const std::string&, pav::MessageIcon) override {}
};

// A photo-like picture: smooth gradients, shapes and fine noise, as a phone
// camera JPEG of 4000 x 3000 (a few MB).
struct Scene {
    QTemporaryDir dir;
    std::string photo;
    Scene() {
        static int argc = 1;
        static char name[] = "app_bench";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) new QGuiApplication(argc, argv);
        pav::image::initDither();
        QDir::setCurrent(dir.path());
        QImage image(4000, 3000, QImage::Format_RGB32);
        QRandomGenerator random(7);
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int n = static_cast<int>(random.bounded(24));
                line[x] = qRgb((x * 255 / 4000 + n) & 255, (y * 255 / 3000 + n) & 255, ((x + y) / 28 + n) & 255);
            }
        }
        photo = dir.filePath("photo.jpg").toStdString();
        image.save(QString::fromStdString(photo), "JPEG", 88);
    }
};

Scene& scene() {
    static Scene s;
    return s;
}

// What the fabric frame shows, as the view paints it.
QImage fabricShown(const pav::app::Form1Model& model) {
    const QSize frame(static_cast<int>(model.stitchPictureWidth()), model.stitchPictureHeight());
    return model.picture4Region(QRect(QPoint(0, 0), frame));
}

// The photo installed in region mode on the largest fabric, 230 x 250.
void photoOnLargestFabric(pav::app::Form1Model& model) {
    model.formLoad();
    model.loadSourcePicture(scene().photo);
    model.wChange.setValue(230);
    model.Hchange.setValue(250);
}

void BM_InstallPhoto(benchmark::State& state) {
    Scene& s = scene();
    Silent silent;
    for (auto _ : state) {
        pav::app::Form1Model model(silent);
        model.formLoad();
        const bool installed = model.loadSourcePicture(s.photo);
        model.command11Click();  // the whole photo resampled onto the fabric
        benchmark::DoNotOptimize(fabricShown(model));
        if (!installed) state.SkipWithError("install failed");
    }
}
BENCHMARK(BM_InstallPhoto)->Unit(benchmark::kMillisecond);

void BM_RegionZoomChange(benchmark::State& state) {
    Silent silent;
    pav::app::Form1Model model(silent);
    photoOnLargestFabric(model);
    const int values[] = {300, 1200, 2500, 4000, 9000, 20000, 32767, 640};
    int next = 0;
    for (auto _ : state) {
        model.zoom.setValue(values[next++ % 8]);
        benchmark::DoNotOptimize(fabricShown(model));
    }
}
BENCHMARK(BM_RegionZoomChange)->Unit(benchmark::kMillisecond);

void BM_PreviewAndReduction(benchmark::State& state) {
    Silent silent;
    pav::app::Form1Model model(silent);
    photoOnLargestFabric(model);
    model.zoom.setValue(2000);
    model.ColorBit = 16;
    for (auto _ : state) {
        model.previewRoutine();
        model.reductionDriver();
        model.label11Click();  // back to the unreduced photo: every round reduces the same picture
    }
}
BENCHMARK(BM_PreviewAndReduction)->Unit(benchmark::kMillisecond);

} // namespace
