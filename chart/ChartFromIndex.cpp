#include "chart/ChartFromIndex.h"

#include "palette/ThreadPalette.h"

#include <algorithm>

namespace pav::chart {

ChartResult makeChart(const colour::RgbGrid& stitches, const ChartRequest& request, const TaskDelegate& task) {
    const std::string range = request.rangeName.empty() ? std::string("DMC") : request.rangeName;
    palette::ColourIndexJob job;
    job.rangeName = range;
    job.threshold = request.threshold;
    job.task = &task;
    // The matcher searches the range's own catalogue, whatever the caller passed.
    const palette::ThreadBrand brand = palette::brandOfRange(range).value_or(palette::ThreadBrand::Dmc);
    job.matcher = request.matcher;
    if (job.matcher == nullptr || job.matcher->catalogue().brand() != brand)
        job.matcher = &palette::rangeMatcher(
            range, request.matcher ? request.matcher->criterion() : palette::FitCriterion::Rgb, false);

    ChartResult result;
    palette::ColourIndex index;
    const palette::IndexResult indexed = palette::indexColours(stitches, job, index);
    if (indexed == palette::IndexResult::TooManyColours) result.error = ChartError::TooManyColours;
    if (indexed != palette::IndexResult::Done || !task.carryOn()) {
        if (result.error == ChartError::None) result.error = ChartError::Aborted;
        return result;
    }
    // A threshold no thread reaches would leave a sheet of symbols with no legend at all.
    if (index.listedCount() == 0 && request.threshold > 0) palette::listEveryEntry(index);
    Chart chart = chartFromColourIndex(index, stitches, range, palette::loadxiuChr());
    foldUnlistedThreads(chart, request.matcher ? request.matcher->criterion() : palette::FitCriterion::Rgb);
    for (const ChartThread& thread : chart.threads()) {
        if (thread.count > 0 && thread.symbol.empty()) {
            result.error = ChartError::TooManySymbols;
            return result;
        }
    }
    result.chart = std::move(chart);
    result.chart.title = request.title;
    return result;
}

void foldUnlistedThreads(Chart& chart, palette::FitCriterion criterion) {
    std::vector<ChartThread>& threads = chart.threads();
    const std::vector<int> listed = chart.legend();
    if (listed.empty() || listed.size() == threads.size()) return;

    std::vector<std::int32_t> colours;
    for (const int t : listed) colours.push_back(threads[static_cast<std::size_t>(t)].rgb);
    const colour::ThreadMatcher nearest(colours, criterion);
    std::vector<int> target(threads.size());
    for (std::size_t t = 0; t < threads.size(); ++t)
        target[t] = threads[t].listed ? static_cast<int>(t)
                                      : listed[static_cast<std::size_t>(nearest.nearest(threads[t].rgb))];

    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const int t = chart.threadAt(x, y);
            if (t == kNoStitch || threads[static_cast<std::size_t>(t)].listed) continue;
            chart.setThreadAt(x, y, target[static_cast<std::size_t>(t)]);
        }
    }
    chart.recount();
}

Chart chartFromColourIndex(const palette::ColourIndex& index, const colour::RgbGrid& stitches,
                           const std::string& rangeName, const palette::SymbolSet& symbols) {
    Chart chart(index.width, index.height);
    chart.rangeName = rangeName.empty() ? std::string("DMC") : rangeName;
    chart.range = threadRangeOf(chart.rangeName);
    const palette::ThreadBrand brand = palette::brandOfRange(chart.rangeName).value_or(palette::ThreadBrand::Dmc);
    const auto& catalogue = palette::ThreadCatalogue::of(brand);

    // Entry p is thread p, drawn with symbol p + 1.
    for (std::size_t p = 0; p < index.entries.size(); ++p) {
        const std::int32_t entry = index.entries[p];
        ChartThread thread;
        if (index.threadRows) {
            thread.brand = brand;
            thread.row = entry;
            thread.rgb = catalogue.thread(entry).rgb;
            thread.number = catalogue.thread(entry).number;
            thread.name = catalogue.thread(entry).name;
        } else {
            thread.rgb = entry;
            thread.number = palette::hexColourText(entry);
        }
        thread.symbol = symbols.at(static_cast<int>(p) + 1);
        thread.listed = p < index.listed.size() && index.listed[p];
        chart.threads().push_back(std::move(thread));
    }
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            chart.setThreadAt(x, y, index.cells[static_cast<std::size_t>(y) * index.width + x]);
            chart.setBlockColour(x, y, stitches.at(x, y));
        }
    }
    chart.recount();
    return chart;
}

} // namespace pav::chart
