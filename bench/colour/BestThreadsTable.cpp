// The best-N figures table: for each photograph, area-averaged to 120 stitches
// across (or --width W), the mean CIEDE2000 between the stitches and their threads
//   floor     every stitch its nearest DMC thread (no limit on the number);
//   old       best-30 chosen by k-means in CIELAB (the earlier choice), light cleanup;
//   new       best-30 chosen by the error they leave, light cleanup;
//   new-off   the same without cleanup;
// then the share of isolated stitches of "new", and the error seen from a distance
// (both pictures averaged over 3 x 3 stitches in linear light, then CIEDE2000) for
// the floor, old, new and the two dithers of the new choice; last, the time one
// best-30 reduction of the photo stretched to 230 x 250 takes (processor time, the
// median of 5).
// The threads are the DMC range's without its metallic threads, as best-N uses them.
// Usage: colour_bestthreads_table [--width W] [--threads N] PHOTO...
#include "KMeansThreads.h"

#include "colour/BestThreadsReduction.h"
#include "colour/ChartQuality.h"
#include "colour/ColourSpace.h"
#include "image/AreaResample.h"
#include "palette/ThreadCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <ctime>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

using namespace pav::colour;

namespace {

std::vector<std::int32_t> plainDmcColours() {
    std::vector<std::int32_t> colours;
    for (const auto& thread : pav::palette::ThreadCatalogue::of(pav::palette::ThreadBrand::Dmc).threads())
        if (!thread.specialty()) colours.push_back(thread.rgb);
    return colours;
}

RgbGrid stitchPicture(const QImage& photo, int width, int height) {
    const QImage small = pav::image::areaResample(photo, QSize(width, height), QRect(0, 0, width, height));
    RgbGrid grid{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const QRgb c = small.pixel(x, y);
            grid.cells.push_back(qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c));
        }
    return grid;
}

std::vector<std::int32_t> coloursOf(const std::vector<int>& stitches, const std::vector<std::int32_t>& threads) {
    std::vector<std::int32_t> colours;
    for (const int s : stitches) colours.push_back(threads[static_cast<std::size_t>(s)]);
    return colours;
}

double meanError(const RgbGrid& picture, const std::vector<std::int32_t>& colours) {
    double sum = 0;
    for (std::size_t i = 0; i < colours.size(); ++i)
        sum += deltaE2000(labFromRgb(picture.cells[i]), labFromRgb(colours[i]));
    return sum / static_cast<double>(colours.size());
}

// Both pictures seen from a distance: each stitch the linear-light mean of the 3 x 3
// stitches around it (fewer at the edges), then CIEDE2000 between the two means.
double distanceError(const RgbGrid& picture, const std::vector<std::int32_t>& colours) {
    const auto blurred = [&](const std::vector<std::int32_t>& cells, int x, int y) {
        LinearRgb sum;
        int n = 0;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int u = x + dx, v = y + dy;
                if (u < 0 || v < 0 || u >= picture.width || v >= picture.height) continue;
                const LinearRgb c = linearFromRgb(cells[static_cast<std::size_t>(v) * picture.width + u]);
                sum.r += c.r;
                sum.g += c.g;
                sum.b += c.b;
                ++n;
            }
        return labFromLinear({sum.r / n, sum.g / n, sum.b / n});
    };
    double total = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
            total += deltaE2000(blurred(picture.cells, x, y), blurred(colours, x, y));
    return total / static_cast<double>(picture.size());
}

// The earlier choice with the same assignment and cleanup as reduceToBestThreads.
std::vector<int> oldReduction(const RgbGrid& picture, const std::vector<std::int32_t>& threads, int n) {
    const std::vector<int> chosen = bench::chooseThreadsByClusters(picture, threads, n);
    std::vector<std::int32_t> colours;
    for (const int t : chosen) colours.push_back(threads[static_cast<std::size_t>(t)]);
    const ThreadMatcher matcher(colours, FitCriterion::Ciede2000);
    std::vector<int> stitches = assignThreads(picture, matcher);
    cleanupIsolated(picture, matcher, stitches, Cleanup::Light);
    for (int& s : stitches) s = chosen[static_cast<std::size_t>(s)];
    return stitches;
}

