#include "chart/ChartFromIndex.h"

#include "palette/ColorIndex.h"
#include "palette/ThreadPalette.h"

#include <algorithm>

namespace pav::chart {

ChartResult makeChart(palette::ProgramState& state, const ChartRequest& request, const TaskDelegate& task,
                      bool* running) {
    std::string range = request.rangeName.empty() ? std::string("DMC") : request.rangeName;
    bool carryOn = true;
    bool* flag = running ? running : &carryOn;
    palette::ColorIndexJob job;
    job.chartW = request.width;
    job.chartH = request.height;
    job.whichType = &range;
    job.genRunning = flag;
    job.task = &task;
    // The matcher searches the range's own catalogue, whatever the caller passed.
    const palette::ThreadBrand brand = palette::brandOfRange(range).value_or(palette::ThreadBrand::Dmc);
    job.matcher = request.matcher;
    if (job.matcher == nullptr || job.matcher->catalogue().brand() != brand)
        job.matcher = &palette::rangeMatcher(
            range, request.matcher ? request.matcher->criterion() : palette::FitCriterion::Rgb, false);

    ChartResult result;
    const palette::IndexResult matched = palette::makeColorIndex(state, job, 0);
    if (matched == palette::IndexResult::TooManyColours) result.error = ChartError::TooManyColours;
    if (matched != palette::IndexResult::Done || !*flag) {
        if (result.error == ChartError::None) result.error = ChartError::Aborted;
        return result;
    }
    palette::IndexResult counted = palette::sortColorIndex(state, job, request.threshold);
    // A threshold no thread reaches would leave a sheet of symbols with no legend at all.
    if (counted == palette::IndexResult::Done && state.maxColor == 0 && request.threshold > 0)
        counted = palette::sortColorIndex(state, job, 0);
    if (counted != palette::IndexResult::Done || !*flag) {
        result.error = ChartError::Aborted;
        return result;
    }
    Chart chart = chartFromColourIndex(state, request.width, request.height, range, palette::loadxiuChr());
    foldUnlistedThreads(chart, state,
                        request.matcher ? request.matcher->criterion() : palette::FitCriterion::Rgb);
    for (const ChartThread& thread : chart.threads()) {
        if (thread.count > 0 && thread.symbol.empty()) {
            *flag = false;
            result.error = ChartError::TooManySymbols;
            return result;
        }
    }
    result.chart = std::move(chart);
    result.chart.title = request.title;
    return result;
}

void foldUnlistedThreads(Chart& chart, palette::ProgramState& state, palette::FitCriterion criterion) {
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

    const bool threadRows = chart.range == ThreadRange::Dmc;
    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const int t = chart.threadAt(x, y);
            if (t == kNoStitch || threads[static_cast<std::size_t>(t)].listed) continue;
            const int to = target[static_cast<std::size_t>(t)];
            chart.setThreadAt(x, y, to);
            state.index.at(x, y) = threadRows ? threads[static_cast<std::size_t>(to)].row : to + 1;
        }
    }
    chart.recount();
    for (int k = 1; k <= std::min(state.maxColor, palette::kListCapacity); ++k) {
        palette::LegendRecord& record = state.legend[static_cast<std::size_t>(k)];
        if (record.position >= 1 && record.position <= static_cast<int>(threads.size()))
            record.quantity =
                palette::paddedRight(std::to_string(threads[static_cast<std::size_t>(record.position - 1)].count), 4);
    }
}

Chart chartFromColourIndex(const palette::ProgramState& state, int width, int height,
                           const std::string& rangeName, const palette::SymbolSet& symbols) {
    Chart chart(std::min(width, palette::kMatrixSide), std::min(height, palette::kMatrixSide));
    chart.rangeName = rangeName.empty() ? std::string("DMC") : rangeName;
    chart.range = threadRangeOf(chart.rangeName);
    const bool threadRows = chart.range == ThreadRange::Dmc;
    const palette::ThreadBrand brand = palette::brandOfRange(chart.rangeName).value_or(palette::ThreadBrand::Dmc);
    const auto& catalogue = palette::ThreadCatalogue::of(brand);

    // Threads are the colour list's entries, position p being thread p - 1.
    const int count = std::clamp(state.colorCount, 0, palette::kListCapacity);
    std::vector<int> threadOfRow(static_cast<std::size_t>(catalogue.size()) + 1, kNoStitch);
    for (int p = 1; p <= count; ++p) {
        const std::int32_t entry = state.colorList[static_cast<std::size_t>(p)];
        ChartThread thread;
        if (threadRows) {
            thread.brand = brand;
            thread.row = entry;
            thread.rgb = catalogue.thread(entry).rgb;
            thread.number = catalogue.thread(entry).number;
            thread.name = catalogue.thread(entry).name;
            threadOfRow[static_cast<std::size_t>(entry)] = p - 1;
        } else {
            thread.rgb = entry;
            thread.number = palette::hexColourText(entry);
        }
        thread.symbol = symbols.at(p);
        thread.listed = false;
        chart.threads().push_back(std::move(thread));
    }
    for (int k = 1; k <= std::min(state.maxColor, palette::kListCapacity); ++k) {
        const int p = state.legend[static_cast<std::size_t>(k)].position;
        if (p >= 1 && p <= count) chart.threads()[static_cast<std::size_t>(p - 1)].listed = true;
    }

    for (int y = 0; y < chart.height(); ++y) {
        for (int x = 0; x < chart.width(); ++x) {
            const std::int32_t value = state.index.at(x, y);
            int thread = kNoStitch;
            if (threadRows) {
                if (value >= 1 && value <= catalogue.size()) thread = threadOfRow[static_cast<std::size_t>(value)];
            } else if (value >= 1 && value <= count) {
                thread = value - 1;
            }
            chart.setThreadAt(x, y, thread);
            chart.setBlockColour(x, y, state.colors.at(x, y));
        }
    }
    chart.recount();
    return chart;
}

} // namespace pav::chart
