// Measures charts of photographs: each picture is area-averaged to a width in
// stitches (120 unless given), then reduced three ways and matched to the DMC
// threads, and the tool prints the threads used, the mean CIEDE2000 against the
// averaged photo and the share of isolated stitches:
//   best-N   the best 30 threads with light cleanup (pav_colour);
//   forced   the 30 most frequent sampled colours (the main window's forced
//            reduction, rebuilt here from its rules) + nearest thread by RGB;
//   no-clean the same threads without cleanup;
//   all-423  for reference, every stitch its nearest thread by CIEDE2000 (no limit);
//   mode16   the ordered dither to 216 colours + nearest thread by RGB.
// Usage: colour_photo_quality [--width W] [--png PREFIX] PHOTO...
// With --png, each chart is also written as PREFIX<n>-<mode>.png, 4 pixels a stitch.
#include "image/AreaResample.h"
#include "app/ControlRules.h"
#include "colour/BestThreadsReduction.h"
#include "colour/ChartQuality.h"
#include "image/ClsDIB.h"
#include "image/ColorReduction.h"
#include "palette/ColourMatcher.h"
#include "palette/ThreadPalette.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

using pav::colour::RgbGrid;

namespace {

std::vector<std::int32_t> dmcColours() {
    std::vector<std::int32_t> colours;
    for (const auto& thread : pav::palette::dmcThreads()) colours.push_back(thread.color);
    return colours;
}

std::int32_t rgbOf(QRgb c) { return qRed(c) + 256 * qGreen(c) + 65536 * qBlue(c); }

RgbGrid stitchPicture(const QImage& photo, int width) {
    const int height = std::max(1, static_cast<int>(std::lround(photo.height() * double(width) / photo.width())));
    const QImage small = pav::image::areaResample(photo.convertToFormat(QImage::Format_RGB32), QSize(width, height),
                                                QRect(0, 0, width, height));
    RgbGrid grid{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) grid.cells.push_back(rgbOf(small.pixel(x, y)));
    return grid;
}

// Every stitch to the thread row nearest by RGB, as the chart window matches colours.
std::vector<int> rowsByRgb(const std::vector<std::int32_t>& colours) {
    std::vector<int> rows;
    for (const std::int32_t c : colours) rows.push_back(pav::palette::nearestThreadRow(c) - 1);
    return rows;
}

// The forced reduction's rules: sample about 21 x 21 stitches, keep the first
// distinct colours, order them by how often they were sampled, and give every
// stitch the nearest (RGB) of the first n.
std::vector<std::int32_t> forcedReduction(const RgbGrid& picture, int n) {
    using pav::app::toInt32;
    double rowStep = picture.height / 20.0;
    int columnStep = toInt32(picture.width / 20.0);
    if (rowStep < 1) rowStep = 1;
    if (columnStep < 1) columnStep = 1;
    std::vector<std::int32_t> samples;
    for (double y = 0; y <= picture.height - 1; y += rowStep)
        for (int x = 0; x <= picture.width - 1; x += columnStep) samples.push_back(picture.at(x, toInt32(y)));
    std::vector<std::int32_t> palette{picture.at(0, 0)};
    for (const std::int32_t c : samples)
        if (std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    if (n >= static_cast<int>(palette.size())) return picture.cells;
    std::vector<int> counts(palette.size(), 0);
    for (const std::int32_t c : samples) ++counts[std::find(palette.begin(), palette.end(), c) - palette.begin()];
    for (std::size_t i = 0; i + 1 < palette.size(); ++i) {
        int largest = counts[i];
        std::size_t chosen = 0;
        for (std::size_t j = i + 1; j < palette.size(); ++j)
            if (counts[j] > largest) {
                largest = counts[j];
                chosen = j;
            }
        if (chosen != 0) {
            std::swap(palette[i], palette[chosen]);
            std::swap(counts[i], counts[chosen]);
        }
    }
    std::vector<std::int32_t> result;
    for (const std::int32_t c : picture.cells) {
        int best = 0;
        long bestDistance = -1;
        for (int e = 0; e < n; ++e) {
            const long dr = (c & 255) - (palette[e] & 255), dg = ((c >> 8) & 255) - ((palette[e] >> 8) & 255),
                       db = ((c >> 16) & 255) - ((palette[e] >> 16) & 255);
            const long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) {
                bestDistance = d;
                best = e;
            }
        }
        result.push_back(palette[best]);
    }
    return result;
}

std::vector<std::int32_t> orderedDither216(const RgbGrid& picture) {
    pav::image::ClsDIB source, reduced;
    source.Create(picture.width, picture.height, 24, true);
    std::uint8_t* data = source.DataPtr();
    for (int y = 0; y < picture.height; ++y) {
        std::uint8_t* row = data + static_cast<std::size_t>(picture.height - 1 - y) * source.Stride();
        for (int x = 0; x < picture.width; ++x) {
            const std::int32_t c = picture.at(x, y);
            row[3 * x] = (c >> 16) & 255;
            row[3 * x + 1] = (c >> 8) & 255;
            row[3 * x + 2] = c & 255;
        }
    }
    reduced.Reduce(source, pav::image::ReductionMode::Colours216, true);
    const QImage shown = reduced.ToQImage();
    std::vector<std::int32_t> colours;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) colours.push_back(rgbOf(shown.pixel(x, y)));
    return colours;
}