double millisecondsAtChartSize(const QImage& photo, const std::vector<std::int32_t>& threads, int n) {
    const RgbGrid picture = stitchPicture(photo, 230, 250);
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        // Processor time, so that other work on the machine does not count.
        const std::clock_t start = std::clock();
        const BestThreadsResult result = reduceToBestThreads(picture, threads, {n});
        times.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        if (result.stitches.empty()) return 0;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    int width = 120;
    int n = 30;
    std::vector<std::string> photos;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--width" && i + 1 < argc) width = std::atoi(argv[++i]);
        else if (word == "--threads" && i + 1 < argc) n = std::atoi(argv[++i]);
        else photos.push_back(word);
    }
    if (photos.empty() || width < 1 || !isValidThreadCount(n)) {
        std::fprintf(stderr, "usage: colour_bestthreads_table [--width W] [--threads 2..100] PHOTO...\n");
        return 2;
    }
    const std::vector<std::int32_t> threads = plainDmcColours();
    const ThreadMatcher all(threads, FitCriterion::Ciede2000);
    std::printf("best-%d of %zu DMC threads, %d stitches across; mean CIEDE2000 per stitch, then seen from a "
                "distance (3 x 3 in linear light)\n",
                n, threads.size(), width);
    std::printf("%-28s %6s %6s %6s %7s %6s | %6s %6s %6s %6s %6s | %6s\n", "photo", "floor", "old", "new", "new-off",
                "isol%", "floor", "old", "new", "new-fs", "new-at", "ms");
    double sums[11] = {};
    double worstGap = 0;
    for (const std::string& path : photos) {
        const QImage photo = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
        if (photo.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        const int height = std::max(1, static_cast<int>(std::lround(photo.height() * double(width) / photo.width())));
        const RgbGrid picture = stitchPicture(photo, width, height);

        const std::vector<std::int32_t> floor = coloursOf(all.nearest(picture.cells), threads);
        const std::vector<std::int32_t> old = coloursOf(oldReduction(picture, threads, n), threads);
        const BestThreadsResult best = reduceToBestThreads(picture, threads, {n});
        const std::vector<std::int32_t> now = coloursOf(best.stitches, threads);
        const std::vector<std::int32_t> off =
            coloursOf(reduceToBestThreads(picture, threads, {n, Dither::None, DitherSpace::Perceptual, Cleanup::Off})
                          .stitches,
                      threads);
        const std::vector<std::int32_t> fs = coloursOf(
            reduceToBestThreads(picture, threads, {n, Dither::FloydSteinberg, DitherSpace::Perceptual, Cleanup::Light})
                .stitches,
            threads);
        const std::vector<std::int32_t> at = coloursOf(
            reduceToBestThreads(picture, threads, {n, Dither::Atkinson, DitherSpace::Perceptual, Cleanup::Light})
                .stitches,
            threads);
        const double isolated =
            100.0 * countIsolated(best.stitches, picture.width, picture.height) / static_cast<double>(picture.size());
        const double row[11] = {meanError(picture, floor),      meanError(picture, old),
                                meanError(picture, now),        meanError(picture, off),
                                isolated,                       distanceError(picture, floor),
                                distanceError(picture, old),    distanceError(picture, now),
                                distanceError(picture, fs),     distanceError(picture, at),
                                millisecondsAtChartSize(photo, threads, n)};
        for (int i = 0; i < 11; ++i) sums[i] += row[i];
        worstGap = std::max(worstGap, row[2] - row[0]);
        // Wallpaper packages keep one picture a folder: the folder names it best.
        const QFileInfo file(QString::fromStdString(path));
        const QString folder = file.dir().dirName() == QLatin1String("images") ? QDir(file.dir().filePath(QStringLiteral("../.."))).canonicalPath().section(QLatin1Char('/'), -1) : file.fileName();
        const std::string name = folder.left(28).toStdString();
        std::printf("%-28s %6.2f %6.2f %6.2f %7.2f %6.1f | %6.2f %6.2f %6.2f %6.2f %6.2f | %6.1f\n", name.c_str(),
                    row[0], row[1], row[2], row[3], row[4], row[5], row[6], row[7], row[8], row[9], row[10]);
    }
    const double count = static_cast<double>(photos.size());
    std::printf("%-28s %6.2f %6.2f %6.2f %7.2f %6.1f | %6.2f %6.2f %6.2f %6.2f %6.2f | %6.1f\n", "mean", sums[0] / count,
                sums[1] / count, sums[2] / count, sums[3] / count, sums[4] / count, sums[5] / count, sums[6] / count,
                sums[7] / count, sums[8] / count, sums[9] / count, sums[10] / count);
    std::printf("new - floor: %.2f on average, %.2f at most\n", (sums[2] - sums[0]) / count, worstGap);
    return 0;
}
