#include "chart/ThreadsInUse.h"

#include <vector>

namespace pav::chart {

Chart withoutIdleThreads(const Chart& chart) {
    const std::size_t count = chart.threads().size();
    std::vector<bool> used(count, false);
    for (std::size_t t = 0; t < count; ++t) used[t] = chart.threads()[t].listed;
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            if (const int t = chart.threadAt(x, y); t >= 0 && static_cast<std::size_t>(t) < count) used[t] = true;
    const auto mark = [&](const auto& stitches) {
        for (const auto& stitch : stitches)
            if (stitch.thread >= 0 && static_cast<std::size_t>(stitch.thread) < count) used[stitch.thread] = true;
    };
    mark(chart.backStitches);
    mark(chart.partStitches);
    mark(chart.ornaments);

    bool idle = false;
    for (const bool u : used) idle = idle || !u;
    if (!idle || !chart.file.elements.empty()) return chart;

    std::vector<int> newIndex(count, kNoStitch);
    Chart kept = chart;
    kept.threads().clear();
    kept.file.threads.clear();
    for (std::size_t t = 0; t < count; ++t) {
        if (!used[t]) continue;
        newIndex[t] = static_cast<int>(kept.threads().size());
        kept.threads().push_back(chart.threads()[t]);
        if (t < chart.file.threads.size()) {
            kept.file.threads.resize(kept.threads().size() - 1);
            kept.file.threads.push_back(chart.file.threads[t]);
        }
    }
    for (int y = 0; y < chart.height(); ++y)
        for (int x = 0; x < chart.width(); ++x)
            if (const int t = chart.threadAt(x, y); t >= 0 && static_cast<std::size_t>(t) < count)
                kept.setThreadAt(x, y, newIndex[t]);
    const auto renumber = [&](auto& stitches) {
        for (auto& stitch : stitches)
            if (stitch.thread >= 0 && static_cast<std::size_t>(stitch.thread) < count) stitch.thread = newIndex[stitch.thread];
    };
    renumber(kept.backStitches);
    renumber(kept.partStitches);
    renumber(kept.ornaments);
    return kept;
}

} // namespace pav::chart
