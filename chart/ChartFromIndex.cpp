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
    job.matcher = request.matcher;

    ChartResult result;
    const palette::IndexResult matched = palette::makeColorIndex(state, job, 0);
    if (matched == palette::IndexResult::TooManyColours) result.error = ChartError::TooManyColours;
    if (matched != palette::IndexResult::Done || !*flag) {
        if (result.error == ChartError::None) result.error = ChartError::Aborted;
        return result;
    }
    if (palette::sortColorIndex(state, job, request.threshold) != palette::IndexResult::Done || !*flag) {
        result.error = ChartError::Aborted;
        return result;
    }
    result.chart = chartFromColourIndex(state, request.width, request.height, range, palette::loadxiuChr());
    result.chart.title = request.title;
    return result;
}

Chart chartFromColourIndex(const palette::ProgramState& state, int width, int height,
                           const std::string& rangeName, const palette::SymbolSet& symbols) {
    Chart chart(std::min(width, palette::kMatrixSide), std::min(height, palette::kMatrixSide));
    chart.rangeName = rangeName.empty() ? std::string("DMC") : rangeName;
    chart.range = threadRangeOf(chart.rangeName);
    const bool threadRows = chart.range == ThreadRange::Dmc;
    const auto& catalogue = palette::ThreadCatalogue::of(palette::ThreadBrand::Dmc);

    // Threads are the colour list's entries, position p being thread p - 1.
    const int count = std::clamp(state.colorCount, 0, palette::kListCapacity);
    std::vector<int> threadOfRow(static_cast<std::size_t>(catalogue.size()) + 1, kNoStitch);
    for (int p = 1; p <= count; ++p) {
        const std::int32_t entry = state.colorList[static_cast<std::size_t>(p)];
        ChartThread thread;
        if (threadRows) {
            thread.row = entry;
            thread.rgb = catalogue.thread(entry).rgb;
            thread.number = catalogue.thread(entry).number;
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
