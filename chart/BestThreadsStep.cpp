#include "chart/BestThreadsStep.h"

#include "chart/StitchGrid.h"
#include "colour/BestThreadsReduction.h"
#include "image/RgbValue.h"
#include "palette/ThreadCatalogue.h"

#include <algorithm>
#include <vector>

namespace pav::chart {
namespace {

// The DMC colours, by row from 1: what the best threads are chosen from.
const std::vector<std::int32_t>& dmcColours() {
    static const std::vector<std::int32_t> colours = [] {
        std::vector<std::int32_t> list;
        for (const palette::CatalogueThread& thread : palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc).threads())
            list.push_back(thread.rgb);
        return list;
    }();
    return colours;
}

} // namespace

int reduceStitchesToBestThreads(colour::RgbGrid& colors, int width, int height, const ColourChoice& choice) {
    const colour::RgbGrid picture =
        stitchGrid(colors, std::clamp(width, 0, colors.width), std::clamp(height, 0, colors.height));
    colour::BestThreadsOptions options;
    options.threads = choice.bestThreads;
    options.dither = choice.dither;
    options.cleanup = choice.cleanup;
    const colour::BestThreadsResult result = colour::reduceToBestThreads(picture, dmcColours(), options);
    std::size_t i = 0;
    for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x) colors.at(x, y) = dmcColours()[result.stitches[i++]];
    return static_cast<int>(result.threads.size());
}

QImage stitchesPicture(const colour::RgbGrid& colors, int width, int height) {
    const colour::RgbGrid grid =
        stitchGrid(colors, std::clamp(width, 0, colors.width), std::clamp(height, 0, colors.height));
    if (grid.size() == 0) return QImage();
    QImage picture(grid.width, grid.height, QImage::Format_RGB32);
    for (int y = 0; y < grid.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < grid.width; ++x) line[x] = image::toQRgb(grid.at(x, y));
    }
    return picture;
}

} // namespace pav::chart
