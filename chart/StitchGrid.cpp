#include "chart/StitchGrid.h"

#include <algorithm>
#include <vector>

namespace pav::chart {

colour::RgbGrid stitchGrid(const colour::RgbGrid& colours, int width, int height) {
    colour::RgbGrid grid = colour::filledGrid(width, height, palette::kWhite);
    for (int y = 0; y < std::min(grid.height, colours.height); ++y)
        std::copy_n(colours.row(y), std::min(grid.width, colours.width), grid.row(y));
    return grid;
}

colour::RgbGrid blockColours(const Chart& chart) {
    colour::RgbGrid grid;
    grid.width = chart.width();
    grid.height = chart.height();
    grid.cells.reserve(static_cast<std::size_t>(grid.width) * grid.height);
    for (int y = 0; y < grid.height; ++y)
        for (int x = 0; x < grid.width; ++x) grid.cells.push_back(chart.blockColour(x, y));
    return grid;
}

colour::ChartQuality chartQuality(const colour::RgbGrid& before, const Chart& chart) {
    const bool sameSize = before.width == chart.width() && before.height == chart.height();
    const colour::RgbGrid blocks = sameSize ? colour::RgbGrid{} : blockColours(chart);
    const colour::RgbGrid& source = sameSize ? before : blocks;

    std::vector<std::int32_t> colours;
    for (const ChartThread& thread : chart.threads()) colours.push_back(thread.rgb);
    const int bare = static_cast<int>(colours.size());
    colours.push_back(palette::kWhite);
    std::vector<int> threads;
    threads.reserve(source.size());
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x) threads.push_back(chart.stitched(x, y) ? chart.threadAt(x, y) : bare);
    return colour::measureQuality(source, threads, colours);
}

} // namespace pav::chart