void report(const char* mode, const RgbGrid& picture, const std::vector<int>& rows,
            const std::vector<std::int32_t>& threads, const std::string& png) {
    const pav::colour::ChartQuality q = pav::colour::measureQuality(picture, rows, threads);
    const std::set<int> used(rows.begin(), rows.end());
    std::printf("  %-7s threads %3zu  mean dE2000 %5.2f  isolated %5.1f %%\n", mode, used.size(), q.meanDeltaE2000,
                100.0 * q.isolatedStitches / static_cast<double>(picture.size()));
    if (png.empty()) return;
    QImage chart(picture.width * 4, picture.height * 4, QImage::Format_RGB32);
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) {
            const std::int32_t c = threads[rows[(y / 4) * picture.width + x / 4]];
            chart.setPixel(x, y, qRgb(c & 255, (c >> 8) & 255, (c >> 16) & 255));
        }
    chart.save(QString::fromStdString(png + "-" + mode + ".png"));
}

} // namespace

int main(int argc, char** argv) {
    int width = 120;
    std::string pngPrefix;
    std::vector<std::string> photos;
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--width" && i + 1 < argc) width = std::atoi(argv[++i]);
        else if (word == "--png" && i + 1 < argc) pngPrefix = argv[++i];
        else photos.push_back(word);
    }
    if (photos.empty() || width < 1) {
        std::fprintf(stderr, "usage: colour_photo_quality [--width W] [--png PREFIX] PHOTO...\n");
        return 2;
    }
    const std::vector<std::int32_t> threads = dmcColours();
    int number = 0;
    for (const std::string& path : photos) {
        const QImage photo(QString::fromStdString(path));
        if (photo.isNull()) {
            std::fprintf(stderr, "cannot read %s\n", path.c_str());
            return 1;
        }
        const RgbGrid picture = stitchPicture(photo, width);
        std::printf("%s (%d x %d stitches)\n", path.c_str(),
                    picture.width, picture.height);
        const std::string png = pngPrefix.empty() ? "" : pngPrefix + std::to_string(++number);
        const pav::colour::BestThreadsResult best = pav::colour::reduceToBestThreads(picture, threads, {});
        report("best-N", picture, best.stitches, threads, png);
        const pav::colour::BestThreadsResult noCleanup =
            pav::colour::reduceToBestThreads(picture, threads, {30, pav::colour::Dither::None,
                                                                pav::colour::DitherSpace::Perceptual,
                                                                pav::colour::Cleanup::Off});
        report("no-clean", picture, noCleanup.stitches, threads, "");
        const pav::colour::ThreadMatcher all(threads, pav::colour::FitCriterion::Ciede2000);
        report("all-423", picture, all.nearest(picture.cells), threads, "");
        report("forced", picture, rowsByRgb(forcedReduction(picture, 30)), threads, png);
        report("mode16", picture, rowsByRgb(orderedDither216(picture)), threads, png);
    }
    return 0;
}
