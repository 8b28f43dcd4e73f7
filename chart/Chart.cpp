#include "chart/Chart.h"

#include <algorithm>

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

} // namespace pav::chart
