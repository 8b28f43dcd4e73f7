#include "chart/Chart.h"

#include <algorithm>
#include <cmath>

namespace pav::chart {

Chart::Chart(int width, int height)
    : m_width(std::clamp(width, 0, kMaxChartSide)), m_height(std::clamp(height, 0, kMaxChartSide)),
      m_cells(static_cast<std::size_t>(m_width) * m_height, kNoStitch),
      m_blocks(static_cast<std::size_t>(m_width) * m_height, 16777215) {}

std::vector<int> Chart::legend() const {
    std::vector<int> listed;
    for (int i = 0; i < static_cast<int>(m_threads.size()); ++i)
        if (m_threads[static_cast<std::size_t>(i)].listed) listed.push_back(i);
    return listed;
}

int Chart::stitchedCells() const {
    return static_cast<int>(std::count_if(m_cells.begin(), m_cells.end(), [](int t) { return t != kNoStitch; }));
}

void Chart::recount() {
    for (ChartThread& thread : m_threads) thread.count = 0;
    for (const int t : m_cells)
        if (t >= 0 && t < static_cast<int>(m_threads.size())) ++m_threads[static_cast<std::size_t>(t)].count;
}

std::vector<StitchCounts> Chart::stitchCounts() const {
    std::vector<StitchCounts> counts(m_threads.size());
    const auto of = [&](int thread) -> StitchCounts* {
        return thread >= 0 && thread < static_cast<int>(counts.size()) ? &counts[static_cast<std::size_t>(thread)]
                                                                       : nullptr;
    };
    for (const int t : m_cells)
        if (StitchCounts* c = of(t)) ++c->full;
    for (const PartStitch& stitch : partStitches) {
        StitchCounts* c = of(stitch.thread);
        if (!c) continue;
        switch (stitch.kind) {
        case PartStitchKind::Half: ++c->half; break;
        case PartStitchKind::Quarter: ++c->quarter; break;
        case PartStitchKind::ThreeQuarter: ++c->threeQuarter; break;
        case PartStitchKind::Petite: ++c->petite; break;
        }
    }
    for (const BackStitch& stitch : backStitches) {
        if (StitchCounts* c = of(stitch.thread)) {
            ++c->backStitches;
            c->backLength += std::hypot(stitch.x2 - stitch.x1, stitch.y2 - stitch.y1) / 2;
        }
    }
    for (const Ornament& ornament : ornaments) {
        if (StitchCounts* c = of(ornament.thread)) ++(ornament.kind == OrnamentKind::Bead ? c->beads : c->knots);
    }
    return counts;
}

StitchCounts Chart::stitchCounts(int thread) const {
    const std::vector<StitchCounts> all = stitchCounts();
    return thread >= 0 && thread < static_cast<int>(all.size()) ? all[static_cast<std::size_t>(thread)]
                                                               : StitchCounts{};
}

} // namespace pav::chart
